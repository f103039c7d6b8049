#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "data/DirectoryFormat.h"
#include "data/RecordList.h"
#include "tests/support/FileBytes.h"

// One record as the tests spell it, its fields in the order the main window
// shows them. Named fields keep the tests clear of the other orders of the
// same five fields (Append's arguments, the file).
struct TestRecord
{
    std::string name, phone, pager, email, misc;

    friend bool operator==(const TestRecord& a, const TestRecord& b)
    {
        return a.name == b.name && a.phone == b.phone && a.pager == b.pager && a.email == b.email && a.misc == b.misc;
    }
    friend std::ostream& operator<<(std::ostream& out, const TestRecord& r)
    {
        return out << '{' << r.name << " | " << r.phone << " | " << r.pager << " | " << r.email << " | " << r.misc
                   << '}';
    }
};

inline CRecordFields ToFields(const TestRecord& r)
{
    return {CString(r.name), CString(r.phone), CString(r.pager), CString(r.email), CString(r.misc)};
}

inline TestRecord ToTestRecord(const CRecordFields& fields)
{
    return {fields.strName.Bytes(), fields.strPhone.Bytes(), fields.strPager.Bytes(), fields.strEmail.Bytes(),
        fields.strMisc.Bytes()};
}

// Through Append's five arguments, as the window's entry dialogs add a record.
inline void AppendRecord(CRecordList& list, const TestRecord& r)
{
    list.Append(CString(r.name), CString(r.misc), CString(r.pager), CString(r.phone), CString(r.email));
}

// Makes list hold records, in order, under the header integer nReserved.
inline void FillList(CRecordList& list, const std::vector<TestRecord>& records, int nReserved = 0)
{
    list.Reset();
    list.m_nReserved = nReserved;
    for (const TestRecord& r : records)
        AppendRecord(list, r);
}

// The record under the list's cursor.
inline TestRecord CursorRecord(const CRecordList& list)
{
    return {list.GetName().Bytes(), list.GetPhone().Bytes(), list.GetPager().Bytes(), list.GetEmail().Bytes(),
        list.GetMisc().Bytes()};
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

// Every node's record through ForEachRecord.
inline std::vector<TestRecord> VisitRecords(const CRecordList& list)
{
    std::vector<TestRecord> records;
    list.ForEachRecord([&records](const CRecordFields& fields) { records.push_back(ToTestRecord(fields)); });
    return records;
}

// The bytes of the directory file that holds records.
inline std::string DirectoryBytes(const std::vector<TestRecord>& records, int nReserved = 0)
{
    CRecordList list;
    FillList(list, records, nReserved);
    std::string bytes;
    list.SaveToBytes(bytes);
    return bytes;
}

// Writes records as the directory file in the working directory.
inline void WriteDirectory(const std::vector<TestRecord>& records, int nReserved = 0)
{
    WriteFileBytes(DirectoryFormat::kDirectoryFileName, DirectoryBytes(records, nReserved));
}
