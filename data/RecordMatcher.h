#pragma once

#include <string>
#include <vector>

#include "base/CString.h"
#include "data/RecordFields.h"

// Decides whether a record matches what the user searched for. Text is
// compared case-insensitively and without accents, on the Windows-1252
// bytes the fields hold: "zoe" finds "Zoë", "strasse" finds "Straße", and
// "ae", "oe", "ue" find "ä", "ö", "ü" ("baeckerei" finds "Bäckerei"). A
// query made only of digits, blanks and the signs + - ( ) . looks for
// numbers by their digits alone: "5550199" finds "555-0199" and "+44 20"
// finds "+442079460000". Where the user's country is known, a whole number
// is also found however it is written: under de_DE "+4930123456" finds
// "030 123456" and "+49 (0)30 123456". A query with nothing to look for
// (empty, or only blanks) matches no record.
class CRecordMatcher
{
public:
    // Numbers are read for the user's country (DefaultRegion()).
    explicit CRecordMatcher(const CString& strQuery);
    // Numbers are read for the country strRegion ("DE"; empty: none).
    CRecordMatcher(const CString& strQuery, const std::string& strRegion);

    bool Matches(const CRecordFields& fields) const;

    // The user's country from the locale: LC_ALL, else LC_TELEPHONE, else
    // LANG ("de_DE.UTF-8" is "DE"); empty when none names a country.
    static std::string DefaultRegion();

private:
    bool FieldMatches(const CString& strField) const;
    bool TextMatches(const CString& strField) const;

    std::string m_folded;   // the query without case and accents
    std::string m_spelled;  // the same with umlauts spelled out ("ae")
    bool m_bSpelledOut = false;   // whether m_spelled may find an umlaut
    bool m_bQueryHasUmlaut = false;
    // The query's digits, when it is a number, and the digits of the other
    // ways the same whole number is written.
    std::vector<std::string> m_numberForms;
    bool m_bNumber = false;
    bool m_bEmpty = true;
};
