#pragma once

// The window's sync against a stand-in dialstack-sync: a script that keeps
// the arguments and the standard input of each run (args.N, stdin.N, one
// argument a line), brings the directory file directory.N when there is one,
// and prints outcome.N (else outcome) as its report, exiting with the
// status that goes with it. After UseRealSync() it keeps them all the same
// and hands the run to the real dialstack-sync.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

#include "data/SyncOutcome.h"
#include "data/SyncStatePath.h"
#include "tests/support/ScratchDirectory.h"
#include "tests/ui/MainWindowDriver.h"

class SyncStandInTest : public testing::Test
{
protected:
    void SetUp() override
    {
        setenv("XDG_STATE_HOME", (m_dir.Path() / "state").c_str(), 1);
        setenv("DIALSTACK_SYNC_PROGRAM", (m_dir.Path() / "stand-in").c_str(), 1);
        std::ofstream(m_dir.Path() / "stand-in")
            << "#!/bin/sh\ncd \"$(dirname \"$0\")\"\n"
               "n=$(( $(cat runs 2>/dev/null || echo 0) + 1 )); echo $n > runs\n"
               "printf '%s\\n' \"$@\" > args.$n\ncat > stdin.$n\n"
               "[ -f real ] && exec \"$(cat real)\" \"$@\" < stdin.$n\n"
               "[ -f directory.$n ] && cp directory.$n \"$2.new\" && mv \"$2.new\" \"$2\"\n"
               "f=outcome.$n; [ -f $f ] || f=outcome; cat $f\nexit $(cat status.$n 2>/dev/null || cat status)\n";
        std::filesystem::permissions(m_dir.Path() / "stand-in", std::filesystem::perms::owner_all);
        Reply(0, CSyncOutcome());
    }
    void TearDown() override
    {
        unsetenv("XDG_STATE_HOME");
        unsetenv("DIALSTACK_SYNC_PROGRAM");
        unsetenv("XDG_CONFIG_HOME");
        unsetenv("DIALSTACK_SYSTEMCTL_PROGRAM");
    }

    // From now on the runs are the real program's, with what it keeps
    // (password, certificate) in the test's folder, no keyring and no
    // user manager.
    void UseRealSync()
    {
        std::ofstream(m_dir.Path() / "real") << DIALSTACK_SYNC_BINARY;
        setenv("XDG_CONFIG_HOME", (m_dir.Path() / "config").c_str(), 1);
        setenv("DIALSTACK_SYSTEMCTL_PROGRAM", "false", 1);
        unsetenv("DBUS_SESSION_BUS_ADDRESS");
    }
    // The real program's first sync of records with the book at url as
    // user, the password kept; the exit status.
    int FirstRealSync(const std::vector<TestRecord>& records, const std::string& url, const std::string& user)
    {
        WriteFileBytes(File(), DirectoryBytes(records));
        const std::string command = std::string("echo secret | ") + DIALSTACK_SYNC_BINARY + " --file '" + File()
            + "' --url '" + url + "' --user " + user + " --password-stdin --keep-password > /dev/null 2>&1";
        return std::system(command.c_str());
    }
    // A directory file with no sync, as before the first row.
    void Fresh()
    {
        for (const char* name : {"state", "config", "runs", "Dialstack.dat"})
            std::filesystem::remove_all(m_dir.Path() / name);
    }

    std::string File() const { return (m_dir.Path() / "Dialstack.dat").string(); }

    // Run n (1 is the first; 0: every run without a reply of its own)
    // reports outcome.
    void Reply(int n, const CSyncOutcome& outcome)
    {
        const std::string suffix = n == 0 ? "" : "." + std::to_string(n);
        std::ofstream(m_dir.Path() / ("outcome" + suffix)) << outcome.ToJson() << "\n";
        std::ofstream(m_dir.Path() / ("status" + suffix)) << outcome.ExitStatus() << "\n";
    }
    // As the sync leaves it once set up for the directory file here.
    void SetUpSync()
    {
        const std::filesystem::path state = SyncStatePathFor(File());
        std::filesystem::create_directories(state.parent_path());
        std::ofstream(state) << "{}\n";
    }

    int Runs() const
    {
        int n = 0;
        std::ifstream(m_dir.Path() / "runs") >> n;
        return n;
    }
    std::vector<std::string> Arguments(int n) const
    {
        std::ifstream in(m_dir.Path() / ("args." + std::to_string(n)));
        std::vector<std::string> arguments;
        for (std::string line; std::getline(in, line);)
            arguments.push_back(line);
        return arguments;
    }
    std::string Input(int n) const
    {
        std::ostringstream bytes;
        bytes << std::ifstream(m_dir.Path() / ("stdin." + std::to_string(n))).rdbuf();
        return bytes.str();
    }

    ScratchDirectory m_dir;
};

namespace SyncStandIn {

// The outcomes of the table rows, by kind, with what goes with each.
inline CSyncOutcome Outcome(CSyncOutcome::EKind kind)
{
    CSyncOutcome outcome;
    outcome.kind = kind;
    outcome.strHost = "dav.example.org";
    outcome.strUser = "zoe";
    outcome.strUrl = "https://dav.example.org/zoe/book/";
    return outcome;
}

// Whether the arguments hold option (followed by value, when given).
inline bool HasOption(const std::vector<std::string>& arguments, const std::string& option, const char* value = nullptr)
{
    for (size_t i = 0; i < arguments.size(); ++i)
        if (arguments[i] == option && (!value || (i + 1 < arguments.size() && arguments[i + 1] == value)))
            return true;
    return false;
}

// Clicks the button that reads label in the modal window.
inline void ClickButton(QWidget* modal, const QString& label)
{
    for (QAbstractButton* button : modal->findChildren<QAbstractButton*>())
        if (button->text() == label) {
            GuiTest::Click(button);
            return;
        }
    ADD_FAILURE() << "no button " << label.toStdString();
    GuiTest::CloseAllModal();
}

// Runs step once a message box other than the one on top now is the top
// modal window (not the box that waits for the sync).
inline void WhenMessageBox(GuiTest::Step step, const char* pszFile = __builtin_FILE(), int nLine = __builtin_LINE())
{
    QPointer<QWidget> before = QApplication::activeModalWidget();
    GuiTest::RunWhenModalIs(
        [before]() -> QWidget* {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            return box != before.data() ? box : nullptr;
        },
        std::move(step), pszFile, nLine);
}
// The same for the dialog that has the control nId.
inline void WhenDialogWith(
    int nId, GuiTest::Step step, const char* pszFile = __builtin_FILE(), int nLine = __builtin_LINE())
{
    GuiTest::RunWhenModalIs(
        [nId]() -> QWidget* {
            QWidget* modal = QApplication::activeModalWidget();
            return modal && GuiTest::Control(modal, nId) ? modal : nullptr;
        },
        std::move(step), pszFile, nLine);
}

// Chooses the window menu's item with the letter key.
inline void ChooseFromWindowMenu(Qt::Key key)
{
    GuiTest::PressKey(Qt::Key_F10, Qt::ShiftModifier);
    QMenu* menu = GuiTest::OpenedMenu();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, key);
}

}   // namespace SyncStandIn
