#pragma once

#include <string>

#include "base/Types.h"

// An 8-bit counted string with value semantics. It holds bytes exactly as
// given: no character-set conversion ever happens inside it (that is done
// only where text crosses into the window system). Embedded zero bytes are
// kept, though reading it as a plain C string stops at the first one.
class CString
{
public:
    CString() = default;
    CString(const char* psz);                 // NOLINT: implicit like the text literals it stands for
    CString(const char* pch, int nLength);
    explicit CString(std::string bytes);

    int GetLength() const { return static_cast<int>(m_bytes.size()); }
    BOOL IsEmpty() const { return m_bytes.empty() ? TRUE : FALSE; }
    void Empty() { m_bytes.clear(); }

    char GetAt(int nIndex) const { return m_bytes.at(static_cast<size_t>(nIndex)); }
    char operator[](int nIndex) const { return GetAt(nIndex); }
    // Replaces one byte; an index outside the string is ignored rather than
    // writing outside it.
    void SetAt(int nIndex, char ch);

    // Position of the first ch at or after nStart, or -1.
    int Find(char ch, int nStart = 0) const;

    // Remove leading or trailing white space (space, tab, line feed,
    // vertical tab, form feed, carriage return).
    void TrimLeft();
    void TrimRight();

    CString& operator+=(char ch);
    CString& operator+=(const CString& str);
    CString& operator+=(const char* psz);

    // Read as a plain character sequence.
    const char* GetString() const { return m_bytes.c_str(); }
    operator const char*() const { return m_bytes.c_str(); }   // NOLINT: LPCTSTR conversion
    const std::string& Bytes() const { return m_bytes; }

    // Loads a string from the program's string table; FALSE (and an empty
    // string) when the id has no entry or no table has been set.
    BOOL LoadString(UINT nID);
    // Where LoadString looks strings up: the window layer sets it to the
    // program's string table when the application object is created.
    using StringLookup = const char* (*)(UINT nID);
    static void SetStringTable(StringLookup lookup);

    friend bool operator==(const CString& a, const CString& b) { return a.m_bytes == b.m_bytes; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator==(const CString& a, const char* b) { return a.m_bytes == b; }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend CString operator+(CString a, const CString& b) { a += b; return a; }
    friend CString operator+(CString a, const char* b) { a += b; return a; }

private:
    std::string m_bytes;
};
