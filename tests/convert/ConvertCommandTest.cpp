// The command as a user meets it: what it reads and writes, its exit
// statuses, and that a failure never leaves the directory file changed.

#include <filesystem>

#include <gtest/gtest.h>

#include "data/DirectoryLock.h"
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
        {"no format, and a file not ending in .vcf or .csv", {"import", "x.vcf", "y.txt"}},
        {"query without its text", {"query"}},
        {"a spreadsheet is CSV", {"export", "--spreadsheet", "--format", "vcard"}},
        {"a spreadsheet is written, not read", {"import", "--spreadsheet", "x.csv"}},
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
    WriteFileBytes("empty.csv", "");
    WriteFileBytes("wide.vcf", std::string("\xFF\xFE\0\0B\0\0\0", 8));
    std::filesystem::create_directory("folder");

    struct Case
    {
        const char* pszWhy;
        std::vector<std::string> args;
        const char* pszSays;
    };
    const std::vector<Case> cases{
        {"no vCard in it", {"import", "--format", "vcard", "good.vcf", "notes.txt"}, "no BEGIN:VCARD"},
        {"missing file", {"import", "good.vcf", "absent.vcf"}, "absent.vcf: there is no such file"},
        {"a folder to import", {"import", "--format", "vcard", "."}, "is a folder"},
        {"no header", {"import", "empty.csv"}, "no header row"},
        {"an encoding not read", {"import", "wide.vcf"}, "UTF-32, which is not read"},
        {"a folder at the directory file's name", {"import", "--file", "folder", "good.vcf"},
            "folder: is a folder, not a directory file"},
        {"no directory file to export", {"export", "--format", "csv", "--file", "absent.dat"},
            "dialstack-convert: absent.dat: there is no directory file\n"},
        {"one dash as two", {"export", "-format", "csv", "-file", "absent.dat"}, "absent.dat: there is no directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszWhy);
        const RunResult result = RunConvert(c.args);
        EXPECT_EQ(result.nStatus, 1);
        EXPECT_NE(result.err.find(c.pszSays), std::string::npos) << result.err;
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
// something, if only a note, must not be overwritten.
TEST(ConvertCommand, ImportRefusesToOverwriteAnUnnamedLastRecord)
{
    for (const TestRecord& last : {TestRecord{"", "555 0999", "", "", "kept"}, TestRecord{"", "", "", "", "a note"}}) {
        SCOPED_TRACE(last);
        ScratchDirectory scratch;
        SaveDirectory("Dialstack.dat", {{"Corner Shop", "555 0100", "", "", ""}, last});
        const std::string before = ReadFileBytes("Dialstack.dat");
        WriteFileBytes("one.vcf", kCard);
        const RunResult result = RunConvert({"import", "--format", "vcard", "one.vcf"});
        EXPECT_EQ(result.nStatus, 1);
        EXPECT_NE(result.err.find("no name"), std::string::npos);
        EXPECT_EQ(ReadFileBytes("Dialstack.dat"), before);
    }
}

// A window holds a shared lock on its directory; import, which replaces
// the file under it, must not run then, and says why.
TEST(ConvertCommand, ImportRefusesWhileAWindowHoldsTheDirectory)
{
    ScratchDirectory scratch;
    SaveDirectory("Dialstack.dat", kTwoRecords);
    const std::string before = ReadFileBytes("Dialstack.dat");
    WriteFileBytes("one.vcf", kCard);
    CDirectoryLock window;
    CString strWhy;
    ASSERT_TRUE(window.TryAcquire("Dialstack.dat", CDirectoryLock::Kind::Shared, strWhy));
    const RunResult result = RunConvert({"import", "one.vcf"});
    EXPECT_EQ(result.nStatus, 3);
    EXPECT_NE(result.err.find("Dialstack.dat"), std::string::npos) << result.err;
    EXPECT_EQ(ReadFileBytes("Dialstack.dat"), before);
    EXPECT_EQ(RunConvert({"export", "--format", "csv"}).nStatus, 0);
}

// One contact beyond the limit is skipped and named, whatever holds the
// text (one value, or many properties), and the contacts around it are read.
TEST(ConvertCommand, AContactBeyondTheLimitIsSkippedAndReported)
{
    ScratchDirectory scratch;
    std::string manyLines;
    for (int i = 0; i < 20000; ++i)
        manyLines += "X-NOTE:" + std::to_string(i) + "\r\n";
    const std::vector<std::pair<std::string, std::string>> files{
        {"long-note.vcf",
            std::string(kCard) + "BEGIN:VCARD\r\nFN:Long\r\nNOTE:" + std::string(200000, 'x') + "\r\nEND:VCARD\r\n"
                + kCard},
        {"many.vcf", std::string(kCard) + "BEGIN:VCARD\r\nFN:Many\r\n" + manyLines + "END:VCARD\r\n" + kCard},
        {"long-cell.csv", "Name,Note\r\nAnn,1\r\nLong," + std::string(200000, 'x') + "\r\nAnn,2\r\n"},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        WriteFileBytes(name, bytes);
        const RunResult result = RunConvert({"import", "--verbose", "--file", name + ".dat", name});
        ASSERT_EQ(result.nStatus, 0) << result.err;
        EXPECT_NE(result.out.find(name + ", contact 2: skipped, it holds more than 64 KiB of text"), std::string::npos)
            << result.out.substr(0, 2000);
        EXPECT_EQ(DirectoryRecordsAsUtf8(name + ".dat").size(), 2u);
    }
}

// Text from a file reaches the terminal only with its control characters
// shown as escapes: a name cannot set the window title or clear the screen.
TEST(ConvertCommand, VerboseShowsControlCharactersOfTheFileEscaped)
{
    ScratchDirectory scratch;
    WriteFileBytes("bell.vcf", "BEGIN:VCARD\r\nFN:Ann\x1B]0;owned\x07\r\nTEL:1\r\nTEL:2\r\nEND:VCARD\r\n");
    WriteFileBytes("bell.csv",
        "Name,Phone,Fax\r\nBob\x1B[2J,1,\xC2\x9B"
        "2\r\n");
    for (const char* file : {"bell.vcf", "bell.csv"}) {
        const RunResult result = RunConvert({"import", "--verbose", file});
        ASSERT_EQ(result.nStatus, 0) << result.err;
        for (const char* pszRaw : {"\x1B", "\x07", "\xC2\x9B"})
            EXPECT_EQ(result.out.find(pszRaw), std::string::npos) << result.out;
        EXPECT_NE(result.out.find("\\x1B"), std::string::npos) << result.out;
    }
}

// The query format of terminal mail programs: a line of text, then
// "e-mail TAB name TAB phone" a match; the exit status says whether any did.
TEST(ConvertCommand, QueryPrintsTheMatchesForAMailProgram)
{
    ScratchDirectory scratch;
    SaveDirectory("Dialstack.dat",
        {{"Zo\xEB Bront\xEB", "+44 1535 000002", "", "zoe@example.co.uk", ""}, {"Corner Shop", "555 0100", "", "", ""},
            {"Zoe's Vet", "555-0199", "", "", ""}});
    const RunResult result = RunConvert({"query", "zoe"});
    EXPECT_EQ(result.nStatus, 0);
    EXPECT_EQ(result.out,
        "dialstack-convert: 2 records match\n"
        "zoe@example.co.uk\tZo\u00EB Bront\u00EB\t+44 1535 000002\n"
        "\tZoe's Vet\t555-0199\n");
    EXPECT_EQ(RunConvert({"query", "5550199"}).out, "dialstack-convert: 1 record matches\n\tZoe's Vet\t555-0199\n");
    EXPECT_EQ(RunConvert({"query", "nobody"}).nStatus, 1);
    // The same whole number is listed before a number that holds its digits.
    SaveDirectory("Dialstack.dat", {{"Office", "+44 1535 000002 / 03", "", "", ""}, {"Zoe", "+44 (0)1535 000002", "", "", ""}});
    EXPECT_EQ(RunConvert({"query", "+441535000002"}).out,
        "dialstack-convert: 2 records match\n\tZoe\t+44 (0)1535 000002\n\tOffice\t+44 1535 000002 / 03\n");
}

// A file that could not be made where none was has damaged nothing, and
// the message does not send the user to check it.
TEST(ConvertCommand, FailedSaveReportsWhyAndExitsWithOne)
{
    ScratchDirectory scratch;
    WriteFileBytes("one.vcf", kCard);
    SaveDirectory("Dialstack.dat", kTwoRecords);
    const struct
    {
        std::vector<std::string> args;
        const char* pszSays;
    } cases[] = {
        {{"import", "--format", "vcard", "--file", "no/such/dir/Dialstack.dat", "one.vcf"},
            "no/such/dir/Dialstack.dat: could not be saved: "},
        {{"export", "--format", "csv", "--output", "no/such/dir/out.csv"},
            "no/such/dir/out.csv: could not be written: "},
    };
    for (const auto& c : cases) {
        const RunResult result = RunConvert(c.args);
        EXPECT_EQ(result.nStatus, 1);
        EXPECT_NE(result.err.find(c.pszSays), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find("damaged"), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find("no longer as it was"), std::string::npos) << result.err;
    }
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

TEST(ConvertCommand, HelpAndVersionGoToStandardOutput)
{
    const RunResult help = RunConvert({"--help"});
    EXPECT_EQ(help.nStatus, 0);
    EXPECT_NE(help.out.find("usage:"), std::string::npos);
    const RunResult version = RunConvert({"--version"});
    EXPECT_EQ(version.nStatus, 0);
    EXPECT_EQ(version.out.rfind("dialstack-convert 1.", 0), 0u) << version.out;
}

// What a user relies on: a file's ending in any case picks its format, CSV
// columns by their usual names, each value read in the character set it
// declares, and the summary (and the detail of --verbose) counts what moved
// to misc or was replaced, in the field it was replaced in.
TEST(ConvertCommand, ImportReadsFilesAsTheirNamesAndColumnsSay)
{
    struct Row
    {
        const char* why;
        const char* pszFile;
        std::string text;
        TestRecord expected;
        const char* pszSummary;
        const char* pszDetail;
    };
    const char* const kNothingMoved
        = "1 record added, 0 contacts skipped, 0 values moved to misc, 0 characters replaced";
    const Row rows[] = {
        {"an ending in capitals, and a second number counted as moved", "CONTACTS.VCF",
            "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nTEL:1\r\nTEL;TYPE=HOME:2\r\nEND:VCARD\r\n",
            {"Ann", "1", "", "", "Home phone: 2"},
            "1 record added, 0 contacts skipped, 1 value moved to misc, 0 characters replaced", nullptr},
        {"a pager number column", "Phones.Csv", "Name,Mobile Phone,Pager Number\r\nBob,1,77\r\n",
            {"Bob", "1", "77", "", ""}, kNothingMoved, nullptr},
        {"a fax column, or a phone column whose type says fax, never fills the phone", "fax.csv",
            "Name,Home Fax Phone,Phone 1 - Type,Phone 1 - Value,Mobile Phone\r\nBob,8,Work Fax,9,1\r\n",
            {"Bob", "1", "", "", "Phone (Work Fax): 9; Home Fax Phone: 8"},
            "1 record added, 0 contacts skipped, 2 values moved to misc, 0 characters replaced", nullptr},
        {"a capital \\N is a line break, as \\n is", "n.vcf",
            "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nNOTE:one\\Ntwo\\nthree\r\nEND:VCARD\r\n",
            {"Ann", "", "", "", "one; two; three"}, kNothingMoved, nullptr},
        {"a value declared UTF-8 with a stray byte: the byte is replaced, the rest read as UTF-8", "org.vcf",
            "BEGIN:VCARD\r\nVERSION:2.1\r\nORG;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=C3=91=C3=91=C3=91=E2=80=A6="
            "80\r\n"
            "END:VCARD\r\n",
            {"\xC3\x91\xC3\x91\xC3\x91\xE2\x80\xA6?", "", "", "", ""},
            "1 record added, 0 contacts skipped, 0 values moved to misc, 1 character replaced",
            "1 character of the name replaced"},
        {"a declared character set is read even where its bytes would make UTF-8", "latin1.vcf",
            "BEGIN:VCARD\r\nVERSION:3.0\r\nFN;CHARSET=ISO-8859-1:Caf\xC3\xA9\r\nEND:VCARD\r\n",
            {"Caf\xC3\x83\xC2\xA9", "", "", "", ""}, kNothingMoved, nullptr},
        {"what the pager cannot hold is counted for the pager", "pager.vcf",
            "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ann\r\nTEL;TYPE=pager:555\xE2\x98\x8E"
            "0119\r\nEND:VCARD\r\n",
            {"Ann", "", "555?0119", "", ""},
            "1 record added, 0 contacts skipped, 0 values moved to misc, 1 character replaced",
            "\"Ann\" (pager.vcf, contact 1): 1 character of the pager replaced by \"?\""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        ScratchDirectory scratch;
        WriteFileBytes(row.pszFile, row.text);
        const RunResult result = RunConvert({"import", "--verbose", row.pszFile});
        ASSERT_EQ(result.nStatus, 0) << result.err;
        EXPECT_NE(("\n" + result.out).find(std::string("\n") + row.pszSummary + "\n"), std::string::npos) << result.out;
        if (row.pszDetail) {
            EXPECT_NE(result.out.find(row.pszDetail), std::string::npos) << result.out;
        }
        EXPECT_EQ(DirectoryRecordsAsUtf8("Dialstack.dat"), std::vector<TestRecord>{row.expected});
    }
}

// A spreadsheet program in a country of decimal commas opens the file by a
// double click: ';' between the cells, a mark that says UTF-8; import
// reads it back.
TEST(ConvertCommand, SpreadsheetExportIsReadBack)
{
    ScratchDirectory scratch;
    SaveDirectory("Dialstack.dat", {{"Caf\xE9; Bar", "030 123456", "", "a@x", "1,5 kg"}});
    ASSERT_EQ(RunConvert({"export", "--spreadsheet", "--output", "out.txt"}).nStatus, 0);
    EXPECT_EQ(ReadFileBytes("out.txt"),
        "\xEF\xBB\xBFName;Phone;Pager;Email;Note\r\n"
        "\"Caf\u00E9; Bar\";030 123456;;a@x;\"1,5 kg\"\r\n");
    ASSERT_EQ(RunConvert({"import", "--format", "csv", "--file", "back.dat", "out.txt"}).nStatus, 0);
    EXPECT_EQ(DirectoryRecordsAsUtf8("back.dat"), DirectoryRecordsAsUtf8("Dialstack.dat"));
}

TEST(ConvertCommand, EmptyDirectoryExportsNoRecord)
{
    ScratchDirectory scratch;
    SaveDirectory("Dialstack.dat", {});
    EXPECT_EQ(RunConvert({"export", "--format", "vcard"}).out, "");
    EXPECT_EQ(RunConvert({"export", "--format", "csv"}).out, "Name,Phone,Pager,Email,Note\r\n");
}

}   // namespace
