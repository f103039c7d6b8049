#include "vcard/DirectoryText.h"

#include "base/Windows1252Map.h"
#include "vcard/Utf8.h"

namespace {

constexpr char kReplacement = '?';
constexpr char32_t kYenSign = 0x00A5;

// Whether reading the directory file gives the character back as it is.
bool IsKeptByTheFile(char32_t ch)
{
    return ch >= 0x20 && ch != 0x7F && ch != kYenSign;
}

}   // namespace

void CDirectoryText::AppendUtf8(std::string_view field, std::string& out)
{
    // ASCII goes across in runs; only the bytes above it take a look-up.
    size_t nRun = 0;
    for (size_t i = 0; i < field.size(); ++i) {
        const auto value = static_cast<unsigned char>(field[i]);
        if (value < 0x80)
            continue;
        out.append(field.substr(nRun, i - nRun));
        Utf8::Append(out, CWindows1252Map::ToUnicode(value));
        nRun = i + 1;
    }
    out.append(field.substr(nRun));
}

std::string CDirectoryText::ToUtf8(const CString& field)
{
    std::string text;
    text.reserve(static_cast<size_t>(field.GetLength()));
    AppendUtf8(field.View(), text);
    return text;
}

CString CDirectoryText::FromUtf8(std::string_view text, int& nReplaced)
{
    // Every character is kept, a byte-order mark at the start included:
    // dropping it would turn a name of only that mark into no name at all.
    size_t i = 0;
    while (i < text.size() && text[i] >= 0x20 && text[i] < 0x7F)
        ++i;
    if (i == text.size())
        return CString(text);   // plain ASCII, most fields
    // Built in text kept from call to call, then copied once into the field.
    thread_local std::string field;
    field.assign(text.substr(0, i));
    while (i < text.size()) {
        size_t nRun = i;
        while (nRun < text.size() && text[nRun] >= 0x20 && text[nRun] < 0x7F)
            ++nRun;
        field.append(text.substr(i, nRun - i));
        i = nRun;
        if (i == text.size())
            break;
        const char byte = text[i];
        // U+00C0 to U+00FF, the accented letters of Western names: the
        // same byte in the directory's code page.
        if (static_cast<unsigned char>(byte) == 0xC3 && i + 1 < text.size()
            && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
            field += static_cast<char>(0xC0 | (static_cast<unsigned char>(text[i + 1]) & 0x3F));
            i += 2;
            continue;
        }
        char32_t code = 0;
        const size_t nLength = Utf8::Decode(text, i, code);
        i += nLength == 0 ? 1 : nLength;
        const int converted = nLength == 0 ? -1 : CWindows1252Map::FromUnicode(code);
        if (nLength != 0 && code == U'\t')
            field += ' ';
        else if (converted < 0 || !IsKeptByTheFile(code)) {
            field += kReplacement;
            ++nReplaced;
        } else {
            field += static_cast<char>(converted);
        }
    }
    return CString(std::string_view(field));
}
