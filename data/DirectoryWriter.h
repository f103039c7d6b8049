#pragma once

#include <cstddef>
#include <string>

#include "base/CString.h"

// Builds the bytes of a directory file: the header integer, the separator,
// the record count, then five terminated fields per record, with every
// space inside a field written as the space substitute.
//
// The count is read back as a decimal number with nothing after it, so a
// first name that begins with a digit would merge into it. Such a name gets
// one space byte in front, which the reader skips; every other file is
// exactly the bytes above.
class CDirectoryWriter
{
public:
    // nExpectedSize, when known, saves regrowing the buffer as it fills.
    CDirectoryWriter(int nReserved, int nRecordCount, size_t nExpectedSize = 0);

    // Fields in file order.
    void WriteRecord(const CString& strName, const CString& strMisc, const CString& strPhone, const CString& strPager,
        const CString& strEmail);

    std::string& Bytes() { return m_bytes; }

private:
    void WriteField(const CString& strField);

    std::string m_bytes;
    bool m_bFirstRecord = true;
};
