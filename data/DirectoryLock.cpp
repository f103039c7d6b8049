#include "data/DirectoryLock.h"

#include <cerrno>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "base/ReasonText.h"
#include "data/FileReasons.h"

namespace {

// Beside the file a link leads to, so that every name of one directory file
// locks the same lock file.
std::string LockFileName(const char* pszDirectoryFile)
{
    std::string name = pszDirectoryFile;
    if (char* pszReal = realpath(pszDirectoryFile, nullptr)) {
        name = pszReal;
        std::free(pszReal);
    }
    return name + ".lock";
}

}   // namespace

CDirectoryLock::~CDirectoryLock()
{
    Release();
}

void CDirectoryLock::Release()
{
    if (m_fd >= 0)
        close(m_fd);   // ends the lock with the last descriptor of this open
    m_fd = -1;
}

bool CDirectoryLock::TryAcquire(const char* pszDirectoryFile, Kind kind, CString& strWhy)
{
    Release();
    strWhy.Empty();
    m_bHeldElsewhere = false;
    const std::string lockName = LockFileName(pszDirectoryFile);
    // Every holder opens the file itself: flock belongs to the open file
    // description, so two opens in one process exclude each other too. Read
    // only: flock needs no more, and a file open for writing would keep its
    // filesystem from being made read-only while a window is open.
    const int fd = open(lockName.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
    if (fd < 0) {
        const int nError = errno;
        strWhy = CReasonText::Tr("the lock file \"%1\" could not be opened: %2",
            {CReasonText::FromSystem(CString(lockName)), ReasonForError(nError)});
        return kind == Kind::Shared;
    }
    const int nOperation = (kind == Kind::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB;
    int nResult = 0;
    while ((nResult = flock(fd, nOperation)) != 0 && errno == EINTR) { }
    if (nResult != 0) {
        const int nError = errno;
        close(fd);
        m_bHeldElsewhere = nError == EWOULDBLOCK;
        if (nError != EWOULDBLOCK)
            strWhy = CReasonText::Tr("the lock file \"%1\" could not be locked: %2",
                {CReasonText::FromSystem(CString(lockName)), ReasonForError(nError)});
        else if (kind == Kind::Shared)
            strWhy = CReasonText::Tr("another program is changing the directory");
        else
            strWhy = CReasonText::Tr("a Dialstack window has unsaved changes to the directory, or another program "
                                     "is changing it; once they are saved, the next sync or import takes them in");
        return false;
    }
    m_fd = fd;
    return true;
}
