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
// shows (or the user types), and whether it is found.
struct NumberRow
{
    const char* region;
    const char* written;
    const char* shown;
    bool matches;
};

const NumberRow kNumberRows[] = {
    // International with the "(0)" trunk prefix, national, and its own form.
    {"DE", "+49 (0)30 123456", "+4930123456", true},
    {"DE", "030 123456", "+4930123456", true},
    {"DE", "030/123456", "+49 30 123456", false},   // "/" ends the number: two numbers
    {"DE", "0049 30 123456", "+4930123456", true},
    {"DE", "+49 30 123456", "030-123456", true},
    {"DE", "+49 (0)30 123456", "030 123456", true},
    {"FR", "01 23 45 67 89", "+33123456789", true},
    {"FR", "+33 (0)1 23 45 67 89", "01.23.45.67.89", true},
    {"IT", "06 1234 5678", "+39 06 12345678", true},   // Italy keeps its 0 after +39
    {"IT", "06 1234 5678", "+390612345678", true},
    {"ES", "912 34 56 78", "+34912345678", true},   // Spain has no trunk prefix
    {"NL", "020 123 4567", "+31201234567", true},
    {"NL", "+31 (0)20 123 4567", "+31201234567", true},
    {"PT", "21 234 5678", "+351212345678", true},
    {"FR", "+49 (0)30 123456", "+4930123456", true},   // a friend abroad, written her way
    // Another area or another country is another number.
    {"DE", "040 123456", "+4930123456", false},
    {"DE", "+33 30 123456", "030 123456", false},
    // A national number is read for the user's country only.
    {"FR", "030 123456", "+4930123456", false},
    {"", "030 123456", "+4930123456", false},
    // Not a whole number: the digits rule as before.
    {"DE", "Pager 4711", "4711", true},
    {"DE", "+49 30 123456 ext. 12", "30 123456", true},
    {"DE", "+49 30 123456", "030 654321", false},
    {"ZZ", "030 123456", "030 123456", true},
};

TEST(RecordMatcherTest, AWholeNumberIsFoundHoweverItIsWrittenInTheUsersCountry)
{
    for (const NumberRow& row : kNumberRows)
        EXPECT_EQ(CRecordMatcher(row.shown, row.region).Matches({"Ann", row.written, "", "", ""}), row.matches)
            << row.region << ": \"" << row.shown << "\" in \"" << row.written << "\"";
}

TEST(RecordMatcherTest, SpelledOutUmlautsFindUmlautsBesideTheAccentRule)
{
    // \xE4 a, \xD6 O, \xFC u with diaeresis, \xC4 capital A with diaeresis.
    const MatchRow rows[] = {
        {"baeren", {"B\xE4ren", "", "", "", ""}, true},
        {"baren", {"B\xE4ren", "", "", "", ""}, true},
        {"oelmuehle", {"\xD6lm\xFChle", "", "", "", ""}, true},
        {"AERZTE", {"\xC4rzte", "", "", "", ""}, true},
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
