// Load and Save of CRecordList: moving the directory's bytes between the
// disk and the reading and writing in RecordList.cpp.

#include "data/RecordList.h"

#include "data/DirectoryFormat.h"
#include "data/DirectoryReader.h"
#include "data/DirectoryWriter.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QSaveFile>
#include <QString>

namespace {

using DirectoryFormat::kDirectoryFileName;

CString ErrorText(int nError)
{
    return CString(std::strerror(nError));
}

// What stands at a name that is not a regular file, for the messages.
const char* KindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a named pipe (FIFO)";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "not a regular file";
}
// Opens the file at a name for reading; only a regular file is opened.
// Returns its descriptor, or -1 with bMissing telling whether nothing stands
// at the name and strError why it could not be opened otherwise.
int OpenDirectoryFile(const char* pszFileName, bool& bMissing, CString& strError)
{
    bMissing = false;
    // O_NONBLOCK: a pipe or device standing at the file's path must not
    // hang the program.
    const int fd = open(pszFileName, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        bMissing = errno == ENOENT;
        strError = ErrorText(errno);
        return -1;
    }
    struct stat info
    {
    };
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        strError = CString("it is ") + KindOf(info.st_mode) + ", not a directory file";
        close(fd);
        return -1;
    }
    return fd;
}

// Counts and checksums bytes as they pass, for the fingerprint of what was
// read or written.
class CByteTally
{
public:
    void Add(const char* pBytes, size_t nLength)
    {
        m_nChecksum = CFileFingerprint::Checksum(m_nChecksum, pBytes, nLength);
        m_nSize += nLength;
    }
    CFileFingerprint Fingerprint() const { return CFileFingerprint::OfChecksum(m_nSize, m_nChecksum); }

private:
    uint32_t m_nChecksum = CFileFingerprint::Checksum(0, nullptr, 0);
    size_t m_nSize = 0;
};

// An open directory file, read a chunk at a time. It remembers whether
// reading failed before the end of the file, and tallies every byte read.
class CFileSource
{
public:
    explicit CFileSource(int fd)
        : m_fd(fd)
    {
    }

    size_t Read(char* pBuffer, size_t nRoom)
    {
        for (;;) {
            const ssize_t nRead = read(m_fd, pBuffer, nRoom);
            if (nRead >= 0) {
                m_tally.Add(pBuffer, static_cast<size_t>(nRead));
                return static_cast<size_t>(nRead);
            }
            if (errno != EINTR) {
                m_bFailed = true;
                return 0;
            }
        }
    }

    // Reads whatever the directory did not need, so that the fingerprint
    // covers the whole file.
    void ReadToEnd()
    {
        char buffer[64 * 1024];
        while (Read(buffer, sizeof buffer) > 0) { }
    }

    bool HasFailed() const { return m_bFailed; }
    CFileFingerprint Fingerprint() const { return m_bFailed ? CFileFingerprint::Unreadable() : m_tally.Fingerprint(); }

private:
    int m_fd;
    bool m_bFailed = false;
    CByteTally m_tally;
};

CFileFingerprint FingerprintOf(const char* pszFileName)
{
    bool bMissing = false;
    CString strError;
    const int fd = OpenDirectoryFile(pszFileName, bMissing, strError);
    if (fd < 0)
        return bMissing ? CFileFingerprint() : CFileFingerprint::Unreadable();
    CFileSource source(fd);
    source.ReadToEnd();
    close(fd);
    return source.Fingerprint();
}

CString ToCString(const QString& text)
{
    return CString(text.toLatin1().toStdString());
}

// How a save ended.
struct SaveOutcome
{
    bool bFailed = false;
    CString strError;
    bool bOldFileIntact = true;
    CString strWarning;
    // What the file holds after a save that succeeded.
    CFileFingerprint written;

    void Fail(const CString& strWhy)
    {
        bFailed = true;
        strError = strWhy.IsEmpty() ? CString("The file could not be written.") : strWhy;
    }
};

// Makes the rename that replaced the file durable: the new directory entry
// reaches the disk only when the directory itself is synced. The file is in
// place either way, so a failure here is only a warning.
void SyncDirectoryOf(const QString& fileName, SaveOutcome& outcome)
{
    const QString directory = QFileInfo(QFileInfo(fileName).canonicalFilePath()).absolutePath();
    const int fd = open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;   // the file is in place; nothing more can be done for it
    if (fsync(fd) != 0 && errno != EINVAL) {   // EINVAL: the file system cannot sync folders
        outcome.strWarning = CString("The new file is in place, but it may not be on the disk yet: the folder could "
                                     "not be synced (")
            + ErrorText(errno) + ").";
    }
    close(fd);
}

// Checks what the name leads to: a regular file (its details in info), or
// nothing yet. Anything else is never replaced.
bool CheckTarget(const char* pszFileName, struct stat& info, bool& bExists, SaveOutcome& outcome)
{
    bExists = false;
    if (stat(pszFileName, &info) != 0) {
        if (errno == ENOENT)
            return true;
        outcome.Fail(ErrorText(errno));
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        struct stat link
        {
        };
        const bool bLink = lstat(pszFileName, &link) == 0 && S_ISLNK(link.st_mode);
        outcome.Fail(CString(bLink ? "it is a symbolic link to " : "it is ") + KindOf(info.st_mode)
            + ", not a directory file; nothing was replaced");
        return false;
    }
    bExists = true;
    return true;
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

// Rewrites the file itself, for a folder that takes no new file. Every
// write is checked; on a failure the old bytes are written back. false when
// the file cannot even be opened for it (the caller then reports its own
// reason).
bool TryWriteInPlace(const char* pszFileName, const std::string& bytes, SaveOutcome& outcome)
{
    const int fd = open(pszFileName, O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat info
    {
    };
    std::string oldBytes;
    const bool bRead = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (!bRead || !ReadAllAt(fd, oldBytes, static_cast<size_t>(info.st_size))) {
        close(fd);
        return false;
    }

    if (!ReplaceContents(fd, bytes)) {
        const int nError = errno;
        outcome.bOldFileIntact = ReplaceContents(fd, oldBytes);
        outcome.Fail(CString("the folder takes no new file, so the file itself was rewritten, which failed (")
            + ErrorText(nError)
            + (outcome.bOldFileIntact ? "); its old contents were written back, so it is as it was"
                                      : "); its old contents could not be written back, so the file is damaged"));
    }
    close(fd);
    return true;
}

// Gives the new file the old one's owner and group, where the user may.
void KeepOwner(int fd, const struct stat& old)
{
    if (fchown(fd, old.st_uid, old.st_gid) == 0)
        return;
    // Only root may give a file away; the group is kept where the user is
    // one of its members, and otherwise the new file stays in the user's own.
    if (fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0)
        return;
}

// Writes the file beside the old one, then renames it over it: on any
// failure the old file is left exactly as it was. writeAll hands every byte
// to the sink it is given and returns whether all were taken; it runs once
// whatever happens, since writing also leaves the list as a save leaves it.
template <class WriteAll> void ReplaceFile(const char* pszFileName, WriteAll writeAll, SaveOutcome& outcome)
{
    const auto discard = [](const char*, size_t) { return false; };
    struct stat old
    {
    };
    bool bExists = false;
    if (!CheckTarget(pszFileName, old, bExists, outcome)) {
        writeAll(discard);
        return;
    }

    const QString fileName = QFile::decodeName(pszFileName);
    QSaveFile file(fileName);
    // Unbuffered: every write reaches the file at once and reports its own
    // failure; a buffered one could leave the last bytes to a flush inside
    // commit(), whose failure (a full disk) Qt does not report.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // A folder that takes no new file may still hold a writable file:
        // only then are the bytes gathered, to rewrite it in place.
        std::string bytes;
        writeAll([&bytes](const char* pBytes, size_t nLength) {
            bytes.append(pBytes, nLength);
            return true;
        });
        if (!bExists || !TryWriteInPlace(pszFileName, bytes, outcome))
            outcome.Fail(ToCString(file.errorString()));
        else if (!outcome.bFailed)
            outcome.written = CFileFingerprint::OfBytes(bytes);
        return;
    }
    if (bExists)
        KeepOwner(file.handle(), old);
    // A full disk can make write() come back short without reporting an
    // error, and commit() would then put a truncated file in place.
    CByteTally tally;
    const CDirectoryWriter::Sink sink = [&file, &tally](const char* pBytes, size_t nLength) {
        tally.Add(pBytes, nLength);
        return file.write(pBytes, static_cast<qint64>(nLength)) == static_cast<qint64>(nLength);
    };
    if (!writeAll(sink)) {
        outcome.Fail(file.error() != QFileDevice::NoError
                ? ToCString(file.errorString())
                : CString("Only part of the file could be written (is the disk full?)"));
        file.cancelWriting();
        return;
    }
    if (!file.commit()) {
        outcome.Fail(ToCString(file.errorString()));
        return;
    }
    outcome.written = tally.Fingerprint();
    SyncDirectoryOf(fileName, outcome);
}

}   // namespace

void CRecordList::Load()
{
    LoadFile(kDirectoryFileName);
}

// The file is read a chunk at a time as the records are parsed, so its
// bytes are never all in memory beside the records made from them.
void CRecordList::LoadFile(const char* pszFileName)
{
    bool bMissing = false;
    CString strError;
    const int fd = OpenDirectoryFile(pszFileName, bMissing, strError);
    if (fd < 0 && bMissing) {
        StartLoad();
        FinishLoad(TRUE);
        m_fileOnDisk = CFileFingerprint();
        return;
    }
    if (fd < 0) {
        // Something stands at the name that cannot be read as a file.
        LoadFromBytes(std::string());
        m_strLoadError = strError;
        m_fileOnDisk = CFileFingerprint::Unreadable();
        return;
    }

    CFileSource source(fd);
    CDirectoryReader file([&source](char* pBuffer, size_t nRoom) { return source.Read(pBuffer, nRoom); });
    LoadFrom(file);
    source.ReadToEnd();
    close(fd);
    // A file that could not be read to its end counts as damaged even when
    // the bytes read so far happen to form a whole directory.
    if (source.HasFailed())
        m_bLoadComplete = FALSE;
    m_fileOnDisk = source.Fingerprint();
}

int CRecordList::Save()
{
    return SaveFile(kDirectoryFileName);
}

// The bytes go to the file a chunk at a time as they are made, so the
// directory is never held a second time as the file's bytes.
int CRecordList::SaveFile(const char* pszFileName)
{
    m_strLastSaveWarning.Empty();
    m_bOldFileIntact = TRUE;
    if (!m_pHead) {
        m_strLastSaveError = "There is no directory to save.";
        return 0;
    }
    const auto writeAll = [this](const CDirectoryWriter::Sink& sink) {
        CDirectoryWriter writer(m_nReserved, m_nNodeCount, sink);
        WriteRecords(writer);
        return writer.Finish();
    };
    SaveOutcome outcome;
    ReplaceFile(pszFileName, writeAll, outcome);
    if (outcome.bFailed) {
        m_strLastSaveError = outcome.strError;
        m_bOldFileIntact = outcome.bOldFileIntact ? TRUE : FALSE;
        // A damaged file is what is there now; it is no other program's work.
        if (!outcome.bOldFileIntact)
            m_fileOnDisk = FingerprintOf(pszFileName);
        return 0;
    }
    m_strLastSaveError.Empty();
    m_strLastSaveWarning = outcome.strWarning;
    m_fileOnDisk = outcome.written;
    return 1;
}

BOOL CRecordList::HasFileChanged() const
{
    return HasFileChangedAt(kDirectoryFileName);
}

BOOL CRecordList::HasFileChangedAt(const char* pszFileName) const
{
    const CFileFingerprint now = FingerprintOf(pszFileName);
    return !now.IsMissing() && now != m_fileOnDisk ? TRUE : FALSE;
}
