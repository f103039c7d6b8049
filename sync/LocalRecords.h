#pragma once

#include <vector>

#include "data/RecordFields.h"

// The directory's named records, in order, as the merge sees them, and
// where each one is in the directory (a record without a name, the blank
// record of an empty directory among them, is never synced).
struct CLocalRecords
{
    std::vector<CRecordFields> records;
    std::vector<int> listIndex;
};
