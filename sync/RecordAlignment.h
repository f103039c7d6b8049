#pragma once

#include <utility>
#include <vector>

#include "data/RecordFields.h"

// Pairs each record as last synced with the record it became. Records keep
// their order in this program (edited in place, deleted anywhere, added at
// the end), so an ordered comparison finds them: records that are equal
// match in order (the longest such sequence), and between two matches the
// records left over on each side are edits of each other where they are
// as many on both sides, else paired by the fields they still share.
// Whatever is left is a deletion (old only) or an addition (new only).
class CRecordAlignment
{
public:
    // Pairs (old index, new index) in the order of both lists; -1 where a
    // record has no partner.
    static std::vector<std::pair<int, int>> Align(
        const std::vector<const CRecordFields*>& oldRecords, const std::vector<const CRecordFields*>& newRecords);
};
