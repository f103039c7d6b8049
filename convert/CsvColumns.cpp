#include "convert/CsvColumns.h"

#include <algorithm>
#include <map>
#include <set>

#include "vcard/AsciiText.h"

namespace {

bool Contains(const std::string& text, std::string_view part)
{
    return text.find(part) != std::string::npos;
}

bool EndsWith(const std::string& text, std::string_view suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool IsOneOf(const std::string& header, std::initializer_list<const char*> names)
{
    return std::any_of(names.begin(), names.end(), [&](const char* name) { return header == name; });
}

ECsvColumn ClassifyHeader(const std::string& header)
{
    if (IsOneOf(header, {"name", "full name", "display name"}))
        return ECsvColumn::kName;
    if (IsOneOf(header, {"first name", "given name"}))
        return ECsvColumn::kGiven;
    if (IsOneOf(header, {"middle name", "additional name"}))
        return ECsvColumn::kMiddle;
    if (IsOneOf(header, {"last name", "family name", "surname"}))
        return ECsvColumn::kFamily;
    if (IsOneOf(header, {"name prefix"}))
        return ECsvColumn::kPrefix;
    if (IsOneOf(header, {"suffix", "name suffix"}))
        return ECsvColumn::kSuffix;
    if (IsOneOf(header, {"company", "organization", "organisation", "organization name", "organization 1 - name"}))
        return ECsvColumn::kCompany;
    if (IsOneOf(header, {"phone", "primary phone", "telephone"}))
        return ECsvColumn::kMainPhone;
    if (IsOneOf(header, {"pager", "pager number"}))
        return ECsvColumn::kPager;
    if (IsOneOf(header, {"note", "notes"}))
        return ECsvColumn::kNote;
    if (EndsWith(header, " - type"))
        return ECsvColumn::kTypeOfNeighbour;
    if (IsOneOf(header, {"group membership", "labels", "photo"}))
        return ECsvColumn::kBookkeeping;
    if (Contains(header, "e-mail") || Contains(header, "email"))
        return Contains(header, "type") || Contains(header, "display name") ? ECsvColumn::kBookkeeping
                                                                            : ECsvColumn::kEmail;
    if ((Contains(header, "phone") || Contains(header, "mobile")) && !Contains(header, "fax"))
        return ECsvColumn::kPhone;
    return ECsvColumn::kOther;
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

}   // namespace

void CCsvColumns::Classify(const std::vector<std::pair<size_t, std::string>>& header)
{
    m_columns.clear();
    std::vector<std::string> lowerHeaders;
    for (const auto& [nIndex, cell] : header) {
        CCsvColumn column;
        column.nIndex = nIndex;
        column.strHeader = Trimmed(cell);
        if (column.strHeader.empty())
            continue;
        lowerHeaders.push_back(Lower(column.strHeader));
        const std::string& lower = lowerHeaders.back();
        column.kind = ClassifyHeader(lower);
        column.strDefault = DefaultValueOf(lower);
        column.bGrouped = Contains(lower, " - ");
        m_columns.push_back(std::move(column));
    }
    // Grouped columns ("Address 1 - Formatted", "Address 1 - Street", ...,
    // "Address 1 - Type"): the type labels the group's values, and a
    // formatted address makes the separate parts repeat it.
    std::map<std::string, int> typeColumns, formattedColumns;
    std::set<int> usedTypeColumns;
    for (size_t i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].kind == ECsvColumn::kTypeOfNeighbour)
            typeColumns[GroupOf(lowerHeaders[i])] = static_cast<int>(m_columns[i].nIndex);
        else if (EndsWith(lowerHeaders[i], " - formatted"))
            formattedColumns[GroupOf(lowerHeaders[i])] = static_cast<int>(m_columns[i].nIndex);
    }
    for (size_t i = 0; i < m_columns.size(); ++i) {
        CCsvColumn& column = m_columns[i];
        if (!column.bGrouped || column.kind == ECsvColumn::kTypeOfNeighbour)
            continue;
        const std::string group = GroupOf(lowerHeaders[i]);
        if (const auto type = typeColumns.find(group); type != typeColumns.end()) {
            column.nTypeColumn = type->second;
            usedTypeColumns.insert(type->second);
        }
        if (const auto formatted = formattedColumns.find(group);
            formatted != formattedColumns.end() && formatted->second != static_cast<int>(column.nIndex))
            column.nFormattedColumn = formatted->second;
    }
    // A type column that labels no value is a value of its own.
    for (CCsvColumn& column : m_columns)
        if (column.kind == ECsvColumn::kTypeOfNeighbour && !usedTypeColumns.count(static_cast<int>(column.nIndex)))
            column.kind = ECsvColumn::kOther;
}

const CCsvColumn* CCsvColumns::Find(size_t nIndex) const
{
    const auto found = std::lower_bound(m_columns.begin(), m_columns.end(), nIndex,
        [](const CCsvColumn& column, size_t n) { return column.nIndex < n; });
    return found != m_columns.end() && found->nIndex == nIndex ? &*found : nullptr;
}
