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
