#include "data/RecordMatcher.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace {

// What each byte of Windows-1252 stands for once case and accents are set
// aside: a letter with a mark becomes its plain lower-case letter, a
// ligature or sharp s its two letters; every other byte stands for itself.
const char* FoldedByte(unsigned char byte)
{
    // clang-format off
    static const char* const kFrom0xC0[64] = {
        "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
        "d", "n", "o", "o", "o", "o", "o", nullptr, "o", "u", "u", "u", "u", "y", "th", "ss",
        "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
        "d", "n", "o", "o", "o", "o", "o", nullptr, "o", "u", "u", "u", "u", "y", "th", "y",
    };
    // clang-format on
    switch (byte) {
    case 0x83: return "f";
    case 0x8A:
    case 0x9A: return "s";
    case 0x8C:
    case 0x9C: return "oe";
    case 0x8E:
    case 0x9E: return "z";
    case 0x9F: return "y";
    default: break;
    }
    if (byte >= 0xC0)
        return kFrom0xC0[byte - 0xC0];
    return nullptr;
}

std::string Fold(std::string_view text)
{
    std::string folded;
    folded.reserve(text.size());
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (const char* letters = FoldedByte(byte))
            folded += letters;
        else
            folded += static_cast<char>(byte < 0x80 ? std::tolower(byte) : byte);
    }
    return folded;
}

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// The characters a telephone number is written with.
bool IsNumberChar(char ch)
{
    return IsDigit(ch) || std::string_view(" +-().").find(ch) != std::string_view::npos;
}

bool IsBlank(char ch)
{
    return std::string_view(" \t\r\n\v\f").find(ch) != std::string_view::npos;
}

std::string DigitsOf(std::string_view text)
{
    std::string digits;
    std::copy_if(text.begin(), text.end(), std::back_inserter(digits), IsDigit);
    return digits;
}

// Whether digits occur in one number written in text, a run of number
// characters; digits of separate numbers ("Room 12, fax 34") are not
// joined.
bool NumberContains(std::string_view text, std::string_view digits)
{
    size_t pos = 0;
    while (pos < text.size()) {
        if (!IsNumberChar(text[pos])) {
            ++pos;
            continue;
        }
        const size_t end = std::find_if_not(text.begin() + pos, text.end(), IsNumberChar) - text.begin();
        if (DigitsOf(text.substr(pos, end - pos)).find(digits) != std::string::npos)
            return true;
        pos = end;
    }
    return false;
}

}   // namespace

CRecordMatcher::CRecordMatcher(const CString& strQuery)
{
    const std::string_view query = strQuery.View();
    m_bEmpty = std::all_of(query.begin(), query.end(), IsBlank);
    m_digits = DigitsOf(query);
    m_bNumber = !m_digits.empty() && std::all_of(query.begin(), query.end(), IsNumberChar);
    m_folded = Fold(query);
}

bool CRecordMatcher::Matches(const CRecordFields& fields) const
{
    if (m_bEmpty)
        return false;
    return FieldMatches(fields.strName) || FieldMatches(fields.strPhone) || FieldMatches(fields.strPager)
        || FieldMatches(fields.strEmail) || FieldMatches(fields.strMisc);
}

bool CRecordMatcher::FieldMatches(const CString& strField) const
{
    if (m_bNumber)
        return NumberContains(strField.View(), m_digits);
    return Fold(strField.View()).find(m_folded) != std::string::npos;
}
