#include "convert/CsvWriter.h"

#include <algorithm>

#include "vcard/DirectoryText.h"

namespace {

bool NeedsQuotes(const std::string& cell)
{
    if (cell.empty())
        return false;
    const auto isSpace = [](char ch) { return ch == ' ' || ch == '\t'; };
    const auto isSpecial = [](char ch) { return ch == ',' || ch == '"' || ch == '\r' || ch == '\n' || ch == ';'; };
    return std::any_of(cell.begin(), cell.end(), isSpecial) || isSpace(cell.front()) || isSpace(cell.back());
}

void AppendCell(std::string& out, const CString& field)
{
    const std::string cell = CDirectoryText::ToUtf8(field);
    if (!NeedsQuotes(cell)) {
        out += cell;
        return;
    }
    out += '"';
    for (const char ch : cell) {
        if (ch == '"')
            out += '"';
        out += ch;
    }
    out += '"';
}

}   // namespace

void CCsvWriter::WriteHeader(std::string& out, char separator)
{
    for (const char* pszColumn : {"Name", "Phone", "Pager", "Email"}) {
        out += pszColumn;
        out += separator;
    }
    out += "Note\r\n";
}

void CCsvWriter::Write(const CRecordFields& record, std::string& out, char separator)
{
    AppendCell(out, record.strName);
    out += separator;
    AppendCell(out, record.strPhone);
    out += separator;
    AppendCell(out, record.strPager);
    out += separator;
    AppendCell(out, record.strEmail);
    out += separator;
    AppendCell(out, record.strMisc);
    out += "\r\n";
}
