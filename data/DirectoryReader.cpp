#include "data/DirectoryReader.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "data/DirectoryFormat.h"

using DirectoryFormat::IsDigit;
using DirectoryFormat::IsWhiteSpace;

CDirectoryReader::CDirectoryReader(const std::string& bytes)
    : m_pNext(bytes.data())
    , m_pEnd(bytes.data() + bytes.size())
{
}

void CDirectoryReader::SkipWhiteSpace()
{
    while (m_pNext != m_pEnd && IsWhiteSpace(*m_pNext))
        ++m_pNext;
}

BOOL CDirectoryReader::Fail()
{
    m_bFailed = TRUE;
    return FALSE;
}

BOOL CDirectoryReader::ReadInteger(int& nValue)
{
    if (m_bFailed)
        return FALSE;
    SkipWhiteSpace();
    bool bNegative = false;
    if (m_pNext != m_pEnd && (*m_pNext == '-' || *m_pNext == '+'))
        bNegative = *m_pNext++ == '-';
    if (m_pNext == m_pEnd || !IsDigit(*m_pNext))
        return Fail();

    // Accumulate as a negative number, whose range includes INT_MIN.
    long long nMagnitude = 0;
    for (; m_pNext != m_pEnd && IsDigit(*m_pNext); ++m_pNext)
    {
        nMagnitude = nMagnitude * 10 + (*m_pNext - '0');
        if (nMagnitude > static_cast<long long>(INT_MAX) + 1)
            return Fail();
    }
    if (!bNegative && nMagnitude > INT_MAX)
        return Fail();
    nValue = static_cast<int>(bNegative ? -nMagnitude : nMagnitude);
    return TRUE;
}

BOOL CDirectoryReader::ReadCharacter(char& ch)
{
    if (m_bFailed)
        return FALSE;
    SkipWhiteSpace();
    if (m_pNext == m_pEnd)
        return Fail();
    ch = *m_pNext++;
    return TRUE;
}

BOOL CDirectoryReader::ReadField(CString& strField)
{
    strField.Empty();
    if (m_bFailed)
        return FALSE;
    // Find the terminator first, then copy the field in one pass.
    const void* pFound = std::memchr(m_pNext, DirectoryFormat::kFieldTerminator,
                                     static_cast<size_t>(m_pEnd - m_pNext));
    const char* pFieldEnd = pFound ? static_cast<const char*>(pFound) : m_pEnd;

    // White space inside a field is rare: copy the field whole, and filter
    // it byte by byte only when there is some.
    std::string bytes(m_pNext, pFieldEnd);
    if (std::any_of(bytes.begin(), bytes.end(), IsWhiteSpace))
        bytes.erase(std::remove_if(bytes.begin(), bytes.end(), IsWhiteSpace), bytes.end());
    strField = CString(std::move(bytes));

    if (!pFound)
    {
        m_pNext = m_pEnd;
        return Fail();
    }
    m_pNext = pFieldEnd + 1;
    return TRUE;
}
