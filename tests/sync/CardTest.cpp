// The card model: which properties a record comes from, and that a change
// rewrites only the lines behind the changed fields. The ordered diff that
// tells an edited record from a deleted one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "convert/ContactReader.h"
#include "convert/ImportReport.h"
#include "convert/InputText.h"
#include "convert/RecordImporter.h"
#include "sync/Card.h"
#include "sync/RecordAlignment.h"
#include "tests/support/TestRecord.h"
#include "vcard/AsciiText.h"

namespace {

std::string Card(const std::string& lines)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\n" + lines + "END:VCARD\r\n";
}

// The card's text with the time stamp of its REV line as "<time>", after
// checking that it has the form pattern and lies in this century.
std::string WithoutTime(const std::string& text, const char* pszPattern)
{
    std::smatch match;
    const std::regex rev(std::string("REV:(") + pszPattern + ")(\r?\n)");
    if (!std::regex_search(text, match, rev))
        return text;
    EXPECT_EQ("20", match.str(1).substr(0, 2));
    return match.prefix().str() + "REV:<time>" + match.str(2) + match.suffix().str();
}

const char* const kBasicTime = "\\d{8}T\\d{6}Z";
const char* const kExtendedTime = "\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ";

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

// A contact file's text as the readers see it (UTF-16 turned into UTF-8).
std::string FileText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    CInputText input(file);
    std::string text;
    std::string_view piece;
    while (input.Next(piece))
        text += piece;
    EXPECT_EQ("", input.Error()) << path;
    return text;
}

// The cards of a file, each as a server would hold it alone: from a BEGIN
// at the outermost level to its END. A card with a card inside it (a 2.1
// AGENT, or one begun inside another) is left out: no server holds one.
std::vector<std::string> CardsOf(const std::string& text)
{
    std::vector<std::string> cards;
    std::istringstream lines(text);
    std::string line, card;
    int nDepth = 0;
    bool bNested = false;
    while (std::getline(lines, line)) {
        const std::string trimmed = Upper(Trimmed(line.substr(0, line.find_last_not_of("\r") + 1)));
        if (trimmed == "BEGIN:VCARD" && ++nDepth > 1)
            bNested = true;
        if (nDepth > 0)
            card += line + '\n';
        if (trimmed == "END:VCARD" && nDepth > 0 && --nDepth == 0) {
            if (!bNested)
                cards.push_back(card);
            card.clear();
            bNested = false;
        }
    }
    return cards;
}

// Import and the sync read a card through one vCard layer: every card of
// the import's golden files gives the same name, numbers and e-mail both
// ways, and its note at the start of import's misc (which goes on with the
// values the sync leaves on the server). A card import leaves out (a group,
// a place, one without a name) gives the sync no contact, or no name.
TEST(CardTest, EveryGoldenCardGivesTheRecordImportGives)
{
    int nCards = 0;
    for (const auto& entry : std::filesystem::directory_iterator(DIALSTACK_GOLDEN_DIR)) {
        if (entry.path().extension() != ".vcf")
            continue;
        for (const std::string& text : CardsOf(FileText(entry.path().string()))) {
            SCOPED_TRACE(entry.path().filename().string() + ":\n" + text);
            ++nCards;
            CRecordList list;
            CImportReport report;
            CRecordImporter importer(list, report);
            const auto reader = CContactReader::Create(
                EContactFormat::kVCard, [&](const CContact& contact) { importer.Add(contact, "card"); });
            reader->Feed(text);
            std::string strError;
            ASSERT_TRUE(reader->Finish(strError)) << strError;
            const CCard card(text);
            EXPECT_EQ(report.CardsLeftAlone() == 0, card.IsContact());
            const TestRecord synced = ToTestRecord(card.Fields());
            if (report.RecordsAdded() == 0) {
                EXPECT_TRUE(report.CardsLeftAlone() == 1 || synced.name.empty());
                continue;
            }
            TestRecord imported = WalkRecords(list).front();
            EXPECT_EQ(synced.misc, imported.misc.substr(0, synced.misc.size()));
            imported.misc = synced.misc;
            EXPECT_EQ(synced, imported);
        }
    }
    EXPECT_GT(nCards, 20);
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
                  + "NOTE:n\r\nEMAIL:jan@x\r\nREV:<time>\r\n"),
        WithoutTime(card.Text(), kExtendedTime));
    EXPECT_EQ(ToTestRecord(fields), ToTestRecord(card.Fields()));

    // A long name in a 2.1 card, where a fold would add a space, is not
    // folded.
    const std::string longName(80, 'x');
    CCard card21("BEGIN:VCARD\r\nVERSION:2.1\r\nFN:A\r\nEND:VCARD\r\n");
    card21.Apply(CRecordFields{CString(longName), "", "", "", ""});
    EXPECT_EQ(longName, card21.Fields().strName.Bytes());

    // A changed name goes up as UTF-8, the old encoding dropped.
    CCard old(Card("FN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:Zo=EB\r\n"));
    CRecordFields renamed = old.Fields();
    renamed.strName = "Zo\xEB; B";
    old.Apply(renamed);
    EXPECT_EQ(Card("FN:Zo\xC3\xAB\\; B\r\nREV:<time>\r\n"), WithoutTime(old.Text(), kExtendedTime));
}

TEST(CardTest, ChangeStampsTheRevisionInTheFormOfTheCardsVersion)
{
    struct Row
    {
        const char* why;
        std::string text, expected;
        const char* pszTime;
    };
    const Row rows[] = {
        {"4.0: the old REV rewritten in place, its date-only type dropped, the basic form",
            "BEGIN:VCARD\nVERSION:4.0\nFN:A\nREV;VALUE=date:20010101\nNOTE:x\nEND:VCARD\n",
            "BEGIN:VCARD\nVERSION:4.0\nFN:B\nREV:<time>\nNOTE:x\nEND:VCARD\n", kBasicTime},
        {"3.0: the extended form", Card("FN:A\r\n"), Card("FN:B\r\nREV:<time>\r\n"), kExtendedTime},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        CCard card(row.text);
        CRecordFields fields = card.Fields();
        fields.strName = "B";
        card.Apply(fields);
        EXPECT_EQ(row.expected, WithoutTime(card.Text(), row.pszTime));
    }
}

TEST(CardTest, MissingUidIsAddedAndAPresentOneKept)
{
    CCard bare(Card("FN:A\r\n"));
    bare.EnsureUid("urn:uuid:1");
    EXPECT_EQ(Card("FN:A\r\nUID:urn:uuid:1\r\n"), bare.Text());
    CCard blank(Card("UID: \r\nFN:A\r\n"));
    blank.EnsureUid("u2");
    EXPECT_EQ(Card("UID:u2\r\nFN:A\r\n"), blank.Text());
    CCard kept(Card("UID:old\r\nFN:A\r\n"));
    kept.EnsureUid("new");
    EXPECT_EQ(Card("UID:old\r\nFN:A\r\n"), kept.Text());
}

TEST(CardTest, NewCardMapsBackToItsRecord)
{
    const TestRecord record{"Lee, Ann", "555 0100", "555 0142", "ann@example.org", "Zo\xEB; two"};
    for (const int nVersion : {3, 4}) {
        SCOPED_TRACE(nVersion);
        CCard card(CCard::Create(ToFields(record), "uid-1", nVersion));
        EXPECT_EQ(record, ToTestRecord(card.Fields()));
        EXPECT_EQ("uid-1", card.Uid());
    }
    // 3.0 as its readers expect it: capital types, an INTERNET e-mail, N
    // even for a record without a name.
    EXPECT_EQ("BEGIN:VCARD\r\nVERSION:3.0\r\nUID:u\r\nFN:Lee\\, Ann\r\nN:Lee;Ann;;;\r\nTEL;TYPE=VOICE:555 0100\r\n"
              "TEL;TYPE=PAGER:555 0142\r\nEMAIL;TYPE=INTERNET:ann@example.org\r\nNOTE:Zo\xC3\xAB\\; two\r\n"
              "END:VCARD\r\n",
        CCard::Create(ToFields(record), "u", 3));
    EXPECT_EQ("BEGIN:VCARD\r\nVERSION:3.0\r\nUID:u\r\nFN:\r\nN:;;;;\r\nEND:VCARD\r\n",
        CCard::Create(CRecordFields(), "u", 3));
    EXPECT_EQ("BEGIN:VCARD\r\nVERSION:4.0\r\nUID:u\r\nFN:A\r\nN:A;;;;\r\nTEL;TYPE=voice:1\r\nEND:VCARD\r\n",
        CCard::Create(CRecordFields{"A", "1", "", "", ""}, "u"));
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
