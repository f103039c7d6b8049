// The main window driven as a user drives it: start-up with and without a
// directory file, selection, Delete Name, Save Now, Undo Changes, the ways
// out, the window menu with the About box, and help.

#include <fstream>
#include <sys/mount.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/DirectoryApp.h"
#include "framework/HelpWindow.h"
#include "tests/support/ScratchDirectory.h"
#include "tests/ui/MainWindowDriver.h"

using namespace GuiTest;
using namespace MainWindow;

// The program's own application object, so that help takes the program's
// command routing.
CDirectoryApp theApp;

namespace {

const std::vector<Entry> kThree = {
    {"Zoe Quinn", "555 0300", "", "zoe@example.org", "Neighbour"},
    {"Adam Bell", "", "555 0142", "", ""},
    {"Mia Park", "555 0101", "555 0102", "", "  two  spaces  "},
};

class MainWindowTest : public testing::Test
{
protected:
    ScratchDirectory m_dir;
    CDirectoryDlg m_dlg;
};

void ExpectShows(CDirectoryDlg& dlg, QWidget* w, const std::vector<Entry>& entries, int nSelected)
{
    EXPECT_EQ(Names(w), NamesOf(entries));
    EXPECT_EQ(Selected(w), nSelected);
    if (nSelected >= 0) {
        EXPECT_EQ(Details(w), DetailsOf(entries[static_cast<size_t>(nSelected)]));
        EXPECT_EQ(CursorRecord(dlg), entries[static_cast<size_t>(nSelected)]) << "the cursor is on the selected record";
    }
}

TEST_F(MainWindowTest, StartsEmptyWithoutAFileAndCreatesNone)
{
    RunWhenModal([](QWidget* w) {
        EXPECT_TRUE(Names(w).isEmpty());
        EXPECT_EQ(Selected(w), -1);
        EXPECT_TRUE(Details(w).isEmpty());
        EXPECT_EQ(Focus(), Control(w, IDC_ADD_NAME));
        EXPECT_EQ(w->windowTitle(), "Quillaven Dialstack");
        PressKey(Qt::Key_Escape);
    });
    EXPECT_EQ(m_dlg.DoModal(), IDCANCEL);
    EXPECT_FALSE(std::filesystem::exists("Dialstack.dat"));
}

TEST_F(MainWindowTest, StartsWithTheFileInFileOrderFirstSelectedDetailsBesideLabels)
{
    WriteDirectory(kThree);
    RunWhenModal([this](QWidget* w) {
        ExpectShows(m_dlg, w, kThree, 0);
        // Each detail row sits beside its label: Phone, Pager, Email, Misc.
        QListView* details = DetailList(w);
        const QStringList labels = {"Phone", "Pager", "Email", "Misc."};
        for (int row = 0; row < 4; ++row) {
            QLabel* label = nullptr;
            for (QLabel* candidate : w->findChildren<QLabel*>())
                if (candidate->text() == labels[row])
                    label = candidate;
            ASSERT_NE(label, nullptr) << labels[row].toStdString();
            const int rowCentre = details->viewport()->mapTo(w, RowRect(details, row).center()).y();
            const int labelCentre = label->geometry().center().y();
            EXPECT_LE(std::abs(rowCentre - labelCentre), RowRect(details, row).height() / 2)
                << labels[row].toStdString() << " row is not beside its label";
        }
        PressKey(Qt::Key_Escape);
    });
    EXPECT_EQ(m_dlg.DoModal(), IDCANCEL);
}

TEST_F(MainWindowTest, DamagedFileIsReportedOnceAndItsCompleteRecordsKept)
{
    std::string bytes = DirectoryBytes(kThree);
    bytes.resize(bytes.size() - 5);   // cut inside the last record
    std::ofstream("Dialstack.dat", std::ios::binary) << bytes;

    QString text;
    int nBoxes = 0;
    RunWhenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        ++nBoxes;
        text = box->text();
        EXPECT_EQ(box->windowTitle().toStdString(), AfxGetApp()->m_strAppName.GetString());
        RunWhenModal([&](QWidget* w) {
            ExpectShows(m_dlg, w, {kThree[0], kThree[1]}, 0);
            PressKey(Qt::Key_Escape);
        });
        PressKey(Qt::Key_Return);
    });
    EXPECT_EQ(m_dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(nBoxes, 1);
    EXPECT_TRUE(text.contains("Dialstack.dat")) << text.toStdString();
    EXPECT_TRUE(text.contains("2 records")) << text.toStdString();
    EXPECT_EQ(ReadFileBytes(), bytes) << "leaving without saving keeps the damaged file as it was";
}

TEST_F(MainWindowTest, SelectionByMouseAndArrowKeysMovesDetailsAndCursor)
{
    WriteDirectory(kThree);
    RunWhenModal([this](QWidget* w) {
        ClickName(w, 2);
        ExpectShows(m_dlg, w, kThree, 2);
        PressKey(Qt::Key_Up);
        ExpectShows(m_dlg, w, kThree, 1);
        PressKey(Qt::Key_Up);
        ExpectShows(m_dlg, w, kThree, 0);
        PressKey(Qt::Key_Down);
        PressKey(Qt::Key_Down);
        ExpectShows(m_dlg, w, kThree, 2);
        PressKey(Qt::Key_Escape);
    });
    m_dlg.DoModal();
}

TEST_F(MainWindowTest, DeleteNameTwiceRemovesOnlyTheSelectedRecord)
{
    WriteDirectory(kThree);
    RunWhenModal([this](QWidget* w) {
        ClickName(w, 1);
        Click(w, IDC_DELETE_NAME);
        EXPECT_EQ(Names(w), NamesOf({kThree[0], kThree[2]}));
        EXPECT_EQ(Selected(w), -1);
        EXPECT_TRUE(Details(w).isEmpty());
        EXPECT_EQ(CursorRecord(m_dlg), kThree[0]) << "the cursor goes to the deleted record's predecessor";

        Click(w, IDC_DELETE_NAME);
        EXPECT_EQ(Names(w), NamesOf({kThree[0], kThree[2]})) << "nothing was selected, so nothing is removed";
        EXPECT_TRUE(Details(w).isEmpty());

        Click(w, IDC_SAVE_NOW);
        EXPECT_EQ(ReadFileBytes(), DirectoryBytes({kThree[0], kThree[2]}));
        EXPECT_EQ(Selected(w), -1);
        EXPECT_EQ(Details(w), DetailsOf(kThree[0])) << "with nothing selected, the first record is shown";
        PressKey(Qt::Key_Escape);
    });
    m_dlg.DoModal();
}

TEST_F(MainWindowTest, DeletingTheOnlyRecordLeavesTheEmptyDirectory)
{
    WriteDirectory({kThree[0]});
    RunWhenModal([this](QWidget* w) {
        Click(w, IDC_DELETE_NAME);
        EXPECT_TRUE(Names(w).isEmpty());
        EXPECT_TRUE(Details(w).isEmpty());
        Click(w, IDC_SAVE_NOW);
        EXPECT_EQ(ReadFileBytes(), std::string("0\xA5" "1\x16\x16\x16\x16\x16"));
        EXPECT_EQ(Details(w), QStringList({"", "", "", ""})) << "four empty rows for the empty directory";
        EXPECT_TRUE(Names(w).isEmpty());
        PressKey(Qt::Key_Escape);
    });
    m_dlg.DoModal();
}

TEST_F(MainWindowTest, SaveNowKeepsTheSelectionAndWritesTheFile)
{
    WriteDirectory(kThree, -7);
    RunWhenModal([this](QWidget* w) {
        ClickName(w, 1);
        Click(w, IDC_SAVE_NOW);
        ExpectShows(m_dlg, w, kThree, 1);
        EXPECT_EQ(ReadFileBytes(), DirectoryBytes(kThree, -7)) << "the header integer is written back unchanged";
        PressKey(Qt::Key_Escape);
    });
    m_dlg.DoModal();
}

TEST_F(MainWindowTest, UndoChangesRestoresTheSavedDirectory)
{
    WriteDirectory(kThree);
    RunWhenModal([this](QWidget* w) {
        ClickName(w, 2);
        Click(w, IDC_DELETE_NAME);
        ClickName(w, 0);
        Click(w, IDC_DELETE_NAME);
        EXPECT_EQ(Names(w), NamesOf({kThree[1]}));
        Click(w, IDC_UNDO);
        ExpectShows(m_dlg, w, kThree, 0);
        PressKey(Qt::Key_Escape);
    });
    m_dlg.DoModal();
}

TEST_F(MainWindowTest, UndoWithoutAFileEmptiesTheNameList)
{
    RunWhenModal([](QWidget* w) {
        Click(w, IDC_UNDO);
        EXPECT_TRUE(Names(w).isEmpty());
        PressKey(Qt::Key_Escape);
    });
    m_dlg.DoModal();
}

TEST_F(MainWindowTest, EscapeAndTheCloseBoxLeaveWithoutSaving)
{
    WriteDirectory(kThree);
    const std::string before = ReadFileBytes();
    for (bool closeBox : {false, true}) {
        CDirectoryDlg dlg;
        RunWhenModal([closeBox](QWidget* w) {
            Click(w, IDC_DELETE_NAME);
            if (closeBox)
                w->close();
            else
                PressKey(Qt::Key_Escape);
        });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_EQ(ReadFileBytes(), before);
    }
}

TEST_F(MainWindowTest, SaveQuitWritesTheFileThenEndsWithOk)
{
    WriteDirectory(kThree);
    RunWhenModal([](QWidget* w) {
        Click(w, IDC_DELETE_NAME);
        Click(w, IDC_SAVE_QUIT);
    });
    EXPECT_EQ(m_dlg.DoModal(), IDOK);
    EXPECT_EQ(ReadFileBytes(), DirectoryBytes({kThree[1], kThree[2]}));
}

// A directory whose file system can be made read-only after start-up, so
// that saving fails for real (root ignores permission bits).
class ReadOnlyDirectoryTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        if (geteuid() != 0)
            GTEST_SKIP() << "making the directory read-only needs root (mount)";
        if (mount("tmpfs", ".", "tmpfs", 0, "size=1m") != 0)
            GTEST_SKIP() << "cannot mount a tmpfs here";
        m_bMounted = true;
        // The working directory still names the old inode; step out and back.
        std::filesystem::current_path(m_dir.Path());
        WriteDirectory(kThree);
        m_before = ReadFileBytes();
    }
    void TearDown() override
    {
        if (m_bMounted) {
            std::filesystem::current_path("/");
            umount2(m_dir.Path().c_str(), MNT_DETACH);
            std::filesystem::current_path(m_dir.Path());
        }
    }
    void MakeReadOnly()
    {
        ASSERT_EQ(mount("tmpfs", m_dir.Path().c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=1m"), 0);
    }
    bool m_bMounted = false;
    std::string m_before;
};

TEST_F(ReadOnlyDirectoryTest, FailedSaveQuitSaysWhyAndStaysOpen)
{
    QString text;
    RunWhenModal([&](QWidget* w) {
        MakeReadOnly();
        Click(w, IDC_DELETE_NAME);
        ClickName(w, 0);
        AnswerMessageBox(&text);
        Click(w, IDC_SAVE_QUIT);
        EXPECT_EQ(QApplication::activeModalWidget(), w) << "the window stays open";
        ExpectShows(m_dlg, w, {kThree[1], kThree[2]}, 0);   // the changes, the selection and the cursor
        PressKey(Qt::Key_Escape);
    });
    EXPECT_EQ(m_dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(text.contains("could not be saved")) << text.toStdString();
    EXPECT_TRUE(text.contains("not writable") || text.contains("Read-only", Qt::CaseInsensitive))
        << "the reason is given: " << text.toStdString();
    EXPECT_EQ(ReadFileBytes(), m_before);
}

TEST_F(ReadOnlyDirectoryTest, FailedSaveNowSaysWhyAndKeepsTheSelection)
{
    QString text;
    RunWhenModal([&](QWidget* w) {
        MakeReadOnly();
        ClickName(w, 2);
        AnswerMessageBox(&text);
        Click(w, IDC_SAVE_NOW);
        ExpectShows(m_dlg, w, kThree, 2);
        PressKey(Qt::Key_Escape);
    });
    m_dlg.DoModal();
    EXPECT_TRUE(text.contains("Dialstack.dat")) << text.toStdString();
    EXPECT_EQ(ReadFileBytes(), m_before);
}

QMenu* OpenWindowMenu()
{
    PressKey(Qt::Key_Space, Qt::AltModifier);
    QWidget* popup = nullptr;
    WaitFor([&] { return (popup = QApplication::activePopupWidget()) != nullptr; });
    return qobject_cast<QMenu*>(popup);
}

TEST_F(MainWindowTest, WindowMenuEndsWithAboutWhichOpensTheAboutBoxAgainAndAgain)
{
    int nAboutBoxes = 0;
    RunWhenModal([&](QWidget* w) {
        QMenu* menu = OpenWindowMenu();
        ASSERT_NE(menu, nullptr);
        const QList<QAction*> actions = menu->actions();
        ASSERT_GE(actions.size(), 2);
        EXPECT_TRUE(actions[actions.size() - 2]->isSeparator());
        EXPECT_EQ(actions.last()->text(), "&About Dialstack2...");
        menu->close();

        for (int round = 0; round < 3; ++round) {
            RunWhenModal([&, round](QWidget* about) {
                ++nAboutBoxes;
                EXPECT_EQ(about->windowTitle(), "About Quillaven Dialstack");
                EXPECT_FALSE(m_dlg.IsWindowEnabled()) << "the main window is disabled under the About box";
                int nControls = 0;
                for (QWidget* child : about->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                    nControls += child->isVisible() ? 1 : 0;
                EXPECT_EQ(nControls, 6);
                if (round == 0)
                    Click(about, IDOK);
                else if (round == 1)
                    PressKey(Qt::Key_Escape);
                else
                    about->close();   // the close box
            });
            ASSERT_TRUE(WaitFor([w] { return w->isActiveWindow(); })) << "the main window is active again";
            QMenu* again = OpenWindowMenu();
            ASSERT_NE(again, nullptr);
            QTest::keyClick(again, Qt::Key_A);   // its mnemonic
            EXPECT_TRUE(WaitFor([&] { return nAboutBoxes == round + 1 && QApplication::activeModalWidget() == w; }));
            EXPECT_EQ(QApplication::activeModalWidget(), w);
            EXPECT_TRUE(w->isEnabled());
        }
        PressKey(Qt::Key_Escape);
    });
    m_dlg.DoModal();
    EXPECT_EQ(nAboutBoxes, 3);
}

TEST_F(MainWindowTest, InitInstanceRunsTheMainWindowAndEndsTheProgramEitherWay)
{
    WriteDirectory(kThree);
    for (bool saveQuit : {true, false}) {
        RunWhenModal([saveQuit](QWidget* w) {
            EXPECT_EQ(AfxGetApp()->m_pMainWnd->GetSafeHwnd(), w) << "the main window fills the application's slot";
            if (saveQuit)
                Click(w, IDC_SAVE_QUIT);
            else
                PressKey(Qt::Key_Escape);
        });
        EXPECT_EQ(theApp.InitInstance(), FALSE) << "no message loop follows";
    }
}

TEST_F(MainWindowTest, HelpOpensTheHelpWindowWhichClosesWithTheMainWindow)
{
    RunWhenModal([](QWidget* w) {
        EXPECT_EQ(HelpWindow::Current(), nullptr);
        Click(w, ID_HELP);
        ASSERT_NE(HelpWindow::Current(), nullptr);
        EXPECT_TRUE(HelpWindow::Current()->isVisible());
        w->activateWindow();
        w->setFocus();
        PressKey(Qt::Key_Escape);
    });
    m_dlg.DoModal();
    EXPECT_EQ(HelpWindow::Current(), nullptr);
}

} // namespace
