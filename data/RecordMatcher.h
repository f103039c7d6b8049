#pragma once

#include <string>

#include "base/CString.h"
#include "data/RecordFields.h"

// Decides whether a record matches what the user searched for. Text is
// compared case-insensitively and without accents, on the Windows-1252
// bytes the fields hold: "zoe" finds "Zoë", "strasse" finds "Straße". A
// query made only of digits, blanks and the signs + - ( ) . looks for
// numbers by their digits alone: "5550199" finds "555-0199" and "+44 20"
// finds "+442079460000". A query with nothing to look for (empty, or only
// blanks) matches no record.
class CRecordMatcher
{
public:
    explicit CRecordMatcher(const CString& strQuery);

    bool Matches(const CRecordFields& fields) const;

private:
    bool FieldMatches(const CString& strField) const;

    std::string m_folded;   // the query without case and accents
    std::string m_digits;   // the query's digits, when it is a number
    bool m_bNumber = false;
    bool m_bEmpty = true;
};
