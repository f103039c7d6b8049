#include "vcard/VCardValue.h"

#include <algorithm>

#include "vcard/AsciiText.h"

namespace {

int HexDigit(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return -1;
}

constexpr size_t kMaxLineOctets = 75;

bool IsContinuationByte(char ch)
{
    return (static_cast<unsigned char>(ch) & 0xC0) == 0x80;
}

}   // namespace

void VCardValue::AppendEscaped(std::string_view text, std::string& out)
{
    // Most values need no escape: they go in runs, not a byte at a time.
    size_t nStart = 0;
    while (nStart < text.size()) {
        size_t nSpecial = nStart;
        while (nSpecial < text.size() && !NeedsEscape(text[nSpecial]))
            ++nSpecial;
        out.append(text.substr(nStart, nSpecial - nStart));
        if (nSpecial == text.size())
            return;
        nStart = AppendEscape(text, nSpecial, out);
    }
}

size_t VCardValue::AppendEscape(std::string_view text, size_t nAt, std::string& out)
{
    const char ch = text[nAt];
    size_t nNext = nAt + 1;
    if (ch == '\r' || ch == '\n') {
        if (ch == '\r' && nNext < text.size() && text[nNext] == '\n')
            ++nNext;
        out += "\\n";
    } else {
        out += '\\';
        out += ch;
    }
    return nNext;
}

std::string VCardValue::Escaped(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + 8);
    AppendEscaped(text, result);
    return result;
}

void VCardValue::AppendFolded(std::string_view line, std::string_view lineEnd, std::string& out)
{
    size_t nRoom = kMaxLineOctets;
    while (line.size() > nRoom) {
        size_t nCut = nRoom;
        while (nCut > 1 && IsContinuationByte(line[nCut]))
            --nCut;
        out.append(line.substr(0, nCut));
        out.append(lineEnd);
        out += ' ';
        line.remove_prefix(nCut);
        nRoom = kMaxLineOctets - 1;
    }
    out.append(line);
    out.append(lineEnd);
}

std::string VCardValue::DecodeQuotedPrintable(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '=' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 && HexDigit(text[i + 2]) >= 0) {
            bytes += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

void VCardValue::AppendUnescaped(std::string_view text, std::string& out)
{
    size_t nRun = 0;   // the text since the last escape goes across in one piece
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '\\')
            continue;
        const char next = text[i + 1];
        const bool bLineBreak = next == 'n' || next == 'N';
        if (!bLineBreak && next != '\\' && next != ',' && next != ';' && next != ':')
            continue;
        out.append(text.substr(nRun, i - nRun));
        out += bLineBreak ? '\n' : next;
        nRun = i + 2;
        ++i;
    }
    out.append(text.substr(std::min(nRun, text.size())));
}

std::string VCardValue::Unescaped(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    AppendUnescaped(text, result);
    return result;
}

std::vector<std::string> VCardValue::Components(std::string_view text)
{
    std::vector<std::string> components;
    components.reserve(5);
    size_t nStart = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\')
            ++i;
        else if (text[i] == ';') {
            components.push_back(Unescaped(text.substr(nStart, i - nStart)));
            nStart = i + 1;
        }
    }
    if (nStart <= text.size())
        components.push_back(Unescaped(text.substr(nStart)));
    return components;
}

std::string VCardValue::JoinNonEmpty(const std::vector<std::string>& parts, const char* pszSeparator)
{
    std::string joined;
    for (const std::string& part : parts) {
        const std::string_view trimmed = Trimmed(part);
        if (trimmed.empty())
            continue;
        if (!joined.empty())
            joined += pszSeparator;
        joined += trimmed;
    }
    return joined;
}

std::string VCardValue::SpokenName(std::string_view text)
{
    std::vector<std::string> parts = Components(text);
    parts.resize(5);
    return JoinNonEmpty({parts[3], parts[1], parts[2], parts[0], parts[4]}, " ");
}

std::string VCardValue::Organisation(std::string_view text)
{
    return JoinNonEmpty(Components(text), ", ");
}

std::string VCardValue::TelephoneNumber(std::string text)
{
    if (!StartsWithNoCase(text, "tel:"))
        return text;
    text.erase(0, 4);
    const size_t nExtension = Lower(text).find(";ext=");
    if (nExtension != std::string::npos)
        text = text.substr(0, nExtension) + " ext. " + text.substr(nExtension + 5);
    return text;
}
