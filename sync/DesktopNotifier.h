#pragma once

#include <string>

// Tells the desktop, through its notification service on the session bus,
// about a problem the user must settle, once per problem: the last one
// shown for a directory file is kept in a small file beside its sync state,
// and a run that settles the problem forgets it. The notification belongs
// to the Dialstack desktop entry and offers "Open Dialstack", which starts
// the window program in the directory file's folder, where the window puts
// the sync's question itself.
class CDesktopNotifier
{
public:
    // How long a shown notification is watched for its action. The timer's
    // service is a one-shot one, so the watching keeps this run alive; five
    // minutes give a user who looks up from other work time to answer, and
    // end long before the timer's next run is due (a quarter of an hour).
    static constexpr int kWatchSeconds = 5 * 60;

    // strMemoryPath: the file that remembers the last problem shown.
    explicit CDesktopNotifier(std::string strMemoryPath);

    // Shows the notification unless this same problem was the last one
    // shown. In a run of the timer's service ($DIALSTACK_SYNC_TIMER=1) it
    // then waits (at most kWatchSeconds) for the user's answer and opens the
    // window on the action; elsewhere it offers no action. FALSE when nothing was shown (already
    // shown, or no desktop). strDirectoryFile: the file the sync works on.
    bool Notify(const std::string& strProblem, const std::string& strDirectoryFile);
    // The problem is settled: the next one is shown even if it is the same.
    void Forget();

    // The window program: $DIALSTACK_WINDOW_PROGRAM, else "dialstack" beside
    // the running program, else "dialstack" on PATH; empty when none is found.
    static std::string WindowProgram();

private:
    std::string m_strMemoryPath;
};
