#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "base/CString.h"
#include "data/RecordFields.h"

// Builds the bytes of a directory file: the header integer, the separator,
// the record count, then five terminated fields per record, with every
// space inside a field written as the space substitute.
//
// The count is read back as a decimal number with nothing after it, so a
// first name that begins with a digit would merge into it. Such a name gets
// one space byte in front, which the reader skips; every other file is
// exactly the bytes above.
//
// The bytes are either all collected (Bytes()) or handed to a sink a chunk
// at a time as they are made, so that writing a large directory to a file
// never holds the whole file in memory.
class CDirectoryWriter
{
public:
    // Takes the next nLength bytes; false when they could not all be taken.
    using Sink = std::function<bool(const char* pBytes, size_t nLength)>;

    // Collects every byte; nExpectedSize, when known, saves regrowing the
    // buffer as it fills.
    CDirectoryWriter(int nReserved, int nRecordCount, size_t nExpectedSize = 0);
    // Hands the bytes to sink. Once the sink has refused some, nothing more
    // is handed on.
    CDirectoryWriter(int nReserved, int nRecordCount, Sink sink);

    // Writes the fields in the file's order (name, misc, phone, pager,
    // email). Returns whether a field holds the space substitute itself: it
    // is written as it is, and so reads back as a space.
    bool WriteRecord(const CRecordFields& fields);

    // Hands the last bytes to the sink; true when it took every byte.
    bool Finish();

    // Every byte written (without a sink); the writer is done with them.
    std::string& Bytes();

private:
    void WriteHeader(int nReserved, int nRecordCount);
    bool WriteField(const CString& strField);
    void HandOn();
    char* MakeRoom(size_t nLength);
    void Write(std::string_view text);

    std::string m_bytes;
    size_t m_nUsed = 0;
    Sink m_sink;
    bool m_bSinkFailed = false;
    bool m_bFirstRecord = true;
};
