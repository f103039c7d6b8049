#include "printer/Windows1252ToUtf8.h"

#include "base/Windows1252Map.h"

namespace {

constexpr char16_t kReplacementCharacter = 0xFFFD;

// The code page maps its undefined bytes to the control characters of the
// same value, which a printout would not show.
bool IsUndefinedByte(char16_t ch)
{
    return ch >= 0x80 && ch <= 0x9F;
}

}   // namespace

std::string Windows1252ToUtf8(const std::string& text)
{
    std::string utf8;
    utf8.reserve(text.size());
    for (const char byte : text) {
        const char16_t ch = CWindows1252Map::ToUnicode(static_cast<unsigned char>(byte));
        CWindows1252Map::AppendUtf8(utf8, IsUndefinedByte(ch) ? kReplacementCharacter : ch);
    }
    return utf8;
}
