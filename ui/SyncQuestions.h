#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/CString.h"
#include "data/SyncOutcome.h"

// What the window asks when a sync needs the user, decided by the
// outcome's kind alone, and what the user's answer asks of the sync.
namespace SyncQuestions {

struct Answer
{
    enum class EAction
    {
        kNothing,   // not now
        kRunAgain,   // the sync again, with options (and the password typed)
        kSetUp,   // the set-up dialog, to choose the address book again
    };
    EAction action = EAction::kNothing;
    std::vector<std::string> options;
    std::optional<CString> password;
};

// Asks about an outcome that needs the user (CSyncOutcome::NeedsYou) in a
// message box or the password dialog.
Answer Ask(const CSyncOutcome& outcome);

// Tells of a conflict copy the sync kept; TRUE when the user asks to have
// the copy selected.
BOOL TellConflict(const CSyncOutcome::Conflict& conflict);

// The password dialog's question for a password refused or missing; FALSE
// when the user cancelled.
BOOL AskPassword(const CString& strPrompt, CString& strPassword);

}   // namespace SyncQuestions
