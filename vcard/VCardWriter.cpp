#include "vcard/VCardWriter.h"

#include <string_view>

#include "vcard/DirectoryText.h"
#include "vcard/VCardValue.h"

namespace {

using VCardValue::AppendEscaped;

// Scratch text per thread, reused from property to property, so that
// writing many records costs no allocation per line.
std::string& Scratch()
{
    thread_local std::string line;
    line.clear();
    return line;
}

std::string_view Utf8Of(const CString& field)
{
    thread_local std::string utf8;
    utf8.clear();
    CDirectoryText::AppendUtf8(field.View(), utf8);
    return utf8;
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
    AppendEscaped(Utf8Of(field), line);
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
    const std::string_view name = Utf8Of(record.strName);   // valid until the next Utf8Of
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
