#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// What a CSV column holds, decided once from its header.
enum class ECsvColumn
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

struct CCsvColumn
{
    size_t nIndex = 0;
    std::string strHeader;   // trimmed, as written
    ECsvColumn kind = ECsvColumn::kOther;
    bool bGrouped = false;   // "Phone 1 - Value": several values split by " ::: "
    int nTypeColumn = -1;   // the column naming this one's kind, if any
    int nFormattedColumn = -1;   // a column that repeats this one's part of an address, if any
    std::string strDefault;   // a value some programs fill in for "nothing"
};

// The columns of a CSV header, matched by name ignoring case, for this
// program's own export and the usual exports of address books (see the
// README). Only columns with a header are kept, in column order; a cell of
// any other column is read as "Column N".
class CCsvColumns
{
public:
    // The header's non-empty cells with their column numbers, in order.
    void Classify(const std::vector<std::pair<size_t, std::string>>& header);

    // The column numbered nIndex; nullptr when it has no header.
    const CCsvColumn* Find(size_t nIndex) const;
    bool HasAny() const { return !m_columns.empty(); }

private:
    std::vector<CCsvColumn> m_columns;
};
