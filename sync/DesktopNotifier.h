#pragma once

#include <string>

// Tells the desktop, through its notification service on the session bus,
// about a problem the user must settle, once per problem: the last one
// shown for a directory file is kept in a small file beside its sync state,
// and a run that settles the problem forgets it.
class CDesktopNotifier
{
public:
    // strMemoryPath: the file that remembers the last problem shown.
    explicit CDesktopNotifier(std::string strMemoryPath);

    // Shows the notification unless this same problem was the last one
    // shown. FALSE when nothing was shown (already shown, or no desktop).
    bool Notify(const std::string& strProblem, const std::string& strCommand);
    // The problem is settled: the next one is shown even if it is the same.
    void Forget();

private:
    std::string m_strMemoryPath;
};
