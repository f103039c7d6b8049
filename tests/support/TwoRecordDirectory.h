#pragma once

#include <string>
#include <vector>

#include "tests/support/FileBytes.h"
#include "tests/support/TestRecord.h"

// The two-record directory: two records under the header integer 12. Its 61
// bytes are kept in tests/data/two-records.dat, which also seeds the
// fuzzer.
inline const std::vector<TestRecord> kTwoRecords = {
    {"Corner Shop", "555 0100", "", "", "Open late"},
    {"Vet", "555 0199", "555 0142", "", ""},
};
constexpr int kTwoRecordsHeader = 12;

inline std::string TwoRecordDirectoryBytes()
{
    return ReadFileBytes(DIALSTACK_SOURCE_DIR "/tests/data/two-records.dat");
}
