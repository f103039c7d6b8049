#include "convert/VCardValue.h"

#include "convert/AsciiText.h"

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

}   // namespace

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

std::string VCardValue::Unescaped(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (next == 'n' || next == 'N') {
                result += '\n';
                ++i;
                continue;
            }
            if (next == '\\' || next == ',' || next == ';' || next == ':') {
                result += next;
                ++i;
                continue;
            }
        }
        result += text[i];
    }
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
