// Where the window looks for the sync's state of a directory file: the
// same place dialstack-sync keeps it.

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "data/SyncStatePath.h"

namespace {

TEST(SyncStatePath, AnAbsoluteStateHomeIsUsedAndARelativeOneIgnored)
{
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    struct Row
    {
        const char* stateHome;   // nullptr: unset
        std::string expectedFolder;
    };
    const Row rows[] = {
        {"/tmp/state-here", "/tmp/state-here/dialstack/"},
        {"relative/state", home + "/.local/state/dialstack/"},
        {nullptr, home + "/.local/state/dialstack/"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.stateHome ? row.stateHome : "unset");
        if (row.stateHome)
            setenv("XDG_STATE_HOME", row.stateHome, 1);
        else
            unsetenv("XDG_STATE_HOME");
        const std::string path = SyncStatePathFor("/no/such/folder/Dialstack.dat");
        EXPECT_EQ(path.rfind(row.expectedFolder + "sync-", 0), 0u) << path;
        EXPECT_EQ(path.size(), row.expectedFolder.size() + std::string("sync-0123456789abcdef.json").size()) << path;
    }
    unsetenv("XDG_STATE_HOME");
    EXPECT_NE(SyncStatePathFor("/a/Dialstack.dat"), SyncStatePathFor("/b/Dialstack.dat"));
}

}   // namespace
