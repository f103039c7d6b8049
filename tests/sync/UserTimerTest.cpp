// The user timer of a directory file, through a stand-in systemctl that
// records what it is asked; the unit's name against systemd-escape's.
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QProcess>

#include "sync/UserTimer.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScratchDirectory.h"

namespace {

using ETimer = CSyncOutcome::ETimer;

TEST(UserTimerTest, TurnsTheTimerOnAndOffAndSaysWhyNot)
{
    ScratchDirectory scratch;
    std::filesystem::create_directories("runtime/systemd");
    WriteFileBytes("runtime/systemd/private", "");
    ::setenv("XDG_RUNTIME_DIR", (scratch.Path() / "runtime").c_str(), 1);
    // Says what it was asked; fails with the text of "refusal" when there is one.
    WriteFileBytes("systemctl", "#!/bin/sh\necho \"$*\" >> calls\n[ -f refusal ] || exit 0\ncat refusal >&2\nexit 1\n");
    std::filesystem::permissions("systemctl", std::filesystem::perms::owner_all);
    ::setenv("DIALSTACK_SYSTEMCTL_PROGRAM", (scratch.Path() / "systemctl").c_str(), 1);

    const std::string file = "/home/Zo\u00eb M/T\u00e4glich/Dialstack.dat";
    const std::string unit = R"(dialstack-sync@home-Zo\xc3\xab\x20M-T\xc3\xa4glich-Dialstack.dat.timer)";
    std::string detail;
    EXPECT_EQ(ETimer::kOn, CUserTimer::Set(file, true, detail));
    EXPECT_TRUE(CUserTimer::IsOn(file));
    EXPECT_EQ(ETimer::kOff, CUserTimer::Set(file, false, detail));
    EXPECT_EQ("--user enable --now " + unit + "\n--user is-enabled --quiet " + unit + "\n--user disable --now " + unit
            + "\n",
        ReadFileBytes("calls"));
    EXPECT_EQ("", detail);

    WriteFileBytes("refusal", "Failed to enable unit: Unit file x.timer does not exist.\n");
    EXPECT_EQ(ETimer::kFailed, CUserTimer::Set(file, true, detail));
    EXPECT_EQ("Failed to enable unit: Unit file x.timer does not exist.", detail);
    EXPECT_FALSE(CUserTimer::IsOn(file));
    // A stale socket: systemctl cannot reach the manager.
    WriteFileBytes("refusal", "Failed to connect to bus: Connection refused\n");
    EXPECT_EQ(ETimer::kNoUserManager, CUserTimer::Set(file, false, detail));
    // No socket: systemctl is not even asked.
    std::filesystem::remove("runtime/systemd/private");
    std::filesystem::remove("calls");
    EXPECT_EQ(ETimer::kNoUserManager, CUserTimer::Set(file, true, detail));
    EXPECT_FALSE(CUserTimer::IsOn(file));
    EXPECT_FALSE(std::filesystem::exists("calls"));
}

TEST(UserTimerTest, NamesTheUnitAsSystemdEscapeDoesTheAbsolutePath)
{
    ScratchDirectory scratch;
    const auto escape = [](const std::string& path) {
        QProcess process;
        process.start("systemd-escape", {"--path", "--", QString::fromStdString(path)});
        process.waitForFinished();
        return process.readAllStandardOutput().trimmed().toStdString();
    };
    if (escape("/").empty())
        GTEST_SKIP() << "systemd-escape is not installed";
    for (const char* path : {"/", "/home/a b/.dot/x-y\\z.dat", "/.lead/\u00e9~!$%&'()*+,;=[]{}|`.dat", "/a/b:_.c"})
        EXPECT_EQ(escape(path), CUserTimer::EscapePath(path)) << path;
    const std::string absolute = (scratch.Path() / "Dialstack.dat").string();
    EXPECT_EQ("dialstack-sync@" + escape(absolute) + ".timer", CUserTimer::UnitName("sub/../Dialstack.dat"));
}

}   // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
