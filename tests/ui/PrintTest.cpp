// "Print" clicked in the main window, with the listing caught by a private
// CUPS scheduler whose printer writes every job to a file.

#include <QApplication>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "tests/printer/PrivateCupsServer.h"
#include "tests/support/ScratchDirectory.h"
#include "tests/ui/MainWindowDriver.h"

using namespace GuiTest;
using namespace MainWindow;

namespace {

const std::string kHeader = "\t\tQuillaven Dialstack\r\n\t\t\"No Frills\" Record Listing\r\n\r\n";

class PrintTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (std::string reason = PrivateCupsServer::SkipReason(); !reason.empty())
            GTEST_SKIP() << reason;
        m_cups = std::make_unique<PrivateCupsServer>();
        ASSERT_TRUE(m_cups->StartWithDefaultPrinter()) << m_cups->Log();
    }

    std::string PrintedListing(const std::vector<TestRecord>& records)
    {
        CDirectoryDlg dlg;
        RunMainWindow(dlg, records, [](QWidget* w) { Click(w, IDC_PRINT); });
        std::optional<std::string> job = m_cups->WaitForJobFile();
        EXPECT_TRUE(job.has_value()) << m_cups->Log();
        return job.value_or("");
    }

    ScratchDirectory m_dir;
    std::unique_ptr<PrivateCupsServer> m_cups;
    CDirectoryDlg m_dlg;
};

TEST_F(PrintTest, TheTwoRecordListingReachesThePrinterAs147Bytes)
{
    const std::string job
        = PrintedListing({{"Ann Lee", "555-0101", "", "", "Sister"}, {"Bob Hart", "", "555-0199", "bhart-home", ""}});
    EXPECT_EQ(job,
        kHeader
            + "\tAnn Lee\r\n\tPhone: 555-0101\r\n\t\tSister\r\n\r\n"
              "\tBob Hart\r\n\tPager: 555-0199\r\n\tEmail: bhart-home\r\n\r\n\f");
    EXPECT_EQ(job.size(), 147u);
    EXPECT_EQ(m_cups->LastJobFormat(), "text/plain");
}

TEST_F(PrintTest, ListingsOfSpecialDirectories)
{
    struct Case
    {
        const char* what;
        std::vector<TestRecord> records;
        std::string body;
    };
    const Case cases[] = {
        {"empty directory", {}, "\t\r\n\r\n"},
        {"only a name", {{"Solo", "", "", "", ""}}, "\tSolo\r\n\r\n"},
        {"misc only", {{"Note", "", "", "", "call back"}}, "\tNote\r\n\t\tcall back\r\n\r\n"},
        {"a field of blanks", {{"Blank", "   ", "", "", ""}}, "\tBlank\r\n\tPhone:    \r\n\r\n"},
        {"a later record with an empty name", {{"First", "", "", "", ""}, {"", "555", "", "", ""}},
            "\tFirst\r\n\r\n\t\r\n\tPhone: 555\r\n\r\n"},
        {"bytes above 0x7F go out as held",
            {{"H\xE5kan \xD8"
              "berg",
                "", "", "", "12 \x80"}},
            "\tH\xE5kan \xD8"
            "berg\r\n\t\t12 \x80\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PrintedListing(c.records), kHeader + c.body + "\f");
    }
}

TEST_F(PrintTest, PrintingTwiceSendsTwoIdenticalJobs)
{
    RunMainWindow(m_dlg, {{"Ann Lee", "1", "", "", ""}, {"Bob", "", "", "", ""}}, [](QWidget* w) {
        Click(w, IDC_PRINT);
        Click(w, IDC_PRINT);
    });
    const std::optional<std::string> first = m_cups->WaitForJobFile();
    const std::optional<std::string> second = m_cups->WaitForJobFile();
    ASSERT_TRUE(first && second) << m_cups->Log();
    EXPECT_EQ(*first, *second);
    EXPECT_EQ(first->back(), '\f');
}

TEST_F(PrintTest, PrintingKeepsTheSelectionAndEditNameEditsThatRecord)
{
    const std::vector<TestRecord> three = {{"A", "1", "", "", ""}, {"B", "2", "", "", ""}, {"C", "3", "", "", ""}};
    RunMainWindow(m_dlg, three, [&](QWidget* w) {
        ClickName(w, 1);
        Click(w, IDC_PRINT);
        EXPECT_EQ(Selected(w), 1);
        EXPECT_EQ(Details(w), DetailsOf(three[1]));
        EXPECT_EQ(CursorRecord(m_dlg), three[1]);

        RunWhenModal([](QWidget* edit) {
            EXPECT_EQ(qobject_cast<QLineEdit*>(Control(edit, IDC_NAME))->text(), "B");
            PressKey(Qt::Key_End);
            Type("ee");
            PressKey(Qt::Key_Return);
        });
        Click(w, IDC_EDIT_NAME);
        EXPECT_EQ(Names(w), QStringList({"A", "Bee", "C"}));
        EXPECT_EQ(Selected(w), 1);
    });
}

TEST_F(PrintTest, WithNothingSelectedTheCursorEndsOnTheFirstRecord)
{
    const std::vector<TestRecord> three = {{"A", "1", "", "", ""}, {"B", "2", "", "", ""}, {"C", "3", "", "", ""}};
    RunMainWindow(m_dlg, three, [&](QWidget* w) {
        ClickName(w, 2);
        Click(w, IDC_DELETE_NAME);   // leaves nothing selected, the cursor on B
        Click(w, IDC_PRINT);
        EXPECT_EQ(Selected(w), -1);
        EXPECT_EQ(CursorRecord(m_dlg), three[0]);
    });
}

TEST_F(PrintTest, WithThePrintServiceStoppedTheUserIsToldAndNothingChanges)
{
    const std::vector<TestRecord> two = {{"A", "1", "", "", ""}, {"B", "2", "", "", ""}};
    m_cups->Stop();
    QString text;
    RunMainWindow(m_dlg, two, [&](QWidget* w) {
        ClickName(w, 1);
        AnswerMessageBox(&text);
        Click(w, IDC_PRINT);
        EXPECT_EQ(Names(w), NamesOf(two));
        EXPECT_EQ(Selected(w), 1);
        EXPECT_EQ(CursorRecord(m_dlg), two[1]);
    });
    EXPECT_TRUE(text.contains("could not be printed")) << text.toStdString();
    EXPECT_TRUE(text.contains("not running")) << text.toStdString();
    EXPECT_EQ(ReadFileBytes(), DirectoryBytes(two));
}

}   // namespace
