#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/CString.h"
#include "data/RecordFields.h"

// Decides whether a record matches what the user searched for. Text is
// compared case-insensitively and without accents, on the Windows-1252
// bytes the fields hold: "zoe" finds "Zoë", "strasse" finds "Straße", and
// "ae", "oe", "ue" find "ä", "ö", "ü" ("baeckerei" finds "Bäckerei"). A
// query made only of digits, blanks and the signs + - ( ) . / looks for a
// number. One libphonenumber reads as a whole number, in the user's country
// or by its own country code, finds the same whole number however it is
// written (under de_DE "+4930123456" finds "030 123456", "030/123456" and
// "+49 (0)30 123456") and no other whole number, whatever digits the two
// share ("+4930123456" does not find "+49 30 1234567"); in a number that is
// none (a pager code, "ext. 12") it is found by its digits. Any other
// number is found by its digits alone: "5550199" finds "555-0199" and
// "+44 20" finds "+442079460000". A query with nothing to look for (empty,
// or only blanks) matches no record.
class CRecordMatcher
{
public:
    // Numbers are read for the user's country (DefaultRegion()).
    explicit CRecordMatcher(const CString& strQuery);
    // Numbers are read for the country strRegion ("DE"; empty: none).
    CRecordMatcher(const CString& strQuery, const std::string& strRegion);

    // How a record matches: not at all, by the digits of a number alone, or
    // fully (its text, or the same whole number). Find and query put full
    // matches first.
    enum class EMatch { None, ByDigits, Full };
    EMatch Match(const CRecordFields& fields) const;
    bool Matches(const CRecordFields& fields) const;

    // The user's country from the locale: LC_ALL, else LC_TELEPHONE, else
    // LANG ("de_DE.UTF-8" is "DE"); empty when none names a country.
    static std::string DefaultRegion();

private:
    EMatch FieldMatch(const CString& strField) const;
    EMatch NumberMatch(std::string_view text) const;
    bool TextMatches(const CString& strField) const;

    std::string m_folded;   // the query without case and accents
    std::string m_spelled;  // the same with umlauts spelled out ("ae")
    bool m_bSpelledOut = false;   // whether m_spelled may find an umlaut
    bool m_bQueryHasUmlaut = false;
    std::string m_region;
    // The query's digits, when it is a number, and the digits of the other
    // ways the same whole number is written.
    std::vector<std::string> m_numberForms;
    std::string m_wholeNumber;   // the query as a whole number ("+4930123456"), if it is one
    bool m_bNumber = false;
    bool m_bEmpty = true;
};
