// "Sync Now" in the window menu, run against a stand-in sync program: the
// window waits for it, shows its outcome in one message and then the file
// it left.

#include <cstdlib>
#include <fstream>

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

#include "data/SyncStatePath.h"
#include "tests/support/ScratchDirectory.h"
#include "tests/ui/MainWindowDriver.h"

using namespace GuiTest;
using namespace MainWindow;

namespace {

class SyncNowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        setenv("XDG_STATE_HOME", (m_dir.Path() / "state").c_str(), 1);
        setenv("DIALSTACK_SYNC_PROGRAM", (m_dir.Path() / "fake-sync").c_str(), 1);
    }
    void TearDown() override
    {
        unsetenv("XDG_STATE_HOME");
        unsetenv("DIALSTACK_SYNC_PROGRAM");
    }

    // As the sync leaves it once set up for the directory file here.
    void SetUpSync()
    {
        const std::filesystem::path state = SyncStatePathFor((m_dir.Path() / "Dialstack.dat").string());
        std::filesystem::create_directories(state.parent_path());
        std::ofstream(state) << "{}\n";
    }

    void WriteFakeSync(const std::string& body)
    {
        std::ofstream(m_dir.Path() / "fake-sync") << "#!/bin/sh\n" << body;
        std::filesystem::permissions(m_dir.Path() / "fake-sync", std::filesystem::perms::owner_all);
    }

    ScratchDirectory m_dir;
};

// The window menu's item that reads text, or nullptr.
QAction* MenuItem(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

// The next message box (not the box that waits for the sync): keeps its
// text and icon, then Return.
void AnswerOutcome(QString* pText, QMessageBox::Icon* pIcon)
{
    RunWhenModalIs([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); },
        [pText, pIcon](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            *pText = box->text();
            *pIcon = box->icon();
            PressKey(Qt::Key_Return);
        });
}

TEST_F(SyncNowTest, TheOutcomeIsToldInOneMessageAndTheListShowsTheFile)
{
    struct Row
    {
        const char* what;
        std::string script;
        const char* expected;
        QMessageBox::Icon icon;
        bool bReloaded;
    };
    const std::vector<TestRecord> fromPhone = {kThree[0], {"Phone Friend", "555 0777", "", "", ""}};
    WriteFileBytes("from-phone.dat", DirectoryBytes(fromPhone));
    const Row rows[] = {
        {"in step",
            "[ \"$1\" = --file ] || exit 2\ncp from-phone.dat \"$2.new\" && mv \"$2.new\" \"$2\"\n"
            "echo 'working'\necho '1 card in, 0 cards out'\n",
            "1 card in, 0 cards out", QMessageBox::Information, true},
        {"needs you", "echo 'first line' >&2\necho 'the server refused the password' >&2\nexit 4\n",
            "needs you:\n\nfirst line\nthe server refused the password", QMessageBox::Warning, false},
        {"busy", "echo 'a window has unsaved changes' >&2\nexit 3\n", "Try again in a moment",
            QMessageBox::Information, false},
        // More output than is kept: the end says what went wrong.
        {"long output", "i=0; while [ $i -lt 4000 ]; do echo 'filler line of a chatty failure' >&2; i=$((i+1)); done\n"
            "echo 'the last word' >&2\nexit 1\n",
            "the last word", QMessageBox::Warning, false},
    };
    SetUpSync();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        WriteDirectory(kThree);
        WriteFakeSync(row.script);
        CDirectoryDlg dlg;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        RunMainWindow(dlg, [&](QWidget* w) {
            ClickName(w, 0);
            Click(w, IDC_DELETE_NAME);
            // Unsaved: it asks to save first, and saves.
            RunWhenModal([](QWidget*) { PressKey(Qt::Key_Return); });
            AnswerOutcome(&text, &icon);
            PressKey(Qt::Key_F10, Qt::ShiftModifier);
            QMenu* menu = OpenedMenu();
            ASSERT_NE(menu, nullptr);
            ASSERT_NE(MenuItem(menu, "Sync &Now"), nullptr);
            QTest::keyClick(menu, Qt::Key_N);
            ASSERT_TRUE(WaitFor([&text] { return !text.isEmpty(); }));
            EXPECT_EQ(Names(w), NamesOf(row.bReloaded ? fromPhone : std::vector<TestRecord>{kThree[1], kThree[2]}));
        });
        EXPECT_TRUE(text.contains(row.expected)) << text.toStdString();
        EXPECT_EQ(icon, row.icon);
    }
}

// Cancel stops a sync that takes too long; a directory without a sync has
// no Sync Now.
TEST_F(SyncNowTest, CancelStopsTheSyncAndWithoutASyncThereIsNoItem)
{
    WriteDirectory(kThree);
    WriteFakeSync("exec sleep 60\n");
    CDirectoryDlg plain;
    RunMainWindow(plain, [](QWidget*) {
        PressKey(Qt::Key_F10, Qt::ShiftModifier);
        QMenu* menu = OpenedMenu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(MenuItem(menu, "Sync &Now"), nullptr);
        QTest::keyClick(menu, Qt::Key_Escape);
    });

    SetUpSync();
    CDirectoryDlg dlg;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    RunMainWindow(dlg, [&](QWidget* w) {
        RunWhenModal([w](QWidget* waiting) {
            EXPECT_FALSE(w->isEnabled() && QApplication::activeModalWidget() != waiting) << "the window took input";
            PressKey(Qt::Key_Escape);
        });
        AnswerOutcome(&text, &icon);
        PressKey(Qt::Key_F10, Qt::ShiftModifier);
        QMenu* menu = OpenedMenu();
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(menu, Qt::Key_N);
        ASSERT_TRUE(WaitFor([&text] { return !text.isEmpty(); }, 8000));
    });
    EXPECT_TRUE(text.contains("cancelled")) << text.toStdString();
}

}   // namespace
