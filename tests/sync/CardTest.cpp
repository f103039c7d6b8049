// The card model: which properties a record comes from, and that a change
// rewrites only the lines behind the changed fields. The ordered diff that
// tells an edited record from a deleted one.
#include <gtest/gtest.h>

#include "sync/Card.h"
#include "sync/RecordAlignment.h"
#include "tests/support/TestRecord.h"

namespace {

std::string Card(const std::string& lines)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\n" + lines + "END:VCARD\r\n";
}

TEST(CardTest, RecordComesFromThePropertiesImportUses)
{
    struct Row
    {
        const char* why;
        std::string lines;
        TestRecord expected;
    };
    const Row rows[] = {
        {"name from N when there is no FN, in the order people say it", "N:Lee;Ann;;Dr.;\r\n",
            {"Dr. Ann Lee", "", "", "", ""}},
        {"name from ORG when there is neither", "ORG:Corner Shop;Sales\r\n", {"Corner Shop, Sales", "", "", "", ""}},
        {"the first pager, the preferred other number, the preferred e-mail",
            "FN:Ann\r\nTEL;TYPE=cell:1\r\nTEL;TYPE=pager:2\r\nTEL;TYPE=pager:3\r\nTEL;TYPE=work;PREF=1:4\r\n"
            "EMAIL:a@x\r\nEMAIL;TYPE=INTERNET,PREF:b@x\r\n",
            {"Ann", "4", "2", "b@x", ""}},
        {"the first number without a preference, a tel: URI as people write it",
            "FN:Ann\r\nTEL;VALUE=uri:tel:+1-555-0100;ext=7\r\nTEL:9\r\n", {"Ann", "+1-555-0100 ext. 7", "", "", ""}},
        {"misc is only the note, its line breaks as \"; \"; escapes undone",
            "FN:Lee\\, Ann\r\nNOTE:one\\ntwo\r\nTITLE:Vet\r\nADR:;;1 High St;;;;\r\n",
            {"Lee, Ann", "", "", "", "one; two"}},
        {"vCard 2.1 quoted-printable in its character set, over a soft line break",
            "FN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:Zo=EB Bro=\r\nnt=EB\r\n",
            {"Zo\xEB Bront\xEB", "", "", "", ""}},
        {"a folded line, and what the directory cannot hold as \"?\"", "FN:Jan \xC5\x81\r\n ukasz\r\n",
            {"Jan ?ukasz", "", "", "", ""}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        EXPECT_EQ(row.expected, ToTestRecord(CCard(Card(row.lines)).Fields()));
    }
}

TEST(CardTest, ChangeRewritesOnlyTheLinesBehindChangedFields)
{
    const std::string photo = "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRgABAQAAAQABAAD/2wBDAAgGBgcGBQgHBwcJCQgKDBQN\r\n"
                              " DAsLDBkSEw8UHRofHh0aHBwgJC4nICIsIxwcKDcpLDAxNDQ0Hyc5PTgyPC4zNDL/\r\n";
    const std::string rest = "item1.ADR;type=HOME:;;1 High St;Town;;;\r\nX-ODD;x=\"a:b;c\":keep \\, me\r\n";
    const std::string text = Card("FN:Jan \xC5\x81ukasz\r\nTEL;TYPE=cell:1\r\nTEL;TYPE=HOME,PREF:555 0100\r\n"
                                  "TEL;TYPE=pager:2\r\n"
        + photo + rest + "NOTE:n\r\n");
    CCard card(text);

    // What came down with "?" goes back unchanged while nobody changed it.
    card.Apply(card.Fields());
    EXPECT_EQ(text, card.Text());

    CRecordFields fields = card.Fields();
    fields.strPhone = "555 0200";   // rewritten in place, type kept
    fields.strPager = "";   // removed
    fields.strEmail = "jan@x";   // added before END
    card.Apply(fields);
    EXPECT_EQ(Card("FN:Jan \xC5\x81ukasz\r\nTEL;TYPE=cell:1\r\nTEL;TYPE=HOME,PREF:555 0200\r\n" + photo + rest
                  + "NOTE:n\r\nEMAIL:jan@x\r\n"),
        card.Text());
    EXPECT_EQ(ToTestRecord(fields), ToTestRecord(card.Fields()));

    // A changed name goes up as UTF-8, the old encoding dropped.
    CCard old(Card("FN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:Zo=EB\r\n"));
    CRecordFields renamed = old.Fields();
    renamed.strName = "Zo\xEB; B";
    old.Apply(renamed);
    EXPECT_EQ(Card("FN:Zo\xC3\xAB\\; B\r\n"), old.Text());
}

TEST(CardTest, NewCardMapsBackToItsRecord)
{
    const TestRecord record{"Lee, Ann", "555 0100", "555 0142", "ann@example.org", "Zo\xEB; two"};
    CCard card(CCard::Create(ToFields(record), "uid-1"));
    EXPECT_EQ(record, ToTestRecord(card.Fields()));
    EXPECT_EQ("uid-1", card.Uid());
}

TEST(RecordAlignmentTest, PairsEditsAndTellsThemFromDeletionsAndAdditions)
{
    const CRecordFields a{"A", "1", "", "", ""}, b{"B", "2", "", "", ""}, c{"C", "3", "", "", ""},
        d{"D", "4", "", "", ""};
    const CRecordFields b2{"B", "9", "", "", ""}, c2{"C", "8", "", "", ""}, x{"X", "7", "", "", ""};
    struct Row
    {
        const char* why;
        std::vector<const CRecordFields*> before, after;
        std::vector<std::pair<int, int>> expected;
    };
    const Row rows[] = {
        {"an edit in the middle", {&a, &b, &c}, {&a, &b2, &c}, {{0, 0}, {1, 1}, {2, 2}}},
        {"a deletion beside an edit: the edit keeps its partner by its name", {&a, &b, &c, &d}, {&a, &c2, &d},
            {{0, 0}, {1, -1}, {2, 1}, {3, 2}}},
        {"an edit that changed everything, where as many went as came", {&a, &b}, {&a, &x}, {{0, 0}, {1, 1}}},
        {"a new record at the end and a deletion at the start", {&a, &b}, {&b, &x}, {{0, -1}, {1, 0}, {-1, 1}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        EXPECT_EQ(row.expected, CRecordAlignment::Align(row.before, row.after));
    }
}

}   // namespace
