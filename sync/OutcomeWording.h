#pragma once

#include <string>

#include "data/SyncOutcome.h"

// The one place that words what a run of dialstack-sync came to, for the
// terminal and the notification, in the user's language: the message, and
// where the user can settle it, the command that does, as it runs when
// pasted into a shell.
class COutcomeWording
{
public:
    struct Wording
    {
        std::string strMessage;
        std::string strCommand;   // empty where no command settles it
    };
    // strDirectoryFile: the file synced, which the command names.
    static Wording Word(const CSyncOutcome& outcome, const std::string& strDirectoryFile);

    // "dialstack-sync --file FILE", the file's absolute path quoted for the shell.
    static std::string Command(const std::string& strDirectoryFile);
    // A word of a command line the user can paste into a shell.
    static std::string ShellWord(const std::string& strWord);
};
