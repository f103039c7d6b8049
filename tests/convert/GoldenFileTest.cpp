// Contacts files in the shapes address books write, each beside the records
// (the summary line, and lines the --verbose report must hold) importing it
// must give: golden/NAME.vcf or golden/NAME.csv with golden/NAME.records.
// The format comes from the file's ending.

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "convert/ContactReader.h"
#include "tests/convert/ConvertTestSupport.h"
#include "tests/support/ScratchDirectory.h"

namespace {

struct Expected
{
    std::string summary;
    std::vector<std::string> details;
    std::vector<TestRecord> records;
};

// "key=value" lines; a blank line ends a record; the first block holds the summary.
Expected ReadExpected(const std::string& path)
{
    std::istringstream text(ReadFileBytes(path));
    Expected expected;
    TestRecord record;
    bool bInRecord = false;
    std::string line;
    const auto finish = [&] {
        if (bInRecord)
            expected.records.push_back(record);
        record = {};
        bInRecord = false;
    };
    while (std::getline(text, line)) {
        if (line.empty()) {
            finish();
            continue;
        }
        const size_t nEquals = line.find('=');
        const std::string key = line.substr(0, nEquals);
        const std::string value = line.substr(nEquals + 1);
        if (key == "summary" || key == "detail") {
            (key == "summary" ? expected.summary : expected.details.emplace_back()) = value;
            continue;
        }
        bInRecord = true;
        (key == "name"           ? record.name
                : key == "phone" ? record.phone
                : key == "pager" ? record.pager
                : key == "email" ? record.email
                                 : record.misc)
            = value;
    }
    finish();
    return expected;
}

std::string LastLine(const std::string& text)
{
    const size_t nEnd = text.find_last_not_of('\n');
    const size_t nStart = text.rfind('\n', nEnd);
    return text.substr(
        nStart == std::string::npos ? 0 : nStart + 1, nEnd - (nStart == std::string::npos ? 0 : nStart + 1) + 1);
}

class GoldenFileTest : public testing::TestWithParam<const char*>
{
};

TEST_P(GoldenFileTest, ImportGivesTheRecordsBesideIt)
{
    const std::string base = std::string(DIALSTACK_GOLDEN_DIR) + "/" + GetParam();
    const std::string stem = base.substr(0, base.rfind('.'));
    const Expected expected = ReadExpected(stem + ".records");

    ScratchDirectory scratch;
    const RunResult result = RunConvert({"import", "--verbose", base});
    ASSERT_EQ(result.nStatus, 0) << result.err;
    EXPECT_EQ(LastLine(result.out), expected.summary);
    for (const std::string& detail : expected.details)
        EXPECT_NE(result.out.find(detail), std::string::npos) << detail << "\n" << result.out;
    EXPECT_EQ(DirectoryRecordsAsUtf8("Dialstack.dat"), expected.records);
}

// The readers take a file a piece at a time; wherever a piece ends (inside
// a CRLF, a quoted cell, a folded line, the header), they read the same.
TEST_P(GoldenFileTest, ReadingByteByByteGivesTheSameContacts)
{
    const std::string path = std::string(DIALSTACK_GOLDEN_DIR) + "/" + GetParam();
    std::string bytes = ReadFileBytes(path);
    if (bytes.substr(0, 4).find('\0') != std::string::npos || bytes.rfind("\xFF\xFE", 0) == 0)
        return;   // UTF-16 is turned into UTF-8 before the readers see it
    EContactFormat format = EContactFormat::kVCard;
    ASSERT_TRUE(FormatFromFileName(path, format));
    const auto read = [&](size_t nPiece) {
        std::vector<std::string> contacts;
        const auto reader = CContactReader::Create(format, [&](const CContact& c) {
            std::string text
                = c.m_strName + '|' + c.m_strPhone + '|' + c.m_strPager + '|' + c.m_strEmail + '|' + c.m_strNote;
            for (const std::string& value : c.m_movedValues)
                text += '|' + value;
            for (const CLeftOut& item : c.m_leftOut)
                text += '|' + item.English();
            contacts.push_back(text);
        });
        for (size_t i = 0; i < bytes.size(); i += nPiece)
            reader->Feed(std::string_view(bytes).substr(i, nPiece));
        std::string strError;
        EXPECT_TRUE(reader->Finish(strError)) << strError;
        return contacts;
    };
    EXPECT_EQ(read(1), read(bytes.size()));
}

INSTANTIATE_TEST_SUITE_P(Files, GoldenFileTest,
    testing::Values("phone-2.1.vcf", "addressbook-3.0.vcf", "rfc6350-4.0.vcf", "dialstack.csv", "mailprogram.csv",
        "webaddressbook.csv", "tab-in-value.vcf", "name-beside-fn.vcf", "name-columns.csv", "continuation-2.1.vcf",
        "nested.vcf", "utf16-bom.vcf", "utf16le-no-mark.vcf", "utf16be-no-mark.vcf", "left-out.vcf", "email-only.csv",
        "qp-and-folding-2.1.vcf", "android-soft-break-2.1.vcf", "groups-and-kinds.vcf"),
    [](const testing::TestParamInfo<const char*>& info) {
        std::string name = info.param;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

// The other way: the records of export.records give exactly the bytes of
// export.vcf and export.csv. The record without a name is the last one, the
// only place a directory file keeps such a record.
TEST(GoldenExport, RecordsGiveTheFilesBesideThem)
{
    const std::string dir = DIALSTACK_GOLDEN_DIR;
    std::vector<TestRecord> records;
    for (const TestRecord& r : ReadExpected(dir + "/export.records").records) {
        int nReplaced = 0;
        const auto field = [&](const std::string& text) { return CDirectoryText::FromUtf8(text, nReplaced).Bytes(); };
        records.push_back({field(r.name), field(r.phone), field(r.pager), field(r.email), field(r.misc)});
        ASSERT_EQ(nReplaced, 0);
    }
    ScratchDirectory scratch;
    SaveDirectory("Dialstack.dat", records);
    for (const char* format : {"vcard", "csv"}) {
        SCOPED_TRACE(format);
        const RunResult result = RunConvert({"export", "--format", format});
        ASSERT_EQ(result.nStatus, 0) << result.err;
        EXPECT_EQ(result.out, ReadFileBytes(dir + (format == std::string("csv") ? "/export.csv" : "/export.vcf")));
    }
}

// The details name what was moved, replaced and left out, so a user can
// find it again.
TEST(GoldenFileDetails, VerboseNamesWhatDidNotFit)
{
    ScratchDirectory scratch;
    const RunResult result = RunConvert(
        {"import", "--verbose", "--format", "vcard", std::string(DIALSTACK_GOLDEN_DIR) + "/phone-2.1.vcf"});
    ASSERT_EQ(result.nStatus, 0);
    EXPECT_NE(result.out.find("\"Jürgen Müller\" (" DIALSTACK_GOLDEN_DIR "/phone-2.1.vcf, contact 1): left out: PHOTO"),
        std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("contact 3: skipped, it has no name"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("moved to misc: E-mail: jm@example.com"), std::string::npos) << result.out;
}

}   // namespace
