#include "data/RecordMatcher.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string_view>

#include <phonenumbers/phonenumber.pb.h>
#include <phonenumbers/phonenumberutil.h>

namespace {

// What each byte of Windows-1252 stands for once case and accents are set
// aside: a letter with a mark becomes its plain lower-case letter, a
// ligature or sharp s its two letters; every other byte stands for itself.
const char* FoldedByte(unsigned char byte)
{
    // clang-format off
    static const char* const kFrom0xC0[64] = {
        "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
        "d", "n", "o", "o", "o", "o", "o", nullptr, "o", "u", "u", "u", "u", "y", "th", "ss",
        "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
        "d", "n", "o", "o", "o", "o", "o", nullptr, "o", "u", "u", "u", "u", "y", "th", "y",
    };
    // clang-format on
    switch (byte) {
    case 0x83: return "f";
    case 0x8A:
    case 0x9A: return "s";
    case 0x8C:
    case 0x9C: return "oe";
    case 0x8E:
    case 0x9E: return "z";
    case 0x9F: return "y";
    default: break;
    }
    if (byte >= 0xC0)
        return kFrom0xC0[byte - 0xC0];
    return nullptr;
}

// The German way of writing an umlaut without its dots: "ä" is "ae".
const char* SpelledUmlaut(unsigned char byte)
{
    switch (byte) {
    case 0xC4:
    case 0xE4: return "ae";
    case 0xD6:
    case 0xF6: return "oe";
    case 0xDC:
    case 0xFC: return "ue";
    default: return nullptr;
    }
}

bool HasUmlaut(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char ch) { return SpelledUmlaut(static_cast<unsigned char>(ch)); });
}

bool HasSpelledUmlaut(std::string_view folded)
{
    for (std::string_view pair : {"ae", "oe", "ue"}) {
        if (folded.find(pair) != std::string_view::npos)
            return true;
    }
    return false;
}

// text without case and accents; with bSpellUmlauts, "ä", "ö" and "ü" are
// spelled "ae", "oe" and "ue" instead of losing their dots.
std::string Fold(std::string_view text, bool bSpellUmlauts = false)
{
    std::string folded;
    folded.reserve(text.size());
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (const char* spelled = bSpellUmlauts ? SpelledUmlaut(byte) : nullptr)
            folded += spelled;
        else if (const char* letters = FoldedByte(byte))
            folded += letters;
        else
            folded += static_cast<char>(byte < 0x80 ? std::tolower(byte) : byte);
    }
    return folded;
}

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// The characters a telephone number is written with; a slash parts its
// digits as a blank does ("030/1234567", "02/765.43.21").
bool IsNumberChar(char ch)
{
    return IsDigit(ch) || std::string_view(" +-()./").find(ch) != std::string_view::npos;
}

bool IsBlank(char ch)
{
    return std::string_view(" \t\r\n\v\f").find(ch) != std::string_view::npos;
}

std::string DigitsOf(std::string_view text)
{
    std::string digits;
    std::copy_if(text.begin(), text.end(), std::back_inserter(digits), IsDigit);
    return digits;
}

bool ContainsAny(const std::string& digits, const std::vector<std::string>& forms)
{
    return std::any_of(forms.begin(), forms.end(), [&](const std::string& form) { return digits.find(form) != std::string::npos; });
}

// "de_DE.UTF-8" as "DE"; empty for a locale that names no country.
std::string RegionOf(std::string_view locale)
{
    const size_t underscore = locale.find('_');
    if (underscore == std::string_view::npos)
        return {};
    std::string region(locale.substr(underscore + 1, 2));
    if (region.size() != 2 || !std::all_of(region.begin(), region.end(), [](char ch) { return std::isalpha(static_cast<unsigned char>(ch)); }))
        return {};
    std::transform(region.begin(), region.end(), region.begin(), [](char ch) { return static_cast<char>(std::toupper(static_cast<unsigned char>(ch))); });
    return region;
}

using i18n::phonenumbers::PhoneNumber;
using i18n::phonenumbers::PhoneNumberUtil;

// Whether libphonenumber reads text as a whole number in region (empty:
// none, so only a number with its country code is read): one that gives its
// country code, or starts with the region's trunk prefix, or, in a country
// without one (Spain, Italy, Portugal), is a valid national number. What
// gives neither ("30 123456" in Germany) is part of a number.
bool ReadWhole(std::string_view text, const std::string& region, PhoneNumber& number)
{
    const PhoneNumberUtil& util = *PhoneNumberUtil::GetInstance();
    if (util.ParseAndKeepRawInput(std::string(text), region.empty() ? "ZZ" : region, &number) != PhoneNumberUtil::NO_PARSING_ERROR
        || !util.IsPossibleNumber(number))
        return false;
    if (number.country_code_source() != PhoneNumber::FROM_DEFAULT_COUNTRY)
        return true;
    std::string regionTrunk;
    util.GetNddPrefixForRegion(region, true, &regionTrunk);
    if (regionTrunk.empty())
        return util.IsValidNumber(number);
    return DigitsOf(text).rfind(regionTrunk, 0) == 0;
}

// The whole number text stands for, as "+4930123456"; empty when it is none.
std::string WholeNumberOf(std::string_view text, const std::string& region)
{
    PhoneNumber number;
    std::string international;
    if (ReadWhole(text, region, number))
        PhoneNumberUtil::GetInstance()->Format(number, PhoneNumberUtil::E164, &international);
    return international;
}

// The digits of the ways the whole number is written in region:
// international ("+49 30 123456"), with the trunk prefix after the country
// code ("+49 (0)30 123456") and, for a number of that country, national
// ("030 123456"). Every way of writing it holds one of them.
std::vector<std::string> WrittenForms(const PhoneNumber& number, const std::string& region)
{
    const PhoneNumberUtil& util = *PhoneNumberUtil::GetInstance();
    std::string international;
    std::string national;
    std::string significant;
    std::string numberRegion;
    std::string trunk;
    util.Format(number, PhoneNumberUtil::E164, &international);
    util.Format(number, PhoneNumberUtil::NATIONAL, &national);
    util.GetNationalSignificantNumber(number, &significant);
    util.GetRegionCodeForCountryCode(number.country_code(), &numberRegion);
    util.GetNddPrefixForRegion(numberRegion, true, &trunk);
    std::vector<std::string> forms{DigitsOf(international)};
    if (!trunk.empty())
        forms.push_back(std::to_string(number.country_code()) + trunk + significant);
    if (!region.empty() && number.country_code() == util.GetCountryCodeForRegion(region))
        forms.push_back(DigitsOf(national));
    return forms;
}

}   // namespace

CRecordMatcher::CRecordMatcher(const CString& strQuery)
    : CRecordMatcher(strQuery, DefaultRegion())
{
}

CRecordMatcher::CRecordMatcher(const CString& strQuery, const std::string& strRegion)
    : m_region(strRegion)
{
    const std::string_view query = strQuery.View();
    m_bEmpty = std::all_of(query.begin(), query.end(), IsBlank);
    const std::string digits = DigitsOf(query);
    m_bNumber = !digits.empty() && std::all_of(query.begin(), query.end(), IsNumberChar);
    if (m_bNumber) {
        m_numberForms = {digits};
        PhoneNumber number;
        if (ReadWhole(query, strRegion, number)) {
            PhoneNumberUtil::GetInstance()->Format(number, PhoneNumberUtil::E164, &m_wholeNumber);
            for (std::string& form : WrittenForms(number, strRegion)) {
                if (std::find(m_numberForms.begin(), m_numberForms.end(), form) == m_numberForms.end())
                    m_numberForms.push_back(std::move(form));
            }
        }
    }
    m_folded = Fold(query);
    m_spelled = Fold(query, true);
    m_bSpelledOut = HasSpelledUmlaut(m_spelled);
    m_bQueryHasUmlaut = HasUmlaut(query);
}

std::string CRecordMatcher::DefaultRegion()
{
    for (const char* name : {"LC_ALL", "LC_TELEPHONE", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return RegionOf(value);
    }
    return {};
}

CRecordMatcher::EMatch CRecordMatcher::Match(const CRecordFields& fields) const
{
    if (m_bEmpty)
        return EMatch::None;
    EMatch best = EMatch::None;
    for (const CString* field : {&fields.strName, &fields.strPhone, &fields.strPager, &fields.strEmail, &fields.strMisc}) {
        best = std::max(best, FieldMatch(*field));
        if (best == EMatch::Full)
            break;
    }
    return best;
}

bool CRecordMatcher::Matches(const CRecordFields& fields) const
{
    return Match(fields) != EMatch::None;
}

CRecordMatcher::EMatch CRecordMatcher::FieldMatch(const CString& strField) const
{
    if (m_bNumber)
        return NumberMatch(strField.View());
    return TextMatches(strField) ? EMatch::Full : EMatch::None;
}

// Each number written in text, a run of number characters, on its own:
// digits of separate numbers ("Room 12, fax 34") are not joined. A number
// that holds none of the query's forms is no match; one that holds one is
// the same whole number or, where either is no whole number, a match by
// digits. Only numbers that hold a form are read, which keeps a search
// through many records quick.
CRecordMatcher::EMatch CRecordMatcher::NumberMatch(std::string_view text) const
{
    EMatch best = EMatch::None;
    size_t pos = 0;
    while (pos < text.size()) {
        if (!IsNumberChar(text[pos])) {
            ++pos;
            continue;
        }
        const size_t end = std::find_if_not(text.begin() + pos, text.end(), IsNumberChar) - text.begin();
        const std::string_view run = text.substr(pos, end - pos);
        pos = end;
        if (!ContainsAny(DigitsOf(run), m_numberForms))
            continue;
        if (m_wholeNumber.empty())
            return EMatch::ByDigits;
        const std::string written = WholeNumberOf(run, m_region);
        if (written == m_wholeNumber)
            return EMatch::Full;
        if (written.empty())
            best = EMatch::ByDigits;
    }
    return best;
}

bool CRecordMatcher::TextMatches(const CString& strField) const
{
    const std::string_view field = strField.View();
    if (Fold(field).find(m_folded) != std::string::npos)
        return true;
    // "ae" may stand for "ä" only where the field has an umlaut, or the
    // query one that the field spells out.
    return m_bSpelledOut && (m_bQueryHasUmlaut || HasUmlaut(field))
        && Fold(field, true).find(m_spelled) != std::string::npos;
}
