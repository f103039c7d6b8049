#include "convert/CsvReader.h"

#include <algorithm>

#include "convert/ConvertText.h"
#include "vcard/AsciiText.h"
#include "vcard/Charset.h"
#include "vcard/NameParts.h"
#include "vcard/NumberChoice.h"

namespace {

// The separator the header row uses most: comma, semicolon or tab.
char FindSeparator(std::string_view header)
{
    int nComma = 0, nSemicolon = 0, nTab = 0;
    bool bQuoted = false;
    for (const char ch : header) {
        if (ch == '"')
            bQuoted = !bQuoted;
        else if (!bQuoted && ch == ',')
            ++nComma;
        else if (!bQuoted && ch == ';')
            ++nSemicolon;
        else if (!bQuoted && ch == '\t')
            ++nTab;
    }
    if (nSemicolon > nComma && nSemicolon >= nTab)
        return ';';
    if (nTab > nComma && nTab > nSemicolon)
        return '\t';
    return ',';
}

// The values of a cell. Grouped columns ("Phone 1 - Value") may hold several,
// split by " ::: "; any other cell is one value, exactly as written.
std::vector<std::string> ValuesOf(std::string_view cell, bool bGrouped)
{
    if (!bGrouped)
        return {std::string(cell)};
    std::vector<std::string> values;
    size_t nStart = 0;
    for (;;) {
        const size_t nSplit = cell.find(" ::: ", nStart);
        const std::string_view value = Trimmed(cell.substr(nStart, nSplit - nStart));
        if (!value.empty())
            values.emplace_back(value);
        if (nSplit == std::string_view::npos)
            return values;
        nStart = nSplit + 5;
    }
}

}   // namespace

CCsvReader::CCsvReader(ContactHandler onContact)
    : m_onContact(std::move(onContact))
{
}

CCsvReader::~CCsvReader() = default;

// Where the header row ends in text (the row's text so far in m_header):
// at the first line break outside quotes.
bool CCsvReader::FindHeaderEnd(std::string_view text, size_t& nEnd)
{
    for (nEnd = 0; nEnd < text.size(); ++nEnd) {
        const char ch = text[nEnd];
        if (ch == '"')
            m_bHeaderQuoted = !m_bHeaderQuoted;
        else if (!m_bHeaderQuoted && (ch == '\r' || ch == '\n'))
            return true;
    }
    return false;
}

void CCsvReader::StartRows()
{
    m_pTokenizer = std::make_unique<CCsvTokenizer>(
        FindSeparator(m_header), CContact::kMaxHeldText,
        [this](size_t nColumn, std::string_view cell, bool bCut) { TakeCell(nColumn, cell, bCut); },
        [this](bool bBlank) { EndRow(bBlank); });
    m_pTokenizer->Feed(m_header);
    m_header.clear();
    m_header.shrink_to_fit();
}

void CCsvReader::Feed(std::string_view text)
{
    if (m_bHeaderTooLong)
        return;
    if (!m_pTokenizer) {
        // The separator is the header's: the header row is gathered first.
        size_t nEnd = 0;
        const bool bEnded = FindHeaderEnd(text, nEnd);
        if (m_header.size() + nEnd > kMaxHeader) {
            m_bHeaderTooLong = true;
            return;
        }
        m_header.append(text.substr(0, nEnd));
        if (!bEnded)
            return;
        StartRows();
        text.remove_prefix(nEnd);
    }
    m_pTokenizer->Feed(text);
}

void CCsvReader::TakeCell(size_t nColumn, std::string_view cell, bool bCut)
{
    if (m_bInHeaderRow) {
        m_headerCells.emplace_back(nColumn, CCharset::DecodeUndeclared(cell));
        return;
    }
    if (m_bTooLong)
        return;
    m_nHeld += cell.size() + 32;
    if (bCut || m_nHeld > CContact::kMaxHeldText) {
        m_bTooLong = true;
        m_cells.clear();
        m_text.clear();
        return;
    }
    const size_t nStart = m_text.size();
    CCharset::AppendUndeclared(cell, m_text);
    m_cells.push_back({m_columns.Find(nColumn), nColumn, nStart, m_text.size() - nStart});
}

void CCsvReader::EndRow(bool bBlank)
{
    if (m_bInHeaderRow) {
        m_bInHeaderRow = false;
        m_columns.Classify(m_headerCells);
        m_headerCells.clear();
        m_headerCells.shrink_to_fit();
        return;
    }
    if (!bBlank) {
        m_contact.Clear();
        m_contact.m_nNumber = ++m_nRows;
        m_contact.m_bTooLong = m_bTooLong;
        if (!m_bTooLong)
            MapRow();
        m_onContact(m_contact);
    }
    m_cells.clear();
    m_text.clear();
    m_nHeld = 0;
    m_bTooLong = false;
}

bool CCsvReader::Finish(std::string& strError)
{
    if (m_bHeaderTooLong) {
        strError = ConvertText::Tr("its header row is longer than %1 KiB", {std::to_string(kMaxHeader / 1024)});
        return false;
    }
    if (!m_pTokenizer && !m_header.empty())
        StartRows();
    if (m_pTokenizer)
        m_pTokenizer->Finish();
    if (m_bInHeaderRow || !m_headerCells.empty() || !m_columns.HasAny()) {
        strError = ConvertText::Tr("it has no header row");
        return false;
    }
    return true;
}

std::string_view CCsvReader::Text(const Cell& cell) const
{
    return std::string_view(m_text).substr(cell.nStart, cell.nLength);
}

// The text of the cell in column nColumn of the row; empty when it has none.
std::string_view CCsvReader::TextAt(int nColumn) const
{
    const auto found = std::lower_bound(m_cells.begin(), m_cells.end(), static_cast<size_t>(nColumn),
        [](const Cell& cell, size_t n) { return cell.nColumn < n; });
    return found != m_cells.end() && found->nColumn == static_cast<size_t>(nColumn) ? Text(*found) : std::string_view();
}

std::string_view CCsvReader::FirstOf(ECsvColumn kind) const
{
    for (const Cell& cell : m_cells)
        if (cell.pColumn && cell.pColumn->kind == kind)
            return Text(cell);
    return {};
}

// The name a moved value goes under: its column's, with the kind the
// neighbouring type column gives ("Phone 1 - Value" typed Mobile: "Phone (Mobile)").
std::string CCsvReader::Label(const CCsvColumn& column) const
{
    std::string_view type = column.nTypeColumn >= 0 ? Trimmed(TextAt(column.nTypeColumn)) : std::string_view();
    if (type.substr(0, 2) == "* ")
        type.remove_prefix(2);
    if (type.empty())
        return column.strHeader;
    std::string group = column.strHeader.substr(0, column.strHeader.rfind(" - "));
    while (!group.empty() && ((group.back() >= '0' && group.back() <= '9') || group.back() == ' '))
        group.pop_back();
    return group + " (" + std::string(type) + ")";
}

void CCsvReader::TakeName()
{
    static const ECsvColumn kParts[]
        = {ECsvColumn::kPrefix, ECsvColumn::kGiven, ECsvColumn::kMiddle, ECsvColumn::kFamily, ECsvColumn::kSuffix};
    std::string parts;   // separated by ';'
    std::string joined;
    for (const ECsvColumn kind : kParts) {
        const std::string_view part = Trimmed(FirstOf(kind));
        if (part.empty())
            continue;
        parts.append(part).append(";");
        if (!joined.empty())
            joined += ' ';
        joined += part;
    }
    m_contact.m_strName = FirstOf(ECsvColumn::kName);
    if (m_contact.m_strName.empty())
        m_contact.m_strName = joined;
    else if (!NameHoldsEveryPart(m_contact.m_strName, parts))
        m_contact.MoveToMisc("Name", joined);
    if (m_contact.m_strName.empty()) {
        m_contact.m_strName = FirstOf(ECsvColumn::kCompany);
        m_bCompanyIsName = !m_contact.m_strName.empty();
    }
}

void CCsvReader::TakeNumbers()
{
    std::vector<CNumber> numbers;
    for (const Cell& cell : m_cells) {
        const CCsvColumn* pColumn = cell.pColumn;
        if (!pColumn
            || (pColumn->kind != ECsvColumn::kMainPhone && pColumn->kind != ECsvColumn::kPhone
                && pColumn->kind != ECsvColumn::kPager))
            continue;
        const std::string label = Label(*pColumn);
        const bool bPager = pColumn->kind == ECsvColumn::kPager || ContainsNoCase(label, "(pager)");
        // A fax number ("Phone 1 - Type" saying "Work Fax") is no phone to call.
        const bool bFax = !bPager && ContainsNoCase(label, "fax");
        for (std::string& value : ValuesOf(Text(cell), pColumn->bGrouped)) {
            if (bFax)
                m_contact.MoveToMisc(label, value);
            else
                numbers.push_back({std::move(value), label, pColumn->kind == ECsvColumn::kMainPhone, bPager});
        }
    }
    ChooseNumbers(numbers, m_contact);
}

void CCsvReader::TakeTheOthers()
{
    unsigned kindsSeen = 0;   // the first cell of each kind went into a field or the name
    for (const Cell& cell : m_cells) {
        const std::string_view text = Text(cell);
        const CCsvColumn* pColumn = cell.pColumn;
        if (!pColumn) {
            if (!Trimmed(text).empty())
                m_contact.MoveToMisc("Column " + std::to_string(cell.nColumn + 1), std::string(text));
            continue;
        }
        const unsigned kindBit = 1u << static_cast<unsigned>(pColumn->kind);
        const bool bFirstOfKind = (kindsSeen & kindBit) == 0;
        kindsSeen |= kindBit;
        TakeOther(*pColumn, text, bFirstOfKind);
    }
}

void CCsvReader::TakeOther(const CCsvColumn& column, std::string_view text, bool bFirstOfKind)
{
    // The five fields keep a value exactly as written; anything moved to
    // misc is worth a place only when it says something.
    if (column.kind == ECsvColumn::kEmail)
        TakeEmail(column, text);
    else if (column.kind == ECsvColumn::kNote)
        TakeNote(column, text);
    else if (!Trimmed(text).empty() && Trimmed(text) != column.strDefault)
        TakeIntoMisc(column, text, bFirstOfKind);
}

// The first address is the e-mail; every later one moves to misc.
void CCsvReader::TakeEmail(const CCsvColumn& column, std::string_view text)
{
    for (std::string& address : ValuesOf(text, column.bGrouped)) {
        if (m_contact.m_strEmail.empty())
            m_contact.m_strEmail = std::move(address);
        else
            m_contact.MoveToMisc(Label(column), address);
    }
}

void CCsvReader::TakeNote(const CCsvColumn& column, std::string_view text)
{
    if (m_contact.m_strNote.empty())
        m_contact.m_strNote = text;
    else
        m_contact.MoveToMisc(column.strHeader, std::string(text));
}

// A value with no field of its own: into misc, unless the name holds it
// already; a bookkeeping value is named as left out.
void CCsvReader::TakeIntoMisc(const CCsvColumn& column, std::string_view text, bool bFirstOfKind)
{
    switch (column.kind) {
    case ECsvColumn::kCompany:
        if (!m_bCompanyIsName || !bFirstOfKind)
            m_contact.MoveToMisc(Label(column), std::string(text));
        break;
    case ECsvColumn::kGiven:
    case ECsvColumn::kMiddle:
    case ECsvColumn::kFamily:
    case ECsvColumn::kPrefix:
    case ECsvColumn::kSuffix:
        // The first of each kind made the name or was compared with it.
        if (!bFirstOfKind)
            m_contact.MoveToMisc(Label(column), std::string(text));
        break;
    case ECsvColumn::kName:
        if (text != m_contact.m_strName)
            m_contact.MoveToMisc(column.strHeader, std::string(text));
        break;
    case ECsvColumn::kBookkeeping: m_contact.LeaveOut({"%1 = %2", {column.strHeader, std::string(text)}}); break;
    case ECsvColumn::kOther:
        // Street, city, ... repeat the formatted address when there is one.
        if (column.nFormattedColumn < 0 || Trimmed(TextAt(column.nFormattedColumn)).empty())
            m_contact.MoveToMisc(Label(column), std::string(text));
        break;
    default: break;   // the numbers are taken already
    }
}

void CCsvReader::MapRow()
{
    m_bCompanyIsName = false;
    TakeName();
    TakeNumbers();
    TakeTheOthers();
}
