// The main window driven as a user drives it: start-up with and without a
// directory file, selection, Delete Name, Save Now, Undo Changes, unsaved
// changes kept from another program's write, the ways out, the window menu
// with the About box, and help.

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QWindow>
#include <gtest/gtest.h>

#include "app/DirectoryApp.h"
#include "framework/DialogWindow.h"
#include "framework/HelpWindow.h"
#include "tests/support/MountedTmpfs.h"
#include "tests/support/ScratchDirectory.h"
#include "tests/ui/MainWindowDriver.h"

using namespace GuiTest;
using namespace MainWindow;

// The program's own application object, so that help takes the program's
// command routing.
CDirectoryApp theApp;

namespace {

class MainWindowTest : public testing::Test
{
protected:
    ScratchDirectory m_dir;
    CDirectoryDlg m_dlg;
};

void ExpectShows(CDirectoryDlg& dlg, QWidget* w, const std::vector<TestRecord>& records, int nSelected)
{
    EXPECT_EQ(Names(w), NamesOf(records));
    EXPECT_EQ(Selected(w), nSelected);
    if (nSelected >= 0) {
        EXPECT_EQ(Details(w), DetailsOf(records[static_cast<size_t>(nSelected)]));
        EXPECT_EQ(CursorRecord(dlg), records[static_cast<size_t>(nSelected)]) << "the cursor is on the selected record";
    }
}

TEST_F(MainWindowTest, StartsEmptyWithoutAFileAndCreatesNone)
{
    const int nResult = RunMainWindow(m_dlg, [](QWidget* w) {
        EXPECT_TRUE(Names(w).isEmpty());
        EXPECT_EQ(Selected(w), -1);
        EXPECT_TRUE(Details(w).isEmpty());
        EXPECT_EQ(Focus(), Control(w, IDC_ADD_NAME));
        EXPECT_EQ(w->windowTitle(), "Quillaven Dialstack");
    });
    EXPECT_EQ(nResult, IDCANCEL);
    EXPECT_FALSE(std::filesystem::exists(DirectoryFormat::kDirectoryFileName));
}

TEST_F(MainWindowTest, StartsWithTheFileInFileOrderFirstSelectedDetailsBesideLabels)
{
    const int nResult = RunMainWindow(m_dlg, kThree, [this](QWidget* w) {
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
    });
    EXPECT_EQ(nResult, IDCANCEL);
}

TEST_F(MainWindowTest, DamagedFileIsReportedOnceAndItsCompleteRecordsKept)
{
    struct Case
    {
        std::vector<TestRecord> records;
        const char* pszCount;
    };
    for (const Case& c : {Case{kThree, "2 records were read and are shown."},
             Case{{kThree[0], kThree[1]}, "1 record was read and is shown."}}) {
        std::string bytes = DirectoryBytes(c.records);
        bytes.resize(bytes.size() - 5);   // cut inside the last record
        WriteFileBytes(DirectoryFormat::kDirectoryFileName, bytes);
        const std::vector<TestRecord> complete(c.records.begin(), c.records.end() - 1);

        // The message comes before the window shows; a second message would
        // keep the window's steps from running, and so fail the test.
        CDirectoryDlg dlg;
        QString text;
        RunWhenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            text = box->text();
            EXPECT_EQ(box->windowTitle().toStdString(), AfxGetApp()->m_strAppName.GetString());
            PressKey(Qt::Key_Return);
        });
        const int nResult = RunMainWindow(dlg, [&](QWidget* w) { ExpectShows(dlg, w, complete, 0); });
        EXPECT_EQ(nResult, IDCANCEL);
        EXPECT_TRUE(text.contains("Dialstack.dat")) << text.toStdString();
        EXPECT_TRUE(text.contains(c.pszCount)) << text.toStdString();
        EXPECT_EQ(ReadFileBytes(), bytes) << "leaving without saving keeps the damaged file as it was";
    }
}

TEST_F(MainWindowTest, SelectionByMouseAndArrowKeysMovesDetailsAndCursor)
{
    RunMainWindow(m_dlg, kThree, [this](QWidget* w) {
        ClickName(w, 2);
        ExpectShows(m_dlg, w, kThree, 2);
        PressKey(Qt::Key_Up);
        ExpectShows(m_dlg, w, kThree, 1);
        PressKey(Qt::Key_Up);
        ExpectShows(m_dlg, w, kThree, 0);
        PressKey(Qt::Key_Down);
        PressKey(Qt::Key_Down);
        ExpectShows(m_dlg, w, kThree, 2);
    });
}

TEST_F(MainWindowTest, DeleteNameTwiceRemovesOnlyTheSelectedRecord)
{
    RunMainWindow(m_dlg, kThree, [this](QWidget* w) {
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
    });
}

TEST_F(MainWindowTest, DeletingTheOnlyRecordLeavesTheEmptyDirectory)
{
    RunMainWindow(m_dlg, {kThree[0]}, [this](QWidget* w) {
        Click(w, IDC_DELETE_NAME);
        EXPECT_TRUE(Names(w).isEmpty());
        EXPECT_TRUE(Details(w).isEmpty());
        Click(w, IDC_SAVE_NOW);
        EXPECT_EQ(ReadFileBytes(),
            std::string("0\xA5"
                        "1\x16\x16\x16\x16\x16"));
        EXPECT_EQ(Details(w), QStringList({"", "", "", ""})) << "four empty rows for the empty directory";
        EXPECT_TRUE(Names(w).isEmpty());
    });
}

TEST_F(MainWindowTest, SaveNowKeepsTheSelectionAndWritesTheFile)
{
    WriteDirectory(kThree, -7);
    RunMainWindow(m_dlg, [this](QWidget* w) {
        ClickName(w, 1);
        Click(w, IDC_SAVE_NOW);
        ExpectShows(m_dlg, w, kThree, 1);
        EXPECT_EQ(ReadFileBytes(), DirectoryBytes(kThree, -7)) << "the header integer is written back unchanged";
    });
}

TEST_F(MainWindowTest, UndoChangesRestoresTheSavedDirectory)
{
    RunMainWindow(m_dlg, kThree, [this](QWidget* w) {
        ClickName(w, 2);
        Click(w, IDC_DELETE_NAME);
        ClickName(w, 0);
        Click(w, IDC_DELETE_NAME);
        EXPECT_EQ(Names(w), NamesOf({kThree[1]}));
        Click(w, IDC_UNDO);
        ExpectShows(m_dlg, w, kThree, 0);
    });
}

TEST_F(MainWindowTest, UndoWithoutAFileEmptiesTheNameList)
{
    RunMainWindow(m_dlg, [](QWidget* w) {
        Click(w, IDC_UNDO);
        EXPECT_TRUE(Names(w).isEmpty());
    });
}

// Every way out of the window (Escape, the window menu's Close, the close
// box) leaves at once when nothing is unsaved; with a change not saved it
// asks, and the answer Return gives saves.
TEST_F(MainWindowTest, LeavingWithUnsavedChangesAsksAndReturnSaves)
{
    enum class Way { kEscape, kMenuClose, kCloseBox };
    struct Row
    {
        const char* what;
        bool bChange;
        Way way;
        QMessageBox::StandardButton answer;   // NoButton: no question
        int nResult;
        bool bSaved;
    };
    const Row rows[] = {
        {"nothing unsaved, Escape", false, Way::kEscape, QMessageBox::NoButton, IDCANCEL, false},
        {"nothing unsaved, close box", false, Way::kCloseBox, QMessageBox::NoButton, IDCANCEL, false},
        {"unsaved, Escape, Return", true, Way::kEscape, QMessageBox::Default, IDOK, true},
        {"unsaved, menu Close, leave without saving", true, Way::kMenuClose, QMessageBox::No, IDCANCEL, false},
        {"unsaved, close box, leave without saving", true, Way::kCloseBox, QMessageBox::No, IDCANCEL, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        WriteDirectory(kThree);
        const std::string before = ReadFileBytes();
        CDirectoryDlg dlg;
        QString question;
        const int nResult = RunMainWindow(dlg, [&](QWidget* w) {
            if (row.bChange)
                Click(w, IDC_DELETE_NAME);
            bool bAsked = false;
            if (row.bChange) {
                // First "Stay": nothing happens; then the row's answer.
                AnswerLeaveQuestion(QMessageBox::Cancel, &question);
                PressKey(Qt::Key_Escape);
                EXPECT_EQ(TopWindow(), w) << "Stay left the window";
                ASSERT_TRUE(WaitFor([w] { return w->isActiveWindow(); }));
                RunWhenModal([&](QWidget* modal) {
                    bAsked = true;
                    auto* box = qobject_cast<QMessageBox*>(modal);
                    ASSERT_NE(box, nullptr);
                    if (row.answer == QMessageBox::Default)
                        PressKey(Qt::Key_Return);
                    else
                        Click(box->button(row.answer));
                });
            }
            if (row.way == Way::kEscape) {
                PressKey(Qt::Key_Escape);
            } else if (row.way == Way::kCloseBox) {
                w->close();
            } else {
                PressKey(Qt::Key_F10, Qt::ShiftModifier);
                QMenu* menu = OpenedMenu();
                ASSERT_NE(menu, nullptr);
                QTest::keyClick(menu, Qt::Key_Down);
                QTest::keyClick(menu, Qt::Key_Return);
            }
            WaitFor([w] { return !w->isVisible(); }, 5000);
            EXPECT_EQ(bAsked, row.bChange);
        });
        EXPECT_EQ(nResult, row.nResult);
        EXPECT_EQ(ReadFileBytes(), row.bSaved ? DirectoryBytes({kThree[1], kThree[2]}) : before);
        if (row.bChange) {
            EXPECT_TRUE(question.contains("not saved")) << question.toStdString();
        }
    }
}

// A program that ignores the lock writes the file under unsaved changes:
// the window keeps showing its own, though the watch shows a write within
// a second when nothing is unsaved.
TEST_F(MainWindowTest, UnsavedChangesAreNeverReloadedOverWhenAnotherProgramWritesTheFile)
{
    RunMainWindow(m_dlg, kThree, [](QWidget* w) {
        Click(w, IDC_DELETE_NAME);
        const QStringList unsaved = NamesOf({kThree[1], kThree[2]});
        WriteDirectory({kThree[0]});
        EXPECT_FALSE(WaitFor([w, &unsaved] { return Names(w) != unsaved; }, 1500)) << "reloaded over the change";
    });
}

TEST_F(MainWindowTest, SaveQuitWritesTheFileThenEndsWithOk)
{
    const int nResult = RunMainWindow(m_dlg, kThree, [](QWidget* w) {
        Click(w, IDC_DELETE_NAME);
        Click(w, IDC_SAVE_QUIT);
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(ReadFileBytes(), DirectoryBytes({kThree[1], kThree[2]}));
}

// A directory whose file system can be made read-only after start-up, so
// that saving fails for real (root ignores permission bits).
class ReadOnlyDirectoryTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        if (!m_tmpfs.IsMounted())
            GTEST_SKIP() << "cannot mount a tmpfs here (needs root with mount rights)";
        WriteDirectory(kThree);
        m_before = ReadFileBytes();
    }
    void MakeReadOnly() { ASSERT_TRUE(m_tmpfs.MakeReadOnly()); }

    MountedTmpfs m_tmpfs{"size=1m"};
    std::string m_before;
};

TEST_F(ReadOnlyDirectoryTest, FailedSaveQuitSaysWhyAndStaysOpen)
{
    QString text;
    const int nResult = RunMainWindow(m_dlg, [&](QWidget* w) {
        MakeReadOnly();
        Click(w, IDC_DELETE_NAME);
        ClickName(w, 0);
        AnswerMessageBox(&text);
        Click(w, IDC_SAVE_QUIT);
        EXPECT_EQ(TopWindow(), w) << "the window stays open";
        ExpectShows(m_dlg, w, {kThree[1], kThree[2]}, 0);   // the changes, the selection and the cursor
    });
    EXPECT_EQ(nResult, IDCANCEL);
    EXPECT_TRUE(text.contains("could not be saved")) << text.toStdString();
    EXPECT_TRUE(text.contains("not writable") || text.contains("Read-only", Qt::CaseInsensitive))
        << "the reason is given: " << text.toStdString();
    EXPECT_EQ(ReadFileBytes(), m_before);
}

TEST_F(ReadOnlyDirectoryTest, FailedSaveNowSaysWhyAndKeepsTheSelection)
{
    QString text;
    RunMainWindow(m_dlg, [&](QWidget* w) {
        MakeReadOnly();
        ClickName(w, 2);
        AnswerMessageBox(&text);
        Click(w, IDC_SAVE_NOW);
        ExpectShows(m_dlg, w, kThree, 2);
    });
    EXPECT_TRUE(text.contains("Dialstack.dat")) << text.toStdString();
    EXPECT_EQ(ReadFileBytes(), m_before);
}

// Opens the window menu with the keys given (Alt+Space by default).
QMenu* OpenWindowMenu(Qt::Key key = Qt::Key_Space, Qt::KeyboardModifiers modifiers = Qt::AltModifier)
{
    PressKey(key, modifiers);
    return OpenedMenu();
}

// The About box's text frame keeps the place its template gives it (right
// edge at 189 dialog units), its right border drawn inside the box.
void ExpectTextFrameDrawnWhole(QWidget* about)
{
    QLabel* frame = nullptr;
    for (QLabel* label : about->findChildren<QLabel*>())
        frame = label->frameWidth() > 0 ? label : frame;
    ASSERT_NE(frame, nullptr);
    const DialogUnits& units = static_cast<DialogWindow*>(about)->Units();
    const QRect place = frame->geometry();
    EXPECT_LE(place.right(), units.ToPixelsX(189)) << "the frame reaches past its place";
    const QImage shot = about->grab().toImage();
    EXPECT_NE(shot.pixelColor(place.right(), place.center().y()), about->palette().color(QPalette::Window))
        << "no right border";
}

TEST_F(MainWindowTest, WindowMenuEndsWithAboutWhichOpensTheAboutBoxAgainAndAgain)
{
    // Alt+Space, and where a window manager takes that, Shift+F10 or the
    // Menu key.
    const std::pair<Qt::Key, Qt::KeyboardModifiers> menuKeys[]
        = {{Qt::Key_Space, Qt::AltModifier}, {Qt::Key_F10, Qt::ShiftModifier}, {Qt::Key_Menu, Qt::NoModifier}};
    int nAboutBoxes = 0;
    RunMainWindow(m_dlg, [&](QWidget* w) {
        EXPECT_EQ(w->windowType(), Qt::Window) << "the main window is an ordinary window";
        EXPECT_EQ(w->windowModality(), Qt::NonModal);
        QMenu* menu = OpenWindowMenu();
        ASSERT_NE(menu, nullptr);
        const QList<QAction*> actions = menu->actions();
        ASSERT_GE(actions.size(), 4);
        EXPECT_TRUE(actions[actions.size() - 4]->isSeparator());
        EXPECT_EQ(actions[actions.size() - 3]->text(), QString::fromUtf8("&Find\u2026")) << "Find above About";
        // With no sync set up for the file: Set Up Sync.
        EXPECT_EQ(actions[actions.size() - 2]->text(), QString::fromUtf8("Set &Up Sync\u2026"));
        EXPECT_EQ(actions.last()->text(), "&About Dialstack2...");
        menu->close();

        for (int round = 0; round < 3; ++round) {
            RunWhenModal([&, round](QWidget* about) {
                ++nAboutBoxes;
                EXPECT_EQ(about->windowTitle(), "About Quillaven Dialstack");
                EXPECT_EQ(about->windowType(), Qt::Dialog);
                EXPECT_EQ(about->windowHandle()->transientParent(), w->windowHandle()) << "it stays above its owner";
                EXPECT_FALSE(m_dlg.IsWindowEnabled()) << "the main window is disabled under the About box";
                int nControls = 0;
                for (QWidget* child : about->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                    nControls += child->isVisible() ? 1 : 0;
                EXPECT_EQ(nControls, 6);
                if (round == 0) {
                    ExpectTextFrameDrawnWhole(about);
                    Click(about, IDOK);
                }
                else if (round == 1)
                    PressKey(Qt::Key_Escape);
                else
                    about->close();   // the close box
            });
            ASSERT_TRUE(WaitFor([w] { return w->isActiveWindow(); })) << "the main window is active again";
            QMenu* again = OpenWindowMenu(menuKeys[round].first, menuKeys[round].second);
            ASSERT_NE(again, nullptr);
            QTest::keyClick(again, Qt::Key_A);   // its mnemonic
            EXPECT_TRUE(WaitFor([&] { return nAboutBoxes == round + 1 && TopWindow() == w; }));
            EXPECT_EQ(TopWindow(), w);
            EXPECT_TRUE(w->isEnabled());
        }
    });
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

// Opens help with the key given in the main window, and checks that it is
// an independent window and that closeKey closes it.
void OpenAndCloseHelp(QWidget* w, Qt::Key key, Qt::Key closeKey, Qt::KeyboardModifiers closeModifiers)
{
    w->activateWindow();
    ASSERT_TRUE(WaitFor([w] { return w->isActiveWindow(); }));
    PressKey(key);
    QWidget* help = HelpWindow::Current();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isWindow());
    EXPECT_EQ(help->parentWidget(), nullptr) << "no dialog owns help";
    ASSERT_TRUE(WaitFor([help] { return help->isActiveWindow(); }));
    QTest::keyClick(help, closeKey, closeModifiers);
    EXPECT_TRUE(WaitFor([] { return HelpWindow::Current() == nullptr; }));
}

TEST_F(MainWindowTest, HelpOpensTheHelpWindowWhichClosesWithTheMainWindow)
{
    RunMainWindow(m_dlg, [](QWidget* w) {
        OpenAndCloseHelp(w, Qt::Key_F1, Qt::Key_Escape, Qt::NoModifier);
        Control(w, IDC_NAME_LIST)->setFocus();
        OpenAndCloseHelp(w, Qt::Key_F1, Qt::Key_W, Qt::ControlModifier);

        EXPECT_EQ(HelpWindow::Current(), nullptr);
        Click(w, ID_HELP);
        QWidget* help = HelpWindow::Current();
        ASSERT_NE(help, nullptr);
        auto* page = help->findChild<QTextEdit*>();
        ASSERT_NE(page, nullptr);
        EXPECT_TRUE(help->isVisible());
        EXPECT_TRUE(page->toPlainText().contains("Undo Changes")) << "the program's help page";
    });
    EXPECT_EQ(HelpWindow::Current(), nullptr);
}

}   // namespace
