// The one way every program here replaces a file: what it leaves behind and
// what it says when the file's folder is gone or the writer gives up.

#include <chrono>
#include <filesystem>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "data/SafeFileReplace.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScratchDirectory.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kFile = "Dialstack.dat";

CReplaceResult Replace(const std::string& bytes, bool bWriterSucceeds = true)
{
    return ReplaceFileSafely(
        kFile, [&](CByteSink& sink) { return sink.Write(bytes.data(), bytes.size()) && bWriterSucceeds; });
}

std::set<std::string> Entries()
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator("."))
        names.insert(entry.path().filename().string());
    return names;
}

// A crash between writing the new file and renaming it leaves the new file
// under a name of our pattern. The next successful replace removes such
// files once they are old enough to belong to no replace in progress, and
// only those.
TEST(SafeFileReplace, OldLeftoversOfOurPatternAreRemovedAndNothingElse)
{
    ScratchDirectory scratch;
    WriteFileBytes(kFile, "old");
    const auto eleven_minutes_ago = fs::file_time_type::clock::now() - std::chrono::minutes(11);
    const std::set<std::string> kept = {
        "Dialstack.dat.Ab1cD2",   // ours, but young: a save in progress
        "Dialstack.dat.backup",   // a person's names
        "Dialstack.dat.Old123",
        "Other.dat.Ab1cD2",   // another file's
        "Dialstack.dat.Ab1cD2x",
        "Dialstack.dat.lock",
    };
    for (const std::string& name : kept) {
        WriteFileBytes(name, "x");
        if (name != "Dialstack.dat.Ab1cD2")
            fs::last_write_time(name, eleven_minutes_ago);
    }
    WriteFileBytes("Dialstack.dat.xY9zQ0", "left over");
    fs::last_write_time("Dialstack.dat.xY9zQ0", eleven_minutes_ago);

    EXPECT_FALSE(Replace("new", false).bOk) << "a failed replace removes nothing";
    EXPECT_TRUE(fs::exists("Dialstack.dat.xY9zQ0"));

    const CReplaceResult result = Replace("new");
    EXPECT_TRUE(result.bOk) << result.strReason.GetString();
    std::set<std::string> expected = kept;
    expected.insert(kFile);
    EXPECT_EQ(Entries(), expected);
}

TEST(SafeFileReplace, AWriterThatGivesUpReplacesNothing)
{
    ScratchDirectory scratch;
    WriteFileBytes(kFile, "old");
    const CReplaceResult result = Replace("half of the new", false);
    EXPECT_FALSE(result.bOk);
    EXPECT_TRUE(result.bOldFileIntact);
    EXPECT_EQ(ReadFileBytes(kFile), "old");
    EXPECT_EQ(Entries(), std::set<std::string>{kFile});
    EXPECT_NE(std::string(result.strReason).find("nothing was replaced"), std::string::npos);
}

TEST(SafeFileReplace, AFolderDeletedSinceSaysSoAndClaimsNoFile)
{
    for (const bool bWorkingFolder : {true, false}) {
        SCOPED_TRACE(bWorkingFolder ? "the working folder" : "a folder by its path");
        ScratchDirectory scratch;
        fs::create_directory("folder");
        WriteFileBytes("folder/Dialstack.dat", "old");
        if (bWorkingFolder)
            fs::current_path("folder");
        const std::string path = bWorkingFolder ? kFile : "folder/Dialstack.dat";
        fs::remove_all(scratch.Path() / "folder");

        const CReplaceResult result
            = ReplaceFileSafely(path.c_str(), [](CByteSink& sink) { return sink.Write("new", 3); });
        EXPECT_FALSE(result.bOk);
        EXPECT_FALSE(result.bOldFileIntact);
        EXPECT_EQ(std::string(result.strReason), "the folder it belongs in no longer exists");
        fs::current_path(scratch.Path());
    }
}

}   // namespace
