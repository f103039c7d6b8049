// Load and Save of CRecordList: moving the directory's bytes between the
// disk and the reading and writing in RecordList.cpp.

#include "data/RecordList.h"

#include "base/ReasonText.h"
#include "data/DirectoryFormat.h"
#include "data/DirectoryReader.h"
#include "data/DirectoryWriter.h"
#include "data/ByteTally.h"
#include "data/FileReasons.h"
#include "data/SafeFileReplace.h"

#include <cerrno>
#include <new>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using DirectoryFormat::kDirectoryFileName;

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
        strError = ReasonForError(errno);
        return -1;
    }
    struct stat info
    {
    };
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        strError = ReasonForNotAFile(info.st_mode);
        close(fd);
        return -1;
    }
    return fd;
}

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

void CRecordList::WriteRecordsNowhere()
{
    try {
        CDirectoryWriter writer(m_nReserved, m_nNodeCount, [](const char*, size_t) { return false; });
        WriteRecords(writer);
    } catch (const std::bad_alloc&) {
        // Only the writer's buffer is missing; the list is whole.
    }
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
        m_strLastSaveError = CReasonText::Tr("there is no directory to save");
        return 0;
    }
    bool bWritten = false;
    const CReplaceResult result = ReplaceFileSafely(pszFileName, [this, &bWritten](CByteSink& sink) {
        bWritten = true;
        CDirectoryWriter writer(m_nReserved, m_nNodeCount,
            [&sink](const char* pBytes, size_t nLength) { return sink.Write(pBytes, nLength); });
        WriteRecords(writer);
        return writer.Finish();
    });
    // Writing also leaves the list as a save leaves it, so it happens even
    // when nothing could be written.
    if (!bWritten)
        WriteRecordsNowhere();
    m_pCursor = m_pTail;   // also where writing ran out of memory part-way
    m_nCursorIndex = m_nNodeCount - 1;
    if (!result.bOk) {
        m_strLastSaveError = result.strReason;
        m_bOldFileIntact = result.bOldFileIntact ? TRUE : FALSE;
        // A damaged file is what is there now; it is no other program's work.
        if (!result.bOldFileIntact)
            m_fileOnDisk = FingerprintOf(pszFileName);
        return 0;
    }
    m_strLastSaveError.Empty();
    m_strLastSaveWarning = result.strWarning;
    m_fileOnDisk = result.written;
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
