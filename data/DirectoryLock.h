#pragma once

#include "base/CString.h"

// One writer at a time: an advisory lock (flock) on a lock file beside the
// directory file, "<directory file>.lock". The directory file itself is
// replaced by a rename on every save, so a lock on it would not outlive the
// first save; the lock file is never replaced.
//
// The window holds a shared lock while it has unsaved changes (two windows
// may share a file); a command-line writer takes an exclusive one, which no
// window may hold at the same time. Nobody waits: a lock that is held
// elsewhere is refused at once. The lock ends with Release, the object, or
// the process.
class CDirectoryLock
{
public:
    enum class Kind
    {
        Shared,
        Exclusive
    };

    CDirectoryLock() = default;
    ~CDirectoryLock();
    CDirectoryLock(const CDirectoryLock&) = delete;
    CDirectoryLock& operator=(const CDirectoryLock&) = delete;

    // Takes the lock without waiting; false when another holder prevents it
    // (strWhy says so, as a lower-case clause). A shared lock whose lock file
    // cannot be made or opened (a read-only folder, say) is given anyway,
    // without a file: it then holds nothing, and strWhy says why. Such a
    // folder takes no new directory file either, so no writer can replace
    // the file in it, and a window must never fail to open because of a lock.
    // An exclusive lock is refused in that case.
    bool TryAcquire(const char* pszDirectoryFile, Kind kind, CString& strWhy);
    void Release();

    // Whether a lock file is locked by this object.
    bool IsHeld() const { return m_fd >= 0; }
    // Whether the last TryAcquire was refused because someone else holds the
    // lock (busy: try later), rather than because the lock file failed.
    bool WasHeldElsewhere() const { return m_bHeldElsewhere; }

private:
    int m_fd = -1;
    bool m_bHeldElsewhere = false;
};
