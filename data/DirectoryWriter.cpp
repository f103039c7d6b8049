#include "data/DirectoryWriter.h"

#include "data/DirectoryFormat.h"

CDirectoryWriter::CDirectoryWriter(int nReserved, int nRecordCount)
{
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
    for (char ch : strField.Bytes())
        m_bytes += ch == ' ' ? DirectoryFormat::kSpaceSubstitute : ch;
    m_bytes += DirectoryFormat::kFieldTerminator;
}
