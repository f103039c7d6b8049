#include "data/DirectoryReader.h"

#include <algorithm>
#include <climits>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "data/DirectoryFormat.h"

using DirectoryFormat::IsDigit;
using DirectoryFormat::IsWhiteSpace;

CDirectoryReader::CDirectoryReader(const std::string& bytes)
    : m_pNext(bytes.data())
    , m_pEnd(bytes.data() + bytes.size())
{
}

CDirectoryReader::CDirectoryReader(Source source, size_t nChunkSize)
    : m_source(std::move(source))
    , m_nChunkSize(nChunkSize > 0 ? nChunkSize : 1)
    , m_pNext(m_window.data())
    , m_pEnd(m_window.data())
{
}

// Keeps the bytes not yet read at the front of the window, grows the window
// when they fill it (a field longer than a chunk), and appends what the
// source gives.
bool CDirectoryReader::ReadMore()
{
    if (!m_source)
        return false;
    const size_t nKept = static_cast<size_t>(m_pEnd - m_pNext);
    std::memmove(&m_window[0], m_pNext, nKept);
    if (m_window.size() < nKept + m_nChunkSize)
        m_window.resize(std::max(nKept + m_nChunkSize, 2 * m_window.size()));
    const size_t nRead = m_source(&m_window[nKept], m_window.size() - nKept);
    m_pNext = m_window.data();
    m_pEnd = m_pNext + nKept + nRead;
    if (nRead == 0)
        m_source = nullptr;   // the end of the bytes
    return nRead > 0;
}

bool CDirectoryReader::HasByte()
{
    return m_pNext != m_pEnd || ReadMore();
}

void CDirectoryReader::SkipWhiteSpace()
{
    while (HasByte() && IsWhiteSpace(*m_pNext))
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
    if (HasByte() && (*m_pNext == '-' || *m_pNext == '+'))
        bNegative = *m_pNext++ == '-';
    if (!HasByte() || !IsDigit(*m_pNext))
        return Fail();

    // Accumulate as a negative number, whose range includes INT_MIN.
    long long nMagnitude = 0;
    for (; HasByte() && IsDigit(*m_pNext); ++m_pNext) {
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
    if (!HasByte())
        return Fail();
    ch = *m_pNext++;
    return TRUE;
}

namespace {

// Translates a field's bytes in place, turning every space substitute into
// a space. Returns whether the bytes hold white space (before the
// translation). Sixteen bytes are tested and translated at a time where the
// processor allows it.
bool TranslateField(char* pOut, size_t nLength)
{
    size_t i = 0;
#ifdef __SSE2__
    const __m128i kSubstitute = _mm_set1_epi8(DirectoryFormat::kSpaceSubstitute);
    const __m128i kFlip = _mm_set1_epi8(static_cast<char>(DirectoryFormat::kSpaceSubstitute ^ ' '));
    const __m128i kSpace = _mm_set1_epi8(' ');
    const __m128i kTab = _mm_set1_epi8('\t');
    const __m128i kControlSpan = _mm_set1_epi8('\r' - '\t');
    __m128i white = _mm_setzero_si128();
    for (; i + 16 <= nLength; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pOut + i));
        // A byte is in '\t'..'\r' when its distance from '\t' (unsigned) is
        // at most the span: min(d, span) == d.
        const __m128i fromTab = _mm_sub_epi8(chunk, kTab);
        white = _mm_or_si128(white, _mm_cmpeq_epi8(_mm_min_epu8(fromTab, kControlSpan), fromTab));
        white = _mm_or_si128(white, _mm_cmpeq_epi8(chunk, kSpace));
        const __m128i isSubstitute = _mm_cmpeq_epi8(chunk, kSubstitute);
        _mm_storeu_si128(
            reinterpret_cast<__m128i*>(pOut + i), _mm_xor_si128(chunk, _mm_and_si128(isSubstitute, kFlip)));
    }
    bool bWhiteSpace = _mm_movemask_epi8(white) != 0;
#else
    bool bWhiteSpace = false;
#endif
    for (; i < nLength; ++i) {
        const unsigned char ch = static_cast<unsigned char>(pOut[i]);
        bWhiteSpace |= IsWhiteSpace(pOut[i]);
        if (ch == static_cast<unsigned char>(DirectoryFormat::kSpaceSubstitute))
            pOut[i] = ' ';
    }
    return bWhiteSpace;
}

}   // namespace

// Reads up to the next terminator. Fields written by the system hold no
// white space, so the bytes are copied whole, straight into the field;
// only a field that turns out to hold some is copied again, without it.
BOOL CDirectoryReader::ReadField(CString& strField)
{
    if (m_bFailed) {
        strField.Empty();
        return FALSE;
    }
    // The search goes on where it stopped when more bytes come.
    size_t nSearched = 0;
    const void* pFound = nullptr;
    for (;;) {
        const size_t nAvailable = static_cast<size_t>(m_pEnd - m_pNext);
        pFound = std::memchr(m_pNext + nSearched, DirectoryFormat::kFieldTerminator, nAvailable - nSearched);
        if (pFound)
            break;
        nSearched = nAvailable;
        if (!ReadMore())
            break;
    }
    const size_t nLength = pFound ? static_cast<size_t>(static_cast<const char*>(pFound) - m_pNext)
                                  : static_cast<size_t>(m_pEnd - m_pNext);

    strField = CString(std::string_view(m_pNext, nLength));
    if (TranslateField(strField.GetBuffer(0), nLength)) {
        // The copy kept white space (spaces included, before any 0xA5 turned
        // into one): copy the original bytes again without it, then translate.
        char* pOut = strField.GetBuffer(0);
        const char* const pEnd = std::remove_copy_if(m_pNext, m_pNext + nLength, pOut, IsWhiteSpace);
        const size_t nKept = static_cast<size_t>(pEnd - pOut);
        std::replace(pOut, pOut + nKept, DirectoryFormat::kSpaceSubstitute, ' ');
        strField.ReleaseBuffer(static_cast<int>(nKept));
    }

    if (!pFound) {
        m_pNext = m_pEnd;
        return Fail();
    }
    m_pNext += nLength + 1;
    return TRUE;
}

BOOL CDirectoryReader::ReadRecord(CRecordFields& fields)
{
    ReadField(fields.strName);
    ReadField(fields.strMisc);
    ReadField(fields.strPhone);
    ReadField(fields.strPager);
    ReadField(fields.strEmail);
    return m_bFailed ? FALSE : TRUE;
}
