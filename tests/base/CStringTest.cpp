// CString keeps short text inside the object and longer text on the heap;
// every operation must give the same result on either side of that limit
// and when a string crosses it.

#include <stdexcept>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "base/CString.h"

namespace {

// Lengths around the 15 bytes kept inside the object.
const int kLengths[] = {0, 1, 14, 15, 16, 40};

std::string Text(int nLength)
{
    std::string text;
    for (int i = 0; i < nLength; ++i)
        text += static_cast<char>('a' + i % 26);
    return text;
}

TEST(CStringTest, CopiesAndMovesAreIndependentValuesOfEveryLength)
{
    for (int nLength : kLengths) {
        SCOPED_TRACE(nLength);
        const std::string expected = Text(nLength);
        CString original(expected);
        CString copy = original;
        CString assigned("x");
        assigned = original;
        copy.SetAt(0, 'Z');
        EXPECT_EQ(original.Bytes(), expected) << "a copy shares nothing";
        EXPECT_EQ(assigned.Bytes(), expected);
        EXPECT_EQ(std::string(original.GetString()), expected) << "terminated as a C string";

        CString moved = std::move(copy);
        EXPECT_TRUE(copy.IsEmpty());   // NOLINT: the moved-from state is part of the contract
        EXPECT_EQ(moved.GetLength(), nLength);
        original = std::move(moved);
        EXPECT_EQ(original.GetLength(), nLength);
        EXPECT_EQ(original == CString(expected), nLength == 0);
    }
    const CString withZero("a\0b", 3);
    EXPECT_EQ(withZero.GetLength(), 3);
    EXPECT_EQ(CString(withZero).Bytes(), std::string("a\0b", 3));
}

TEST(CStringTest, AppendingAcrossTheInlineLimitKeepsEveryByte)
{
    CString grown;
    std::string expected;
    for (int i = 0; i < 300; ++i) {
        grown += static_cast<char>('A' + i % 26);
        expected += static_cast<char>('A' + i % 26);
        ASSERT_EQ(grown.Bytes(), expected) << "after " << i + 1 << " bytes";
        ASSERT_EQ(std::string(grown.GetString()), expected);
    }
    for (int nLength : kLengths) {
        CString doubled(Text(nLength));
        doubled += doubled;
        EXPECT_EQ(doubled.Bytes(), Text(nLength) + Text(nLength)) << nLength;
        CString joined = CString(Text(nLength)) + "tail";
        EXPECT_EQ(joined.Bytes(), Text(nLength) + "tail") << nLength;
    }
}

TEST(CStringTest, EditingAndSearchingWorkInlineAndOnTheHeap)
{
    for (int nLength : {10, 30}) {
        SCOPED_TRACE(nLength);
        const std::string core = Text(nLength);
        CString padded(" \t" + core + "\r\n ");
        padded.TrimLeft();
        padded.TrimRight();
        EXPECT_EQ(padded.Bytes(), core);
        EXPECT_EQ(std::string(padded.GetString()), core);
        EXPECT_EQ(padded.Find('c'), 2);
        EXPECT_EQ(padded.Find('c', 3), nLength > 28 ? 28 : -1);
        EXPECT_EQ(padded.Find('c', nLength), -1);
        padded.SetAt(nLength, 'X');   // outside: ignored
        EXPECT_EQ(padded.Bytes(), core);
        EXPECT_THROW(padded.GetAt(nLength), std::out_of_range);
        padded.Empty();
        EXPECT_TRUE(padded.IsEmpty());
        EXPECT_STREQ(padded.GetString(), "");
    }
    CString blanks("   ");
    blanks.TrimRight();
    EXPECT_TRUE(blanks.IsEmpty());
}

}   // namespace
