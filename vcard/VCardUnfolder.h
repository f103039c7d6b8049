#pragma once

#include <functional>
#include <string>
#include <string_view>

// Turns the physical lines of a vCard file, given a piece at a time, into
// content lines: it joins folded lines (vCard 2.1 folds at white space and
// keeps it; later versions insert one white-space character, which goes),
// quoted-printable soft line breaks, and the continuation some phones write
// for a value of several lines (a backslash at the end of a line, then a
// line that does not begin as a property does), which becomes an escaped
// line break. Lines end with CR, LF or CRLF.
//
// A content line longer than nMaxLine bytes is given cut to that length and
// marked as cut, so that no line is ever held longer than that.
class CVCardUnfolder
{
public:
    using LineHandler = std::function<void(std::string_view line, bool bCut)>;

    CVCardUnfolder(size_t nMaxLine, LineHandler onLine);

    void Feed(std::string_view text);
    // Gives the last content line.
    void Finish();
    // Whether a folded line keeps the white space it begins with (vCard 2.1).
    void SetKeepFoldWhiteSpace(bool bKeep) { m_bKeepFoldWhiteSpace = bKeep; }

    // Inside the line handler: where the content line given lies among the
    // bytes fed so far, its line ends and any blank line it took included,
    // so that a caller can keep every line's bytes as they came.
    size_t LineStart() const { return m_nContentStart; }
    size_t LineEnd() const { return m_nContentEnd; }

private:
    void EndPhysicalLine();
    void TakePhysicalLine(std::string_view line);
    void StartContentLine(std::string_view line);
    void Append(std::string_view text);
    void EmitContentLine();

    size_t m_nMaxLine;
    LineHandler m_onLine;
    bool m_bKeepFoldWhiteSpace = false;

    std::string m_physical;   // the physical line being read, up to the limit
    bool m_bPhysicalCut = false;
    bool m_bAfterCarriageReturn = false;

    std::string m_current;   // the content line being joined, up to the limit
    bool m_bHaveCurrent = false;
    bool m_bCurrentCut = false;
    bool m_bCurrentIsQuotedPrintable = false;
    char m_lastByte = 0;   // of the content line, whether or not it was kept
    size_t m_nTrailingBackslashes = 0;

    size_t m_nFed = 0;   // bytes fed before the piece being read
    size_t m_nPhysicalStart = 0;   // where the physical line being read begins
    bool m_bPhysicalOpen = false;   // it goes on in the next piece
    size_t m_nContentStart = 0;
    size_t m_nContentEnd = 0;
};
