#include <gtest/gtest.h>

#include "data/RecordMatcher.h"

namespace {

struct MatchRow
{
    const char* query;
    CRecordFields fields;
    bool matches;
};

// Bytes are Windows-1252: \xEB is e with diaeresis, \xC9 capital E with
// acute, \xDF sharp s, \x8A capital S with caron.
const MatchRow kRows[] = {
    // Text: any of the five fields, without case or accents, both ways round.
    {"zoe", {"Zo\xEB Hart", "", "", "", ""}, true},
    {"ZO\xCB", {"zoe hart", "", "", "", ""}, true},
    {"emile", {"", "", "", "", "ask for \xC9mile"}, true},
    {"strasse",
        {"", "", "", "",
            "Hauptstra\xDF"
            "e 4"},
        true},
    {"sara",
        {"\x8A"
         "ara",
            "", "", "", ""},
        true},
    {"lee@", {"Ann", "", "", "ann.LEE@example.org", ""}, true},
    {"pagers", {"Ann", "", "call pager", "", ""}, false},
    {"zoey", {"Zo\xEB Hart", "", "", "", ""}, false},
    // Numbers: the digits alone, wherever the number is kept, one number at a time.
    {"5550199", {"Ann", "555-0199", "", "", ""}, true},
    {"+44 20", {"Ann", "+442079460000", "", "", ""}, true},
    {"(555) 01", {"Ann", "", "555.0199", "", ""}, true},
    {"5550199", {"Ann", "", "", "", "home (555) 01-99"}, true},
    {"1234", {"Ann", "", "", "", "Room 12, fax 34"}, false},
    {"5550199", {"Ann", "555-0198", "", "", ""}, false},
    {"flat 12", {"Ann", "555 0121", "", "", ""}, false},   // words and digits: text
    // Nothing to look for matches nothing.
    {"", {"Ann", "1", "", "", ""}, false},
    {"  ", {"Ann Lee", "1", "", "", ""}, false},
};

TEST(RecordMatcherTest, TextWithoutCaseOrAccentsAndNumbersByTheirDigits)
{
    for (const MatchRow& row : kRows)
        EXPECT_EQ(CRecordMatcher(row.query).Matches(row.fields), row.matches)
            << "query \"" << row.query << "\" in \"" << row.fields.strName.GetString() << "|"
            << row.fields.strPhone.GetString() << "|" << row.fields.strPager.GetString() << "|"
            << row.fields.strEmail.GetString() << "|" << row.fields.strMisc.GetString() << "\"";
}

}   // namespace

namespace {

// The country the user is in, how a record writes a number, what a phone
// shows (or the user types), and how it is found.
using EMatch = CRecordMatcher::EMatch;
constexpr EMatch kFull = EMatch::Full;
constexpr EMatch kDigits = EMatch::ByDigits;
constexpr EMatch kNone = EMatch::None;

struct NumberRow
{
    const char* region;
    const char* written;
    const char* shown;
    EMatch match;
};

const NumberRow kNumberRows[] = {
    // International with the "(0)" trunk prefix, national, and its own form.
    {"DE", "+49 (0)30 123456", "+4930123456", kFull},
    {"DE", "030 123456", "+4930123456", kFull},
    {"DE", "0049 30 123456", "+4930123456", kFull},
    {"DE", "+49 30 123456", "030-123456", kFull},
    {"DE", "+49 (0)30 123456", "030 123456", kFull},
    {"FR", "01 23 45 67 89", "+33123456789", kFull},
    {"FR", "+33 (0)1 23 45 67 89", "01.23.45.67.89", kFull},
    {"IT", "06 1234 5678", "+39 06 12345678", kFull},   // Italy keeps its 0 after +39
    {"IT", "06 1234 5678", "+390612345678", kFull},
    {"ES", "912 34 56 78", "+34912345678", kFull},   // Spain has no trunk prefix
    {"NL", "020 123 4567", "+31201234567", kFull},
    {"NL", "+31 (0)20 123 4567", "+31201234567", kFull},
    {"PT", "21 234 5678", "+351212345678", kFull},
    {"FR", "+49 (0)30 123456", "+4930123456", kFull},   // a friend abroad, written her way
    // A slash parts digits as a blank does, in the record and in the search.
    {"DE", "030/1234567", "+49301234567", kFull},
    {"DE", "030/1234567", "030 1234567", kFull},
    {"DE", "089 / 12 34 56", "+49 89 123456", kFull},
    {"DE", "0172/7654321", "+491727654321", kFull},
    {"DE", "+49 30 1234567", "030 / 123 45 67", kFull},
    {"BE", "02/765.43.21", "+3227654321", kFull},
    {"IT", "06/87654321", "+390687654321", kFull},
    // Another area or another country is another number, whatever digits
    // the two share.
    {"DE", "040 123456", "+4930123456", kNone},
    {"DE", "+33 30 123456", "030 123456", kNone},
    {"NL", "+49 (0)30 1234567", "+31301234567", kNone},   // Utrecht is not Berlin
    {"DE", "+49 30 1234567", "+4930123456", kNone},
    {"ES", "+49 912 345678", "912 34 56 78", kNone},
    // A national number is read for the user's country only.
    {"FR", "030 123456", "+4930123456", kNone},
    {"", "030 123456", "+4930123456", kNone},
    // A whole number in a record that holds no whole number there is found
    // by its digits, after the records that hold it whole.
    {"DE", "030 123456 030 654321", "+4930123456", kDigits},   // two numbers run together
    {"DE", "0049 30 123456 / 0049 30 654321", "+4930123456", kDigits},
    // Not a whole number: the digits rule as before.
    {"DE", "Pager 4711", "4711", kDigits},
    {"DE", "+49 30 123456 ext. 12", "30 123456", kDigits},
    {"DE", "+49 30 123456", "030 654321", kNone},
    {"ZZ", "030 123456", "030 123456", kDigits},
};

TEST(RecordMatcherTest, AWholeNumberIsFoundHoweverItIsWrittenInTheUsersCountry)
{
    for (const NumberRow& row : kNumberRows) {
        const CRecordMatcher matcher(row.shown, row.region);
        const CRecordFields record{"Ann", row.written, "", "", ""};
        EXPECT_EQ(matcher.Match(record), row.match) << row.region << ": \"" << row.shown << "\" in \"" << row.written << "\"";
        EXPECT_EQ(matcher.Matches(record), row.match != kNone) << row.region << ": \"" << row.shown << "\"";
    }
}

// A record matches as well as its best field does; text matches fully.
TEST(RecordMatcherTest, ARecordMatchesAsItsBestField)
{
    const CRecordMatcher number("+4930123456", "DE");
    EXPECT_EQ(number.Match({"Ann", "", "", "", "030 1234567 030 123456"}), kDigits);
    EXPECT_EQ(number.Match({"Ann", "+49 30 1234567", "", "", "030 123456"}), kFull);
    EXPECT_EQ(CRecordMatcher("ann", "DE").Match({"Ann", "", "", "", ""}), kFull);
}

TEST(RecordMatcherTest, SpelledOutUmlautsFindUmlautsBesideTheAccentRule)
{
    // \xE4 a, \xD6 O, \xFC u with diaeresis, \xC4 and \xDC capital A and U with diaeresis.
    const MatchRow rows[] = {
        {"baeren", {"B\xE4ren", "", "", "", ""}, true},
        {"baren", {"B\xE4ren", "", "", "", ""}, true},
        {"oelmuehle", {"\xD6lm\xFChle", "", "", "", ""}, true},
        {"AERZTE", {"\xC4rzte", "", "", "", ""}, true},
        {"uebersee", {"\xDC" "bersee", "", "", "", ""}, true},
        {"m\xFCller", {"Hans Mueller", "", "", "", ""}, true},
        {"michael", {"Michael", "", "", "", ""}, true},
        {"michal", {"Michael", "", "", "", ""}, false},
        {"baeren", {"Baren", "", "", "", ""}, false},
    };
    for (const MatchRow& row : rows)
        EXPECT_EQ(CRecordMatcher(row.query, "").Matches(row.fields), row.matches)
            << "\"" << row.query << "\" in \"" << row.fields.strName.GetString() << "\"";
}

TEST(RecordMatcherTest, TheUsersCountryComesFromTheLocale)
{
    const struct
    {
        const char* lcAll;
        const char* lcTelephone;
        const char* lang;
        const char* region;
    } rows[] = {
        {nullptr, "de_DE.UTF-8", "fr_FR.UTF-8", "DE"},
        {nullptr, nullptr, "fr_FR.UTF-8", "FR"},
        {"nl_BE.UTF-8@euro", "de_DE.UTF-8", "fr_FR.UTF-8", "BE"},
        {nullptr, nullptr, "C.UTF-8", ""},
        {nullptr, nullptr, nullptr, ""},
        {nullptr, "", "pt_PT", "PT"},
    };
    for (const auto& row : rows) {
        for (const auto& [name, value] :
            {std::pair{"LC_ALL", row.lcAll}, {"LC_TELEPHONE", row.lcTelephone}, {"LANG", row.lang}}) {
            if (value)
                setenv(name, value, 1);
            else
                unsetenv(name);
        }
        EXPECT_EQ(CRecordMatcher::DefaultRegion(), row.region) << (row.lang ? row.lang : "(no LANG)");
    }
}

}   // namespace
