#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "convert/ConvertCommand.h"
#include "vcard/DirectoryText.h"
#include "data/DirectoryWriter.h"
#include "tests/support/TestRecord.h"

// What one run of the command gave.
struct RunResult
{
    int nStatus;
    std::string out;
    std::string err;
};

inline RunResult RunConvert(const std::vector<std::string>& args, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out, err;
    const int nStatus = CConvertCommand::Run(args, in, out, err);
    return {nStatus, out.str(), err.str()};
}

// The records of a directory file, as UTF-8 text, read the way the window reads them.
inline std::vector<TestRecord> DirectoryRecordsAsUtf8(const std::string& path)
{
    CRecordList list;
    list.LoadFile(path.c_str());
    if (list.m_pHead->m_fields.strName.IsEmpty() && list.IsAtLast())
        return {};
    std::vector<TestRecord> records;
    for (TestRecord& r : WalkRecords(list)) {
        records.push_back({CDirectoryText::ToUtf8(CString(r.name)), CDirectoryText::ToUtf8(CString(r.phone)),
            CDirectoryText::ToUtf8(CString(r.pager)), CDirectoryText::ToUtf8(CString(r.email)),
            CDirectoryText::ToUtf8(CString(r.misc))});
    }
    return records;
}

// Writes the records as a directory file byte for byte, so that a record
// with an empty name stays one (Append would fill it with the next record).
inline void SaveDirectory(const std::string& path, const std::vector<TestRecord>& records)
{
    if (records.empty()) {
        CRecordList blank;
        blank.Reset();
        blank.SaveFile(path.c_str());
        return;
    }
    CDirectoryWriter writer(0, static_cast<int>(records.size()));
    for (const TestRecord& r : records)
        writer.WriteRecord(ToFields(r));
    WriteFileBytes(path, writer.Bytes());
}
