#pragma once

// Writes a directory file of short names, notes, phones and e-mail
// addresses straight to disk, a chunk at a time, so that making the file
// adds nothing to the memory a benchmark measures afterwards.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "data/DirectoryWriter.h"
#include "data/RecordFields.h"

namespace SampleDirectory {

inline CRecordFields Record(int i)
{
    const std::string n = std::to_string(i);
    return {CString("Name " + n), CString("555 " + n), CString(""), CString("person" + n + "@example.org"),
        CString("a note")};
}

// Writes nRecords records (none: the empty directory) to pszFileName.
inline void Write(const char* pszFileName, int nRecords)
{
    std::FILE* file = std::fopen(pszFileName, "wb");
    if (!file)
        std::abort();
    CDirectoryWriter writer(0, nRecords == 0 ? 1 : nRecords,
        [file](const char* pBytes, size_t nLength) { return std::fwrite(pBytes, 1, nLength, file) == nLength; });
    if (nRecords == 0)
        writer.WriteRecord(CRecordFields());
    for (int i = 0; i < nRecords; ++i)
        writer.WriteRecord(Record(i));
    if (!writer.Finish() || std::fclose(file) != 0)
        std::abort();
}

}   // namespace SampleDirectory
