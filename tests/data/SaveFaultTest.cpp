// Faults a desktop rarely shows on demand, injected by this program's own
// open, pwrite and fsync, which the data library calls instead of the C
// library's: a new file that cannot be synced before the rename, a folder
// that cannot be synced after it, a folder that takes no new file (so the
// file is rewritten in place), and a rewrite in place that fails and cannot
// be undone.

#include <cerrno>
#include <cstdarg>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/ScratchDirectory.h"
#include "tests/support/TestRecord.h"

namespace {

bool g_bFailFolderSync = false;
bool g_bFailFileSync = false;
bool g_bRefuseNewFiles = false;
// pwrite calls that succeed before every later one fails; negative: all succeed.
int g_nWritesBeforeFailure = -1;

bool IsFolder(int fd)
{
    struct stat info
    {
    };
    return fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
}

}   // namespace

extern "C" int fsync(int fd)
{
    if (IsFolder(fd) ? g_bFailFolderSync : g_bFailFileSync) {
        errno = EIO;
        return -1;
    }
    return static_cast<int>(syscall(SYS_fsync, fd));
}

extern "C" int open(const char* pszPath, int nFlags, ...)
{
    mode_t mode = 0;
    // O_TMPFILE includes O_DIRECTORY: only all of its bits make one.
    if ((nFlags & O_CREAT) || (nFlags & O_TMPFILE) == O_TMPFILE) {
        va_list args;
        va_start(args, nFlags);
        mode = static_cast<mode_t>(va_arg(args, int));
        va_end(args);
        if (g_bRefuseNewFiles) {
            errno = EACCES;
            return -1;
        }
    }
    return static_cast<int>(syscall(SYS_openat, AT_FDCWD, pszPath, nFlags, mode));
}

extern "C" ssize_t pwrite(int fd, const void* pBytes, size_t nLength, off_t nOffset)
{
    if (g_nWritesBeforeFailure == 0) {
        errno = EIO;
        return -1;
    }
    if (g_nWritesBeforeFailure > 0)
        --g_nWritesBeforeFailure;
    return static_cast<ssize_t>(syscall(SYS_pwrite64, fd, pBytes, nLength, nOffset));
}

namespace {

const std::string kOldBytes = "0\xA5"
                              "1Old\x16\x16\x16\x16\x16";

// The new file is synced before it is renamed over the old one, and the
// folder after the rename: a new file that cannot be synced never replaces
// the old one; a folder that cannot be synced is a save with a warning.
TEST(DirectoryFileSave, ASyncThatFailsBeforeTheRenameKeepsTheOldFileOneAfterItWarns)
{
    struct Row
    {
        const char* what;
        bool* pFailingSync;
        bool bSaved;
    };
    for (const Row& row : {Row{"new file", &g_bFailFileSync, false}, Row{"folder", &g_bFailFolderSync, true}}) {
        SCOPED_TRACE(row.what);
        ScratchDirectory scratch;
        WriteFileBytes("Dialstack.dat", kOldBytes);
        CRecordList list;
        list.Reset();
        AppendRecord(list, {"New", "", "", "", ""});
        std::string expected;
        list.SaveToBytes(expected);

        *row.pFailingSync = true;
        const int nResult = list.Save();
        *row.pFailingSync = false;

        EXPECT_EQ(nResult, row.bSaved ? 1 : 0);
        EXPECT_EQ(list.GetLastSaveError().IsEmpty(), row.bSaved) << list.GetLastSaveError().GetString();
        EXPECT_EQ(ReadFileBytes("Dialstack.dat"), row.bSaved ? expected : kOldBytes);
        if (row.bSaved) {
            EXPECT_NE(std::string(list.GetLastSaveWarning()).find("may not be on the disk yet"), std::string::npos)
                << list.GetLastSaveWarning().GetString();
            EXPECT_FALSE(list.HasFileChanged()) << "the new file is the one saved";
        } else {
            EXPECT_TRUE(list.IsOldFileIntact());
        }
    }
}

// Where the folder takes no new file, the file is rewritten in place. The
// list must know what it wrote, or the next save would take its own work for
// another program's; and after a rewrite that failed and could not be
// undone, what is on disk now is no other program's work either.
TEST(DirectoryFileSaveInPlace, TheFileOnDiskIsKnownAfterARewriteThatWorkedOrDamagedIt)
{
    for (const bool bDamaged : {false, true}) {
        SCOPED_TRACE(bDamaged ? "damaged" : "rewritten");
        ScratchDirectory scratch;
        WriteFileBytes("Dialstack.dat", kOldBytes);
        CRecordList list;
        list.Load();
        AppendRecord(list, {"New", "", "", "", ""});

        g_bRefuseNewFiles = true;
        // The new bytes are written, their sync fails, and so does writing
        // the old ones back.
        g_bFailFileSync = bDamaged;
        g_nWritesBeforeFailure = bDamaged ? 1 : -1;
        const int nResult = list.Save();
        g_bRefuseNewFiles = g_bFailFileSync = false;
        g_nWritesBeforeFailure = -1;

        EXPECT_EQ(nResult, bDamaged ? 0 : 1) << list.GetLastSaveError().GetString();
        EXPECT_EQ(list.IsOldFileIntact(), bDamaged ? FALSE : TRUE);
        EXPECT_NE(ReadFileBytes("Dialstack.dat"), kOldBytes);
        EXPECT_FALSE(list.HasFileChanged());
    }
}

}   // namespace
