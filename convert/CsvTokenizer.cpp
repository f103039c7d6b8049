#include "convert/CsvTokenizer.h"

#include <algorithm>

CCsvTokenizer::CCsvTokenizer(char separator, size_t nMaxCell, CellHandler onCell, RowEndHandler onRowEnd)
    : m_separator(separator)
    , m_nMaxCell(nMaxCell)
    , m_onCell(std::move(onCell))
    , m_onRowEnd(std::move(onRowEnd))
{
}

void CCsvTokenizer::Add(char ch)
{
    if (m_cell.size() < m_nMaxCell)
        m_cell += ch;
    else
        m_bCellCut = true;
}

void CCsvTokenizer::EndCell()
{
    if (!m_cell.empty() || m_bCellCut) {
        m_onCell(m_nColumn, m_cell, m_bCellCut);
        m_bRowBlank = false;
    }
    m_cell.clear();
    m_bCellCut = false;
    ++m_nColumn;
    m_state = EState::kCellStart;
}

void CCsvTokenizer::EndRow()
{
    EndCell();
    m_onRowEnd(m_bRowBlank);
    m_nColumn = 0;
    m_bRowStarted = false;
    m_bRowBlank = true;
}

void CCsvTokenizer::Feed(std::string_view text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (m_bAfterCarriageReturn) {
            m_bAfterCarriageReturn = false;
            if (ch == '\n')
                continue;   // the LF of a CRLF, perhaps in the next piece
        }
        if (m_state == EState::kQuoteInQuoted) {
            if (ch == '"') {
                Add('"');
                m_state = EState::kQuoted;
                continue;
            }
            m_state = EState::kUnquoted;   // the stretch ended; ch is read as outside it
        }
        if (m_state == EState::kQuoted) {
            if (ch == '"')
                m_state = EState::kQuoteInQuoted;
            else
                Add(ch);
            continue;
        }
        m_bRowStarted = true;
        if (ch == m_separator) {
            EndCell();
        } else if (ch == '\r' || ch == '\n') {
            EndRow();
            m_bAfterCarriageReturn = ch == '\r';
        } else if (ch == '"' && m_state == EState::kCellStart) {
            m_state = EState::kQuoted;
        } else {
            // A run of plain text is copied at once.
            size_t nEnd = i + 1;
            while (nEnd < text.size() && text[nEnd] != m_separator && text[nEnd] != '\r' && text[nEnd] != '\n')
                ++nEnd;
            const std::string_view run = text.substr(i, nEnd - i);
            const size_t nRoom = m_nMaxCell - std::min(m_nMaxCell, m_cell.size());
            m_cell.append(run.substr(0, nRoom));
            m_bCellCut |= run.size() > nRoom;
            m_state = EState::kUnquoted;
            i = nEnd - 1;
        }
    }
}

void CCsvTokenizer::Finish()
{
    if (m_bRowStarted || m_state == EState::kQuoted || m_state == EState::kQuoteInQuoted || !m_cell.empty())
        EndRow();
}
