// Export, then import into an empty directory, gives back the same records,
// for random records whose fields hold no line breaks. The exported bytes
// must come back too: a reader fault that both imports share would
// otherwise go unseen.

#include <random>

#include <gtest/gtest.h>

#include "vcard/Utf8.h"
#include "tests/convert/ConvertTestSupport.h"
#include "tests/support/ScratchDirectory.h"

namespace {

// Bytes the directory holds as text: every Windows-1252 byte but the control
// characters and 0xA5 (a space in the file); the characters that need
// escaping or quoting come up often.
std::string RandomField(std::mt19937& random, int nMaxLength, bool bNonEmpty)
{
    static const std::string kTricky = ",;:\\\"= '";
    std::uniform_int_distribution<int> length(bNonEmpty ? 1 : 0, nMaxLength);
    std::uniform_int_distribution<int> kind(0, 3);
    std::uniform_int_distribution<int> tricky(0, static_cast<int>(kTricky.size()) - 1);
    std::uniform_int_distribution<int> byte(0x20, 0xFF);
    std::string field;
    for (int n = length(random); n > 0; --n) {
        if (kind(random) == 0) {
            field += kTricky[static_cast<size_t>(tricky(random))];
            continue;
        }
        int b;
        do
            b = byte(random);
        while (b == 0x7F || b == 0xA5);
        field += static_cast<char>(b);
    }
    return field;
}

std::vector<TestRecord> RandomRecords(std::mt19937& random)
{
    std::uniform_int_distribution<int> count(1, 4);
    std::vector<TestRecord> records(static_cast<size_t>(count(random)));
    for (TestRecord& r : records)
        r = {RandomField(random, 30, true), RandomField(random, 20, false), RandomField(random, 20, false),
            RandomField(random, 30, false), RandomField(random, 160, false)};
    return records;
}

std::vector<TestRecord> AsUtf8(const std::vector<TestRecord>& records)
{
    std::vector<TestRecord> converted;
    for (const TestRecord& r : records)
        converted.push_back({CDirectoryText::ToUtf8(CString(r.name)), CDirectoryText::ToUtf8(CString(r.phone)),
            CDirectoryText::ToUtf8(CString(r.pager)), CDirectoryText::ToUtf8(CString(r.email)),
            CDirectoryText::ToUtf8(CString(r.misc))});
    return converted;
}

// Lines of at most 75 octets, each valid UTF-8 on its own: folding never
// splits a character.
void ExpectFoldedLines(const std::string& vcard)
{
    size_t nStart = 0;
    while (nStart < vcard.size()) {
        const size_t nEnd = vcard.find("\r\n", nStart);
        ASSERT_NE(nEnd, std::string::npos) << "every line ends with CRLF";
        const std::string line = vcard.substr(nStart, nEnd - nStart);
        EXPECT_LE(line.size(), 75u) << line;
        EXPECT_TRUE(Utf8::IsValid(line)) << line;
        nStart = nEnd + 2;
    }
}

class RoundTripTest : public testing::TestWithParam<const char*>
{
};

TEST_P(RoundTripTest, ExportThenImportGivesTheSameRecords)
{
    const std::string format = GetParam();
    std::mt19937 random(20261207);
    for (int nRound = 0; nRound < 150; ++nRound) {
        ScratchDirectory scratch;
        const std::vector<TestRecord> records = RandomRecords(random);
        SCOPED_TRACE(testing::Message() << "round " << nRound << ": " << testing::PrintToString(records));
        SaveDirectory("Dialstack.dat", records);

        const RunResult exported = RunConvert({"export", "--format", format});
        ASSERT_EQ(exported.nStatus, 0) << exported.err;
        if (format == "vcard")
            ExpectFoldedLines(exported.out);

        const RunResult imported = RunConvert({"import", "--format", format, "--file", "new.dat", "-"}, exported.out);
        ASSERT_EQ(imported.nStatus, 0) << imported.err;
        EXPECT_EQ(imported.out,
            std::to_string(records.size()) + (records.size() == 1 ? " record" : " records")
                + " added, 0 contacts skipped, 0 values moved to misc, 0 characters replaced\n");
        EXPECT_EQ(DirectoryRecordsAsUtf8("new.dat"), AsUtf8(records));

        const RunResult again = RunConvert({"export", "--format", format, "--file", "new.dat"});
        EXPECT_EQ(again.out, exported.out);
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTripTest, testing::Values("vcard", "csv"));

}   // namespace
