#include "sync/Card.h"

#include <ctime>
#include <string_view>

#include "convert/AsciiText.h"
#include "convert/Charset.h"
#include "convert/DirectoryText.h"
#include "convert/VCardLexer.h"
#include "convert/VCardParameters.h"
#include "convert/VCardValue.h"
#include "convert/VCardWriter.h"

namespace {

constexpr size_t kMaxLineOctets = 75;

// The line with its folds taken out and its line end dropped.
std::string Unfolded(const std::string& raw)
{
    std::string text;
    text.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); ++i) {
        const char ch = raw[i];
        if (ch == '\r' || ch == '\n') {
            size_t nNext = i + 1;
            if (ch == '\r' && nNext < raw.size() && raw[nNext] == '\n')
                ++nNext;
            if (nNext < raw.size() && (raw[nNext] == ' ' || raw[nNext] == '\t'))
                i = nNext;   // the fold's line break and its one white-space byte
            else if (nNext < raw.size()) {
                // A soft line break of quoted-printable: "=" and the break go.
                if (!text.empty() && text.back() == '=')
                    text.pop_back();
                i = nNext - 1;
            } else
                break;
            continue;
        }
        text += ch;
    }
    return text;
}

std::string Escaped(const std::string& text)
{
    std::string result;
    for (const char ch : text) {
        switch (ch) {
        case '\\': result += "\\\\"; break;
        case ',': result += "\\,"; break;
        case ';': result += "\\;"; break;
        case '\r': break;
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

// One content line folded at 75 octets without splitting a character.
std::string Folded(std::string line, const std::string& lineEnd)
{
    std::string out;
    size_t nRoom = kMaxLineOctets;
    std::string_view rest(line);
    while (rest.size() > nRoom) {
        size_t nCut = nRoom;
        while (nCut > 1 && IsContinuationByte(rest[nCut]))
            --nCut;
        out.append(rest.substr(0, nCut));
        out += lineEnd + " ";
        rest.remove_prefix(nCut);
        nRoom = kMaxLineOctets - 1;
    }
    out.append(rest);
    out += lineEnd;
    return out;
}

// Splits "a;b=c;\"d;e\"" at the separators outside double quotes.
std::vector<std::string> SplitOutsideQuotes(const std::string& text, char separator)
{
    std::vector<std::string> parts(1);
    bool bQuoted = false;
    for (const char ch : text) {
        if (ch == '"')
            bQuoted = !bQuoted;
        if (ch == separator && !bQuoted)
            parts.emplace_back();
        else
            parts.back() += ch;
    }
    return parts;
}

}   // namespace

CCard::Line CCard::ParseLine(std::string raw, bool bInCard)
{
    Line line;
    line.bInCard = bInCard;
    const std::string text = Unfolded(raw);
    line.raw = std::move(raw);
    CVCardLexer lexer;
    if (!lexer.Split(text))
        return line;
    line.name = Upper(lexer.Name());
    line.value = std::string(lexer.Value());
    // The value is the rest of the line after the colon.
    line.prefix = text.substr(0, text.size() - line.value.size() - 1);
    const CVCardParameters parameters = CVCardParameters::Read(lexer.Parameters());
    line.nTypes = parameters.types;
    line.bPreferred = parameters.bPreferred;
    line.bQuotedPrintable = parameters.bQuotedPrintable;
    line.bBinary = parameters.bBinary;
    line.charset = std::string(parameters.charset);
    return line;
}

CCard::CCard(const std::string& text)
{
    // Physical lines, each with its line end; a line that begins with white
    // space continues the one before, and so does the line after a
    // quoted-printable value ending in a soft line break ("=").
    size_t nPos = 0;
    bool bInCard = false;
    bool bCardDone = false;
    // Found once: searching for the next colon from every line would take
    // time growing with the square of a card without colons.
    const size_t nLastColon = text.rfind(':');
    while (nPos < text.size()) {
        // The line's name and parameters: up to its colon, at most 200 bytes.
        std::string_view header = std::string_view(text).substr(nPos, 200);
        header = header.substr(0, header.find(':'));
        const bool bQuotedPrintable
            = nLastColon != std::string::npos && nLastColon >= nPos && ContainsNoCase(header, "QUOTED-PRINTABLE");
        size_t nEnd = text.find('\n', nPos);
        nEnd = nEnd == std::string::npos ? text.size() : nEnd + 1;
        while (nEnd < text.size()) {
            const bool bFold = text[nEnd] == ' ' || text[nEnd] == '\t';
            size_t nLast = nEnd;   // the last byte before this physical line's end
            while (nLast > nPos && (text[nLast - 1] == '\r' || text[nLast - 1] == '\n'))
                --nLast;
            const bool bSoftBreak = bQuotedPrintable && nLast > nPos && text[nLast - 1] == '=';
            if (!bFold && !bSoftBreak)
                break;
            const size_t nNext = text.find('\n', nEnd);
            nEnd = nNext == std::string::npos ? text.size() : nNext + 1;
        }
        Line line = ParseLine(text.substr(nPos, nEnd - nPos), bInCard && !bCardDone);
        nPos = nEnd;
        if (!bCardDone && line.name == "BEGIN" && EqualsNoCase(line.value, "VCARD"))
            bInCard = true;
        else if (bInCard && line.name == "END" && EqualsNoCase(line.value, "VCARD"))
            bCardDone = true;
        m_lines.push_back(std::move(line));
    }
}

std::string CCard::Text() const
{
    std::string text;
    for (const Line& line : m_lines)
        text += line.raw;
    return text;
}

bool CCard::IsPager(const Line& line)
{
    return (line.nTypes & CVCardParameters::kPager) != 0;
}

std::string CCard::Decoded(const Line& line) const
{
    if (line.bBinary)
        return std::string();
    const std::string bytes = line.bQuotedPrintable ? VCardValue::DecodeQuotedPrintable(line.value) : line.value;
    std::string utf8;
    if (line.charset.empty())
        CCharset::DecodeUndeclared(bytes, utf8);
    else
        CCharset::Decode(bytes, line.charset, utf8);
    return utf8;
}

int CCard::FindFirst(const char* pszName) const
{
    for (size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].bInCard && m_lines[i].name == pszName)
            return static_cast<int>(i);
    return -1;
}

int CCard::FindName() const
{
    for (const char* pszName : {"FN", "N", "ORG"}) {
        for (size_t i = 0; i < m_lines.size(); ++i) {
            if (!m_lines[i].bInCard || m_lines[i].name != pszName)
                continue;
            if (!FieldOf(static_cast<int>(i)).IsEmpty())
                return static_cast<int>(i);
        }
    }
    return FindFirst("FN");
}

int CCard::FindPager() const
{
    for (size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].bInCard && m_lines[i].name == "TEL" && IsPager(m_lines[i]))
            return static_cast<int>(i);
    return -1;
}

// The preferred line of the card that the test accepts, else the first one.
template <class Accept> int CCard::FindPreferred(Accept accept) const
{
    int nFirst = -1;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (!line.bInCard || !accept(line))
            continue;
        if (line.bPreferred)
            return static_cast<int>(i);
        if (nFirst < 0)
            nFirst = static_cast<int>(i);
    }
    return nFirst;
}

int CCard::FindPhone() const
{
    return FindPreferred([](const Line& line) { return line.name == "TEL" && !IsPager(line); });
}

int CCard::FindEmail() const
{
    return FindPreferred([](const Line& line) { return line.name == "EMAIL"; });
}

CString CCard::FieldOf(int nLine) const
{
    if (nLine < 0)
        return CString();
    const Line& line = m_lines[static_cast<size_t>(nLine)];
    const std::string decoded = Decoded(line);
    std::string text;
    if (line.name == "N") {
        const std::vector<std::string> parts = VCardValue::Components(decoded);
        auto part = [&](size_t n) { return n < parts.size() ? parts[n] : std::string(); };
        // family; given; additional; prefixes; suffixes, read in the order people say them
        text = VCardValue::JoinNonEmpty({part(3), part(1), part(2), part(0), part(4)}, " ");
    } else if (line.name == "ORG") {
        text = VCardValue::JoinNonEmpty(VCardValue::Components(decoded), ", ");
    } else if (line.name == "TEL" && StartsWithNoCase(decoded, "TEL:")) {
        // A tel: URI (tel:+1-555-0100;ext=7) in the form people write it.
        text = decoded.substr(4);
        const size_t nExtension = Upper(text).find(";EXT=");
        if (nExtension != std::string::npos)
            text = text.substr(0, nExtension) + " ext. " + text.substr(nExtension + 5);
    } else {
        text = VCardValue::Unescaped(decoded);
    }
    int nReplaced = 0;
    return CDirectoryText::FromUtf8(OneLine(text), nReplaced);
}

CRecordFields CCard::Fields() const
{
    CRecordFields fields;
    fields.strName = FieldOf(FindName());
    fields.strPhone = FieldOf(FindPhone());
    fields.strPager = FieldOf(FindPager());
    fields.strEmail = FieldOf(FindEmail());
    fields.strMisc = FieldOf(FindFirst("NOTE"));
    return fields;
}

std::string CCard::Uid() const
{
    const int nLine = FindFirst("UID");
    return nLine < 0 ? std::string()
                     : std::string(Trimmed(VCardValue::Unescaped(m_lines[static_cast<size_t>(nLine)].value)));
}

std::string CCard::LineEnd() const
{
    for (const Line& line : m_lines)
        if (line.raw.size() >= 2 && line.raw.compare(line.raw.size() - 2, 2, "\r\n") == 0)
            return "\r\n";
    return m_lines.empty() ? "\r\n" : "\n";
}

// Rewrites the line at nLine with the field's value (nLine < 0: adds a new
// pszNewProperty line before END:VCARD; an empty value removes the line).
// The group, name and parameters stay, except the encoding, character set
// and value type, which described the old value: the new one is plain UTF-8
// text.
void CCard::Rewrite(int nLine, const char* pszNewProperty, const CString& value)
{
    if (value.IsEmpty()) {
        if (nLine >= 0)
            m_lines.erase(m_lines.begin() + nLine);
        return;
    }
    std::string prefix;
    if (nLine < 0) {
        prefix = pszNewProperty;
    } else {
        const std::vector<std::string> parts = SplitOutsideQuotes(m_lines[static_cast<size_t>(nLine)].prefix, ';');
        prefix = parts.front();
        for (size_t i = 1; i < parts.size(); ++i) {
            const std::string& part = parts[i];
            if (StartsWithNoCase(part, "ENCODING=") || StartsWithNoCase(part, "CHARSET=")
                || StartsWithNoCase(part, "VALUE=") || EqualsNoCase(part, "QUOTED-PRINTABLE")
                || EqualsNoCase(part, "BASE64"))
                continue;
            prefix += ';' + parts[i];
        }
    }
    const std::string content = prefix + ':' + Escaped(CDirectoryText::ToUtf8(value));
    Line line = ParseLine(Folded(content, LineEnd()), true);
    if (nLine >= 0) {
        m_lines[static_cast<size_t>(nLine)] = std::move(line);
        return;
    }
    int nEnd = FindFirst("END");
    if (nEnd < 0)
        nEnd = static_cast<int>(m_lines.size());
    m_lines.insert(m_lines.begin() + nEnd, std::move(line));
}

void CCard::Apply(const CRecordFields& target)
{
    const std::string before = Text();
    // Each field is compared afresh, since rewriting one line can move the
    // others.
    if (FieldOf(FindName()) != target.strName)
        Rewrite(FindFirst("FN"), "FN", target.strName);
    if (FieldOf(FindPhone()) != target.strPhone)
        Rewrite(FindPhone(), "TEL;TYPE=voice", target.strPhone);
    if (FieldOf(FindPager()) != target.strPager)
        Rewrite(FindPager(), "TEL;TYPE=pager", target.strPager);
    if (FieldOf(FindEmail()) != target.strEmail)
        Rewrite(FindEmail(), "EMAIL", target.strEmail);
    if (FieldOf(FindFirst("NOTE")) != target.strMisc)
        Rewrite(FindFirst("NOTE"), "NOTE", target.strMisc);
    if (Text() != before)
        StampRevision();
}

// Sets the line at nLine (nLine < 0: a new pszNewProperty line before
// END:VCARD) to value as it is, for values that are no text to escape.
void CCard::SetRaw(int nLine, const char* pszNewProperty, const std::string& value)
{
    std::string prefix = pszNewProperty;
    if (nLine >= 0) {
        // The old parameters described the old value (a date, say): only
        // the group and name stay.
        prefix = SplitOutsideQuotes(m_lines[static_cast<size_t>(nLine)].prefix, ';').front();
    }
    Line line = ParseLine(Folded(prefix + ':' + value, LineEnd()), true);
    if (nLine >= 0) {
        m_lines[static_cast<size_t>(nLine)] = std::move(line);
        return;
    }
    int nEnd = FindFirst("END");
    if (nEnd < 0)
        nEnd = static_cast<int>(m_lines.size());
    m_lines.insert(m_lines.begin() + nEnd, std::move(line));
}

// REV as a UTC time stamp in the form of the card's version: 3.0 readers
// expect the extended form (2026-12-07T19:45:00Z), 2.1 and 4.0 the basic
// one (20261207T194500Z).
void CCard::StampRevision()
{
    const int nVersion = FindFirst("VERSION");
    const bool bVersion3 = nVersion >= 0 && Trimmed(m_lines[static_cast<size_t>(nVersion)].value) == "3.0";
    const std::time_t now = std::time(nullptr);
    std::tm utc {};
    gmtime_r(&now, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, bVersion3 ? "%Y-%m-%dT%H:%M:%SZ" : "%Y%m%dT%H%M%SZ", &utc);
    SetRaw(FindFirst("REV"), "REV", stamp);
}

void CCard::EnsureUid(const std::string& strUid)
{
    const int nLine = FindFirst("UID");
    if (nLine < 0 || Uid().empty())
        SetRaw(nLine, "UID", strUid);
}

std::string CCard::Create(const CRecordFields& fields, const std::string& strUid, int nVersion)
{
    std::string card;
    CVCardWriter::Write(fields, card, nVersion);
    // The writer leaves out the UID, which every card on a server needs.
    const size_t nVersionLine = card.find("\r\nVERSION:");
    const size_t nAfter = nVersionLine == std::string::npos ? 0 : card.find("\r\n", nVersionLine + 2) + 2;
    card.insert(nAfter, "UID:" + strUid + "\r\n");
    return card;
}
