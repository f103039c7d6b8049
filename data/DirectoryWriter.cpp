#include "data/DirectoryWriter.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <utility>

#include "data/DirectoryFormat.h"

using DirectoryFormat::kChunkSize;

CDirectoryWriter::CDirectoryWriter(int nReserved, int nRecordCount, size_t nExpectedSize)
{
    m_bytes.resize(nExpectedSize);
    WriteHeader(nReserved, nRecordCount);
}

CDirectoryWriter::CDirectoryWriter(int nReserved, int nRecordCount, Sink sink)
    : m_sink(std::move(sink))
{
    m_bytes.resize(kChunkSize + kChunkSize / 4);
    WriteHeader(nReserved, nRecordCount);
}

void CDirectoryWriter::WriteHeader(int nReserved, int nRecordCount)
{
    Write(std::to_string(nReserved));
    Write(std::string_view(&DirectoryFormat::kSpaceSubstitute, 1));
    Write(std::to_string(nRecordCount));
}

void CDirectoryWriter::HandOn()
{
    if (!m_bSinkFailed && m_nUsed > 0 && !m_sink(m_bytes.data(), m_nUsed))
        m_bSinkFailed = true;
    m_nUsed = 0;
}

std::string& CDirectoryWriter::Bytes()
{
    m_bytes.resize(m_nUsed);
    return m_bytes;
}

bool CDirectoryWriter::Finish()
{
    if (m_sink)
        HandOn();
    return !m_bSinkFailed;
}

bool CDirectoryWriter::WriteRecord(const CRecordFields& fields)
{
    if (m_bFirstRecord && !fields.strName.IsEmpty() && DirectoryFormat::IsDigit(fields.strName[0]))
        Write(" ");
    m_bFirstRecord = false;

    bool bSubstitute = WriteField(fields.strName);
    bSubstitute |= WriteField(fields.strMisc);
    bSubstitute |= WriteField(fields.strPhone);
    bSubstitute |= WriteField(fields.strPager);
    bSubstitute |= WriteField(fields.strEmail);
    if (m_sink && m_nUsed >= kChunkSize)
        HandOn();
    return bSubstitute;
}

// The buffer's size is its capacity; m_nUsed bytes of it are written.
char* CDirectoryWriter::MakeRoom(size_t nLength)
{
    if (m_bytes.size() - m_nUsed < nLength)
        m_bytes.resize(std::max(m_nUsed + nLength, 2 * m_bytes.size()));
    char* pOut = &m_bytes[m_nUsed];
    m_nUsed += nLength;
    return pOut;
}

void CDirectoryWriter::Write(std::string_view text)
{
    std::memcpy(MakeRoom(text.size()), text.data(), text.size());
}

bool CDirectoryWriter::WriteField(const CString& strField)
{
    const char* const pIn = strField.GetString();
    const size_t nLength = static_cast<size_t>(strField.GetLength());
    char* const pOut = MakeRoom(nLength + 1);
    // Selects and an or, no branches: the compiler can then do many bytes
    // at a time.
    unsigned char nSubstitutes = 0;
    for (size_t i = 0; i < nLength; ++i) {
        const char ch = pIn[i];
        nSubstitutes |= static_cast<unsigned char>(ch == DirectoryFormat::kSpaceSubstitute);
        pOut[i] = ch == ' ' ? DirectoryFormat::kSpaceSubstitute : ch;
    }
    pOut[nLength] = DirectoryFormat::kFieldTerminator;
    return nSubstitutes != 0;
}
