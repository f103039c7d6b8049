#include <algorithm>
#include <climits>
#include <new>
#include <stdexcept>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "data/DirectoryReader.h"
#include "tests/support/ScratchDirectory.h"
#include "tests/support/TestRecord.h"
#include "tests/support/TwoRecordDirectory.h"

namespace {

constexpr const char* kFile = DirectoryFormat::kDirectoryFileName;

const std::string kTwoRecordBytes = TwoRecordDirectoryBytes();
const std::string kBlankBytes = "0\xA5"
                                "1\x16\x16\x16\x16\x16";

std::string SaveToFile(const std::vector<TestRecord>& records, int nReserved)
{
    CRecordList list;
    FillList(list, records, nReserved);
    EXPECT_EQ(list.Save(), 1);
    EXPECT_TRUE(list.GetLastSaveError().IsEmpty());
    return ReadFileBytes(kFile);
}

struct Loaded
{
    std::vector<TestRecord> records;
    int nReserved;
    bool bComplete;
    int nLoadedRecords;
    bool bCursorOnTail;
};

Loaded LoadBytes(const std::string& bytes)
{
    CRecordList list;
    list.LoadFromBytes(bytes);
    const bool bCursorOnTail = list.m_pCursor == list.m_pTail;
    return {
        WalkRecords(list), list.m_nReserved, list.IsLoadComplete() == TRUE, list.GetLoadedRecordCount(), bCursorOnTail};
}

TEST(DirectoryFileFormat, TheTwoRecordAndTheEmptyDirectoryAreWrittenAndReadByteForByte)
{
    ScratchDirectory scratch;
    EXPECT_EQ(SaveToFile(kTwoRecords, kTwoRecordsHeader), kTwoRecordBytes);
    EXPECT_EQ(kTwoRecordBytes.size(), 61u);
    EXPECT_EQ(SaveToFile({}, 0), kBlankBytes);

    CRecordList list;
    WriteFileBytes(kFile, kTwoRecordBytes);
    list.Load();
    EXPECT_EQ(WalkRecords(list), kTwoRecords);
    EXPECT_EQ(list.m_nReserved, kTwoRecordsHeader);
    EXPECT_TRUE(list.IsLoadComplete());
    EXPECT_EQ(list.GetLoadedRecordCount(), 2);

    WriteFileBytes(kFile, kBlankBytes);
    list.Load();
    EXPECT_EQ(WalkRecords(list), std::vector<TestRecord>{TestRecord{}});
    EXPECT_EQ(list.m_nReserved, 0);
    EXPECT_TRUE(list.IsLoadComplete());
    EXPECT_EQ(list.GetLoadedRecordCount(), 0);
}

TEST(DirectoryFileFormat, HeaderIntegerKeepsItsValueAndSign)
{
    ScratchDirectory scratch;
    const std::pair<int, std::string> cases[]
        = {{-7, "-7"}, {0, "0"}, {2147483647, "2147483647"}, {INT_MIN, "-2147483648"}};
    for (const auto& [nReserved, text] : cases) {
        const std::string bytes = SaveToFile(kTwoRecords, nReserved);
        EXPECT_EQ(bytes.substr(0, text.size() + 1), text + "\xA5");
        CRecordList list;
        list.Load();
        EXPECT_EQ(list.m_nReserved, nReserved);
    }
}

TEST(DirectoryFileFormat, FieldContentSurvivesExactly)
{
    const std::vector<TestRecord> records{
        {" lead", "dou  ble", "", "x", "trail "},   // empty pager between non-empty fields
        {"mid\xA5"
         "dle",
            "", "", "e", ""},
    };
    CRecordList list;
    FillList(list, records, 3);
    std::string bytes;
    ASSERT_EQ(list.SaveToBytes(bytes), 1);
    EXPECT_EQ(bytes,
        "3\xA5"
        "2\xA5lead\x16trail\xA5\x16"
        "dou\xA5\xA5"
        "ble\x16\x16x\x16"
        "mid\xA5"
        "dle\x16\x16\x16\x16"
        "e\x16");

    // A 0xA5 in a field is a space from the save on, in memory and on reading.
    std::vector<TestRecord> expected = records;
    expected[1].name = "mid dle";
    EXPECT_EQ(list.m_pCursor, list.m_pTail);
    EXPECT_EQ(WalkRecords(list), expected);
    EXPECT_EQ(LoadBytes(bytes).records, expected);
}

TEST(DirectoryFileFormat, FirstNameBeginningWithADigitGetsOneSpaceAndReadsBack)
{
    const std::vector<TestRecord> records{{"7 Eleven", "", "", "", ""}, {"9 Lives", "", "", "", ""}};
    CRecordList list;
    FillList(list, records, 1);
    std::string bytes;
    list.SaveToBytes(bytes);
    EXPECT_EQ(bytes,
        "1\xA5"
        "2 7\xA5"
        "Eleven\x16\x16\x16\x16\x16"
        "9\xA5Lives\x16\x16\x16\x16\x16");
    const Loaded loaded = LoadBytes(bytes);
    EXPECT_EQ(loaded.records, records);
    EXPECT_TRUE(loaded.bComplete);
}

TEST(DirectoryFileLoad, NoFileGivesTheBlankListAndTheNextSaveCreatesIt)
{
    ScratchDirectory scratch;
    CRecordList list;
    list.m_nReserved = 5;
    list.Load();
    EXPECT_EQ(WalkRecords(list), std::vector<TestRecord>{TestRecord{}});
    EXPECT_EQ(list.m_nReserved, 0);
    EXPECT_TRUE(list.IsLoadComplete());

    list.m_nReserved = 9;
    EXPECT_EQ(list.Save(), 1);
    EXPECT_EQ(ReadFileBytes(kFile),
        "9\xA5"
        "1\x16\x16\x16\x16\x16");
}

TEST(DirectoryFileLoad, LoadDiscardsChangesAndLeavesTheCursorOnTheLastRecord)
{
    ScratchDirectory scratch;
    SaveToFile(kTwoRecords, kTwoRecordsHeader);
    CRecordList list;
    list.Load();
    list.SeekTo(0);
    list.SetName("Changed");
    AppendRecord(list, {"New", "", "", "", ""});
    list.Load();
    EXPECT_EQ(list.m_pCursor, list.m_pTail);
    EXPECT_EQ(WalkRecords(list), kTwoRecords);
}

TEST(DirectoryFileLoad, WellFormedVariationsAreComplete)
{
    // Extra bytes after the last record are not read.
    Loaded loaded = LoadBytes(kTwoRecordBytes + "junk\x16");
    EXPECT_EQ(loaded.records, kTwoRecords);
    EXPECT_TRUE(loaded.bComplete);

    // A smaller count reads only that many records.
    std::string bytes = kTwoRecordBytes;
    bytes[3] = '1';
    loaded = LoadBytes(bytes);
    EXPECT_EQ(loaded.records, std::vector<TestRecord>{kTwoRecords[0]});
    EXPECT_TRUE(loaded.bComplete);

    // White space before numbers and inside fields is skipped; the
    // separator is not checked.
    loaded = LoadBytes(" 12\n# 2\tCorner\xA5Shop\x16Open\xA5late\x16 555\xA5"
                       "0100\x16\x16\x16"
                       "V\ret\x16\x16"
                       "555\xA5"
                       "0199\x16"
                       "555\xA5"
                       "0142\x16\x16");
    EXPECT_EQ(loaded.records, kTwoRecords);
    EXPECT_EQ(loaded.nReserved, 12);
    EXPECT_TRUE(loaded.bComplete);

    // A count of zero is an empty directory.
    loaded = LoadBytes("4\xA5"
                       "0");
    EXPECT_EQ(loaded.records, std::vector<TestRecord>{TestRecord{}});
    EXPECT_EQ(loaded.nReserved, 4);
    EXPECT_TRUE(loaded.bComplete);
}

// Fields are scanned many bytes at a time: every special byte must be
// handled at every offset of fields short and long, including the offsets
// where a block of bytes ends and the leftover bytes begin.
TEST(DirectoryFileLoad, SpecialBytesAtEveryOffsetOfLongFields)
{
    const char kSpecials[] = {' ', '\t', '\n', '\x0B', '\x0C', '\r', '\xA5', '\x08', '\x0E', '\x1F', '\xA4', '\xA6'};
    for (size_t nLength = 1; nLength <= 40; ++nLength) {
        for (size_t nOffset = 0; nOffset < nLength; ++nOffset) {
            for (char chSpecial : kSpecials) {
                std::string field(nLength, 'x');
                field[nOffset] = chSpecial;
                // What the reader makes of it, byte by byte: white space
                // dropped, the space substitute turned into a space.
                std::string expected;
                for (char ch : field) {
                    if (ch == '\xA5')
                        expected += ' ';
                    else if (ch != ' ' && (ch < '\t' || ch > '\r'))
                        expected += ch;
                }
                const std::string bytes = "7\xA5"
                                          "1N"
                    + field + "\x16" + field + "\x16\x16" + field + "\x16\x16";
                const Loaded loaded = LoadBytes(bytes);
                const TestRecord want{"N" + expected, "", expected, "", expected};
                ASSERT_EQ(loaded.records, std::vector<TestRecord>{want})
                    << "length " << nLength << ", offset " << nOffset << ", byte " << int(chSpecial);
                ASSERT_TRUE(loaded.bComplete);
            }
        }
    }
}

TEST(DirectoryFileLoad, UnnamedRecordsFollowAppendsRule)
{
    // One unnamed record with a note: one node, and the directory counts as empty.
    Loaded loaded = LoadBytes("0\xA5"
                              "1\x16note\x16\x16\x16\x16");
    EXPECT_EQ(loaded.records, (std::vector<TestRecord>{{"", "", "", "", "note"}}));
    EXPECT_EQ(loaded.nLoadedRecords, 0);

    // A record after an unnamed tail is stored into that tail.
    loaded = LoadBytes("0\xA5"
                       "3A\x16\x16\x16\x16\x16\x16x\x16\x16\x16\x16"
                       "B\x16\x16\x16\x16\x16");
    EXPECT_EQ(loaded.records, (std::vector<TestRecord>{{"A", "", "", "", ""}, {"B", "", "", "", ""}}));
    EXPECT_EQ(loaded.nLoadedRecords, 2);
}

// Every prefix of the two-record directory: complete records are kept, a record
// cut anywhere is dropped, and only the whole file counts as complete.
TEST(DirectoryFileDamage, AFileCutAtAnyByteKeepsTheCompleteRecords)
{
    const size_t nFirstRecordEnd = 37;
    for (size_t nLength = 0; nLength <= kTwoRecordBytes.size(); ++nLength) {
        SCOPED_TRACE(nLength);
        const Loaded loaded = LoadBytes(kTwoRecordBytes.substr(0, nLength));
        std::vector<TestRecord> expected{TestRecord{}};
        if (nLength == kTwoRecordBytes.size())
            expected = kTwoRecords;
        else if (nLength >= nFirstRecordEnd)
            expected = {kTwoRecords[0]};
        EXPECT_EQ(loaded.records, expected);
        EXPECT_EQ(loaded.bComplete, nLength == kTwoRecordBytes.size());
        EXPECT_EQ(loaded.nLoadedRecords, nLength == kTwoRecordBytes.size() ? 2 : nLength >= nFirstRecordEnd ? 1 : 0);
        EXPECT_TRUE(loaded.bCursorOnTail);
    }
}

// A field of 2 GiB or more is more than a CString holds (std::length_error),
// and memory can run out (std::bad_alloc) part-way through any file: either
// is a damaged file, never an exception out of Load.
TEST(DirectoryFileDamage, WhatTheListCannotHoldEndsTheLoadLikeACut)
{
    const size_t nFirstRecordEnd = 37;
    for (const bool bLengthError : {true, false}) {
        SCOPED_TRACE(bLengthError ? "length error" : "out of memory");
        bool bGiven = false;
        CDirectoryReader reader([&](char* pBuffer, size_t nRoom) -> size_t {
            if (bGiven) {
                if (bLengthError)
                    throw std::length_error("too long");
                throw std::bad_alloc();
            }
            bGiven = true;
            const size_t n = std::min(nRoom, nFirstRecordEnd + 3);
            std::copy_n(kTwoRecordBytes.data(), n, pBuffer);
            return n;
        });
        CRecordList list;
        EXPECT_NO_THROW(list.LoadFrom(reader));
        EXPECT_FALSE(list.IsLoadComplete());
        EXPECT_EQ(WalkRecords(list), std::vector<TestRecord>{kTwoRecords[0]});
        EXPECT_EQ(list.m_pCursor, list.m_pTail);
    }
}

TEST(DirectoryFileDamage, BadNumbersAndCountsAreReportedAsIncomplete)
{
    const std::string kRecords = kTwoRecordBytes.substr(4);
    struct Case
    {
        const char* what;
        std::string bytes;
        size_t nRecordsKept;
    };
    const Case cases[] = {
        {"count larger than the records",
            "12\xA5"
            "3" + kRecords,
            2},
        {"count far larger than the records",
            "12\xA5"
            "2147483647"
                + kRecords,
            2},
        {"count beyond an int",
            "12\xA5"
            "99999999999"
                + kRecords,
            0},
        {"negative count", "12\xA5-2" + kRecords, 0},
        {"count not a number", "12\xA5x" + kRecords, 0},
        {"header not a number",
            "abc\xA5"
            "2" + kRecords,
            0},
        {"header a lone sign",
            "-\xA5"
            "2" + kRecords,
            0},
        {"header beyond an int",
            "2147483648\xA5"
            "2" + kRecords,
            0},
        {"only white space", " \n\t", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Loaded loaded = LoadBytes(c.bytes);
        EXPECT_FALSE(loaded.bComplete);
        const std::vector<TestRecord> kept(kTwoRecords.begin(), kTwoRecords.begin() + c.nRecordsKept);
        EXPECT_EQ(loaded.records, kept.empty() ? std::vector<TestRecord>{TestRecord{}} : kept);
        EXPECT_EQ(static_cast<size_t>(loaded.nLoadedRecords), c.nRecordsKept);
    }
}

TEST(DirectoryFileDamage, ADirectoryAtTheFilesPlaceIsIncompleteAndCannotBeSavedOver)
{
    ScratchDirectory scratch;
    std::filesystem::create_directory(kFile);
    CRecordList list;
    list.Load();
    EXPECT_FALSE(list.IsLoadComplete());
    EXPECT_EQ(WalkRecords(list), std::vector<TestRecord>{TestRecord{}});

    FillList(list,
        {{"Shop\xA5"
          "A",
             "", "", "", ""},
            kTwoRecords[1]},
        1);
    list.SeekTo(0);
    EXPECT_EQ(list.Save(), 0);
    EXPECT_FALSE(list.GetLastSaveError().IsEmpty());
    EXPECT_TRUE(std::filesystem::is_directory(kFile));
    // The list is as after a successful save.
    EXPECT_EQ(list.m_pCursor, list.m_pTail);
    list.SeekTo(0);
    EXPECT_EQ(list.GetName(), "Shop A");
}

TEST(DirectoryFileDamage, APipeAtTheFilesPlaceIsIncompleteAndDoesNotHang)
{
    ScratchDirectory scratch;
    ASSERT_EQ(mkfifo(kFile, 0600), 0);
    CRecordList list;
    list.Load();   // no writer ever opens the pipe: a blocking read would hang here
    EXPECT_FALSE(list.IsLoadComplete());
    EXPECT_EQ(WalkRecords(list), std::vector<TestRecord>{TestRecord{}});
}

TEST(DirectoryFileSave, AListNeverResetWritesNothing)
{
    ScratchDirectory scratch;
    CRecordList list;
    EXPECT_EQ(list.Save(), 0);
    EXPECT_FALSE(std::filesystem::exists(kFile));
}

// Random records of printable bytes (any byte but the control characters
// and the space substitute), spaces included, survive a save and a load.
TEST(DirectoryFileRoundTrip, RandomDirectoriesComeBackUnchanged)
{
    ScratchDirectory scratch;
    std::mt19937 random(1234567);
    auto randomText = [&](int nMaxLength) {
        std::string text(std::uniform_int_distribution<size_t>(0, nMaxLength)(random), ' ');
        for (char& ch : text) {
            int nByte;
            do
                nByte = std::uniform_int_distribution<int>(0x20, 0xFF)(random);
            while (nByte == 0x7F || nByte == 0xA5);
            ch = static_cast<char>(nByte);
        }
        return text;
    };
    for (int round = 0; round < 60; ++round) {
        std::vector<TestRecord> records(std::uniform_int_distribution<size_t>(1, 25)(random));
        for (TestRecord& r : records) {
            do
                r.name = randomText(20);
            while (r.name.empty());
            r = {r.name, randomText(12), randomText(12), randomText(30), randomText(40)};
        }
        const int nReserved = static_cast<int>(random());
        SaveToFile(records, nReserved);
        CRecordList list;
        list.Load();
        ASSERT_EQ(WalkRecords(list), records) << "round " << round;
        EXPECT_EQ(list.m_nReserved, nReserved);
        EXPECT_TRUE(list.IsLoadComplete());
        EXPECT_EQ(list.GetLoadedRecordCount(), static_cast<int>(records.size()));
    }
}

// Files are read and written a chunk at a time (256 KiB): items cut by a
// chunk's end, and a field longer than a chunk, read and write exactly as
// from and to memory.
TEST(DirectoryFileRoundTrip, LargeFilesAreReadAndWrittenInChunksExactly)
{
    ScratchDirectory scratch;
    std::vector<TestRecord> records;
    for (int i = 0; i < 20000; ++i)
        records.push_back({"Name " + std::to_string(i), "555 " + std::to_string(i), "", "x@example.org", "note"});
    records[7000].misc = std::string(600 * 1024, 'm') + " end";
    const std::string written = SaveToFile(records, -5);
    CRecordList inMemory;
    FillList(inMemory, records, -5);
    std::string expected;
    inMemory.SaveToBytes(expected);
    ASSERT_EQ(written, expected);

    CRecordList list;
    list.Load();
    EXPECT_TRUE(list.IsLoadComplete());
    EXPECT_EQ(list.m_nReserved, -5);
    EXPECT_EQ(WalkRecords(list), records);

    const size_t nChunk = 256 * 1024;
    for (size_t nPadding = nChunk - 6; nPadding <= nChunk + 1; ++nPadding) {
        SCOPED_TRACE(nPadding);
        WriteFileBytes(kFile, std::string(nPadding, '\n') + kTwoRecordBytes);
        list.Load();
        EXPECT_TRUE(list.IsLoadComplete());
        EXPECT_EQ(list.m_nReserved, 12);
        EXPECT_EQ(WalkRecords(list), kTwoRecords);
    }
}

}   // namespace
