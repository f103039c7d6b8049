#include "ui/SyncText.h"

#include "base/Windows1252Map.h"

namespace {

// The code point starting at utf8[i], advancing i; -1 for a bad sequence.
long NextCodePoint(std::string_view utf8, size_t& i)
{
    const auto byte = [&utf8](size_t at) { return static_cast<unsigned char>(utf8[at]); };
    const unsigned char lead = byte(i++);
    if (lead < 0x80)
        return lead;
    int nMore = lead >= 0xF8 ? -1 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
    if (nMore < 0)
        return -1;
    long ch = lead & (0x3F >> nMore);
    for (; nMore > 0; --nMore, ++i) {
        if (i >= utf8.size() || (byte(i) & 0xC0) != 0x80)
            return -1;
        ch = (ch << 6) | (byte(i) & 0x3F);
    }
    return ch;
}

}   // namespace

CString SyncText::FromUtf8(std::string_view utf8)
{
    std::string bytes;
    for (size_t i = 0; i < utf8.size();) {
        const long ch = NextCodePoint(utf8, i);
        const int byte = ch < 0 ? -1 : CWindows1252Map::FromUnicode(static_cast<char32_t>(ch));
        bytes += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return CString(bytes);
}

std::string SyncText::ToUtf8(const CString& text)
{
    std::string utf8;
    for (const char byte : text.View())
        CWindows1252Map::AppendUtf8(utf8, CWindows1252Map::ToUnicode(static_cast<unsigned char>(byte)));
    return utf8;
}
