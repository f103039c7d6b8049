#include "vcard/VCardUnfolder.h"

#include <algorithm>
#include <cstring>

#include "vcard/AsciiText.h"

namespace {

bool IsNameCharacter(char ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '-' || ch == '.'
        || ch == '_';
}

// Whether the line can be a content line: a name, then ';' or ':', and a
// colon somewhere.
bool BeginsAsProperty(std::string_view line)
{
    size_t i = 0;
    while (i < line.size() && IsNameCharacter(line[i]))
        ++i;
    return i > 0 && i < line.size() && (line[i] == ':' || line[i] == ';')
        && line.find(':', i) != std::string_view::npos;
}

bool IsQuotedPrintableLine(std::string_view line)
{
    // Only a parameter can say so, and most lines have none.
    size_t nEnd = 0;
    while (nEnd < line.size() && line[nEnd] != ';' && line[nEnd] != ':')
        ++nEnd;
    if (nEnd == line.size() || line[nEnd] == ':')
        return false;
    return ContainsNoCase(line.substr(0, line.find(':', nEnd)), "QUOTED-PRINTABLE");
}

// Where the first CR or LF at or after nStart is; the end of text for none.
// memchr looks at many bytes at once, which a loop of comparisons does not;
// it looks a block at a time, so that a file of only one kind of line end
// is not searched to its end for the other on every line.
size_t LineBreakAt(std::string_view text, size_t nStart)
{
    constexpr size_t kBlock = 256;
    while (nStart < text.size()) {
        const char* const pBlock = text.data() + nStart;
        const size_t nLength = std::min(kBlock, text.size() - nStart);
        const void* pLineFeed = std::memchr(pBlock, '\n', nLength);
        const size_t nLineFeed
            = pLineFeed ? static_cast<size_t>(static_cast<const char*>(pLineFeed) - pBlock) : nLength;
        const void* pReturn = std::memchr(pBlock, '\r', nLineFeed);
        if (pReturn)
            return nStart + static_cast<size_t>(static_cast<const char*>(pReturn) - pBlock);
        if (pLineFeed)
            return nStart + nLineFeed;
        nStart += nLength;
    }
    return text.size();
}

}   // namespace

CVCardUnfolder::CVCardUnfolder(size_t nMaxLine, LineHandler onLine)
    : m_nMaxLine(nMaxLine)
    , m_onLine(std::move(onLine))
{
}

void CVCardUnfolder::Feed(std::string_view text)
{
    size_t nStart = 0;
    if (m_bAfterCarriageReturn && !text.empty() && text.front() == '\n')
        nStart = 1;   // the LF of a CRLF split between two pieces
    m_bAfterCarriageReturn = false;
    while (nStart < text.size()) {
        if (!m_bPhysicalOpen)
            m_nPhysicalStart = m_nFed + nStart;
        const size_t nEnd = LineBreakAt(text, nStart);
        const std::string_view part = text.substr(nStart, nEnd - nStart);
        if (nEnd < text.size() && !m_bPhysicalOpen) {
            // The whole line is in this piece: no copy of it is needed.
            TakePhysicalLine(part.substr(0, m_nMaxLine));
            m_bCurrentCut |= part.size() > m_nMaxLine;
        } else {
            const size_t nRoom = m_nMaxLine - m_physical.size();
            m_physical.append(part.substr(0, nRoom));
            m_bPhysicalCut |= part.size() > nRoom;
            if (nEnd == text.size()) {
                m_bPhysicalOpen = true;
                break;   // the line goes on in the next piece
            }
            EndPhysicalLine();
        }
        nStart = nEnd + 1;
        if (text[nEnd] == '\r') {
            if (nStart < text.size() && text[nStart] == '\n')
                ++nStart;
            else if (nStart == text.size())
                m_bAfterCarriageReturn = true;
        }
    }
    m_nFed += text.size();
}

void CVCardUnfolder::EndPhysicalLine()
{
    TakePhysicalLine(m_physical);
    m_bCurrentCut |= m_bPhysicalCut;
    m_physical.clear();
    m_bPhysicalCut = false;
    m_bPhysicalOpen = false;
}

void CVCardUnfolder::TakePhysicalLine(std::string_view line)
{
    if (m_bHaveCurrent && m_bCurrentIsQuotedPrintable && m_lastByte == '=') {
        // A soft line break of quoted-printable: the value goes on, whatever
        // the next line begins with.
        if (!m_current.empty() && m_current.size() < m_nMaxLine)
            m_current.pop_back();
        Append(line);
        if (line.empty())
            m_lastByte = 0;   // an empty line after it ends the value
    } else if (m_bHaveCurrent && !line.empty() && (line.front() == ' ' || line.front() == '\t')) {
        Append(m_bKeepFoldWhiteSpace ? line : line.substr(1));
    } else if (m_bHaveCurrent && !m_bCurrentIsQuotedPrintable && m_nTrailingBackslashes % 2 == 1 && !line.empty()
        && !BeginsAsProperty(line)) {
        Append("n");
        Append(line);
    } else {
        StartContentLine(line);
    }
}

void CVCardUnfolder::StartContentLine(std::string_view line)
{
    if (m_bHaveCurrent) {
        m_nContentEnd = m_nPhysicalStart;
        EmitContentLine();
    }
    m_nContentStart = m_nPhysicalStart;
    m_bHaveCurrent = true;
    m_bCurrentIsQuotedPrintable = IsQuotedPrintableLine(line);
    Append(line);
}

void CVCardUnfolder::Append(std::string_view text)
{
    if (text.empty())
        return;
    const size_t nRoom = m_nMaxLine - std::min(m_nMaxLine, m_current.size());
    m_current.append(text.substr(0, nRoom));
    m_bCurrentCut |= text.size() > nRoom;
    m_lastByte = text.back();
    size_t nBackslashes = 0;
    while (nBackslashes < text.size() && text[text.size() - 1 - nBackslashes] == '\\')
        ++nBackslashes;
    m_nTrailingBackslashes = nBackslashes == text.size() ? m_nTrailingBackslashes + nBackslashes : nBackslashes;
}

void CVCardUnfolder::EmitContentLine()
{
    m_onLine(m_current, m_bCurrentCut);
    m_current.clear();
    m_bCurrentCut = false;
    m_bHaveCurrent = false;
    m_lastByte = 0;
    m_nTrailingBackslashes = 0;
}

void CVCardUnfolder::Finish()
{
    if (m_bPhysicalOpen)
        EndPhysicalLine();
    if (m_bHaveCurrent) {
        m_nContentEnd = m_nFed;
        EmitContentLine();
    }
}
