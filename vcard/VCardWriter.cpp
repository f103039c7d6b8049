#include "vcard/VCardWriter.h"

#include <algorithm>
#include <string_view>

#include "base/Windows1252Map.h"
#include "vcard/Utf8.h"
#include "vcard/VCardValue.h"

namespace {

// Scratch text per thread, reused from property to property, so that
// writing many records costs no allocation per line.
std::string& Scratch()
{
    thread_local std::string line;
    line.clear();
    return line;
}

// Appends a field's Windows-1252 bytes as an escaped UTF-8 text value, in
// one pass: plain ASCII in runs, each other byte as its character.
void AppendEscaped(std::string_view field, std::string& line)
{
    size_t nRun = 0;
    for (size_t i = 0; i < field.size(); ++i) {
        const char ch = field[i];
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x80 && !VCardValue::NeedsEscape(ch))
            continue;
        line.append(field.substr(nRun, i - nRun));
        if (byte >= 0x80) {
            Utf8::Append(line, CWindows1252Map::ToUnicode(byte));
            nRun = i + 1;
        } else {
            nRun = VCardValue::AppendEscape(field, i, line);
            i = nRun - 1;
        }
    }
    line.append(field.substr(std::min(nRun, field.size())));
}

void AppendLine(std::string& out, std::string_view line)
{
    VCardValue::AppendFolded(line, "\r\n", out);
}

void AppendProperty(std::string& out, const char* pszName, const CString& field)
{
    if (field.IsEmpty())
        return;
    std::string& line = Scratch();
    line += pszName;
    line += ':';
    AppendEscaped(field.View(), line);
    AppendLine(out, line);
}

// N: "Family, Given" (one comma) gives the family and given names; any
// other name is the family name alone.
void AppendStructuredName(std::string& line, std::string_view name)
{
    const size_t nComma = name.find(", ");
    if (nComma != std::string::npos && nComma > 0 && name.find(',', nComma + 1) == std::string::npos
        && nComma + 2 < name.size()) {
        AppendEscaped(name.substr(0, nComma), line);
        line += ';';
        AppendEscaped(name.substr(nComma + 2), line);
        line += ";;;";
        return;
    }
    AppendEscaped(name, line);
    line += ";;;;";
}

}   // namespace

void CVCardWriter::Write(const CRecordFields& record, std::string& out, int nVersion, std::string_view uid)
{
    const bool bVersion3 = nVersion == 3;
    const std::string_view name = record.strName.View();
    out += bVersion3 ? "BEGIN:VCARD\r\nVERSION:3.0\r\n" : "BEGIN:VCARD\r\nVERSION:4.0\r\n";
    std::string& line = Scratch();
    if (!uid.empty()) {
        line += "UID:";
        line += uid;
        AppendLine(out, line);
        line.clear();
    }
    line += "FN:";
    AppendEscaped(name, line);
    AppendLine(out, line);
    if (!name.empty() || bVersion3) {
        line.clear();
        line += "N:";
        AppendStructuredName(line, name);
        AppendLine(out, line);
    }
    AppendProperty(out, bVersion3 ? "TEL;TYPE=VOICE" : "TEL;TYPE=voice", record.strPhone);
    AppendProperty(out, bVersion3 ? "TEL;TYPE=PAGER" : "TEL;TYPE=pager", record.strPager);
    AppendProperty(out, bVersion3 ? "EMAIL;TYPE=INTERNET" : "EMAIL", record.strEmail);
    AppendProperty(out, "NOTE", record.strMisc);
    out += "END:VCARD\r\n";
}
