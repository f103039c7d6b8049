#include "sync/Card.h"

#include <ctime>
#include <string_view>

#include "vcard/AsciiText.h"
#include "vcard/Charset.h"
#include "vcard/DirectoryText.h"
#include "vcard/CardKind.h"
#include "vcard/FieldChoice.h"
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

std::string CCard::Decoded(const Line& line) const
{
    std::string utf8;
    if (!line.bBinary)
        CCharset::DecodeValue(line.value, line.bQuotedPrintable, line.charset, utf8);
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

bool CCard::IsContact() const
{
    for (const Line& line : m_lines)
        if (line.bInCard && CardKindOf(line.name, line.value) != ECardKind::kContact)
            return false;
    return true;
}

std::string CCard::TextOf(const Line& line) const
{
    return HoldsText(line) ? CFieldCandidate::FieldText(CFieldCandidate::KindOf(line.name), Decoded(line))
                           : std::string();
}

// The lines behind the five fields, as import chooses them.
CFieldChoice CCard::Choose() const
{
    std::vector<std::string> decoded;
    decoded.reserve(m_lines.size());
    std::vector<CFieldCandidate> candidates;
    for (const Line& line : m_lines) {
        const CFieldCandidate::EKind kind
            = HoldsText(line) ? CFieldCandidate::KindOf(line.name) : CFieldCandidate::EKind::kOther;
        decoded.push_back(kind == CFieldCandidate::EKind::kOther ? std::string() : Decoded(line));
        candidates.push_back({kind, line.nTypes, line.bPreferred, decoded.back()});
    }
    return ChooseFields(candidates);
}

CString CCard::FieldOf(int nLine) const
{
    if (nLine < 0)
        return CString();
    int nReplaced = 0;
    return CDirectoryText::FromUtf8(OneLine(TextOf(m_lines[static_cast<size_t>(nLine)])), nReplaced);
}

CRecordFields CCard::Fields() const
{
    const CFieldChoice choice = Choose();
    CRecordFields fields;
    fields.strName = FieldOf(choice.nName);
    fields.strPhone = FieldOf(choice.nPhone);
    fields.strPager = FieldOf(choice.nPager);
    fields.strEmail = FieldOf(choice.nEmail);
    fields.strMisc = FieldOf(choice.nNote);
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
    // Each field is chosen and compared afresh, since rewriting one line
    // can move the others. A name from N or ORG is replaced by an FN (the
    // first one, if only an empty one was there), which goes before them.
    const auto nameLine = [this](const CFieldChoice& choice) {
        const int nName = choice.nName;
        return nName >= 0 && m_lines[static_cast<size_t>(nName)].name == "FN" ? nName : FindFirst("FN");
    };
    if (const CFieldChoice choice = Choose(); FieldOf(choice.nName) != target.strName)
        Rewrite(nameLine(choice), "FN", target.strName);
    if (const CFieldChoice choice = Choose(); FieldOf(choice.nPhone) != target.strPhone)
        Rewrite(choice.nPhone, "TEL;TYPE=voice", target.strPhone);
    if (const CFieldChoice choice = Choose(); FieldOf(choice.nPager) != target.strPager)
        Rewrite(choice.nPager, "TEL;TYPE=pager", target.strPager);
    if (const CFieldChoice choice = Choose(); FieldOf(choice.nEmail) != target.strEmail)
        Rewrite(choice.nEmail, "EMAIL", target.strEmail);
    if (const CFieldChoice choice = Choose(); FieldOf(choice.nNote) != target.strMisc)
        Rewrite(choice.nNote, "NOTE", target.strMisc);
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
    CVCardWriter::Write(fields, card, nVersion, strUid);
    return card;
}
