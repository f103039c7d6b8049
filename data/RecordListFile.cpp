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
    kFailed,   // the file exists but could not be read to its end
};

// Reads the whole file into bytes. On a failure part-way, bytes holds what
// was read before it.
EFileRead ReadWholeFile(const char* pszFileName, std::string& bytes)
{
    bytes.clear();
    // O_NONBLOCK: a pipe or device standing at the file's path must not
    // hang the program; only a regular file is read.
    const int fd = open(pszFileName, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno == ENOENT ? EFileRead::kMissing : EFileRead::kFailed;
    struct stat info
    {
    };
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return EFileRead::kFailed;
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

CString ToCString(const QString& text)
{
    return CString(text.toLatin1().toStdString());
}

// Makes the rename that replaced the file durable: the new directory entry
// reaches the disk only when the directory itself is synced.
bool SyncDirectoryOf(const QString& fileName, CString& strError)
{
    const QString directory = QFileInfo(QFileInfo(fileName).canonicalFilePath()).absolutePath();
    const int fd = open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return true;   // the file is in place; nothing more can be done for it
    const bool bSynced = fsync(fd) == 0 || errno == EINVAL;   // EINVAL: the file system cannot sync directories
    if (!bSynced)
        strError = CString(std::strerror(errno));
    close(fd);
    return bSynced;
}

// Writes bytes beside the old file, then renames over it: on any failure the
// old file is left exactly as it was.
bool ReplaceFile(const char* pszFileName, const std::string& bytes, CString& strError)
{
    const QString fileName = QFile::decodeName(pszFileName);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        strError = ToCString(file.errorString());
        return false;
    }
    // A full disk can make write() come back short without reporting an
    // error, and commit() would then put a truncated file in place.
    const qint64 nWritten = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (nWritten != static_cast<qint64>(bytes.size())) {
        strError = file.error() != QFileDevice::NoError
            ? ToCString(file.errorString())
            : CString("Only part of the file could be written (is the disk full?)");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        strError = ToCString(file.errorString());
        return false;
    }
    return SyncDirectoryOf(fileName, strError);
}

}   // namespace

void CRecordList::Load()
{
    LoadFile(kDirectoryFileName);
}

void CRecordList::LoadFile(const char* pszFileName)
{
    std::string bytes;
    const EFileRead result = ReadWholeFile(pszFileName, bytes);
    if (result == EFileRead::kMissing) {
        StartLoad();
        FinishLoad(TRUE);
        return;
    }
    LoadFromBytes(bytes);
    // A file that could not be read to its end counts as damaged even when
    // the bytes read so far happen to form a whole directory.
    if (result == EFileRead::kFailed)
        m_bLoadComplete = FALSE;
}

int CRecordList::Save()
{
    return SaveFile(kDirectoryFileName);
}

int CRecordList::SaveFile(const char* pszFileName)
{
    std::string bytes;
    if (!SaveToBytes(bytes)) {
        m_strLastSaveError = "There is no directory to save.";
        return 0;
    }
    CString strError;
    if (!ReplaceFile(pszFileName, bytes, strError)) {
        m_strLastSaveError = strError.IsEmpty() ? CString("The file could not be written.") : strError;
        return 0;
    }
    m_strLastSaveError.Empty();
    return 1;
}
