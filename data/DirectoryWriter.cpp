#include "data/DirectoryWriter.h"

#include <algorithm>
#include <cstddef>

#include "data/DirectoryFormat.h"

CDirectoryWriter::CDirectoryWriter(int nReserved, int nRecordCount, size_t nExpectedSize)
{
    m_bytes.reserve(nExpectedSize);
    m_bytes += std::to_string(nReserved);
    m_bytes += DirectoryFormat::kSpaceSubstitute;
    m_bytes += std::to_string(nRecordCount);
}

void CDirectoryWriter::WriteRecord(const CString& strName, const CString& strMisc, const CString& strPhone,
    const CString& strPager, const CString& strEmail)
{
    if (m_bFirstRecord && !strName.IsEmpty() && DirectoryFormat::IsDigit(strName[0]))
        m_bytes += ' ';
    m_bFirstRecord = false;

    WriteField(strName);
    WriteField(strMisc);
    WriteField(strPhone);
    WriteField(strPager);
    WriteField(strEmail);
}

void CDirectoryWriter::WriteField(const CString& strField)
{
    const size_t nStart = m_bytes.size();
    m_bytes += strField.View();
    std::replace(
        m_bytes.begin() + static_cast<std::ptrdiff_t>(nStart), m_bytes.end(), ' ', DirectoryFormat::kSpaceSubstitute);
    m_bytes += DirectoryFormat::kFieldTerminator;
}
