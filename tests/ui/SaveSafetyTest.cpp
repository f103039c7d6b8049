// Saving from the main window never silently loses someone else's work:
// another window's save, a file changed behind the window's back; and a
// file that cannot be opened at start-up is not taken for a missing one.

#include <fstream>
#include <memory>
#include <fcntl.h>
#include <sys/stat.h>

#include <QAbstractButton>
#include <QApplication>
#include <gtest/gtest.h>

#include "data/DirectoryFormat.h"
#include "data/DirectoryLock.h"
#include "framework/WinApp.h"
#include "tests/support/ScratchDirectory.h"
#include "tests/ui/MainWindowDriver.h"

using namespace GuiTest;
using namespace MainWindow;

namespace {

class SaveSafetyTest : public testing::Test
{
protected:
    ScratchDirectory m_dir;
    CDirectoryDlg m_dlg;
};

// Answers the question the next step raises with button, keeping its text.
void AnswerQuestion(QMessageBox::StandardButton button, QString* pText)
{
    RunWhenModal([button, pText](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr) << "expected a question";
        ASSERT_NE(box->button(button), nullptr) << "the box has no such button";
        EXPECT_EQ(box->windowTitle().toStdString(), AfxGetApp()->m_strAppName.GetString());
        *pText = box->text();
        Click(box->button(button));
    });
}

// Runs action and tells whether it opened any message box (answered No).
bool AsksAnything(const std::function<void()>& action)
{
    bool bAsked = false;
    RunWhenModal([&bAsked](QWidget* modal) {
        bAsked = true;
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            Click(box->button(QMessageBox::No) ? box->button(QMessageBox::No) : box->button(QMessageBox::Ok));
    });
    action();
    CancelPendingSteps();
    return bAsked;
}

TEST_F(SaveSafetyTest, TwoWindowsOnOneFileAskBeforeTheSecondSaveReplacesTheFirst)
{
    WriteDirectory(kThree);
    std::string othersFile;
    QString question;
    const int nResult = RunMainWindow(m_dlg, [&](QWidget* w) {
        ClickName(w, 1);
        Click(w, IDC_DELETE_NAME);
        ClickName(w, 1);

        // A second window on the same file changes it and saves: its file is
        // as it loaded it, so it saves without a question.
        CDirectoryDlg other;
        RunMainWindow(other, [&](QWidget* w2) {
            ClickName(w2, 0);
            Click(w2, IDC_DELETE_NAME);
            EXPECT_FALSE(AsksAnything([w2] { Click(w2, IDC_SAVE_NOW); }));
        });
        othersFile = ReadFileBytes();
        ASSERT_EQ(othersFile, DirectoryBytes({kThree[1], kThree[2]}));

        // "No" writes nothing; the window stays open with its selection.
        AnswerQuestion(QMessageBox::No, &question);
        Click(w, IDC_SAVE_NOW);
        EXPECT_EQ(ReadFileBytes(), othersFile);
        EXPECT_EQ(Selected(w), 1);
        AnswerQuestion(QMessageBox::No, &question);
        Click(w, IDC_SAVE_QUIT);
        EXPECT_EQ(TopWindow(), w) << "Save / Quit answered No stays open";
        EXPECT_EQ(ReadFileBytes(), othersFile);
        EXPECT_EQ(Names(w), NamesOf({kThree[0], kThree[2]}));
        EXPECT_EQ(Selected(w), 1);

        AnswerQuestion(QMessageBox::Yes, &question);
        Click(w, IDC_SAVE_QUIT);
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(ReadFileBytes(), DirectoryBytes({kThree[0], kThree[2]}));
    EXPECT_TRUE(question.contains("changed by another program")) << question.toStdString();
}

// Return and Escape both answer the question No: a user who presses either
// without reading keeps the other program's file.
TEST_F(SaveSafetyTest, ReturnAndEscapeAnswerTheChangedFileQuestionNo)
{
    WriteDirectory(kThree);
    RunMainWindow(m_dlg, [](QWidget* w) {
        WriteDirectory({kThree[1]});
        const std::string othersFile = ReadFileBytes();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            SCOPED_TRACE(key == Qt::Key_Return ? "Return" : "Escape");
            RunWhenModal([key](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                ASSERT_TRUE(box && box->button(QMessageBox::Yes)) << "expected the question";
                PressKey(key);
            });
            Click(w, IDC_SAVE_NOW);
            EXPECT_EQ(ReadFileBytes(), othersFile);
        }
    });
}

// A window opened while a command-line writer holds the directory says so
// and opens; it saves nothing while the writer is at work, takes the
// directory as soon as it loads again after the writer, keeps writers out
// while open, and lets them in once closed.
TEST_F(SaveSafetyTest, WritersAreKeptOutFromTheFirstLoadUntilTheWindowCloses)
{
    WriteDirectory(kThree);
    const auto writerGetsIn = [] {
        CDirectoryLock writer;
        CString strWhy;
        return writer.TryAcquire(DirectoryFormat::kDirectoryFileName, CDirectoryLock::Kind::Exclusive, strWhy);
    };
    auto writer = std::make_unique<CDirectoryLock>();
    CString strWhy;
    ASSERT_TRUE(writer->TryAcquire(DirectoryFormat::kDirectoryFileName, CDirectoryLock::Kind::Exclusive, strWhy));
    QString message;
    AnswerMessageBox(&message);
    RunMainWindow(m_dlg, [&](QWidget* w) {
        EXPECT_EQ(Names(w), NamesOf(kThree));
        QString refusal;
        AnswerMessageBox(&refusal);
        Click(w, IDC_DELETE_NAME);
        Click(w, IDC_SAVE_NOW);
        EXPECT_TRUE(refusal.contains("could not be saved")) << refusal.toStdString();
        EXPECT_EQ(ReadFileBytes(), DirectoryBytes(kThree)) << "saved over the writer's work";
        writer.reset();
        Click(w, IDC_UNDO);
        EXPECT_FALSE(writerGetsIn());
    });
    EXPECT_TRUE(message.contains("another program is changing the directory")) << message.toStdString();
    EXPECT_TRUE(writerGetsIn()) << "the closed window still holds the directory";
}

TEST_F(SaveSafetyTest, AChangeThatKeepsSizeAndTimeIsStillSeenAndUndoTakesTheNewFile)
{
    WriteDirectory(kThree);
    struct stat before
    {
    };
    ASSERT_EQ(stat("Dialstack.dat", &before), 0);
    // Another program swaps two letters: same size, and its time put back.
    std::string changed = ReadFileBytes();
    std::swap(changed[changed.find("Zoe")], changed[changed.find("Zoe") + 1]);

    QString question;
    RunMainWindow(m_dlg, [&](QWidget* w) {
        EXPECT_FALSE(AsksAnything([w] { Click(w, IDC_SAVE_NOW); })) << "an unchanged file is saved without a question";
        std::ofstream("Dialstack.dat", std::ios::binary | std::ios::trunc) << changed;
        struct stat saved
        {
        };
        ASSERT_EQ(stat("Dialstack.dat", &saved), 0);
        const timespec times[2] = {saved.st_atim, before.st_mtim};
        ASSERT_EQ(utimensat(AT_FDCWD, "Dialstack.dat", times, 0), 0);

        AnswerQuestion(QMessageBox::No, &question);
        Click(w, IDC_SAVE_NOW);
        EXPECT_EQ(ReadFileBytes(), changed);

        Click(w, IDC_UNDO);
        EXPECT_EQ(Names(w)[0], "oZe Quinn");
        EXPECT_FALSE(AsksAnything([w] { Click(w, IDC_SAVE_NOW); })) << "the reloaded file is the one loaded";
    });
    EXPECT_FALSE(question.isEmpty());
}

TEST_F(SaveSafetyTest, AFileThatCannotBeOpenedOrHoldsNoRecordIsReportedWithZeroRecords)
{
    struct Row
    {
        const char* what;
        std::function<void()> make;
        const char* expected;
    };
    const Row rows[] = {
        {"empty file", [] { std::ofstream("Dialstack.dat"); }, "could not be read completely. 0 records were read"},
        {"garbage header", [] { std::ofstream("Dialstack.dat") << "garbage"; },
            "could not be read completely. 0 records were read"},
        {"symbolic link loop", [] { std::filesystem::create_symlink("Dialstack.dat", "Dialstack.dat"); },
            "could not be opened: too many levels of symbolic links. 0 records were read"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        std::filesystem::remove("Dialstack.dat");
        row.make();
        QString text;
        CDirectoryDlg dlg;
        AnswerMessageBox(&text);
        RunMainWindow(dlg, [](QWidget* w) { EXPECT_TRUE(Names(w).isEmpty()); });
        EXPECT_TRUE(text.contains(row.expected)) << text.toStdString();
    }
}

}   // namespace
