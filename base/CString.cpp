#include "base/CString.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>

namespace {

CString::StringLookup g_stringTable = nullptr;

// Lengths are ints, as GetLength() reports them.
int CheckedLength(size_t nLength)
{
    if (nLength > static_cast<size_t>(INT_MAX) - 1)
        throw std::length_error("CString too long");
    return static_cast<int>(nLength);
}

char* AllocateBuffer(int nCapacity)
{
    void* p = std::malloc(static_cast<size_t>(nCapacity) + 1);
    if (!p)
        throw std::bad_alloc();
    return static_cast<char*>(p);
}

// Heap fields are kept byte by byte, so the flag always lands in the last
// byte whatever the processor's byte order.
void StoreUint32(unsigned char* p, unsigned int n)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(n >> (8 * i));
}

unsigned int LoadUint32(const unsigned char* p)
{
    unsigned int n = 0;
    for (int i = 0; i < 4; ++i)
        n |= static_cast<unsigned int>(p[i]) << (8 * i);
    return n;
}

constexpr size_t kLengthAt = 8;
constexpr size_t kCapacityAt = 12;
constexpr unsigned int kCapacityFlagBit = 0x80000000u;

static_assert(sizeof(CString) == 16, "five strings a record decide a directory's size");

}   // namespace

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

char* CString::HeapPointer() const
{
    char* p = nullptr;
    std::memcpy(&p, m_storage, sizeof p);
    return p;
}

int CString::HeapLength() const
{
    return static_cast<int>(LoadUint32(m_storage + kLengthAt));
}

int CString::HeapCapacity() const
{
    return static_cast<int>(LoadUint32(m_storage + kCapacityAt) & ~kCapacityFlagBit);
}

void CString::SetHeap(char* pBuffer, int nLength, int nCapacity)
{
    std::memcpy(m_storage, &pBuffer, sizeof pBuffer);
    StoreUint32(m_storage + kLengthAt, static_cast<unsigned int>(nLength));
    StoreUint32(m_storage + kCapacityAt, static_cast<unsigned int>(nCapacity) | kCapacityFlagBit);
}

void CString::SetLength(int nLength)
{
    if (IsInline()) {
        m_storage[nLength] = 0;
        m_storage[kFlagByte] = static_cast<unsigned char>(kInlineCapacity - nLength);
    } else {
        HeapPointer()[nLength] = '\0';
        StoreUint32(m_storage + kLengthAt, static_cast<unsigned int>(nLength));
    }
}

void CString::MakeEmpty() noexcept
{
    std::memset(m_storage, 0, sizeof m_storage);
    m_storage[kFlagByte] = kInlineCapacity;
}

void CString::FreeHeap() noexcept
{
    if (!IsInline())
        std::free(HeapPointer());
}

// Text that fits is kept inline; longer text gets a buffer of exactly its
// size, since most strings are never appended to.
void CString::Assign(const char* pch, size_t nLength)
{
    const int nNewLength = CheckedLength(nLength);
    if (nNewLength <= kInlineCapacity) {
        unsigned char inlineText[sizeof m_storage] = {};
        if (nNewLength > 0)
            std::memcpy(inlineText, pch, nLength);
        FreeHeap();
        std::memcpy(m_storage, inlineText, sizeof m_storage);
        m_storage[kFlagByte] = static_cast<unsigned char>(kInlineCapacity - nNewLength);
        return;
    }
    char* pBuffer = AllocateBuffer(nNewLength);
    std::memcpy(pBuffer, pch, nLength);
    pBuffer[nLength] = '\0';
    FreeHeap();
    SetHeap(pBuffer, nNewLength, nNewLength);
}

void CString::Reserve(int nCapacity)
{
    if (nCapacity <= Capacity())
        return;
    const int nLength = GetLength();
    char* pBuffer = AllocateBuffer(nCapacity);
    std::memcpy(pBuffer, Data(), static_cast<size_t>(nLength) + 1);
    FreeHeap();
    SetHeap(pBuffer, nLength, nCapacity);
}

void CString::Append(const char* pch, size_t nLength)
{
    if (nLength == 0)
        return;
    const int nOldLength = GetLength();
    const int nNewLength = CheckedLength(static_cast<size_t>(nOldLength) + nLength);
    if (nNewLength > Capacity()) {
        // Growing by half again keeps appending byte by byte linear.
        const int nGrown = Capacity() < INT_MAX / 2 ? Capacity() + Capacity() / 2 : INT_MAX - 1;
        // pch may point into this string's own buffer.
        const std::string copy(pch, nLength);
        Reserve(nNewLength > nGrown ? nNewLength : nGrown);
        std::memcpy(MutableData() + nOldLength, copy.data(), nLength);
    } else {
        std::memmove(MutableData() + nOldLength, pch, nLength);
    }
    SetLength(nNewLength);
}

CString::CString(const char* psz)
{
    MakeEmpty();
    if (psz)
        Assign(psz, std::strlen(psz));
}

CString::CString(const char* pch, int nLength)
{
    MakeEmpty();
    if (pch && nLength > 0)
        Assign(pch, static_cast<size_t>(nLength));
}

CString::CString(const std::string& bytes)
{
    MakeEmpty();
    Assign(bytes.data(), bytes.size());
}

CString::CString(std::string_view bytes)
{
    MakeEmpty();
    Assign(bytes.data(), bytes.size());
}

CString::CString(const CString& other)
{
    MakeEmpty();
    if (other.IsInline())
        std::memcpy(m_storage, other.m_storage, sizeof m_storage);
    else
        Assign(other.Data(), static_cast<size_t>(other.GetLength()));
}

CString::CString(CString&& other) noexcept
{
    std::memcpy(m_storage, other.m_storage, sizeof m_storage);
    other.MakeEmpty();
}

CString& CString::operator=(const CString& other)
{
    if (this != &other)
        Assign(other.Data(), static_cast<size_t>(other.GetLength()));
    return *this;
}

CString& CString::operator=(CString&& other) noexcept
{
    if (this != &other) {
        FreeHeap();
        std::memcpy(m_storage, other.m_storage, sizeof m_storage);
        other.MakeEmpty();
    }
    return *this;
}

CString::~CString()
{
    FreeHeap();
}

void CString::Empty()
{
    FreeHeap();
    MakeEmpty();
}

char CString::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetLength())
        throw std::out_of_range("CString::GetAt");
    return Data()[nIndex];
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex >= 0 && nIndex < GetLength())
        MutableData()[nIndex] = ch;
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength())
        return -1;
    const void* pFound = std::memchr(Data() + nStart, ch, static_cast<size_t>(GetLength() - nStart));
    return pFound ? static_cast<int>(static_cast<const char*>(pFound) - Data()) : -1;
}

void CString::TrimLeft()
{
    const int nLength = GetLength();
    char* pText = MutableData();
    int nFirst = 0;
    while (nFirst < nLength && IsWhiteSpace(pText[nFirst]))
        ++nFirst;
    if (nFirst == 0)
        return;
    std::memmove(pText, pText + nFirst, static_cast<size_t>(nLength - nFirst));
    SetLength(nLength - nFirst);
}

void CString::TrimRight()
{
    int nEnd = GetLength();
    const char* pText = Data();
    while (nEnd > 0 && IsWhiteSpace(pText[nEnd - 1]))
        --nEnd;
    SetLength(nEnd);
}

CString& CString::operator+=(char ch)
{
    Append(&ch, 1);
    return *this;
}

CString& CString::operator+=(const CString& str)
{
    Append(str.Data(), static_cast<size_t>(str.GetLength()));
    return *this;
}

CString& CString::operator+=(const char* psz)
{
    if (psz)
        Append(psz, std::strlen(psz));
    return *this;
}

char* CString::GetBuffer(int nMinLength)
{
    Reserve(nMinLength);
    return MutableData();
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0 || nNewLength > Capacity())
        throw std::out_of_range("CString::ReleaseBuffer");
    SetLength(nNewLength);
}
