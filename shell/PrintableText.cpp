#include "shell/PrintableText.h"

#include <cstdio>

#include "shell/ShellText.h"
#include "vcard/Utf8.h"

namespace {

bool IsUnsafe(char32_t code)
{
    return code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0x061C || (code >= 0x200E && code <= 0x200F)
        || (code >= 0x2028 && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

void AppendEscape(std::string& out, const char* pszFormat, unsigned nValue)
{
    char buffer[12];
    std::snprintf(buffer, sizeof buffer, pszFormat, nValue);
    out += buffer;
}

}   // namespace

std::string Printable(std::string_view utf8, size_t nMaxBytes)
{
    std::string out;
    out.reserve(utf8.size() < nMaxBytes ? utf8.size() : nMaxBytes);
    size_t i = 0;
    while (i < utf8.size() && i < nMaxBytes) {
        char32_t code = 0;
        const size_t nLength = Utf8::Decode(utf8, i, code);
        if (nLength == 0) {
            AppendEscape(out, "\\x%02X", static_cast<unsigned char>(utf8[i]));
            ++i;
        } else if (IsUnsafe(code)) {
            AppendEscape(out, code < 0x100 ? "\\x%02X" : "\\u%04X", static_cast<unsigned>(code));
            i += nLength;
        } else {
            out.append(utf8.substr(i, nLength));
            i += nLength;
        }
    }
    if (i < utf8.size())
        out += CShellText::Tr("... (%1 bytes in all)", {std::to_string(utf8.size())});
    return out;
}
