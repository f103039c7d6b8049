#include "convert/CsvReader.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string_view>

#include "convert/AsciiText.h"
#include "convert/Charset.h"

namespace {

using Row = std::vector<std::string>;

bool Contains(const std::string& text, std::string_view part)
{
    return text.find(part) != std::string::npos;
}

bool EndsWith(const std::string& text, std::string_view suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The separator the header row uses most: comma, semicolon or tab.
char FindSeparator(std::string_view text)
{
    int nComma = 0, nSemicolon = 0, nTab = 0;
    bool bQuoted = false;
    for (const char ch : text) {
        if (ch == '"')
            bQuoted = !bQuoted;
        else if (!bQuoted && (ch == '\n' || ch == '\r'))
            break;
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

// Splits CSV text into rows of cells. A quote at the start of a cell opens a
// quoted stretch, in which "" is one quote; a quote elsewhere is itself, and
// text after a closing quote is kept. A quoted stretch left open runs to the
// end of the text.
std::vector<Row> ParseRows(std::string_view text, char separator)
{
    std::vector<Row> rows;
    Row row;
    std::string cell;
    bool bQuoted = false;
    bool bRowStarted = false;
    bool bAtCellStart = true;
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        const bool bCellStart = bAtCellStart;
        bAtCellStart = false;
        bRowStarted = true;
        if (bQuoted) {
            if (ch == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (ch == '"') {
                bQuoted = false;
            } else {
                cell += ch;
            }
        } else if (ch == '"' && bCellStart) {
            bQuoted = true;
        } else if (ch == separator) {
            row.push_back(std::move(cell));
            cell.clear();
            bAtCellStart = true;
        } else if (ch == '\r' || ch == '\n') {
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            row.push_back(std::move(cell));
            cell.clear();
            rows.push_back(std::move(row));
            row.clear();
            bRowStarted = false;
            bAtCellStart = true;
        } else {
            cell += ch;
        }
    }
    if (bRowStarted) {
        row.push_back(std::move(cell));
        rows.push_back(std::move(row));
    }
    return rows;
}

enum class EColumn
{
    kName,
    kGiven,
    kMiddle,
    kFamily,
    kPrefix,
    kSuffix,
    kCompany,
    kMainPhone,   // this program's phone column, or a primary phone
    kPhone,
    kPager,
    kEmail,
    kNote,
    kTypeOfNeighbour,   // "Phone 1 - Type" names the kind of "Phone 1 - Value"
    kBookkeeping,   // of no use in a directory: left out, named in the report
    kOther,   // moved to misc under its name
};

struct Column
{
    std::string strHeader;
    EColumn kind = EColumn::kOther;
    int nTypeColumn = -1;   // the column naming this one's kind, if any
    int nFormattedColumn = -1;   // a column that repeats this one's part of an address, if any
    std::string strDefault;   // a value some programs fill in for "nothing"
};

bool IsOneOf(const std::string& header, std::initializer_list<const char*> names)
{
    return std::any_of(names.begin(), names.end(), [&](const char* name) { return header == name; });
}

bool MentionsEmail(const std::string& header)
{
    return Contains(header, "e-mail") || Contains(header, "email");
}

EColumn ClassifyHeader(const std::string& header)
{
    if (IsOneOf(header, {"name", "full name", "display name"}))
        return EColumn::kName;
    if (IsOneOf(header, {"first name", "given name"}))
        return EColumn::kGiven;
    if (IsOneOf(header, {"middle name", "additional name"}))
        return EColumn::kMiddle;
    if (IsOneOf(header, {"last name", "family name", "surname"}))
        return EColumn::kFamily;
    if (IsOneOf(header, {"name prefix"}))
        return EColumn::kPrefix;
    if (IsOneOf(header, {"suffix", "name suffix"}))
        return EColumn::kSuffix;
    if (IsOneOf(header, {"company", "organization", "organisation", "organization name", "organization 1 - name"}))
        return EColumn::kCompany;
    if (IsOneOf(header, {"phone", "primary phone", "telephone"}))
        return EColumn::kMainPhone;
    if (IsOneOf(header, {"pager", "pager number"}))
        return EColumn::kPager;
    if (IsOneOf(header, {"note", "notes"}))
        return EColumn::kNote;
    if (EndsWith(header, " - type"))
        return EColumn::kTypeOfNeighbour;
    if (IsOneOf(header, {"group membership", "labels", "photo"}))
        return EColumn::kBookkeeping;
    if (MentionsEmail(header))
        return Contains(header, "type") || Contains(header, "display name") ? EColumn::kBookkeeping : EColumn::kEmail;
    if ((Contains(header, "phone") || Contains(header, "mobile")) && !Contains(header, "fax"))
        return EColumn::kPhone;
    return EColumn::kOther;
}

const char* DefaultValueOf(const std::string& header)
{
    static const std::map<std::string, const char*> kDefaults = {
        {"gender", "Unspecified"},
        {"priority", "Normal"},
        {"sensitivity", "Normal"},
        {"private", "False"},
        {"birthday", "0/0/00"},
        {"anniversary", "0/0/00"},
    };
    const auto found = kDefaults.find(header);
    return found == kDefaults.end() ? "" : found->second;
}

// The part of "Phone 1 - Value" before " - ", or the whole header.
std::string GroupOf(const std::string& header)
{
    const size_t nDash = header.rfind(" - ");
    return nDash == std::string::npos ? header : header.substr(0, nDash);
}

std::vector<Column> ClassifyColumns(const Row& header)
{
    std::vector<Column> columns;
    for (const std::string& cell : header) {
        Column column;
        column.strHeader = Trimmed(cell);
        const std::string lower = Lower(column.strHeader);
        column.kind = ClassifyHeader(lower);
        column.strDefault = DefaultValueOf(lower);
        columns.push_back(std::move(column));
    }
    // Grouped columns ("Address 1 - Formatted", "Address 1 - Street", ...,
    // "Address 1 - Type"): the type labels the group's values, and a
    // formatted address makes the separate parts repeat it.
    std::map<std::string, int> typeColumns, formattedColumns;
    for (size_t i = 0; i < columns.size(); ++i) {
        const std::string lower = Lower(columns[i].strHeader);
        if (columns[i].kind == EColumn::kTypeOfNeighbour)
            typeColumns[GroupOf(lower)] = static_cast<int>(i);
        else if (EndsWith(lower, " - formatted"))
            formattedColumns[GroupOf(lower)] = static_cast<int>(i);
    }
    for (size_t i = 0; i < columns.size(); ++i) {
        const std::string lower = Lower(columns[i].strHeader);
        if (!Contains(lower, " - ") || columns[i].kind == EColumn::kTypeOfNeighbour)
            continue;
        const std::string group = GroupOf(lower);
        if (typeColumns.count(group))
            columns[i].nTypeColumn = typeColumns[group];
        if (formattedColumns.count(group) && formattedColumns[group] != static_cast<int>(i))
            columns[i].nFormattedColumn = formattedColumns[group];
    }
    return columns;
}

bool CanGiveName(const Column& column)
{
    switch (column.kind) {
    case EColumn::kName:
    case EColumn::kGiven:
    case EColumn::kMiddle:
    case EColumn::kFamily:
    case EColumn::kCompany: return true;
    default: return false;
    }
}

// The values of a cell. Grouped columns ("Phone 1 - Value") may hold several,
// split by " ::: "; any other cell is one value, exactly as written.
std::vector<std::string> ValuesOf(const std::string& cell, bool bGrouped)
{
    if (!bGrouped)
        return cell.empty() ? std::vector<std::string>{} : std::vector<std::string>{cell};
    std::vector<std::string> values;
    size_t nStart = 0;
    for (;;) {
        const size_t nSplit = cell.find(" ::: ", nStart);
        const std::string value(Trimmed(std::string_view(cell).substr(nStart, nSplit - nStart)));
        if (!value.empty())
            values.push_back(value);
        if (nSplit == std::string::npos)
            return values;
        nStart = nSplit + 5;
    }
}

bool IsGrouped(const Column& column)
{
    return column.strHeader.find(" - ") != std::string::npos;
}

struct Number
{
    std::string strValue;
    std::string strLabel;
    bool bMain = false;
    bool bPager = false;
};

class RowReader
{
public:
    RowReader(const std::vector<Column>& columns, const Row& row, int nNumber);
    CContact Read();

private:
    const std::string& Cell(size_t nColumn) const;
    std::string Label(size_t nColumn) const;
    std::string FirstOf(EColumn kind) const;
    void TakeName();
    void TakeNumbers();
    void TakeRest();

    const std::vector<Column>& m_columns;
    const Row& m_row;
    CContact m_contact;
    bool m_bCompanyIsName = false;
    bool m_bNameColumnUsed = false;
};

RowReader::RowReader(const std::vector<Column>& columns, const Row& row, int nNumber)
    : m_columns(columns)
    , m_row(row)
{
    m_contact.m_nNumber = nNumber;
}

const std::string& RowReader::Cell(size_t nColumn) const
{
    static const std::string kEmpty;
    return nColumn < m_row.size() ? m_row[nColumn] : kEmpty;
}

// The name a moved value goes under: its column's, with the kind the
// neighbouring type column gives ("Phone 1 - Value" typed Mobile: "Phone (Mobile)").
std::string RowReader::Label(size_t nColumn) const
{
    const Column& column = m_columns[nColumn];
    std::string type(column.nTypeColumn >= 0 ? Trimmed(Cell(static_cast<size_t>(column.nTypeColumn))) : "");
    if (type.rfind("* ", 0) == 0)
        type.erase(0, 2);
    if (type.empty())
        return column.strHeader;
    std::string group = column.strHeader.substr(0, column.strHeader.rfind(" - "));
    while (!group.empty() && (std::isdigit(static_cast<unsigned char>(group.back())) || group.back() == ' '))
        group.pop_back();
    return group + " (" + type + ")";
}

std::string RowReader::FirstOf(EColumn kind) const
{
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].kind == kind && !Cell(i).empty())
            return Cell(i);
    return "";
}

void RowReader::TakeName()
{
    m_contact.m_strName = FirstOf(EColumn::kName);
    m_bNameColumnUsed = !m_contact.m_strName.empty();
    if (m_contact.m_strName.empty()) {
        for (EColumn kind : {EColumn::kPrefix, EColumn::kGiven, EColumn::kMiddle, EColumn::kFamily, EColumn::kSuffix}) {
            const std::string part(Trimmed(FirstOf(kind)));
            if (part.empty())
                continue;
            if (!m_contact.m_strName.empty())
                m_contact.m_strName += ' ';
            m_contact.m_strName += part;
        }
    }
    if (m_contact.m_strName.empty()) {
        m_contact.m_strName = FirstOf(EColumn::kCompany);
        m_bCompanyIsName = !m_contact.m_strName.empty();
    }
}

void RowReader::TakeNumbers()
{
    std::vector<Number> numbers;
    for (size_t i = 0; i < m_columns.size(); ++i) {
        const EColumn kind = m_columns[i].kind;
        if (kind != EColumn::kMainPhone && kind != EColumn::kPhone && kind != EColumn::kPager)
            continue;
        const std::string label = Label(i);
        for (std::string& value : ValuesOf(Cell(i), IsGrouped(m_columns[i])))
            numbers.push_back({std::move(value), label, kind == EColumn::kMainPhone,
                kind == EColumn::kPager || Lower(label).find("(pager)") != std::string::npos});
    }
    const Number* pPager = nullptr;
    const Number* pPhone = nullptr;
    for (const Number& number : numbers) {
        if (number.bPager && !pPager)
            pPager = &number;
        else if (!number.bPager && number.bMain && (!pPhone || !pPhone->bMain))
            pPhone = &number;
        else if (!number.bPager && !pPhone)
            pPhone = &number;
    }
    for (const Number& number : numbers) {
        if (&number == pPager)
            m_contact.m_strPager = number.strValue;
        else if (&number == pPhone)
            m_contact.m_strPhone = number.strValue;
        else
            m_contact.MoveToMisc(number.strLabel, number.strValue);
    }
}

void RowReader::TakeRest()
{
    for (size_t i = 0; i < m_columns.size(); ++i) {
        const Column& column = m_columns[i];
        const std::string& cell = Cell(i);
        if (cell.empty())
            continue;
        // The five fields keep a value exactly as written; anything moved to
        // misc is worth a place only when it says something.
        const bool bOwnField = column.kind == EColumn::kEmail || column.kind == EColumn::kNote;
        if (!bOwnField && (Trimmed(cell).empty() || Trimmed(cell) == column.strDefault))
            continue;
        switch (column.kind) {
        case EColumn::kEmail:
            for (const std::string& address : ValuesOf(cell, IsGrouped(column))) {
                if (m_contact.m_strEmail.empty())
                    m_contact.m_strEmail = address;
                else
                    m_contact.MoveToMisc(Label(i), address);
            }
            break;
        case EColumn::kNote:
            if (m_contact.m_strNote.empty())
                m_contact.m_strNote = cell;
            else
                m_contact.MoveToMisc(column.strHeader, cell);
            break;
        case EColumn::kCompany:
            if (!m_bCompanyIsName)
                m_contact.MoveToMisc(Label(i), cell);
            break;
        case EColumn::kGiven:
        case EColumn::kMiddle:
        case EColumn::kFamily:
        case EColumn::kPrefix:
        case EColumn::kSuffix:
            // Parts of the name repeat it when a name column gave it; else they made it.
            break;
        case EColumn::kName:
            if (cell != m_contact.m_strName)
                m_contact.MoveToMisc(column.strHeader, cell);
            break;
        case EColumn::kBookkeeping: m_contact.m_leftOut.push_back(column.strHeader); break;
        case EColumn::kOther:
            // Street, city, ... repeat the formatted address when there is one.
            if (column.nFormattedColumn < 0 || Trimmed(Cell(static_cast<size_t>(column.nFormattedColumn))).empty())
                m_contact.MoveToMisc(Label(i), cell);
            break;
        default: break;
        }
    }
    for (size_t i = m_columns.size(); i < m_row.size(); ++i)
        if (!Trimmed(m_row[i]).empty())
            m_contact.MoveToMisc("Column " + std::to_string(i + 1), m_row[i]);
}

CContact RowReader::Read()
{
    TakeName();
    TakeNumbers();
    TakeRest();
    return std::move(m_contact);
}

bool IsBlank(const Row& row)
{
    return std::all_of(row.begin(), row.end(), [](const std::string& cell) { return cell.empty(); });
}

}   // namespace

bool CCsvReader::Read(const std::string& bytes, std::vector<CContact>& contacts, std::string& strError)
{
    std::string_view raw(bytes);
    if (raw.substr(0, 3) == "\xEF\xBB\xBF")
        raw.remove_prefix(3);
    const std::string text = CCharset::DecodeUndeclared(std::string(raw));

    const std::vector<Row> rows = ParseRows(text, FindSeparator(text));
    if (rows.empty() || IsBlank(rows.front())) {
        strError = "it has no header row";
        return false;
    }
    const std::vector<Column> columns = ClassifyColumns(rows.front());
    if (std::none_of(columns.begin(), columns.end(), CanGiveName)) {
        strError = "no column of its header gives a name (see the README for the headers understood)";
        return false;
    }
    int nNumber = 0;
    for (size_t i = 1; i < rows.size(); ++i) {
        if (IsBlank(rows[i]))
            continue;
        contacts.push_back(RowReader(columns, rows[i], ++nNumber).Read());
    }
    return true;
}
