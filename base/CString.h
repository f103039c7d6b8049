#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/Types.h"

// An 8-bit counted string with value semantics. It holds bytes exactly as
// given: no character-set conversion ever happens inside it (that is done
// only where text crosses into the window system). Embedded zero bytes are
// kept, though reading it as a plain C string stops at the first one.
//
// It takes 16 bytes: up to 15 bytes of text are kept inside the object
// itself, longer text in a heap buffer of its own. A directory holds five
// of them per record, mostly short, so this decides much of its size.
class CString
{
public:
    CString() noexcept { MakeEmpty(); }
    CString(const char* psz);   // NOLINT: implicit like the text literals it stands for
    CString(const char* pch, int nLength);
    explicit CString(const std::string& bytes);
    explicit CString(std::string_view bytes);
    CString(const CString& other);
    CString(CString&& other) noexcept;
    CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept;
    ~CString();

    int GetLength() const { return IsInline() ? kInlineCapacity - m_storage[kFlagByte] : HeapLength(); }
    BOOL IsEmpty() const { return GetLength() == 0 ? TRUE : FALSE; }
    void Empty();

    // Throws std::out_of_range for an index outside the string.
    char GetAt(int nIndex) const;
    char operator[](int nIndex) const { return GetAt(nIndex); }
    // Replaces one byte; an index outside the string is ignored rather than
    // writing outside it.
    void SetAt(int nIndex, char ch);

    // Position of the first ch at or after nStart, or -1.
    int Find(char ch, int nStart = 0) const;

    // Remove leading or trailing white space (IsWhiteSpace).
    void TrimLeft();
    void TrimRight();

    // White space as the C locale knows it (space, tab, line feed, vertical
    // tab, form feed, carriage return), tested on the byte itself, so that
    // no byte above 0x7F is ever taken for white space whatever the locale.
    static bool IsWhiteSpace(char ch) { return ch == ' ' || (ch >= '\t' && ch <= '\r'); }

    CString& operator+=(char ch);
    CString& operator+=(const CString& str);
    CString& operator+=(const char* psz);

    // Direct access for filling the string in place: GetBuffer makes room
    // for at least nMinLength bytes (keeping the present ones) and returns
    // them; ReleaseBuffer then sets the length to nNewLength, which must not
    // exceed the room made.
    char* GetBuffer(int nMinLength);
    void ReleaseBuffer(int nNewLength);

    // Read as a plain character sequence.
    const char* GetString() const { return Data(); }
    operator const char*() const { return Data(); }   // NOLINT: LPCTSTR conversion
    std::string_view View() const { return std::string_view(Data(), static_cast<size_t>(GetLength())); }
    std::string Bytes() const { return std::string(View()); }

    // Loads a string from the program's string table; FALSE (and an empty
    // string) when the id has no entry or no table has been set.
    BOOL LoadString(UINT nID);
    // Where LoadString looks strings up: the window layer sets it to the
    // program's string table when the application object is created.
    using StringLookup = const char* (*)(UINT nID);
    static void SetStringTable(StringLookup lookup);

    friend bool operator==(const CString& a, const CString& b) { return a.View() == b.View(); }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator==(const CString& a, const char* b) { return a.View() == std::string_view(b ? b : ""); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend CString operator+(CString a, const CString& b)
    {
        a += b;
        return a;
    }
    friend CString operator+(CString a, const char* b)
    {
        a += b;
        return a;
    }

private:
    // Inline: the text, a zero byte after it, and in the last byte the room
    // left (kInlineCapacity - length), which is itself the terminating zero
    // of a text of full length. Heap: the buffer's address, its length and
    // its capacity, and kHeapFlag in the last byte.
    static constexpr int kInlineCapacity = 15;
    static constexpr size_t kFlagByte = 15;
    static constexpr unsigned char kHeapFlag = 0x80;

    bool IsInline() const { return (m_storage[kFlagByte] & kHeapFlag) == 0; }
    const char* Data() const { return IsInline() ? reinterpret_cast<const char*>(m_storage) : HeapPointer(); }
    char* MutableData() { return IsInline() ? reinterpret_cast<char*>(m_storage) : HeapPointer(); }
    int Capacity() const { return IsInline() ? kInlineCapacity : HeapCapacity(); }

    char* HeapPointer() const;
    int HeapLength() const;
    int HeapCapacity() const;
    void SetHeap(char* pBuffer, int nLength, int nCapacity);
    void SetLength(int nLength);

    void MakeEmpty() noexcept;
    void Assign(const char* pch, size_t nLength);
    void Reserve(int nCapacity);
    void Append(const char* pch, size_t nLength);
    void FreeHeap() noexcept;

    alignas(8) unsigned char m_storage[16];
};
