#include "data/SafeFileReplace.h"

#include <cerrno>
#include <cstdlib>
#include <new>
#include <stdexcept>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/ReasonText.h"
#include "data/ByteTally.h"
#include "data/FileReasons.h"
#include "data/InPlaceRewrite.h"
#include "data/TempFileNames.h"

namespace {

// Where the file is and what it is called, once any symbolic link to it has
// been followed: the new file must be made beside the real one.
struct Target
{
    std::string strPath;
    std::string strFolder;
    std::string strName;
    bool bExists = false;
    struct stat old
    {
    };
};

void SplitPath(Target& target)
{
    const size_t nSlash = target.strPath.rfind('/');
    target.strFolder = nSlash == std::string::npos ? "." : nSlash == 0 ? "/" : target.strPath.substr(0, nSlash);
    target.strName = nSlash == std::string::npos ? target.strPath : target.strPath.substr(nSlash + 1);
}

// Checks what the name leads to: a regular file, or nothing yet. Anything
// else is never replaced.
bool CheckTarget(const char* pszFileName, Target& target, CReplaceResult& result)
{
    target.strPath = pszFileName;
    struct stat link
    {
    };
    const bool bLink = lstat(pszFileName, &link) == 0 && S_ISLNK(link.st_mode);
    if (stat(pszFileName, &target.old) != 0) {
        const int nError = errno;
        // A link that leads nowhere would be replaced itself, not followed.
        if (nError == ENOENT && bLink)
            result.strReason = CReasonText::Tr("it is a symbolic link to nothing; nothing was replaced");
        else if (nError != ENOENT)
            result.strReason = ReasonForError(nError);
        if (!result.strReason.IsEmpty())
            return false;
    } else if (!S_ISREG(target.old.st_mode)) {
        result.strReason = CReasonText::Tr("%1; nothing was replaced",
            {bLink ? ReasonForLinkToNotAFile(target.old.st_mode) : ReasonForNotAFile(target.old.st_mode)});
        return false;
    } else {
        target.bExists = true;
        // A link to the file: the file it leads to is replaced, not the link.
        if (char* pszReal = bLink ? realpath(pszFileName, nullptr) : nullptr) {
            target.strPath = pszReal;
            std::free(pszReal);
        }
    }
    SplitPath(target);
    return true;
}

// The new file, unnamed until it is complete where the file system allows
// (then a crash leaves nothing behind), else under a unique name beside the
// target.
class NewFile
{
public:
    ~NewFile()
    {
        if (m_fd >= 0)
            close(m_fd);
        if (!m_strName.empty())
            unlink(m_strName.c_str());
    }

    // false with errno set when no file can be made in the folder.
    bool Create(const Target& target)
    {
        m_fd = open(target.strFolder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (m_fd >= 0)
            return true;
        // EISDIR, EOPNOTSUPP, EINVAL: the file system makes no unnamed files.
        if (errno != EISDIR && errno != EOPNOTSUPP && errno != EINVAL)
            return false;
        return TakeFreshName(target, [this](const std::string& name) {
            m_fd = open(name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
            return m_fd >= 0;
        });
    }

    int Descriptor() const { return m_fd; }

    // Puts the complete file at the target's name in one step; false with
    // errno set when it cannot.
    bool Publish(const Target& target)
    {
        if (m_strName.empty() && !GiveName(target))
            return false;
        if (rename(m_strName.c_str(), target.strPath.c_str()) != 0)
            return false;
        m_strName.clear();
        return true;
    }

private:
    // An unnamed file gets a unique name first: rename takes names only.
    bool GiveName(const Target& target)
    {
        const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
        return TakeFreshName(target, [&self](const std::string& name) {
            return linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
        });
    }

    // Calls makeAt with fresh names of the pattern beside the target until
    // one is made there, which becomes the file's name; false with errno set
    // when making fails for another reason than the name being taken.
    template <class MakeAt> bool TakeFreshName(const Target& target, MakeAt makeAt)
    {
        for (int nTry = 0; nTry < 100; ++nTry) {
            const std::string name = NewTempFileName(target.strFolder, target.strName);
            if (makeAt(name)) {
                m_strName = name;
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    int m_fd = -1;
    std::string m_strName;
};

// Writes straight to the file, every write checked: a write that comes back
// short without an error is a full disk.
class FileSink : public CByteSink
{
public:
    explicit FileSink(int fd)
        : m_fd(fd)
    {
    }

    bool Write(const char* pBytes, size_t nLength) override
    {
        if (m_nError)
            return false;
        m_tally.Add(pBytes, nLength);
        while (nLength > 0) {
            const ssize_t n = write(m_fd, pBytes, nLength);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                m_nError = n == 0 ? ENOSPC : errno;
                return false;
            }
            pBytes += n;
            nLength -= static_cast<size_t>(n);
        }
        return true;
    }

    int Error() const { return m_nError; }
    CFileFingerprint Fingerprint() const { return m_tally.Fingerprint(); }

private:
    int m_fd;
    int m_nError = 0;
    CByteTally m_tally;
};

// Gives the new file the old one's mode and, where the user may, its owner
// and group.
void KeepModeAndOwner(int fd, const struct stat& old)
{
    if (fchown(fd, old.st_uid, old.st_gid) != 0) {
        // Only root may give a file away; the group is kept where the user
        // is one of its members. Where neither is allowed the new file stays
        // the user's own, which is all a user can write, so the result is
        // deliberately not checked.
        (void)!fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    // Set after the owner: changing the owner clears set-id bits.
    (void)!fchmod(fd, old.st_mode & 07777);
}

// Makes the rename durable: the new directory entry reaches the disk only
// when the folder itself is synced. The file is in place either way, so a
// failure here is only a warning.
void SyncFolder(const Target& target, CReplaceResult& result)
{
    const int fd = open(target.strFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;   // the file is in place; nothing more can be done for it
    const int nError = fsync(fd) == 0 ? 0 : errno;
    if (nError != 0 && nError != EINVAL) {   // EINVAL: the file system cannot sync folders
        result.strWarning = CReasonText::Tr(
            "the new file is in place, but it may not be on the disk yet: the folder could not be synced (%1)",
            {ReasonForError(nError)});
    }
    close(fd);
}

bool IsFolderGone(const Target& target)
{
    struct stat info
    {
    };
    // A deleted working folder still answers stat, with no links left.
    return stat(target.strFolder.c_str(), &info) != 0 ? errno == ENOENT : info.st_nlink == 0;
}

// Why no new file could be made in the folder, errno telling.
void FailToCreate(const Target& target, int nError, CReplaceResult& result)
{
    if (IsFolderGone(target)) {
        result.strReason = CReasonText::Tr("the folder it belongs in no longer exists");
        result.bOldFileIntact = false;   // no file is there any more
        return;
    }
    result.strReason = ReasonForError(nError);
}

void WriteNewFile(const Target& target, const std::function<bool(CByteSink&)>& writeContent, CReplaceResult& result)
{
    NewFile file;
    if (!file.Create(target)) {
        const int nError = errno;
        // A folder that takes no new file may still hold a writable file.
        if (target.bExists && nError != ENOENT && RewriteInPlace(target.strPath, writeContent, result))
            return;
        FailToCreate(target, nError, result);
        return;
    }
    if (target.bExists)
        KeepModeAndOwner(file.Descriptor(), target.old);

    FileSink sink(file.Descriptor());
    const bool bWritten = RunContentWriter(writeContent, sink, result);
    if (sink.Error()) {
        result.strReason = ReasonForError(sink.Error());
        return;
    }
    if (!bWritten)
        return;
    if (fsync(file.Descriptor()) != 0 || !file.Publish(target)) {
        const int nError = errno;
        if (nError == ENOENT)
            FailToCreate(target, nError, result);
        else
            result.strReason = ReasonForError(nError);
        return;
    }
    result.bOk = true;
    result.written = sink.Fingerprint();
}

}   // namespace

CReplaceResult ReplaceFileSafely(const char* pszFileName, const std::function<bool(CByteSink&)>& writeContent)
{
    CReplaceResult result;
    Target target;
    try {
        if (CheckTarget(pszFileName, target, result))
            WriteNewFile(target, writeContent, result);
    } catch (const std::bad_alloc&) {
        // Before the rename: the old file is as it was, and a new file made
        // so far is removed as the exception passes.
        result.bOk = false;
        result.strReason = CReasonText::Tr("there is not enough memory to replace the file; nothing was replaced");
    }
    if (!result.bOk)
        return result;
    try {
        SyncFolder(target, result);
        RemoveOldTempFiles(target.strFolder, target.strName);
    } catch (const std::bad_alloc&) {
        // The new file is in place; what is left undone is only tidying.
    }
    return result;
}
