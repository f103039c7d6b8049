#pragma once

#include <string>
#include <vector>

#include "base/CString.h"

// Runs a helper program as a child process while the window that asked for
// it waits: the window takes no input meanwhile and shows a busy cursor,
// and a small modal box over it says what is going on and offers Cancel.
// Everything else (painting, other programs) goes on as usual.
class CChildProcess
{
public:
    struct Outcome
    {
        // FALSE when the program could not be started; strFailure says why.
        BOOL bStarted = FALSE;
        CString strFailure;
        // TRUE when the user cancelled it (it was stopped, then killed if it
        // would not stop).
        BOOL bCancelled = FALSE;
        // FALSE when it ended by a signal rather than by exiting.
        BOOL bExited = FALSE;
        int nExitCode = -1;
        // The end of what it wrote (the last kKeptBytes of each stream),
        // read in the locale's encoding.
        CString strOut;
        CString strErr;
    };

    static constexpr size_t kKeptBytes = 64 * 1024;

    // The program to run: the path in the environment variable pszOverride
    // when set (for tests: a stand-in program), else pszName beside the
    // running executable, else pszName on PATH; empty when there is none.
    static std::string FindProgram(const char* pszName, const char* pszOverride);

    // Runs program with its arguments until it ends. The box shows
    // lpszWaiting (captioned with the application name) and a button
    // lpszCancel; Cancel, Escape or the close box ask the program to stop
    // (SIGTERM) and kill it when it has not stopped after a few seconds.
    static Outcome RunModal(const std::string& program, const std::vector<std::string>& arguments,
        LPCTSTR lpszWaiting, LPCTSTR lpszCancel);
};
