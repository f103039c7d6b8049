// Saving from the main window never silently loses someone else's work:
// another window's save, a file changed behind the window's back; and a
// file that cannot be opened at start-up is not taken for a missing one.

#include <fstream>
#include <memory>
#include <fcntl.h>
#include <sys/stat.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
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

// A command-line writer: holds the directory exclusively (or is refused,
// with the reason) and replaces the file by a rename, as the real ones do.
bool WriterGetsIn(CString* pWhy = nullptr)
{
    CDirectoryLock writer;
    CString strWhy;
    const bool bIn = writer.TryAcquire(DirectoryFormat::kDirectoryFileName, CDirectoryLock::Kind::Exclusive, strWhy);
    if (pWhy)
        *pWhy = strWhy;
    return bIn;
}

void ReplaceDirectory(const std::vector<TestRecord>& records)
{
    WriteFileBytes("Dialstack.dat.new", DirectoryBytes(records));
    std::filesystem::rename("Dialstack.dat.new", DirectoryFormat::kDirectoryFileName);
}

// With nothing unsaved a writer gets in while the window is open, and the
// window shows what it wrote by itself, on the same record; a change keeps
// writers out, with a reason that says so, until it is saved.
TEST_F(SaveSafetyTest, WritersGetInWhileNothingIsUnsavedAndTheWindowShowsTheirWork)
{
    WriteDirectory(kThree);
    const TestRecord added{"Ann New", "555 0999", "", "", ""};
    const std::vector<TestRecord> written = {added, kThree[0], kThree[2]};
    RunMainWindow(m_dlg, [&](QWidget* w) {
        ClickName(w, 2);
        ASSERT_TRUE(WriterGetsIn());
        ReplaceDirectory(written);
        EXPECT_TRUE(WaitFor([w, &written] { return Names(w) == NamesOf(written); }, 5000)) << "not reloaded";
        EXPECT_EQ(Selected(w), 2) << "the selection left Mia Park";
        EXPECT_EQ(Details(w), DetailsOf(kThree[2]));
        EXPECT_EQ(CursorRecord(m_dlg), kThree[2]);

        Click(w, IDC_DELETE_NAME);
        CString strWhy;
        EXPECT_FALSE(WriterGetsIn(&strWhy)) << "a writer got in over an unsaved change";
        EXPECT_TRUE(strWhy.View().find("unsaved changes") != std::string_view::npos) << strWhy.GetString();
        Click(w, IDC_SAVE_NOW);
        EXPECT_EQ(ReadFileBytes(), DirectoryBytes({added, kThree[0]}));
        EXPECT_TRUE(WriterGetsIn()) << "the saved window still holds the directory";
    });
}

// A change begun while a writer holds the directory waits for it: when the
// writer lets go in time, the change applies to what it wrote; otherwise
// the user is told, and nothing changes.
TEST_F(SaveSafetyTest, AChangeBegunWhileAWriterIsAtWorkWaitsAndAppliesToItsFile)
{
    struct Row
    {
        const char* what;
        int nReleaseAfterMs;   // -1: the writer holds on
    };
    for (const Row& row : {Row{"writer lets go", 500}, Row{"writer holds on", -1}}) {
        SCOPED_TRACE(row.what);
        WriteDirectory(kThree);
        const std::vector<TestRecord> written = {kThree[1], kThree[2]};
        CDirectoryDlg dlg;
        QString message;
        RunMainWindow(dlg, [&](QWidget* w) {
            ClickName(w, 1);
            auto writer = std::make_shared<CDirectoryLock>();
            CString strWhy;
            ASSERT_TRUE(writer->TryAcquire(DirectoryFormat::kDirectoryFileName, CDirectoryLock::Kind::Exclusive, strWhy));
            ReplaceDirectory(written);
            if (row.nReleaseAfterMs >= 0)
                QTimer::singleShot(row.nReleaseAfterMs, [writer] { writer->Release(); });
            else
                AnswerMessageBox(&message);
            Click(w, IDC_DELETE_NAME);
            writer->Release();
            if (row.nReleaseAfterMs >= 0) {
                // Adam Bell deleted from the writer's file, where he is first.
                EXPECT_EQ(Names(w), NamesOf({kThree[2]}));
                Click(w, IDC_SAVE_NOW);
                EXPECT_EQ(ReadFileBytes(), DirectoryBytes({kThree[2]}));
            } else {
                EXPECT_TRUE(message.contains("changing the directory file")) << message.toStdString();
                EXPECT_EQ(ReadFileBytes(), DirectoryBytes(written));
                EXPECT_FALSE(DirectoryDlgProbe::HasUnsavedChanges(dlg));
            }
        });
    }
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

// A save refused while a writer holds the file: the message names the file
// and the writer's reason, says what the refusal means for the user and
// that the file is as it was, word for word.
TEST_F(SaveSafetyTest, ASaveRefusedWhileAWriterHoldsTheFileSaysWhatItMeans)
{
    const struct
    {
        int nButton;
        const char* pszConsequence;
    } rows[] = {
        {IDC_SAVE_NOW, "Your changes are still here."},
        {IDC_SAVE_QUIT, "Dialstack stays open so that your changes are not lost."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.nButton);
        CDirectoryLock writer;
        QString text;
        CDirectoryDlg dlg;
        RunMainWindow(dlg, kThree, [&](QWidget* w) {
            CString strWhy;
            ASSERT_TRUE(writer.TryAcquire(DirectoryFormat::kDirectoryFileName, CDirectoryLock::Kind::Exclusive, strWhy));
            AnswerMessageBox(&text);
            Click(w, row.nButton);
            EXPECT_EQ(TopWindow(), w);
            writer.Release();
        });
        EXPECT_EQ(text,
            QString("The directory could not be saved to \"Dialstack.dat\": another program is changing the "
                    "directory.\n\n")
                + row.pszConsequence + " The file on disk is unchanged.");
    }
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
