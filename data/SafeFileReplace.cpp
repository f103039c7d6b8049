#include "data/SafeFileReplace.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <random>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "data/ByteTally.h"

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
    if (stat(pszFileName, &target.old) != 0) {
        if (errno != ENOENT) {
            result.strReason = ReasonForError(errno);
            return false;
        }
    } else if (!S_ISREG(target.old.st_mode)) {
        struct stat link
        {
        };
        const bool bLink = lstat(pszFileName, &link) == 0 && S_ISLNK(link.st_mode);
        result.strReason = (bLink ? CString("it is a symbolic link, and ") : CString())
            + ReasonForNotAFile(target.old.st_mode) + "; nothing was replaced";
        return false;
    } else {
        target.bExists = true;
        // A link to the file: the file it leads to is replaced, not the link.
        char* pszReal = realpath(pszFileName, nullptr);
        if (pszReal) {
            target.strPath = pszReal;
            std::free(pszReal);
        }
    }
    SplitPath(target);
    return true;
}

// The six characters that make a new file's name unique.
constexpr char kNameCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr size_t kNameCharacterCount = sizeof kNameCharacters - 1;
constexpr size_t kUniqueLength = 6;

std::string UniqueName(const Target& target)
{
    static std::mt19937 random(std::random_device{}());
    std::string name = target.strFolder + '/' + target.strName + '.';
    for (size_t i = 0; i < kUniqueLength; ++i)
        name += kNameCharacters[std::uniform_int_distribution<size_t>(0, kNameCharacterCount - 1)(random)];
    return name;
}

// Whether a folder entry is a new file of a replace of the target that was
// never renamed into place: "<name>.XXXXXX", six characters of ours.
bool IsLeftoverName(const std::string& entry, const std::string& targetName)
{
    if (entry.size() != targetName.size() + 1 + kUniqueLength || entry.compare(0, targetName.size(), targetName) != 0
        || entry[targetName.size()] != '.')
        return false;
    return entry.find_first_not_of(kNameCharacters, targetName.size() + 1) == std::string::npos;
}

// A crash between writing the new file and renaming it leaves it behind.
// One older than this belongs to no replace still in progress.
constexpr time_t kLeftoverAgeSeconds = 10 * 60;

void RemoveLeftovers(const Target& target)
{
    DIR* folder = opendir(target.strFolder.c_str());
    if (!folder)
        return;
    const time_t now = time(nullptr);
    while (const dirent* entry = readdir(folder)) {
        if (!IsLeftoverName(entry->d_name, target.strName))
            continue;
        struct stat info
        {
        };
        if (fstatat(dirfd(folder), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode)
            && info.st_uid == geteuid() && now - info.st_mtime > kLeftoverAgeSeconds)
            unlinkat(dirfd(folder), entry->d_name, 0);
    }
    closedir(folder);
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
        for (int nTry = 0; nTry < 100; ++nTry) {
            const std::string name = UniqueName(target);
            m_fd = open(name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
            if (m_fd >= 0) {
                m_strName = name;
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
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
        for (int nTry = 0; nTry < 100; ++nTry) {
            const std::string name = UniqueName(target);
            if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
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

// Collects the bytes, for a rewrite in place.
class StringSink : public CByteSink
{
public:
    bool Write(const char* pBytes, size_t nLength) override
    {
        m_bytes.append(pBytes, nLength);
        return true;
    }
    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

// Writes all of bytes at offset 0 of fd; false (errno set) when any write
// fails or comes back short.
bool WriteAllAt(int fd, const std::string& bytes)
{
    size_t nDone = 0;
    while (nDone < bytes.size()) {
        const ssize_t n = pwrite(fd, bytes.data() + nDone, bytes.size() - nDone, static_cast<off_t>(nDone));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        nDone += static_cast<size_t>(n);
    }
    return true;
}

// Reads nSize bytes from offset 0 of fd into bytes; false when it cannot.
bool ReadAllAt(int fd, std::string& bytes, size_t nSize)
{
    bytes.resize(nSize);
    size_t nDone = 0;
    while (nDone < nSize) {
        const ssize_t n = pread(fd, &bytes[nDone], nSize - nDone, static_cast<off_t>(nDone));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        nDone += static_cast<size_t>(n);
    }
    return true;
}

bool ReplaceContents(int fd, const std::string& bytes)
{
    return WriteAllAt(fd, bytes) && ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && fsync(fd) == 0;
}

// Rewrites the file itself, for a folder that takes no new file. Every
// write is checked; on a failure the old bytes are written back. false when
// the file cannot even be opened for it (the caller then reports its own
// reason).
bool TryWriteInPlace(const Target& target, const std::function<bool(CByteSink&)>& writeContent, CReplaceResult& result)
{
    const int fd = open(target.strPath.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat info
    {
    };
    std::string oldBytes;
    const bool bRegular = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (!bRegular || !ReadAllAt(fd, oldBytes, static_cast<size_t>(info.st_size))) {
        close(fd);
        return false;
    }

    StringSink sink;
    if (!writeContent(sink)) {
        result.strReason = "the new contents could not be made; nothing was replaced";
    } else if (ReplaceContents(fd, sink.Bytes())) {
        result.bOk = true;
        result.written = CFileFingerprint::OfBytes(sink.Bytes());
    } else {
        const int nError = errno;
        result.bOldFileIntact = ReplaceContents(fd, oldBytes);
        result.strReason = "the folder takes no new file, so the file itself was rewritten, which failed ("
            + ReasonForError(nError)
            + (result.bOldFileIntact ? "); its old contents were written back, so it is as it was"
                                     : "); its old contents could not be written back, so the file is damaged");
    }
    close(fd);
    return true;
}

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
    if (fsync(fd) != 0 && errno != EINVAL) {   // EINVAL: the file system cannot sync folders
        result.strWarning = "the new file is in place, but it may not be on the disk yet: the folder could not be "
                            "synced ("
            + ReasonForError(errno) + ")";
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
        result.strReason = "the folder it belongs in no longer exists";
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
        if (target.bExists && nError != ENOENT && TryWriteInPlace(target, writeContent, result))
            return;
        FailToCreate(target, nError, result);
        return;
    }
    if (target.bExists)
        KeepModeAndOwner(file.Descriptor(), target.old);

    FileSink sink(file.Descriptor());
    const bool bWritten = writeContent(sink);
    if (sink.Error()) {
        result.strReason = ReasonForError(sink.Error());
        return;
    }
    if (!bWritten) {
        result.strReason = "the new contents could not be made; nothing was replaced";
        return;
    }
    if (fsync(file.Descriptor()) != 0 || !file.Publish(target)) {
        if (errno == ENOENT)
            FailToCreate(target, errno, result);
        else
            result.strReason = ReasonForError(errno);
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
    if (CheckTarget(pszFileName, target, result))
        WriteNewFile(target, writeContent, result);
    if (!result.bOk)
        return result;
    SyncFolder(target, result);
    RemoveLeftovers(target);
    return result;
}

CString ReasonForError(int nError)
{
    switch (nError) {
    case EROFS: return "the disk is read-only";
    case ENOSPC: return "the disk is full";
    case EDQUOT: return "the disk quota is used up";
    case EFBIG: return "the file would be larger than this process may write";
    default: break;
    }
    CString strReason(std::strerror(nError));
    // The system's texts are sentences of their own; here they are clauses.
    if (!strReason.IsEmpty() && strReason[0] >= 'A' && strReason[0] <= 'Z'
        && (strReason.GetLength() < 2 || !(strReason[1] >= 'A' && strReason[1] <= 'Z')))
        strReason.SetAt(0, static_cast<char>(strReason[0] - 'A' + 'a'));
    return strReason;
}

CString ReasonForNotAFile(mode_t mode)
{
    const char* pszWhat = "not a regular file";
    if (S_ISDIR(mode))
        pszWhat = "a folder";
    else if (S_ISFIFO(mode))
        pszWhat = "a named pipe (FIFO)";
    else if (S_ISCHR(mode) || S_ISBLK(mode))
        pszWhat = "a device";
    else if (S_ISSOCK(mode))
        pszWhat = "a socket";
    return CString("it is ") + pszWhat + ", not a file";
}
