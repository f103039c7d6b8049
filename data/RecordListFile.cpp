// Load and Save of CRecordList: moving the directory's bytes between the
// disk and the reading and writing in RecordList.cpp.

#include "data/RecordList.h"
#include "data/DirectoryFormat.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QSaveFile>
#include <QString>

namespace {

using DirectoryFormat::kDirectoryFileName;

enum class EFileRead
{
    kWhole,   // every byte of the file
    kMissing,   // there is no file
    kNotOpened,   // something stands at the name but could not be opened as a file
    kFailed,   // the file was opened but could not be read to its end
};

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

// Reads the whole file into bytes. On a failure part-way, bytes holds what
// was read before it; strError says why the file could not be opened or read.
EFileRead ReadWholeFile(const char* pszFileName, std::string& bytes, CString& strError)
{
    bytes.clear();
    // O_NONBLOCK: a pipe or device standing at the file's path must not
    // hang the program; only a regular file is read.
    const int fd = open(pszFileName, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT)
            return EFileRead::kMissing;
        strError = ErrorText(errno);
        return EFileRead::kNotOpened;
    }
    struct stat info
    {
    };
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        strError = CString("it is ") + KindOf(info.st_mode) + ", not a directory file";
        close(fd);
        return EFileRead::kNotOpened;
    }

    // The file's bytes go straight into bytes, sized from the file; a small
    // buffer catches whatever lies beyond that size (a file that grew) and
    // proves the end has been reached.
    if (info.st_size > 0)
        bytes.resize(static_cast<size_t>(info.st_size));

    EFileRead result = EFileRead::kWhole;
    size_t nFilled = 0;
    char overflow[4096];
    for (;;) {
        const bool bIntoBytes = nFilled < bytes.size();
        const ssize_t nRead
            = bIntoBytes ? read(fd, &bytes[nFilled], bytes.size() - nFilled) : read(fd, overflow, sizeof overflow);
        if (nRead == 0)
            break;
        if (nRead < 0) {
            if (errno == EINTR)
                continue;
            strError = ErrorText(errno);
            result = EFileRead::kFailed;
            break;
        }
        if (bIntoBytes) {
            nFilled += static_cast<size_t>(nRead);
        } else {
            bytes.append(overflow, static_cast<size_t>(nRead));
            nFilled = bytes.size();
        }
    }
    bytes.resize(nFilled);
    close(fd);
    return result;
}

CFileFingerprint FingerprintOf(const char* pszFileName)
{
    std::string bytes;
    CString strError;
    switch (ReadWholeFile(pszFileName, bytes, strError)) {
    case EFileRead::kWhole: return CFileFingerprint::OfBytes(bytes);
    case EFileRead::kMissing: return CFileFingerprint();
    default: return CFileFingerprint::Unreadable();
    }
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
    if (fchown(fd, old.st_uid, old.st_gid) != 0)
        (void)fchown(fd, static_cast<uid_t>(-1), old.st_gid);
}

// Writes bytes beside the old file, then renames over it: on any failure the
// old file is left exactly as it was.
void ReplaceFile(const char* pszFileName, const std::string& bytes, SaveOutcome& outcome)
{
    struct stat old
    {
    };
    bool bExists = false;
    if (!CheckTarget(pszFileName, old, bExists, outcome))
        return;

    const QString fileName = QFile::decodeName(pszFileName);
    QSaveFile file(fileName);
    // Unbuffered, so that a full disk shows in write() instead of in the
    // flush inside commit(), which does not report it.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (!bExists || !TryWriteInPlace(pszFileName, bytes, outcome))
            outcome.Fail(ToCString(file.errorString()));
        return;
    }
    if (bExists)
        KeepOwner(file.handle(), old);
    const qint64 nWritten = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (nWritten != static_cast<qint64>(bytes.size())) {
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
    SyncDirectoryOf(fileName, outcome);
}

}   // namespace

void CRecordList::Load()
{
    LoadFile(kDirectoryFileName);
}

void CRecordList::LoadFile(const char* pszFileName)
{
    std::string bytes;
    CString strError;
    const EFileRead result = ReadWholeFile(pszFileName, bytes, strError);
    if (result == EFileRead::kMissing) {
        StartLoad();
        FinishLoad(TRUE);
        m_fileOnDisk = CFileFingerprint();
        return;
    }
    LoadFromBytes(bytes);
    // A file that could not be read to its end counts as damaged even when
    // the bytes read so far happen to form a whole directory.
    if (result != EFileRead::kWhole)
        m_bLoadComplete = FALSE;
    if (result == EFileRead::kNotOpened)
        m_strLoadError = strError;
    m_fileOnDisk = result == EFileRead::kWhole ? CFileFingerprint::OfBytes(bytes) : CFileFingerprint::Unreadable();
}

int CRecordList::Save()
{
    return SaveFile(kDirectoryFileName);
}

int CRecordList::SaveFile(const char* pszFileName)
{
    m_strLastSaveWarning.Empty();
    m_bOldFileIntact = TRUE;
    std::string bytes;
    if (!SaveToBytes(bytes)) {
        m_strLastSaveError = "There is no directory to save.";
        return 0;
    }
    SaveOutcome outcome;
    ReplaceFile(pszFileName, bytes, outcome);
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
    m_fileOnDisk = CFileFingerprint::OfBytes(bytes);
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
