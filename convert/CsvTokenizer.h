#pragma once

#include <functional>
#include <string>
#include <string_view>

// Splits CSV text (RFC 4180, read leniently), given a piece at a time, into
// cells and rows. A quote at the start of a cell opens a quoted stretch, in
// which "" is one quote and line breaks are part of the cell; a quote
// elsewhere is itself, and text after a closing quote is kept. A quoted
// stretch left open runs to the end of the text. Rows end with CR, LF or
// CRLF.
//
// Only cells that hold something are handed over, with their column, so
// that an empty cell costs nothing but reading it; a cell longer than
// nMaxCell is handed over cut to that length and marked as cut.
class CCsvTokenizer
{
public:
    using CellHandler = std::function<void(size_t nColumn, std::string_view cell, bool bCut)>;
    // bBlank: the row held no cell with anything in it.
    using RowEndHandler = std::function<void(bool bBlank)>;

    CCsvTokenizer(char separator, size_t nMaxCell, CellHandler onCell, RowEndHandler onRowEnd);

    void Feed(std::string_view text);
    void Finish();

private:
    enum class EState
    {
        kCellStart,
        kUnquoted,
        kQuoted,
        kQuoteInQuoted,   // a quote inside a quoted stretch: "" or its end
    };

    void Add(char ch);
    void EndCell();
    void EndRow();

    char m_separator;
    size_t m_nMaxCell;
    CellHandler m_onCell;
    RowEndHandler m_onRowEnd;

    EState m_state = EState::kCellStart;
    std::string m_cell;
    bool m_bCellCut = false;
    size_t m_nColumn = 0;
    bool m_bRowStarted = false;
    bool m_bRowBlank = true;
    bool m_bAfterCarriageReturn = false;
};
