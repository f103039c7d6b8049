#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "convert/ContactReader.h"
#include "convert/CsvColumns.h"
#include "convert/CsvTokenizer.h"

// Reads contacts from CSV: comma, semicolon or tab separated (whichever the
// header row uses most), UTF-8, else Windows-1252 (decided cell by cell).
// The first row is the header, classified once (CCsvColumns); each later
// row is mapped as soon as it ends and handed over, and only the row being
// read is held, its non-empty cells alone.
//
// The name is the name column, else the prefix, given, middle and family
// names and suffix, else the company; when a name column gives the name,
// parts of it the name lacks move to misc. The phone is the phone or
// primary phone column, else the first phone-like column that holds a
// number; the pager the pager column or a number typed pager; the e-mail
// the first address. Every other non-empty cell moves to misc under its
// column's name, except bookkeeping columns (named as left out) and the
// defaults some programs fill in ("Normal", "0/0/00"). A header without a
// name column is read too: its contacts have no name and are skipped.
class CCsvReader : public CContactReader
{
public:
    explicit CCsvReader(ContactHandler onContact);
    ~CCsvReader() override;

    void Feed(std::string_view text) override;
    bool Finish(std::string& strError) override;

    // The most a header row may take: 1 MiB, sixteen contacts' worth.
    static constexpr size_t kMaxHeader = 16 * CContact::kMaxRecordText;

private:
    struct Cell
    {
        const CCsvColumn* pColumn;   // nullptr for a column without a header
        size_t nColumn;
        size_t nStart;
        size_t nLength;
    };

    bool FindHeaderEnd(std::string_view text, size_t& nEnd);
    void StartRows();
    void TakeCell(size_t nColumn, std::string_view cell, bool bCut);
    void EndRow(bool bBlank);
    void MapRow();

    std::string_view Text(const Cell& cell) const;
    std::string_view TextAt(int nColumn) const;
    std::string_view FirstOf(ECsvColumn kind) const;
    std::string Label(const CCsvColumn& column) const;
    void TakeName();
    void TakeNumbers();
    void TakeTheOthers();
    void TakeOther(const CCsvColumn& column, std::string_view text, bool bFirstOfKind);
    void TakeEmail(const CCsvColumn& column, std::string_view text);
    void TakeNote(const CCsvColumn& column, std::string_view text);
    void TakeIntoMisc(const CCsvColumn& column, std::string_view text, bool bFirstOfKind);

    ContactHandler m_onContact;
    std::unique_ptr<CCsvTokenizer> m_pTokenizer;
    std::string m_header;   // the header row's text until it ends
    bool m_bHeaderQuoted = false;
    bool m_bHeaderTooLong = false;
    bool m_bInHeaderRow = true;
    std::vector<std::pair<size_t, std::string>> m_headerCells;
    CCsvColumns m_columns;

    // The row being read: its non-empty cells, their text in one block.
    std::vector<Cell> m_cells;
    std::string m_text;
    size_t m_nHeld = 0;
    bool m_bTooLong = false;
    int m_nRows = 0;
    CContact m_contact;
    bool m_bCompanyIsName = false;
};
