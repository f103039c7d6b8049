#include "data/DirectoryWriter.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

#include "data/DirectoryFormat.h"

namespace {

// A sink gets the bytes in runs of about this size.
constexpr size_t kChunkSize = 256 * 1024;

}   // namespace

CDirectoryWriter::CDirectoryWriter(int nReserved, int nRecordCount, size_t nExpectedSize)
{
    m_bytes.reserve(nExpectedSize);
    WriteHeader(nReserved, nRecordCount);
}

CDirectoryWriter::CDirectoryWriter(int nReserved, int nRecordCount, Sink sink)
    : m_sink(std::move(sink))
{
    m_bytes.reserve(kChunkSize + kChunkSize / 4);
    WriteHeader(nReserved, nRecordCount);
}

void CDirectoryWriter::WriteHeader(int nReserved, int nRecordCount)
{
    m_bytes += std::to_string(nReserved);
    m_bytes += DirectoryFormat::kSpaceSubstitute;
    m_bytes += std::to_string(nRecordCount);
}

void CDirectoryWriter::HandOn()
{
    if (!m_bSinkFailed && !m_bytes.empty() && !m_sink(m_bytes.data(), m_bytes.size()))
        m_bSinkFailed = true;
    m_bytes.clear();
}

bool CDirectoryWriter::Finish()
{
    if (m_sink)
        HandOn();
    return !m_bSinkFailed;
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
    if (m_sink && m_bytes.size() >= kChunkSize)
        HandOn();
}

void CDirectoryWriter::WriteField(const CString& strField)
{
    const size_t nStart = m_bytes.size();
    m_bytes += strField.View();
    std::replace(
        m_bytes.begin() + static_cast<std::ptrdiff_t>(nStart), m_bytes.end(), ' ', DirectoryFormat::kSpaceSubstitute);
    m_bytes += DirectoryFormat::kFieldTerminator;
}
