// Saving must never lose the old file: these cases make the write fail in
// the ways a desktop meets (read-only place, full disk, file size limit) and
// check that the old file is untouched and the failure is reported.

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "tests/data/RecordListTestSupport.h"
#include "tests/support/ScratchDirectory.h"

namespace {

const char kFile[] = "Dialstack.dat";
const std::string kOldBytes = "5\xA5"
                              "1Old\x16\x16\x16\x16\x16";

// A small tmpfs mounted on a directory inside the scratch directory, made
// the working directory; unmounted again at the end. Mounting needs root
// with the right to mount, so tests skip when it fails.
class MountedTmpfs
{
public:
    explicit MountedTmpfs(const std::string& options)
        : m_path(std::filesystem::current_path() / "mnt")
    {
        std::filesystem::create_directory(m_path);
        m_bMounted = mount("tmpfs", m_path.c_str(), "tmpfs", 0, options.c_str()) == 0;
        if (m_bMounted)
            std::filesystem::current_path(m_path);
    }
    ~MountedTmpfs()
    {
        if (!m_bMounted)
            return;
        std::filesystem::current_path(m_path.parent_path());
        umount2(m_path.c_str(), MNT_DETACH);
    }
    MountedTmpfs(const MountedTmpfs&) = delete;
    MountedTmpfs& operator=(const MountedTmpfs&) = delete;

    bool IsMounted() const { return m_bMounted; }
    bool MakeReadOnly() { return mount(nullptr, m_path.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0; }

private:
    std::filesystem::path m_path;
    bool m_bMounted = false;
};

// A list whose file is about nBytes long.
void FillLarge(CRecordList& list, size_t nBytes)
{
    list.Reset();
    const std::string note(200, 'n');
    for (size_t i = 0; i * 220 < nBytes; ++i)
        AppendRecord(list, {"Name " + std::to_string(i), note, "555", "", ""});
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

TEST(DirectoryFileSaveFailure, ReadOnlyDirectoryKeepsTheOldFile)
{
    ScratchDirectory scratch;
    MountedTmpfs tmpfs("size=1m");
    if (!tmpfs.IsMounted())
        GTEST_SKIP() << "cannot mount a tmpfs here (needs root with mount rights)";
    WriteFileBytes(kFile, kOldBytes);
    ASSERT_TRUE(tmpfs.MakeReadOnly());

    CRecordList list;
    FillLarge(list, 1000);
    ExpectFailedSaveKeptOldFile(list);

    // A successful save afterwards clears the reason.
    std::filesystem::current_path(scratch.Path());
    EXPECT_EQ(list.Save(), 1);
    EXPECT_TRUE(list.GetLastSaveError().IsEmpty());
}

TEST(DirectoryFileSaveFailure, FullDiskKeepsTheOldFileAndLeavesNoDebris)
{
    ScratchDirectory scratch;
    MountedTmpfs tmpfs("size=64k");
    if (!tmpfs.IsMounted())
        GTEST_SKIP() << "cannot mount a tmpfs here (needs root with mount rights)";
    WriteFileBytes(kFile, kOldBytes);

    CRecordList list;
    FillLarge(list, 300 * 1024);
    ExpectFailedSaveKeptOldFile(list);
    EXPECT_EQ(DirectoryEntries(), std::vector<std::string>{kFile});
}

// A small directory on a disk that is already full: its few bytes must not
// wait in a buffer for a flush whose failure would go unseen.
TEST(DirectoryFileSaveFailure, FullDiskWithASmallDirectoryKeepsTheOldFile)
{
    ScratchDirectory scratch;
    MountedTmpfs tmpfs("size=64k");
    if (!tmpfs.IsMounted())
        GTEST_SKIP() << "cannot mount a tmpfs here (needs root with mount rights)";
    WriteFileBytes(kFile, kOldBytes);
    {
        std::FILE* filler = std::fopen("filler", "wb");
        ASSERT_NE(filler, nullptr);
        std::setvbuf(filler, nullptr, _IONBF, 0);
        const std::string block(4096, 'f');
        while (std::fwrite(block.data(), 1, block.size(), filler) == block.size()) { }
        while (std::fputc('f', filler) != EOF) { }
        std::fclose(filler);
    }

    CRecordList list;
    list.Reset();
    for (const char* name : {"Ann", "Bob", "Cy"})
        AppendRecord(list, {name, "", "555", "", ""});
    ExpectFailedSaveKeptOldFile(list);
}

TEST(DirectoryFileSaveFailure, FileSizeLimitKeepsTheOldFile)
{
    ScratchDirectory scratch;
    WriteFileBytes(kFile, kOldBytes);

    // Over the limit write() comes back short or fails with EFBIG; the
    // signal it would also raise is ignored for the test.
    rlimit original{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &original), 0);
    rlimit limited = original;
    limited.rlim_cur = 4096;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);

    CRecordList list;
    FillLarge(list, 100 * 1024);
    ExpectFailedSaveKeptOldFile(list);

    setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, previousHandler);
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
