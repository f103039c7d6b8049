#pragma once

#include <vector>

#include "data/RecordList.h"

// Every node's fields, in directory order.
inline std::vector<CRecordFields> AllRecords(const CRecordList& list)
{
    std::vector<CRecordFields> records;
    list.ForEachRecord([&records](const CRecordFields& fields) { records.push_back(fields); });
    return records;
}

// Whether two lists hold the same records, field by field, in the same order.
inline bool SameRecords(const CRecordList& a, const CRecordList& b)
{
    return a.GetCount() == b.GetCount() && AllRecords(a) == AllRecords(b);
}
