#include "data/SafeFileReplace.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>
#include <ctime>
#include <random>
#include <string>
#include <string_view>

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

// What stands at a name that is not a regular file, for the reasons.
CString KindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a named pipe (FIFO)";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "something other than a file";
}

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
            result.strReason = "it is a symbolic link to nothing; nothing was replaced";
        else if (nError != ENOENT)
            result.strReason = ReasonForError(nError);
        if (!result.strReason.IsEmpty())
            return false;
    } else if (!S_ISREG(target.old.st_mode)) {
        result.strReason = (bLink ? "it is a symbolic link to " + KindOf(target.old.st_mode) + ", not to a file"
                                  : ReasonForNotAFile(target.old.st_mode))
            + "; nothing was replaced";
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

// A new file is named "<name>.XXXXXX", where the six characters are two
// capital letters, two small letters and two digits in a random order. A
// name a person gives ("Dialstack.dat.backup", ".Old123") hardly ever has
// that mix, so a file of this pattern is taken for one of ours.
constexpr size_t kUniqueLength = 6;
constexpr const char* kCharacterClasses[] = {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz", "0123456789"};

std::string UniqueName(const Target& target)
{
    static std::mt19937 random(std::random_device{}());
    std::string unique;
    for (const char* pszClass : kCharacterClasses)
        for (int i = 0; i < 2; ++i)
            unique += pszClass[std::uniform_int_distribution<size_t>(0, std::strlen(pszClass) - 1)(random)];
    std::shuffle(unique.begin(), unique.end(), random);
    return target.strFolder + '/' + target.strName + '.' + unique;
}

bool IsInClass(char ch, const char* pszClass)
{
    return ch != '\0' && std::strchr(pszClass, ch) != nullptr;
}

// Whether a folder entry is a new file of a replace of the target that was
// never renamed into place.
bool IsLeftoverName(std::string_view entry, std::string_view targetName)
{
    if (entry.size() != targetName.size() + 1 + kUniqueLength || entry.substr(0, targetName.size()) != targetName
        || entry[targetName.size()] != '.')
        return false;
    const std::string_view unique = entry.substr(targetName.size() + 1);
    for (const char* pszClass : kCharacterClasses) {
        if (std::count_if(unique.begin(), unique.end(), [pszClass](char ch) { return IsInClass(ch, pszClass); }) != 2)
            return false;
    }
    return true;
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

// Runs the writer; false when it could not produce its content, or ran out
// of memory trying (strWhy then says so).
bool RunWriter(const std::function<bool(CByteSink&)>& writeContent, CByteSink& sink, CReplaceResult& result)
{
    try {
        if (writeContent(sink))
            return true;
        result.strReason = "the new contents could not be made; nothing was replaced";
    } catch (const std::bad_alloc&) {
        result.strReason = "there is not enough memory to make the new contents; nothing was replaced";
    } catch (const std::length_error&) {
        result.strReason = "there is not enough memory to make the new contents; nothing was replaced";
    }
    return false;
}

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

// Whether the file at fd holds exactly bytes.
bool Holds(int fd, const std::string& bytes)
{
    struct stat info
    {
    };
    std::string now;
    return fstat(fd, &info) == 0 && static_cast<size_t>(info.st_size) == bytes.size()
        && ReadAllAt(fd, now, bytes.size()) && now == bytes;
}

// The old bytes of a file to be rewritten in place; false when it is no
// regular file or they cannot all be read (or held).
bool ReadOldBytes(int fd, std::string& bytes)
{
    struct stat info
    {
    };
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    try {
        return ReadAllAt(fd, bytes, static_cast<size_t>(info.st_size));
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
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
    std::string oldBytes;
    if (!ReadOldBytes(fd, oldBytes)) {
        close(fd);
        return false;
    }

    StringSink sink;
    if (!RunWriter(writeContent, sink, result)) {
        // nothing was written; the reason is set
    } else if (ReplaceContents(fd, sink.Bytes())) {
        result.bOk = true;
        result.written = CFileFingerprint::OfBytes(sink.Bytes());
    } else {
        const int nError = errno;
        // A write-back that fails part-way may still leave the old bytes
        // (the new ones stopped at the same place): the file tells.
        result.bOldFileIntact = ReplaceContents(fd, oldBytes) || Holds(fd, oldBytes);
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
    const int nError = fsync(fd) == 0 ? 0 : errno;
    if (nError != 0 && nError != EINVAL) {   // EINVAL: the file system cannot sync folders
        result.strWarning = "the new file is in place, but it may not be on the disk yet: the folder could not be "
                            "synced ("
            + ReasonForError(nError) + ")";
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
    const bool bWritten = RunWriter(writeContent, sink, result);
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
        result.strReason = "there is not enough memory to replace the file; nothing was replaced";
    }
    if (!result.bOk)
        return result;
    try {
        SyncFolder(target, result);
        RemoveLeftovers(target);
    } catch (const std::bad_alloc&) {
        // The new file is in place; what is left undone is only tidying.
    }
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
    return "it is " + KindOf(mode) + ", not a file";
}
