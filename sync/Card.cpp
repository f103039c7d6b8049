#include "sync/Card.h"

#include <ctime>
#include <string_view>

#include "vcard/AsciiText.h"
#include "vcard/Charset.h"
#include "vcard/DirectoryText.h"
#include "vcard/NumberChoice.h"
#include "vcard/VCardLexer.h"
#include "vcard/VCardParameters.h"
#include "vcard/VCardUnfolder.h"
#include "vcard/VCardValue.h"
#include "vcard/VCardWriter.h"

namespace {

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

// The line from its bytes as they came (raw) and as the unfolder joined
// them (text).
CCard::Line CCard::ParseLine(std::string raw, std::string_view text, bool bInCard)
{
    Line line;
    line.bInCard = bInCard;
    line.raw = std::move(raw);
    CVCardLexer lexer;
    if (!lexer.Split(text))
        return line;
    line.name = Upper(lexer.Name());
    line.value = std::string(lexer.Value());
    // The value is the rest of the line after the colon.
    line.prefix = std::string(text.substr(0, text.size() - line.value.size() - 1));
    const CVCardParameters parameters = CVCardParameters::Read(lexer.Parameters());
    line.nTypes = parameters.types;
    line.bPreferred = parameters.bPreferred;
    line.bQuotedPrintable = parameters.bQuotedPrintable;
    line.bBinary = parameters.bBinary || StartsWithNoCase(line.value, "data:");
    line.charset = std::string(parameters.charset);
    return line;
}

CCard::CCard(const std::string& text)
{
    // The content lines as import reads them, each keeping its bytes as
    // they came: the unfolder says where each one lies in the text.
    bool bInCard = false;
    bool bCardDone = false;
    CVCardUnfolder* pUnfolder = nullptr;
    CVCardUnfolder unfolder(text.size() + 1, [&](std::string_view content, bool) {
        std::string raw = text.substr(pUnfolder->LineStart(), pUnfolder->LineEnd() - pUnfolder->LineStart());
        Line line = ParseLine(std::move(raw), content, bInCard && !bCardDone);
        if (!bCardDone && line.name == "BEGIN" && EqualsNoCase(Trimmed(line.value), "VCARD"))
            bInCard = true;
        else if (bInCard && line.name == "END" && EqualsNoCase(Trimmed(line.value), "VCARD"))
            bCardDone = true;
        else if (line.name == "VERSION")
            pUnfolder->SetKeepFoldWhiteSpace(Trimmed(line.value) == "2.1");
        m_lines.push_back(std::move(line));
    });
    pUnfolder = &unfolder;
    unfolder.Feed(text);
    unfolder.Finish();
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

// Whether the line can give a field: import reads no empty or binary value.
bool CCard::HoldsText(const Line& line)
{
    return line.bInCard && !line.value.empty() && !line.bBinary;
}

int CCard::FindFirst(const char* pszName) const
{
    for (size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].bInCard && m_lines[i].name == pszName)
            return static_cast<int>(i);
    return -1;
}

// The first FN with a name, else the first N, else the first ORG with one.
int CCard::FindName() const
{
    for (size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].name == "FN" && HoldsText(m_lines[i]) && !FieldOf(static_cast<int>(i)).IsEmpty())
            return static_cast<int>(i);
    const int nName = FindFirst("N");
    if (nName >= 0 && HoldsText(m_lines[static_cast<size_t>(nName)]) && !FieldOf(nName).IsEmpty())
        return nName;
    for (size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].name == "ORG" && HoldsText(m_lines[i]) && !FieldOf(static_cast<int>(i)).IsEmpty())
            return static_cast<int>(i);
    return FindFirst("FN");
}

// The TEL lines with a number, as the shared choice takes them, and the
// line each comes from.
CNumberChoice CCard::ChooseNumbers(std::vector<int>& lineOf) const
{
    std::vector<CNumber> numbers;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.name != "TEL" || !HoldsText(line) || FieldOf(static_cast<int>(i)).IsEmpty())
            continue;
        CNumber number;
        number.bPreferred = line.bPreferred;
        number.bPager = IsPager(line);
        numbers.push_back(number);
        lineOf.push_back(static_cast<int>(i));
    }
    return ChoosePhoneAndPager(numbers);
}

int CCard::FindPager() const
{
    std::vector<int> lineOf;
    const int nPager = ChooseNumbers(lineOf).nPager;
    return nPager < 0 ? -1 : lineOf[static_cast<size_t>(nPager)];
}

int CCard::FindPhone() const
{
    std::vector<int> lineOf;
    const int nPhone = ChooseNumbers(lineOf).nPhone;
    return nPhone < 0 ? -1 : lineOf[static_cast<size_t>(nPhone)];
}

// The preferred line of the card that the test accepts, else the first one.
template <class Accept> int CCard::FindPreferred(Accept accept) const
{
    int nFirst = -1;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (!HoldsText(line) || !accept(line))
            continue;
        if (line.bPreferred)
            return static_cast<int>(i);
        if (nFirst < 0)
            nFirst = static_cast<int>(i);
    }
    return nFirst;
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
    if (line.name == "N")
        text = VCardValue::SpokenName(decoded);
    else if (line.name == "ORG")
        text = VCardValue::Organisation(decoded);
    else if (line.name == "TEL")
        text = VCardValue::TelephoneNumber(VCardValue::Unescaped(decoded));
    else
        text = VCardValue::Unescaped(decoded);
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

// The content line as the card's bytes: folded at 75 octets without
// splitting a character, except in a 2.1 card, where a fold keeps its
// white space and would add a space to the value.
std::string CCard::Physical(const std::string& content) const
{
    const int nVersion = FindFirst("VERSION");
    std::string out;
    if (nVersion >= 0 && Trimmed(m_lines[static_cast<size_t>(nVersion)].value) == "2.1")
        out = content + LineEnd();
    else
        VCardValue::AppendFolded(content, LineEnd(), out);
    return out;
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
    const std::string content = prefix + ':' + VCardValue::Escaped(CDirectoryText::ToUtf8(value));
    PutLine(nLine, content);
}

// Replaces the line at nLine with content, or (nLine < 0) adds it before
// END:VCARD.
void CCard::PutLine(int nLine, const std::string& content)
{
    Line line = ParseLine(Physical(content), content, true);
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
    const std::string content = prefix + ':' + value;
    PutLine(nLine, content);
}

// REV as a UTC time stamp in the form of the card's version: 3.0 readers
// expect the extended form (2026-12-07T19:45:00Z), 2.1 and 4.0 the basic
// one (20261207T194500Z).
void CCard::StampRevision()
{
    const int nVersion = FindFirst("VERSION");
    const bool bVersion3 = nVersion >= 0 && Trimmed(m_lines[static_cast<size_t>(nVersion)].value) == "3.0";
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
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
