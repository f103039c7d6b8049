#include "convert/VCardWriter.h"

#include <string_view>

#include "convert/DirectoryText.h"

namespace {

constexpr size_t kMaxLineOctets = 75;

std::string Escaped(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        switch (ch) {
        case '\\': result += "\\\\"; break;
        case ',': result += "\\,"; break;
        case ';': result += "\\;"; break;
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            result += "\\n";
            break;
        case '\n': result += "\\n"; break;
        default: result += ch;
        }
    }
    return result;
}

bool IsContinuationByte(char ch)
{
    return (static_cast<unsigned char>(ch) & 0xC0) == 0x80;
}

// Appends one content line, folded: no line longer than 75 octets, each
// continuation starting with one space, and never a break inside a
// character's UTF-8 sequence.
void AppendLine(std::string& out, std::string_view line)
{
    size_t nRoom = kMaxLineOctets;
    while (line.size() > nRoom) {
        size_t nCut = nRoom;
        while (nCut > 0 && IsContinuationByte(line[nCut]))
            --nCut;
        out.append(line.substr(0, nCut));
        out += "\r\n ";
        line.remove_prefix(nCut);
        nRoom = kMaxLineOctets - 1;
    }
    out.append(line);
    out += "\r\n";
}

void AppendProperty(std::string& out, const char* pszName, const CString& field)
{
    if (!field.IsEmpty())
        AppendLine(out, std::string(pszName) + ':' + Escaped(CDirectoryText::ToUtf8(field)));
}

std::string StructuredName(const std::string& name)
{
    const size_t nComma = name.find(", ");
    if (nComma != std::string::npos && nComma > 0 && name.find(',', nComma + 1) == std::string::npos
        && nComma + 2 < name.size())
        return Escaped(name.substr(0, nComma)) + ';' + Escaped(name.substr(nComma + 2)) + ";;;";
    return Escaped(name) + ";;;;";
}

}   // namespace

void CVCardWriter::Write(const CRecordFields& record, std::string& out, int nVersion)
{
    const bool bVersion3 = nVersion == 3;
    const std::string name = CDirectoryText::ToUtf8(record.strName);
    AppendLine(out, "BEGIN:VCARD");
    AppendLine(out, bVersion3 ? "VERSION:3.0" : "VERSION:4.0");
    AppendLine(out, "FN:" + Escaped(name));
    if (!name.empty() || bVersion3)
        AppendLine(out, "N:" + StructuredName(name));
    AppendProperty(out, bVersion3 ? "TEL;TYPE=VOICE" : "TEL;TYPE=voice", record.strPhone);
    AppendProperty(out, bVersion3 ? "TEL;TYPE=PAGER" : "TEL;TYPE=pager", record.strPager);
    AppendProperty(out, bVersion3 ? "EMAIL;TYPE=INTERNET" : "EMAIL", record.strEmail);
    AppendProperty(out, "NOTE", record.strMisc);
    AppendLine(out, "END:VCARD");
}
