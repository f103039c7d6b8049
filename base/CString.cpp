#include "base/CString.h"

#include <utility>

namespace {

// White space as the C locale knows it, tested on the byte itself so that
// bytes above 0x7F are never taken for white space.
bool IsWhiteSpace(char ch)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

CString::StringLookup g_stringTable = nullptr;

} // namespace

void CString::SetStringTable(StringLookup lookup)
{
    g_stringTable = lookup;
}

BOOL CString::LoadString(UINT nID)
{
    const char* text = g_stringTable ? g_stringTable(nID) : nullptr;
    *this = CString(text ? text : "");
    return text ? TRUE : FALSE;
}

CString::CString(const char* psz)
    : m_bytes(psz ? psz : "")
{
}

CString::CString(const char* pch, int nLength)
    : m_bytes(pch && nLength > 0 ? std::string(pch, static_cast<size_t>(nLength)) : std::string())
{
}

CString::CString(std::string bytes)
    : m_bytes(std::move(bytes))
{
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex >= 0 && nIndex < GetLength())
        m_bytes[static_cast<size_t>(nIndex)] = ch;
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength())
        return -1;
    const size_t pos = m_bytes.find(ch, static_cast<size_t>(nStart));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

void CString::TrimLeft()
{
    size_t first = 0;
    while (first < m_bytes.size() && IsWhiteSpace(m_bytes[first]))
        ++first;
    m_bytes.erase(0, first);
}

void CString::TrimRight()
{
    size_t end = m_bytes.size();
    while (end > 0 && IsWhiteSpace(m_bytes[end - 1]))
        --end;
    m_bytes.erase(end);
}

CString& CString::operator+=(char ch)
{
    m_bytes.push_back(ch);
    return *this;
}

CString& CString::operator+=(const CString& str)
{
    m_bytes += str.m_bytes;
    return *this;
}

CString& CString::operator+=(const char* psz)
{
    if (psz)
        m_bytes += psz;
    return *this;
}
