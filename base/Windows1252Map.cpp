#include "base/Windows1252Map.h"

#include <array>
#include <cstddef>

namespace {

constexpr std::array<char16_t, 32> kCharactersOf80To9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,   // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,   // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,   // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,   // 98..9F
};

}   // namespace

char16_t CWindows1252Map::ToUnicode(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? kCharactersOf80To9F[byte - 0x80] : char16_t(byte);
}

int CWindows1252Map::FromUnicode(char32_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<int>(ch);
    for (size_t i = 0; i < kCharactersOf80To9F.size(); ++i) {
        if (kCharactersOf80To9F[i] == ch)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

void CWindows1252Map::AppendUtf8(std::string& utf8, char16_t ch)
{
    if (ch < 0x80) {
        utf8 += static_cast<char>(ch);
    } else if (ch < 0x800) {
        utf8 += static_cast<char>(0xC0 | (ch >> 6));
        utf8 += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        utf8 += static_cast<char>(0xE0 | (ch >> 12));
        utf8 += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (ch & 0x3F));
    }
}
