#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "printer/PrinterPort.h"
#include "printer/Windows1252ToUtf8.h"
#include "tests/printer/PdfText.h"
#include "tests/printer/PrivateCupsServer.h"

namespace {

// The listing of a two-record directory, written in the pieces a listing is
// made of: literal text, field strings and single characters.
void WriteExampleListing(CPrinterPort& port)
{
    port << "\t\tQuillaven Dialstack\n"
         << "\t\t\"No Frills\" Record Listing\n\n";
    port << '\t' << CString("Ann Lee") << '\n';
    port << "\tPhone: " << CString("555-0101") << '\n';
    port << "\t\t" << CString("Sister") << '\n';
    port << '\n';
    port << '\t' << CString("Bob Hart") << '\n';
    port << "\tPager: " << CString("555-0199") << '\n';
    port << "\tEmail: " << CString("bhart-home") << '\n';
    port << '\n';
    port << '\f';
}

const std::string kExampleAsWritten = "\t\tQuillaven Dialstack\n"
                                      "\t\t\"No Frills\" Record Listing\n"
                                      "\n"
                                      "\tAnn Lee\n"
                                      "\tPhone: 555-0101\n"
                                      "\t\tSister\n"
                                      "\n"
                                      "\tBob Hart\n"
                                      "\tPager: 555-0199\n"
                                      "\tEmail: bhart-home\n"
                                      "\n"
                                      "\f";

const std::string kExampleAtPrinter = "\t\tQuillaven Dialstack\r\n"
                                      "\t\t\"No Frills\" Record Listing\r\n"
                                      "\r\n"
                                      "\tAnn Lee\r\n"
                                      "\tPhone: 555-0101\r\n"
                                      "\t\tSister\r\n"
                                      "\r\n"
                                      "\tBob Hart\r\n"
                                      "\tPager: 555-0199\r\n"
                                      "\tEmail: bhart-home\r\n"
                                      "\r\n"
                                      "\f";

const char kNoDefaultPrinter[] = "no default printer is configured; choose one in the system's printer "
                                 "settings or with \"lpoptions -d PRINTER\"";
const char kServiceNotRunning[] = "the print service (CUPS) is not running";
const std::string kRefusedPrefix = "the printer refused the job: ";
const std::string kDefaultMissingPrefix = "the default printer is not available: ";
const std::string kNotSentPrefix = "the job could not be sent to the printer: ";

// Closing is never called here: these cases must not reach a real printer.
TEST(PrinterPortTranslation, TheTwoRecordListingGrowsFrom136To147Bytes)
{
    ASSERT_EQ(kExampleAsWritten.size(), 136u);

    CPrinterPort port;
    WriteExampleListing(port);

    EXPECT_EQ(port.JobBytes(), kExampleAtPrinter);
    EXPECT_EQ(port.JobBytes().size(), 147u);
}

TEST(PrinterPortTranslation, OnlyLineFeedIsTranslated)
{
    CPrinterPort port;
    port << "\t\f\r" << '\f' << '\t';
    EXPECT_EQ(port.JobBytes(), "\t\f\r\f\t");

    // A carriage return already in the text is kept, as a text-mode stream
    // keeps it: the line feed after it still gets its own.
    port << "a\r\n";
    EXPECT_EQ(port.JobBytes(), "\t\f\r\f\ta\r\r\n");
}

TEST(PrinterPortTranslation, FieldBytesGoOutAsHeld)
{
    std::string high;
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        high += static_cast<char>(byte);
    const std::string withZero("Zo\xEB\0X", 5);

    CPrinterPort port;
    port << CString(high) << CString(withZero) << '\xA5' << "\xE9t\xE9";

    EXPECT_EQ(port.JobBytes(), high + withZero + "\xA5\xE9t\xE9");
}

TEST(PrinterPortEncoding, Windows1252BecomesUtf8)
{
    const std::string kFffd = "\xEF\xBF\xBD";
    struct Row
    {
        const char* what;
        std::string text;
        std::string utf8;
    };
    const Row rows[] = {
        {"layout bytes and ASCII", "\t\"A-1\"\r\n\f", "\t\"A-1\"\r\n\f"},
        {"an embedded zero", std::string("a\0b", 3), std::string("a\0b", 3)},
        {"Latin-1 letters", "Ren\xE9 \xD8ye M\xFCller", "Ren\xC3\xA9 \xC3\x98ye M\xC3\xBCller"},
        {"the code page's own 0x80-0x9F", "\x80 \x93x\x94 \x9F", "\xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D \xC5\xB8"},
        {"undefined bytes", "\x81\x8D\x8F\x90\x9D.", kFffd + kFffd + kFffd + kFffd + kFffd + "."},
        {"a whole 0xA0-0xFF run", "\xA0\xFF", "\xC2\xA0\xC3\xBF"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(Windows1252ToUtf8(row.text), row.utf8);
    }
}

class PrinterPortWithCups : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (std::string reason = PrivateCupsServer::SkipReason(); !reason.empty())
            GTEST_SKIP() << reason;
        m_cups.emplace();
    }

    PrivateCupsServer& Cups() { return *m_cups; }

private:
    std::optional<PrivateCupsServer> m_cups;
};

TEST_F(PrinterPortWithCups, JobArrivesByteForByte)
{
    ASSERT_TRUE(Cups().StartWithDefaultPrinter()) << Cups().Log();

    CPrinterPort port;
    WriteExampleListing(port);
    ASSERT_TRUE(port.Close()) << port.GetErrorText().GetString();
    EXPECT_TRUE(port.GetErrorText().IsEmpty());

    std::optional<std::string> job = Cups().WaitForJobFile();
    ASSERT_TRUE(job) << Cups().Log();
    EXPECT_EQ(*job, kExampleAtPrinter);
    // Plain text, so that a printer with a driver gets it converted.
    EXPECT_EQ(Cups().LastJobFormat(), "text/plain");
}

TEST_F(PrinterPortWithCups, TwoJobsArriveAsTwoIdenticalFiles)
{
    ASSERT_TRUE(Cups().StartWithDefaultPrinter()) << Cups().Log();

    // Bytes above 0x7F must survive the print service unconverted.
    for (int copy = 0; copy < 2; ++copy) {
        CPrinterPort port;
        port << "\tZo\xEB M\xFCller\n" << '\f';
        ASSERT_TRUE(port.Close()) << port.GetErrorText().GetString();
    }

    std::optional<std::string> first = Cups().WaitForJobFile();
    std::optional<std::string> second = Cups().WaitForJobFile();
    ASSERT_TRUE(first && second) << Cups().Log();
    EXPECT_EQ(*first, "\tZo\xEB M\xFCller\r\n\f");
    EXPECT_EQ(*second, *first);
}

TEST_F(PrinterPortWithCups, SchedulerWithoutPrintersHasNoDefault)
{
    ASSERT_TRUE(Cups().Start()) << Cups().Log();

    CPrinterPort port;
    WriteExampleListing(port);
    EXPECT_FALSE(port.Close());
    EXPECT_EQ(port.GetErrorText(), kNoDefaultPrinter);
}

// LPDEST overrides the scheduler's default, so naming a printer that does
// not exist must fail with the setting's own reason, not print elsewhere.
TEST_F(PrinterPortWithCups, DefaultNamedByLpdestThatDoesNotExist)
{
    ASSERT_TRUE(Cups().StartWithDefaultPrinter()) << Cups().Log();
    setenv("LPDEST", "no-such-printer", 1);

    CPrinterPort port;
    WriteExampleListing(port);
    EXPECT_FALSE(port.Close());

    std::string text = port.GetErrorText().GetString();
    EXPECT_EQ(text.rfind(kDefaultMissingPrefix, 0), 0u) << text;
    EXPECT_NE(text.find("LPDEST"), std::string::npos) << text;
    EXPECT_FALSE(Cups().WaitForJobFile(std::chrono::milliseconds(200)));
}

TEST_F(PrinterPortWithCups, SchedulerNotRunningIsReportedBeforeAndAfterItRuns)
{
    CPrinterPort beforeStart;
    beforeStart << "x\n";
    EXPECT_FALSE(beforeStart.Close());
    EXPECT_EQ(beforeStart.GetErrorText(), kServiceNotRunning);

    ASSERT_TRUE(Cups().StartWithDefaultPrinter()) << Cups().Log();
    CPrinterPort whileRunning;
    whileRunning << "x\n";
    EXPECT_TRUE(whileRunning.Close()) << whileRunning.GetErrorText().GetString();

    Cups().Stop();
    CPrinterPort afterStop;
    afterStop << "x\n";
    EXPECT_FALSE(afterStop.Close());
    EXPECT_EQ(afterStop.GetErrorText(), kServiceNotRunning);
}

TEST_F(PrinterPortWithCups, QueueThatRejectsJobsRefusesWithItsReason)
{
    ASSERT_TRUE(Cups().StartWithDefaultPrinter()) << Cups().Log();
    ASSERT_TRUE(Cups().RejectJobs()) << Cups().Log();

    CPrinterPort port;
    WriteExampleListing(port);
    EXPECT_FALSE(port.Close());

    std::string text = port.GetErrorText().GetString();
    ASSERT_EQ(text.rfind(kRefusedPrefix, 0), 0u) << text;
    EXPECT_GT(text.size(), kRefusedPrefix.size()) << "the service's reason is missing";
}

// A printer with a driver (the generic PDF printer of cups-filters) gets
// pages, not the bare text, and they show the listing's accented letters.
TEST_F(PrinterPortWithCups, PdfPrinterGetsPagesShowingTheListing)
{
    const char kPdfPrinterPpd[] = "/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd";
    if (access(kPdfPrinterPpd, R_OK) != 0 || access("/usr/bin/pdftotext", X_OK) != 0)
        GTEST_SKIP() << "needs cups-filters and poppler-utils";
    ASSERT_TRUE(Cups().Start() && Cups().AddDefaultPrinter("pdf", kPdfPrinterPpd)) << Cups().Log();

    CPrinterPort port;
    port << "\t\tQuillaven Dialstack\n"
         << "\t\t\"No Frills\" Record Listing\n\n";
    port << '\t' << CString("Ren\xE9 Fa\xE7on") << '\n' << "\tPhone: " << CString("555-0101") << '\n';
    port << "\t\t" << CString("Sister of Zo\xEB M\xFCller") << "\n\n";
    port << '\t' << CString("Bob Hart") << '\n' << "\tPager: " << CString("555-0199") << '\n';
    port << "\tEmail: " << CString("bhart-home") << "\n\n" << '\f';
    ASSERT_TRUE(port.Close()) << port.GetErrorText().GetString();

    std::optional<std::string> job = Cups().WaitForJobFile(std::chrono::seconds(60));
    ASSERT_TRUE(job) << Cups().Log();
    EXPECT_NE(*job, port.JobBytes());
    std::optional<std::string> text = PdfText::Read(*job, Cups().Directory());
    ASSERT_TRUE(text) << "no readable PDF in the job";
    for (const char* expected : {"Quillaven Dialstack", "Ren\xC3\xA9 Fa\xC3\xA7on", "Phone: 555-0101",
             "Sister of Zo\xC3\xAB M\xC3\xBCller", "Bob Hart", "Pager: 555-0199", "Email: bhart-home"})
        EXPECT_NE(text->find(expected), std::string::npos) << expected << " is missing from:\n" << *text;
}

// A job whose document the service will not take must not stay behind
// without it: it would wait at the head of the queue for good.
TEST_F(PrinterPortWithCups, DocumentThatCannotBeSentLeavesNoJobBehind)
{
    Cups().LimitRequestSize(1024);
    ASSERT_TRUE(Cups().StartWithDefaultPrinter()) << Cups().Log();

    CPrinterPort port;
    for (int i = 0; i < 100; ++i)
        port << "\tA name long enough to pass the limit\n";
    EXPECT_FALSE(port.Close());

    std::string text = port.GetErrorText().GetString();
    EXPECT_EQ(text.rfind(kNotSentPrefix, 0), 0u) << text;
    EXPECT_GT(text.size(), kNotSentPrefix.size()) << "the service's reason is missing";
    EXPECT_EQ(text.find("ontinue"), std::string::npos) << "a status that means all is well is no reason";
    EXPECT_EQ(Cups().UnfinishedJobCount(), 0);
}

}   // namespace
