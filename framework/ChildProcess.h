#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/CString.h"

// Runs a helper program as a child process, either while the window that
// asked for it waits (the window takes no input meanwhile and shows a busy
// cursor, and a small modal box over it says what is going on and offers
// Cancel) or in the background, telling its owner when it has ended.
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
        // The same end of standard output as the bytes it wrote (a program
        // that reports in UTF-8, say).
        std::string rawOut;
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
    // The program reads input on its standard input, which is then closed
    // (without input, it reads nothing). Nothing of input is kept.
    static Outcome RunModal(const std::string& program, const std::vector<std::string>& arguments,
        LPCTSTR lpszWaiting, LPCTSTR lpszCancel, const std::optional<std::string>& input = std::nullopt);

    // A run in the background: started by Start, it calls onEnd with its
    // outcome once the program has ended, in the application's event loop
    // (never from inside Start). Destroying the run before that forgets
    // onEnd and asks the program to stop (SIGTERM, as Cancel does), waiting
    // briefly for it, so that it ends at a safe point rather than being
    // killed.
    class CBackground
    {
    public:
        ~CBackground();
        CBackground(const CBackground&) = delete;
        CBackground& operator=(const CBackground&) = delete;
        BOOL IsRunning() const;

        struct Private;

    private:
        friend class CChildProcess;
        CBackground();
        std::unique_ptr<Private> d;
    };
    using OnEnd = std::function<void(const Outcome&)>;
    // nullptr-free: a run that could not start calls onEnd too (with
    // bStarted FALSE), as its first event.
    static std::unique_ptr<CBackground> Start(const std::string& program, const std::vector<std::string>& arguments,
        OnEnd onEnd, const std::optional<std::string>& input = std::nullopt);

    // Starts program on its own, with nothing to read and its output
    // dropped, so that it goes on when this program ends. FALSE, with the
    // reason in strFailure, when it could not be started.
    static BOOL StartDetached(
        const std::string& program, const std::vector<std::string>& arguments, CString& strFailure);
};
