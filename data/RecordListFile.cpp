// Load and Save of CRecordList: moving the directory's bytes between the
// disk and the reading and writing in RecordList.cpp.

#include "data/RecordList.h"

#include "data/DirectoryReader.h"
#include "data/DirectoryWriter.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QSaveFile>
#include <QString>

namespace {

const char kDirectoryFileName[] = "Dialstack.dat";

// An open directory file, read a chunk at a time. It remembers whether
// reading failed before the end of the file.
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
            if (nRead >= 0)
                return static_cast<size_t>(nRead);
            if (errno != EINTR) {
                m_bFailed = true;
                return 0;
            }
        }
    }

    bool HasFailed() const { return m_bFailed; }

private:
    int m_fd;
    bool m_bFailed = false;
};

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

// Writes the file beside the old one, then renames it over it: on any
// failure the old file is left exactly as it was. writeAll hands every byte
// to the sink it is given and returns whether all were taken.
template <class WriteAll> bool ReplaceFile(const char* pszFileName, WriteAll writeAll, CString& strError)
{
    const QString fileName = QFile::decodeName(pszFileName);
    QSaveFile file(fileName);
    // Unbuffered: every write reaches the file at once and reports its own
    // failure; a buffered one could leave the last bytes to a flush inside
    // commit(), whose failure (a full disk) Qt does not report.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        strError = ToCString(file.errorString());
        // The list still goes through the writing, which leaves it as a
        // save leaves it whatever the outcome.
        writeAll([](const char*, size_t) { return false; });
        return false;
    }
    // A full disk can make write() come back short without reporting an
    // error, and commit() would then put a truncated file in place.
    const CDirectoryWriter::Sink sink = [&file](const char* pBytes, size_t nLength) {
        return file.write(pBytes, static_cast<qint64>(nLength)) == static_cast<qint64>(nLength);
    };
    if (!writeAll(sink)) {
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

// The file is read a chunk at a time as the records are parsed, so its
// bytes are never all in memory beside the records made from them.
void CRecordList::LoadFile(const char* pszFileName)
{
    // O_NONBLOCK: a pipe or device standing at the file's path must not
    // hang the program; only a regular file is read.
    const int fd = open(pszFileName, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0 && errno == ENOENT) {
        StartLoad();
        FinishLoad(TRUE);
        return;
    }
    struct stat info
    {
    };
    if (fd < 0 || fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (fd >= 0)
            close(fd);
        LoadFromBytes(std::string());
        return;
    }

    CFileSource source(fd);
    CDirectoryReader file([&source](char* pBuffer, size_t nRoom) { return source.Read(pBuffer, nRoom); });
    LoadFrom(file);
    close(fd);
    // A file that could not be read to its end counts as damaged even when
    // the bytes read so far happen to form a whole directory.
    if (source.HasFailed())
        m_bLoadComplete = FALSE;
}

int CRecordList::Save()
{
    return SaveFile(kDirectoryFileName);
}

// The bytes go to the file a chunk at a time as they are made, so the
// directory is never held a second time as the file's bytes.
int CRecordList::SaveFile(const char* pszFileName)
{
    if (!m_pHead) {
        m_strLastSaveError = "There is no directory to save.";
        return 0;
    }
    const auto writeAll = [this](const CDirectoryWriter::Sink& sink) {
        CDirectoryWriter writer(m_nReserved, m_nNodeCount, sink);
        WriteRecords(writer);
        return writer.Finish();
    };
    CString strError;
    if (!ReplaceFile(pszFileName, writeAll, strError)) {
        m_strLastSaveError = strError.IsEmpty() ? CString("The file could not be written.") : strError;
        return 0;
    }
    m_strLastSaveError.Empty();
    return 1;
}
