// Saving must never lose the old file: these cases make the write fail in
// the ways a desktop meets (read-only place, full disk, file size limit) and
// check that the old file is untouched and the failure is reported.

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include <grp.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/MountedTmpfs.h"
#include "tests/support/ScratchDirectory.h"
#include "tests/support/TestRecord.h"

namespace {

constexpr const char* kFile = DirectoryFormat::kDirectoryFileName;
const std::string kOldBytes = "5\xA5"
                              "1Old\x16\x16\x16\x16\x16";

// A list whose file is about nBytes long.
void FillLarge(CRecordList& list, size_t nBytes)
{
    list.Reset();
    const std::string note(200, 'n');
    for (size_t i = 0; i * 220 < nBytes; ++i)
        AppendRecord(list, {"Name " + std::to_string(i), "555", "", "", note});
}

void ExpectFailedSaveKeptOldFile(CRecordList& list)
{
    EXPECT_EQ(list.Save(), 0);
    EXPECT_FALSE(list.GetLastSaveError().IsEmpty());
    EXPECT_EQ(ReadFileBytes(kFile), kOldBytes);
    EXPECT_EQ(list.m_pCursor, list.m_pTail);
}

std::vector<std::string> DirectoryEntries()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        names.push_back(entry.path().filename().string());
    return names;
}

// A scratch folder with a small tmpfs mounted in it as the working folder,
// holding the old directory file. Mounting needs root with the right to
// mount; without it the cases are skipped.
class DirectoryFileSaveOnTmpfs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!m_tmpfs.IsMounted())
            GTEST_SKIP() << "cannot mount a tmpfs here (needs root with mount rights)";
        WriteFileBytes(kFile, kOldBytes);
    }

    ScratchDirectory m_scratch;
    MountedTmpfs m_tmpfs{"size=64k"};
};

TEST_F(DirectoryFileSaveOnTmpfs, ReadOnlyDirectoryKeepsTheOldFile)
{
    ASSERT_TRUE(m_tmpfs.MakeReadOnly());

    CRecordList list;
    FillLarge(list, 1000);
    ExpectFailedSaveKeptOldFile(list);
    EXPECT_EQ(std::string(list.GetLastSaveError()), "the disk is read-only");

    // A successful save afterwards clears the reason.
    std::filesystem::current_path(m_scratch.Path());
    EXPECT_EQ(list.Save(), 1);
    EXPECT_TRUE(list.GetLastSaveError().IsEmpty());
}

TEST_F(DirectoryFileSaveOnTmpfs, FullDiskKeepsTheOldFileAndLeavesNoDebris)
{
    CRecordList list;
    FillLarge(list, 300 * 1024);
    ExpectFailedSaveKeptOldFile(list);
    EXPECT_EQ(DirectoryEntries(), std::vector<std::string>{kFile});
}

// Fills the working directory's file system until nFree bytes are left.
void FillDiskLeaving(size_t nFree)
{
    const std::string page(4096, 'f');
    std::FILE* filler = std::fopen("filler", "wb");
    ASSERT_NE(filler, nullptr);
    std::setvbuf(filler, nullptr, _IONBF, 0);
    while (std::fwrite(page.data(), 1, page.size(), filler) == page.size()) { }
    while (std::fputc('f', filler) != EOF) { }
    std::fclose(filler);
    const auto nSize = std::filesystem::file_size("filler");
    std::filesystem::resize_file("filler", nSize > nFree ? nSize - nFree : 0);
}

TEST_F(DirectoryFileSaveOnTmpfs, FullDiskWithSmallDirectoriesKeepsTheOldFile)
{
    struct Row
    {
        const char* what;
        size_t nRecordBytes;   // about the size of the new file
        size_t nFree;
    };
    // A small directory's few bytes, on a disk already full or with less
    // room than they need, must never wait in a buffer for a flush whose
    // failure would go unseen.
    const Row rows[] = {{"three records on a full disk", 3 * 220, 0}, {"12 KB with 8 KB left", 12 * 1024, 8 * 1024}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        std::filesystem::remove("filler");
        FillDiskLeaving(row.nFree);

        CRecordList list;
        FillLarge(list, row.nRecordBytes);
        ExpectFailedSaveKeptOldFile(list);
        EXPECT_TRUE(list.IsOldFileIntact());
    }
}

// Lowers the limit on the size of files this process writes for as long as
// it lives; over the limit write() comes back short or fails with EFBIG,
// and the signal it would also raise is ignored meanwhile.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t nBytes)
    {
        m_bSet = getrlimit(RLIMIT_FSIZE, &m_original) == 0;
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_original;
        limited.rlim_cur = nBytes;
        m_bSet = m_bSet && setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        if (m_bSet)
            setrlimit(RLIMIT_FSIZE, &m_original);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool IsSet() const { return m_bSet; }

private:
    rlimit m_original{};
    void (*m_previousHandler)(int) = SIG_DFL;
    bool m_bSet = false;
};

TEST(DirectoryFileSaveFailure, FileSizeLimitKeepsTheOldFile)
{
    ScratchDirectory scratch;
    WriteFileBytes(kFile, kOldBytes);
    CRecordList list;
    FillLarge(list, 100 * 1024);
    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.IsSet());
        ExpectFailedSaveKeptOldFile(list);
    }
    EXPECT_EQ(DirectoryEntries(), std::vector<std::string>{kFile});
}

TEST(DirectoryFileSavePermissions, ExistingFileKeepsItsModeAndANewOneFollowsTheUmask)
{
    ScratchDirectory scratch;
    CRecordList list;
    FillLarge(list, 500);

    const mode_t umaskValue = umask(0);
    umask(umaskValue);
    ASSERT_EQ(list.Save(), 1);
    struct stat info
    {
    };
    ASSERT_EQ(stat(kFile, &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0666 & ~umaskValue);

    ASSERT_EQ(chmod(kFile, 0640), 0);
    ASSERT_EQ(list.Save(), 1);
    ASSERT_EQ(stat(kFile, &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

}   // namespace

namespace {

TEST(DirectoryFileSaveTarget, ANamedPipeIsNeverReplacedDirectlyOrThroughALink)
{
    for (const bool bThroughLink : {false, true}) {
        SCOPED_TRACE(bThroughLink ? "link to a pipe" : "pipe");
        ScratchDirectory scratch;
        const char* pszPipe = bThroughLink ? "pipe" : kFile;
        ASSERT_EQ(mkfifo(pszPipe, 0600), 0);
        if (bThroughLink)
            std::filesystem::create_symlink(pszPipe, kFile);

        CRecordList list;
        FillLarge(list, 500);
        EXPECT_EQ(list.Save(), 0);
        EXPECT_NE(std::string(list.GetLastSaveError()).find("named pipe"), std::string::npos)
            << list.GetLastSaveError().GetString();
        EXPECT_TRUE(std::filesystem::is_fifo(pszPipe));
        EXPECT_EQ(std::filesystem::is_symlink(kFile), bThroughLink);
    }
}

// The help page tells users to keep the directory elsewhere behind a link:
// a save writes the file the link points to and the link stays a link.
TEST(DirectoryFileSaveTarget, ALinkToARegularFileStaysALinkAndItsTargetIsWritten)
{
    ScratchDirectory scratch;
    std::filesystem::create_directory("elsewhere");
    WriteFileBytes("elsewhere/real.dat", kOldBytes);
    std::filesystem::create_symlink("elsewhere/real.dat", kFile);
    CRecordList list;
    FillLarge(list, 3);
    std::string expected;
    ASSERT_EQ(list.SaveToBytes(expected), 1);
    ASSERT_EQ(list.Save(), 1) << list.GetLastSaveError().GetString();
    EXPECT_TRUE(std::filesystem::is_symlink(kFile));
    EXPECT_EQ(std::filesystem::read_symlink(kFile), "elsewhere/real.dat");
    EXPECT_EQ(ReadFileBytes("elsewhere/real.dat"), expected);
}

TEST(DirectoryFileSavePermissions, ExistingFileKeepsItsOwnerAndGroup)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "giving the file another owner needs root";
    ScratchDirectory scratch;
    WriteFileBytes(kFile, kOldBytes);
    ASSERT_EQ(chown(kFile, 65534, 65534), 0);
    CRecordList list;
    FillLarge(list, 500);
    ASSERT_EQ(list.Save(), 1);
    struct stat info
    {
    };
    ASSERT_EQ(stat(kFile, &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
}

// What Save did in a process running as an unprivileged user.
struct ChildSave
{
    int nResult = -1;
    bool bOldFileIntact = false;
    std::string strError;
};

// Runs list.Save() in a child process as uid and gid 65534, with a file
// size limit when nSizeLimit is not 0.
ChildSave SaveAsNobody(CRecordList& list, rlim_t nSizeLimit)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)
            _exit(2);
        if (nSizeLimit) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{nSizeLimit, nSizeLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        const int nResult = list.Save();
        const std::string report
            = std::to_string(nResult) + (list.IsOldFileIntact() ? "1" : "0") + list.GetLastSaveError().GetString();
        (void)!write(fds[1], report.data(), report.size());
        _exit(0);
    }
    close(fds[1]);
    std::string report;
    char buffer[512];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (report.size() < 2)
        return {};
    return {report[0] - '0', report[1] == '1', report.substr(2)};
}

TEST(DirectoryFileSaveInPlace, AWritableFileInALockedFolderIsRewrittenInPlaceOrLeftAsItWas)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "the saving process must drop to an unprivileged user, which needs root";
    struct Row
    {
        const char* what;
        size_t nRecordBytes;
        rlim_t nSizeLimit;
        int nExpected;
    };
    const Row rows[] = {{"in place", 2000, 0, 1}, {"size limit hit part-way", 100 * 1024, 4096, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ScratchDirectory scratch;
        ASSERT_EQ(chmod(".", 0755), 0);   // the folder: root's, closed to others
        WriteFileBytes(kFile, kOldBytes);
        ASSERT_EQ(chown(kFile, 65534, 65534), 0);
        struct stat before
        {
        };
        ASSERT_EQ(stat(kFile, &before), 0);

        CRecordList list;
        FillLarge(list, row.nRecordBytes);
        std::string newBytes;
        list.SaveToBytes(newBytes);

        const ChildSave saved = SaveAsNobody(list, row.nSizeLimit);
        EXPECT_EQ(saved.nResult, row.nExpected) << saved.strError;
        EXPECT_EQ(ReadFileBytes(kFile), row.nExpected ? newBytes : kOldBytes);
        if (!row.nExpected) {
            EXPECT_TRUE(saved.bOldFileIntact);
            EXPECT_NE(saved.strError.find("written back"), std::string::npos) << saved.strError;
        }
        struct stat after
        {
        };
        ASSERT_EQ(stat(kFile, &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino) << "the same file, written in place";
        EXPECT_EQ(DirectoryEntries(), std::vector<std::string>{kFile});
    }
}

}   // namespace
