// Two windows may share a directory; a command-line writer may not share it
// with anyone, and nobody waits for a lock.

#include <gtest/gtest.h>

#include "data/DirectoryFormat.h"
#include "data/DirectoryLock.h"
#include "tests/support/ScratchDirectory.h"

namespace {

using Kind = CDirectoryLock::Kind;
constexpr const char* kFile = DirectoryFormat::kDirectoryFileName;

TEST(DirectoryLock, SharedLocksShareAndExcludeAnExclusiveOneEitherWay)
{
    ScratchDirectory scratch;
    CString strWhy;
    {
        CDirectoryLock first, second, writer;
        ASSERT_TRUE(first.TryAcquire(kFile, Kind::Shared, strWhy)) << strWhy.GetString();
        EXPECT_TRUE(first.IsHeld());
        EXPECT_TRUE(second.TryAcquire(kFile, Kind::Shared, strWhy)) << strWhy.GetString();
        EXPECT_FALSE(writer.TryAcquire(kFile, Kind::Exclusive, strWhy));
        EXPECT_NE(std::string(strWhy).find("Dialstack window has unsaved changes"), std::string::npos) << strWhy.GetString();

        first.Release();
        EXPECT_FALSE(writer.TryAcquire(kFile, Kind::Exclusive, strWhy)) << "the second window still holds it";
        second.Release();
        EXPECT_TRUE(writer.TryAcquire(kFile, Kind::Exclusive, strWhy)) << strWhy.GetString();
        EXPECT_FALSE(first.TryAcquire(kFile, Kind::Shared, strWhy));
        EXPECT_FALSE(second.TryAcquire(kFile, Kind::Exclusive, strWhy));
    }
    // The objects are gone, and their locks with them.
    CDirectoryLock writer;
    EXPECT_TRUE(writer.TryAcquire(kFile, Kind::Exclusive, strWhy)) << strWhy.GetString();
}

TEST(DirectoryLock, AFolderWithoutRoomForALockFileStillOpensForReading)
{
    ScratchDirectory scratch;
    // A lock file that cannot be made: a folder stands at its name.
    std::filesystem::create_directory(std::string(kFile) + ".lock");
    CString strWhy;
    CDirectoryLock window, writer;
    EXPECT_TRUE(window.TryAcquire(kFile, Kind::Shared, strWhy));
    EXPECT_FALSE(window.IsHeld());
    EXPECT_FALSE(strWhy.IsEmpty());
    EXPECT_FALSE(writer.TryAcquire(kFile, Kind::Exclusive, strWhy));
}

}   // namespace
