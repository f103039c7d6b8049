// Where the window looks for the sync's state of a directory file: the
// same place dialstack-sync keeps it.

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "data/SyncOutcome.h"
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

// The outcome the sync hands the window comes back whole, whatever it
// holds, and text that is no outcome is refused.
TEST(SyncOutcome, EveryFieldComesBackAndOtherTextIsRefused)
{
    CSyncOutcome outcome;
    outcome.kind = CSyncOutcome::EKind::kTooManyDeletions;
    outcome.bDryRun = true;
    outcome.nHttpStatus = 401;
    outcome.nTimeoutSeconds = 30;
    outcome.fileProblem = CSyncOutcome::EFileProblem::kNotSavedIntact;
    outcome.strHost = "dav.example.org";
    outcome.strUrl = "https://dav.example.org/ann/contacts/";
    outcome.strUser = "ann";
    outcome.strPath = "/home/ann/.config/dialstack/password";
    outcome.strDetail = "Connection refused";
    outcome.names = {"Zo\xC3\xAB", "Vet"};
    outcome.nCount = 7;
    outcome.tried = {"/.well-known/carddav"};
    outcome.here = {6, 10, {"A", "B"}};
    outcome.there = {1, 3, {"C"}};
    outcome.certificate = {"CN=home", "CN=ca", "AB:CD", "-----BEGIN CERTIFICATE-----"};
    outcome.books = {{"https://dav.example.org/ann/a/", "Family"}, {"https://dav.example.org/ann/b/", ""}};
    outcome.doneHere = {1, 2, 3};
    outcome.doneThere = {4, 5, 6};
    outcome.conflicts = {{"Vet", "Vet (conflict copy)", {{"phone", "1", "2"}}}};
    outcome.passwordKept = CSyncOutcome::EPasswordKept::kFile;
    outcome.strPasswordFile = "/p";
    outcome.timer = CSyncOutcome::ETimer::kOn;
    outcome.strCollectionUrl = "https://dav.example.org/ann/a/";
    outcome.strMessage = "this sync would delete 6";

    CSyncOutcome read;
    ASSERT_TRUE(CSyncOutcome::FromJson(outcome.ToJson(), read));
    EXPECT_EQ(read.ToJson(), outcome.ToJson());
    EXPECT_EQ(read.ExitStatus(), 4);
    CSyncOutcome timer;
    timer.timer = CSyncOutcome::ETimer::kNoUserManager;
    EXPECT_EQ(timer.ExitStatus(), 1);   // a timer that could not be set is no success
    EXPECT_EQ(read.names[0], "Zo\xC3\xAB");
    EXPECT_EQ(read.conflicts.at(0).fields.at(0).strThere, "2");

    for (const char* text : {"", "[]", "{\"kind\":\"no-such-kind\"}", "{\"kind\":"})
        EXPECT_FALSE(CSyncOutcome::FromJson(text, read)) << text;
}
