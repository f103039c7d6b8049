#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/CString.h"
#include "data/SyncOutcome.h"
#include "framework/ChildProcess.h"

// One run of dialstack-sync on the directory file of the working folder,
// with --file (its full path) and --report json always given: the outcome
// comes back as data. A password goes only through the program's standard
// input (--password-stdin), never on its command line or in its
// environment.
class CSyncRun
{
public:
    struct Result
    {
        // FALSE when no sync program was found.
        BOOL bFound = FALSE;
        CChildProcess::Outcome process;
        // TRUE when the program printed an outcome, which is then in outcome.
        BOOL bReported = FALSE;
        CSyncOutcome outcome;
    };

    // The directory file as the sync is given it: its full path.
    static std::string DirectoryFile();
    // Whether the directory file has a sync set up (the sync keeps a state
    // for it).
    static BOOL IsSetUp();
    // The program: dialstack-sync beside this one or on PATH
    // (DIALSTACK_SYNC_PROGRAM names a stand-in); empty when there is none.
    static std::string Program();
    // The sync's command line after the program's name.
    static std::vector<std::string> Arguments(const std::vector<std::string>& options, BOOL bPassword);

    // Runs it while the window waits (see CChildProcess::RunModal), the box
    // saying the string nWaitingId.
    static Result Run(
        const std::vector<std::string>& options, const std::optional<CString>& password, UINT nWaitingId);
    // Runs it in the background; onEnd has the result.
    static std::unique_ptr<CChildProcess::CBackground> Start(std::function<void(const Result&)> onEnd);
    // Starts a plain sync that goes on after the window has gone.
    static BOOL StartDetached();

    // What a run of the program came to.
    static Result FromProcess(const CChildProcess::Outcome& process);
};
