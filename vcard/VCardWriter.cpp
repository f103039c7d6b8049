#include "vcard/VCardWriter.h"

#include <algorithm>
#include <string_view>

#include "base/Windows1252Map.h"
#include "vcard/Utf8.h"
#include "vcard/VCardValue.h"

namespace {

// What each byte of a field becomes in a text value: itself, its escape,
// or its Windows-1252 character in UTF-8. Made once, so that writing a
// field is a look-up a byte and whole runs of plain ASCII.
struct ByteText
{
    unsigned char nLength = 0;   // 0: the byte as it is
    char text[3] = {};
};

struct ByteTexts
{
    ByteText of[256];

    ByteTexts()
    {
        for (int byte = 0x80; byte < 0x100; ++byte) {
            std::string utf8;
            Utf8::Append(utf8, CWindows1252Map::ToUnicode(static_cast<unsigned char>(byte)));
            of[byte].nLength = static_cast<unsigned char>(utf8.size());
            utf8.copy(of[byte].text, utf8.size());
        }
        for (const char ch : {'\\', ',', ';'}) {
            of[static_cast<unsigned char>(ch)] = {2, {'\\', ch}};
        }
        of[static_cast<unsigned char>('\n')] = {2, {'\\', 'n'}};
    }
};

// Appends a field's Windows-1252 bytes as an escaped UTF-8 text value. A
// line break (CR, LF or CRLF) is one "\n".
void AppendEscaped(std::string_view field, std::string& out)
{
    static const ByteTexts kTexts;
    size_t nRun = 0;
    for (size_t i = 0; i < field.size(); ++i) {
        const auto byte = static_cast<unsigned char>(field[i]);
        if (kTexts.of[byte].nLength == 0 && byte != '\r')
            continue;
        out.append(field.substr(nRun, i - nRun));
        nRun = i + 1;
        if (byte == '\r') {
            out += "\\n";
            if (nRun < field.size() && field[nRun] == '\n')
                nRun = ++i + 1;
            continue;
        }
        out.append(kTexts.of[byte].text, kTexts.of[byte].nLength);
    }
    out.append(field.substr(std::min(nRun, field.size())));
}

// Ends the content line that begins at nStart in out: folded at 75 octets
// when it is longer (few are), then CRLF.
void EndLine(std::string& out, size_t nStart)
{
    constexpr size_t kMaxLineOctets = 75;
    if (out.size() - nStart <= kMaxLineOctets) {
        out += "\r\n";
        return;
    }
    thread_local std::string line;
    line.assign(out, nStart, std::string::npos);
    out.resize(nStart);
    VCardValue::AppendFolded(line, "\r\n", out);
}

void AppendProperty(std::string& out, const char* pszName, const CString& field)
{
    if (field.IsEmpty())
        return;
    const size_t nStart = out.size();
    out += pszName;
    out += ':';
    AppendEscaped(field.View(), out);
    EndLine(out, nStart);
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
    size_t nStart = out.size();
    if (!uid.empty()) {
        out += "UID:";
        out += uid;
        EndLine(out, nStart);
        nStart = out.size();
    }
    out += "FN:";
    AppendEscaped(name, out);
    EndLine(out, nStart);
    if (!name.empty() || bVersion3) {
        nStart = out.size();
        out += "N:";
        AppendStructuredName(out, name);
        EndLine(out, nStart);
    }
    AppendProperty(out, bVersion3 ? "TEL;TYPE=VOICE" : "TEL;TYPE=voice", record.strPhone);
    AppendProperty(out, bVersion3 ? "TEL;TYPE=PAGER" : "TEL;TYPE=pager", record.strPager);
    AppendProperty(out, bVersion3 ? "EMAIL;TYPE=INTERNET" : "EMAIL", record.strEmail);
    AppendProperty(out, "NOTE", record.strMisc);
    out += "END:VCARD\r\n";
}
