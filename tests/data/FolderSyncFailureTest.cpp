// When the folder cannot be synced after the new file has been renamed into
// place, the save has happened: Save reports success with a warning, never
// an unchanged file. The failure is injected by this program's own fsync,
// which the data library calls instead of the C library's.

#include <cerrno>
#include <string>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/TestRecord.h"
#include "tests/support/ScratchDirectory.h"

namespace {

bool g_bFailFolderSync = false;

}   // namespace

extern "C" int fsync(int fd)
{
    struct stat info
    {
    };
    if (g_bFailFolderSync && fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        errno = EIO;
        return -1;
    }
    return static_cast<int>(syscall(SYS_fsync, fd));
}

namespace {

TEST(DirectoryFileSave, AFolderThatCannotBeSyncedAfterTheRenameIsASaveWithAWarning)
{
    ScratchDirectory scratch;
    WriteFileBytes("Dialstack.dat",
        "0\xA5"
        "1Old\x16\x16\x16\x16\x16");
    CRecordList list;
    list.Reset();
    AppendRecord(list, {"New", "", "", "", ""});
    std::string expected;
    list.SaveToBytes(expected);

    g_bFailFolderSync = true;
    const int nResult = list.Save();
    g_bFailFolderSync = false;

    EXPECT_EQ(nResult, 1);
    EXPECT_TRUE(list.GetLastSaveError().IsEmpty());
    EXPECT_NE(std::string(list.GetLastSaveWarning()).find("may not be on the disk yet"), std::string::npos)
        << list.GetLastSaveWarning().GetString();
    EXPECT_EQ(ReadFileBytes("Dialstack.dat"), expected);
    EXPECT_FALSE(list.HasFileChanged()) << "the new file is the one saved";
}

}   // namespace
