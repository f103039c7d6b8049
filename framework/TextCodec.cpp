#include "framework/TextCodec.h"

#include <array>
#include <string>
#include <utility>

#include <QList>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. Qt's converter
// drops the five bytes left undefined there, so the table is written out:
// a lost byte would be a field silently changed on the next save.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,   // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,   // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,   // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,   // 98..9F
};

char16_t CharacterOf(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char16_t(byte);
}

// The byte for ch, or -1 when the code page has none.
int ByteOf(char32_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<int>(ch);
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == ch)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

}   // namespace

QString TextCodec::ToQString(const CString& text)
{
    const std::string& bytes = text.Bytes();
    QString result(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = result.data();
    for (char byte : bytes)
        *out++ = QChar(CharacterOf(static_cast<unsigned char>(byte)));
    return result;
}

QString TextCodec::ToQString(const char* psz)
{
    return ToQString(CString(psz ? psz : ""));
}

CString TextCodec::FromQString(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (char32_t ch : text.toUcs4()) {
        const int byte = ByteOf(ch);
        bytes += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return CString(std::move(bytes));
}

bool TextCodec::CanHold(char32_t ch)
{
    return ByteOf(ch) >= 0;
}
