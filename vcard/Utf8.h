#pragma once

#include <cstring>
#include <string>
#include <string_view>

// UTF-8 by hand, for the converter's hot paths: one call per character of
// a 100,000-contact file, where a converter object per value would cost
// more than the reading itself.
namespace Utf8 {

// The length of the valid UTF-8 sequence at text[i], with its code point
// in code; 0 when the bytes there are not one (overlong forms, surrogates
// and code points beyond U+10FFFF included).
inline size_t Decode(std::string_view text, size_t i, char32_t& code)
{
    const auto byte = [&](size_t n) { return static_cast<unsigned char>(text[n]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    const size_t nLength = lead >= 0xC2 && lead <= 0xDF ? 2
        : lead >= 0xE0 && lead <= 0xEF                  ? 3
        : lead >= 0xF0 && lead <= 0xF4                  ? 4
                                                        : 0;
    if (nLength == 0 || i + nLength > text.size())
        return 0;
    code = lead & (0x7F >> nLength);
    for (size_t n = 1; n < nLength; ++n) {
        if ((byte(i + n) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i + n) & 0x3F);
    }
    static const char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[nLength] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return nLength;
}

inline bool IsValid(std::string_view text)
{
    size_t i = 0;
    while (i < text.size()) {
        // Runs of ASCII, most of any contact file, eight bytes at a time.
        while (i + 8 <= text.size()) {
            unsigned long long word = 0;
            std::memcpy(&word, text.data() + i, sizeof word);
            if (word & 0x8080808080808080ULL)
                break;
            i += 8;
        }
        if (i >= text.size())
            break;
        char32_t code;
        const size_t nLength = Decode(text, i, code);
        if (nLength == 0)
            return false;
        i += nLength;
    }
    return true;
}

inline void Append(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Appends text with every byte that begins no valid sequence as U+FFFD,
// the replacement character; valid sequences as they are.
inline void AppendRepaired(std::string_view text, std::string& out)
{
    size_t nRun = 0;
    size_t i = 0;
    while (i < text.size()) {
        char32_t code;
        const size_t nLength = Decode(text, i, code);
        if (nLength > 0) {
            i += nLength;
            continue;
        }
        out.append(text.substr(nRun, i - nRun));
        out.append("\xEF\xBF\xBD");
        nRun = ++i;
    }
    out.append(text.substr(nRun));
}

}   // namespace Utf8
