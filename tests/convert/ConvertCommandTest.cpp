// The command as a user meets it: what it reads and writes, its exit
// statuses, and that a failure never leaves the directory file changed.

#include <filesystem>

#include <gtest/gtest.h>

#include "tests/convert/ConvertTestSupport.h"
#include "tests/support/ScratchDirectory.h"

namespace {

const std::vector<TestRecord> kTwoRecords{
    {"Corner Shop", "555 0100", "", "", "Open late"},
    {"Vet", "555 0199", "555 0142", "", ""},
};
const char kCard[] = "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ann\r\nTEL:555 0111\r\nEND:VCARD\r\n";

TEST(ConvertCommand, BadUsageExitsWithTwo)
{
    const std::vector<std::pair<const char*, std::vector<std::string>>> cases{
        {"no command", {}},
        {"unknown command", {"convert", "--format", "csv"}},
        {"no format", {"export"}},
        {"unknown format", {"export", "--format", "ldif"}},
        {"format without value", {"export", "--format"}},
        {"export with a file argument", {"export", "--format", "csv", "x.csv"}},
        {"import without files", {"import", "--format", "csv"}},
        {"output is for export", {"import", "--format", "csv", "--output", "o", "x.csv"}},
        {"unknown option", {"import", "--format", "csv", "--force", "x.csv"}},
    };
    for (const auto& [why, args] : cases) {
        SCOPED_TRACE(why);
        const RunResult result = RunConvert(args);
        EXPECT_EQ(result.nStatus, 2);
        EXPECT_NE(result.err.find("usage:"), std::string::npos);
    }
}

// Every file is read before the directory is touched: one bad file among
// good ones, or a directory that cannot be read whole, saves nothing.
TEST(ConvertCommand, UnreadableInputChangesNothingAndExitsWithOne)
{
    ScratchDirectory scratch;
    SaveDirectory("Dialstack.dat", kTwoRecords);
    const std::string before = ReadFileBytes("Dialstack.dat");
    WriteFileBytes("good.vcf", kCard);
    WriteFileBytes("notes.txt", "just some text\r\n");
    WriteFileBytes("numbers.csv", "Phone,Email\r\n555,a@b\r\n");
    WriteFileBytes("empty.csv", "");

    const std::vector<std::pair<const char*, std::vector<std::string>>> cases{
        {"no vCard in it", {"import", "--format", "vcard", "good.vcf", "notes.txt"}},
        {"missing file", {"import", "--format", "vcard", "good.vcf", "absent.vcf"}},
        {"a directory", {"import", "--format", "vcard", "."}},
        {"no header column gives a name", {"import", "--format", "csv", "numbers.csv"}},
        {"no header", {"import", "--format", "csv", "empty.csv"}},
    };
    for (const auto& [why, args] : cases) {
        SCOPED_TRACE(why);
        const RunResult result = RunConvert(args);
        EXPECT_EQ(result.nStatus, 1);
        EXPECT_FALSE(result.err.empty());
        EXPECT_EQ(ReadFileBytes("Dialstack.dat"), before);
    }

    EXPECT_EQ(RunConvert({"export", "--format", "vcard", "--output", "./Dialstack.dat"}).nStatus, 2);
    EXPECT_EQ(ReadFileBytes("Dialstack.dat"), before);

    const std::string damaged = before.substr(0, before.size() - 3);
    WriteFileBytes("Dialstack.dat", damaged);
    EXPECT_EQ(RunConvert({"import", "--format", "vcard", "good.vcf"}).nStatus, 1);
    EXPECT_EQ(ReadFileBytes("Dialstack.dat"), damaged);
    const RunResult exported = RunConvert({"export", "--format", "csv"});
    EXPECT_EQ(exported.nStatus, 1);
    EXPECT_TRUE(exported.out.empty());
    EXPECT_EQ(RunConvert({"export", "--format", "csv", "--file", "absent.dat"}).nStatus, 1);
}

TEST(ConvertCommand, ImportAppendsAfterTheRecordsAndReadsStandardInput)
{
    ScratchDirectory scratch;
    SaveDirectory("Dialstack.dat", kTwoRecords);
    WriteFileBytes("one.vcf", kCard);
    const std::string second = "BEGIN:VCARD\nVERSION:3.0\nFN:Bob\nEND:VCARD\n";

    const RunResult result = RunConvert({"import", "--format", "vcard", "one.vcf", "-"}, second);
    ASSERT_EQ(result.nStatus, 0) << result.err;
    std::vector<TestRecord> expected = kTwoRecords;
    expected.push_back({"Ann", "555 0111", "", "", ""});
    expected.push_back({"Bob", "", "", "", ""});
    EXPECT_EQ(DirectoryRecordsAsUtf8("Dialstack.dat"), expected);
}

// Appending fills a last record whose name is empty; one that holds
// something must not be overwritten.
TEST(ConvertCommand, ImportRefusesToOverwriteAnUnnamedLastRecord)
{
    ScratchDirectory scratch;
    SaveDirectory("Dialstack.dat", {{"Corner Shop", "555 0100", "", "", ""}, {"", "555 0999", "", "", "kept"}});
    const std::string before = ReadFileBytes("Dialstack.dat");
    WriteFileBytes("one.vcf", kCard);
    const RunResult result = RunConvert({"import", "--format", "vcard", "one.vcf"});
    EXPECT_EQ(result.nStatus, 1);
    EXPECT_NE(result.err.find("no name"), std::string::npos);
    EXPECT_EQ(ReadFileBytes("Dialstack.dat"), before);
}

TEST(ConvertCommand, FailedSaveReportsWhyAndExitsWithOne)
{
    ScratchDirectory scratch;
    WriteFileBytes("one.vcf", kCard);
    const RunResult result
        = RunConvert({"import", "--format", "vcard", "--file", "no/such/dir/Dialstack.dat", "one.vcf"});
    EXPECT_EQ(result.nStatus, 1);
    EXPECT_NE(result.err.find("could not be saved"), std::string::npos) << result.err;
}

// Export writes UTF-8: each directory byte becomes its Windows-1252
// character, the five undefined ones the C1 controls of the same number.
TEST(ConvertCommand, ExportWritesWindows1252AsUnicode)
{
    ScratchDirectory scratch;
    SaveDirectory("Dialstack.dat", {{"Caf\xE9 \x80", "", "", "", "\x81\x8D\x8F\x90\x9D"}});
    const RunResult result = RunConvert({"export", "--format", "csv", "--output", "out.csv"});
    ASSERT_EQ(result.nStatus, 0) << result.err;
    EXPECT_EQ(ReadFileBytes("out.csv"),
        "Name,Phone,Pager,Email,Note\r\n"
        "Caf\u00E9 \u20AC,,,,\u0081\u008D\u008F\u0090\u009D\r\n");
}

// A name that is only a byte-order mark is a name the directory cannot
// hold, not a missing one: it becomes "?" instead of a record without a name.
TEST(ConvertCommand, ANameOfOnlyAByteOrderMarkIsReplacedNotLost)
{
    ScratchDirectory scratch;
    WriteFileBytes("in.csv", "Name,Phone\r\nAnn,1\r\n\xEF\xBB\xBF,2\r\n");
    ASSERT_EQ(RunConvert({"import", "--format", "csv", "in.csv"}).nStatus, 0);
    EXPECT_EQ(DirectoryRecordsAsUtf8("Dialstack.dat"),
        (std::vector<TestRecord>{{"Ann", "1", "", "", ""}, {"?", "2", "", "", ""}}));
}

TEST(ConvertCommand, EmptyDirectoryExportsNoRecord)
{
    ScratchDirectory scratch;
    SaveDirectory("Dialstack.dat", {});
    EXPECT_EQ(RunConvert({"export", "--format", "vcard"}).out, "");
    EXPECT_EQ(RunConvert({"export", "--format", "csv"}).out, "Name,Phone,Pager,Email,Note\r\n");
}

}   // namespace
