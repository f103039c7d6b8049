#pragma once

#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "data/RecordList.h"

// A record with named fields, so that tests never depend on the differing
// argument orders of Append and the file.
struct TestRecord
{
    std::string name, misc, phone, pager, email;

    friend bool operator==(const TestRecord& a, const TestRecord& b)
    {
        return a.name == b.name && a.misc == b.misc && a.phone == b.phone && a.pager == b.pager && a.email == b.email;
    }
    friend std::ostream& operator<<(std::ostream& out, const TestRecord& r)
    {
        return out << '{' << r.name << '|' << r.misc << '|' << r.phone << '|' << r.pager << '|' << r.email << '}';
    }
};

inline void AppendRecord(CRecordList& list, const TestRecord& r)
{
    list.Append(CString(r.name), CString(r.misc), CString(r.pager), CString(r.phone), CString(r.email));
}

inline TestRecord CursorRecord(const CRecordList& list)
{
    return {list.GetName().Bytes(), list.GetMisc().Bytes(), list.GetPhone().Bytes(), list.GetPager().Bytes(),
        list.GetEmail().Bytes()};
}

// Visits the list the way its callers do: SeekTo(0), SeekTo(1), ... until
// IsAtLast().
inline std::vector<TestRecord> WalkRecords(CRecordList& list)
{
    std::vector<TestRecord> records;
    for (int i = 0;; ++i) {
        list.SeekTo(i);
        records.push_back(CursorRecord(list));
        if (list.IsAtLast())
            return records;
    }
}

inline std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}
