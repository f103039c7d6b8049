// The engine against an address book in memory, one fault of a real server
// a row: what the first sync does with the fault present, and that once it
// is gone the next sync brings both sides to the records expected, after
// which a sync finds nothing to do.
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

#include "tests/sync/EngineHarness.h"

namespace {

using EKind = CSyncOutcome::EKind;
using Outcome = EngineHarness::Outcome;

const TestRecord kAnn{"Ann", "555 0101", "", "ann@example.org", ""};
const TestRecord kBob{"Bob", "555 0102", "", "", "neighbour"};
const TestRecord kCat{"Cat", "555 0103", "", "", ""};

TestRecord With(TestRecord record, std::string TestRecord::*field, const std::string& value)
{
    record.*field = value;
    return record;
}

std::vector<TestRecord> Numbered(int nCount)
{
    std::vector<TestRecord> records;
    for (int i = 0; i < nCount; ++i)
        records.push_back({"P" + std::to_string(i), "555 " + std::to_string(i), "", "", ""});
    return records;
}

std::vector<TestRecord> NumberedFrom(int nFirst, int nEnd)
{
    std::vector<TestRecord> records = Numbered(nEnd);
    records.erase(records.begin(), records.begin() + nFirst);
    return records;
}

mode_t Mode(const char* pszPath)
{
    struct stat info {};
    return ::stat(pszPath, &info) == 0 ? info.st_mode & 0777 : 0;
}

struct Row
{
    const char* pszName;
    std::vector<TestRecord> start;
    // Edits on either side and the fault, before the first sync.
    std::function<void(EngineHarness&)> arrange;
    // The first sync's kind; check looks at its data.
    EKind first;
    // What both sides hold once the fault is gone and the next sync is over.
    std::vector<TestRecord> end;
    // Anything more to check after the first sync.
    std::function<void(EngineHarness&, const Outcome&)> check;
    CSyncEngine::Options first_options = {};
};

void PhoneEditsBob(EngineHarness& h)
{
    h.book.Edit(h.book.HrefOf("Bob"), With(kBob, &TestRecord::phone, "555 9999"));
}

// Each card's href and UID.
std::vector<std::string> Hrefs(const EngineHarness& h)
{
    std::vector<std::string> hrefs;
    for (const auto& [href, stored] : h.book.cards)
        hrefs.push_back(href + " " + CCard(stored.strData).Uid());
    return hrefs;
}

// Bob edited on both sides, and every request after the first nAfter
// failing as the client reports it.
std::function<void(EngineHarness&)> Failing(CSyncOutcome::EKind kind, int nStatus, int nAfter = 0)
{
    return [=](EngineHarness& h) {
        PhoneEditsBob(h);
        h.Write({kAnn, With(kBob, &TestRecord::email, "bob@example.org")});
        h.book.faults.failure = MemoryAddressBook::Failed(kind, nStatus);
        h.book.faults.failure.strDetail = "what the client saw";
        h.book.faults.failure.certificate.strSha256 = "AB:CD";
        h.book.faults.nFailAfter = nAfter;
    };
}

// The client's failure comes through whole.
void CameThrough(EngineHarness& h, const Outcome& first)
{
    EXPECT_EQ("dav.test", first.data.strHost);
    EXPECT_EQ("http://dav.test/book/", first.data.strUrl);
    EXPECT_EQ(h.book.faults.failure.nHttpStatus, first.data.nHttpStatus);
    EXPECT_EQ("what the client saw", first.data.strDetail);
    EXPECT_EQ("AB:CD", first.data.certificate.strSha256);
}

const std::vector<TestRecord> kBobMerged
    = {kAnn, With(With(kBob, &TestRecord::phone, "555 9999"), &TestRecord::email, "bob@example.org")};

std::vector<std::string> Named(const char* pszPrefix, int nFirst, int nEnd)
{
    std::vector<std::string> names;
    for (int i = nFirst; i < nEnd; ++i)
        names.push_back(pszPrefix + std::to_string(i));
    return names;
}

// Contact groups as vCard 4.0 clients and as Apple's write them.
const char* const kFamily = "BEGIN:VCARD\r\nVERSION:4.0\r\nUID:family\r\nKIND:group\r\nFN:Family\r\n"
                            "MEMBER:urn:uuid:uid-1\r\nEND:VCARD\r\n";
std::string AppleGroup(const std::string& strName, const std::string& strUid)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nPRODID:-//Apple Inc.//iOS 17.0//EN\r\nN:" + strName + "\r\nFN:" + strName
        + "\r\nX-ADDRESSBOOKSERVER-KIND:group\r\nX-ADDRESSBOOKSERVER-MEMBER:urn:uuid:uid-2\r\nUID:" + strUid
        + "\r\nEND:VCARD\r\n";
}

// Each card at hrefs as stored (its ETag and bytes), or nothing.
std::vector<std::string> AsStored(const EngineHarness& h, const std::vector<std::string>& hrefs)
{
    std::vector<std::string> stored;
    for (const std::string& href : hrefs)
        if (const auto found = h.book.cards.find(href); found != h.book.cards.end())
            stored.push_back(found->second.strEtag + found->second.strData);
    return stored;
}

const Row kRows[] = {
    {"groups of both kinds are never records and outlive every record deleted here, forced", Numbered(6),
        [](EngineHarness& h) {
            h.book.Store("/book/family.vcf", kFamily);
            h.book.Store("/book/work.vcf", AppleGroup("Work", "work"));
            h.kept = AsStored(h, {"/book/family.vcf", "/book/work.vcf"});
            ASSERT_EQ(EKind::kInStep, h.Sync().kind);
            h.Write({});
            // A complete listing, and a write beaten once: a second round
            // sees the groups again.
            h.book.faults.bExpireToken = true;
            h.book.faults.beforeWrite = [&h] { h.book.Edit(h.book.HrefOf("P0"), {"P0", "555 9999", "", "", ""}); };
        },
        EKind::kInStep, {{"P0", "555 9999", "", "", ""}},
        [](EngineHarness& h, const Outcome& first) {
            EXPECT_EQ(h.kept, AsStored(h, {"/book/family.vcf", "/book/work.vcf"}));
            EXPECT_EQ(2, std::count_if(first.details.begin(), first.details.end(),
                             [](const std::string& line) { return line.rfind("left out: ", 0) == 0; }));
        },
        {false, true, false}},
    {"a card that became a group is no card to the guard: six of the other eleven deleted is refused", Numbered(12),
        [](EngineHarness& h) {
            h.kept = {h.book.HrefOf("P0")};
            h.book.Store(h.kept[0], AppleGroup("P0", "p0"));
            h.kept.push_back(AsStored(h, {h.kept[0]}).at(0));
            h.Write(Numbered(6));
        },
        EKind::kTooManyDeletions, NumberedFrom(1, 12),
        [](EngineHarness& h, const Outcome& first) {
            EXPECT_EQ(11, first.data.there.nTotal);
            h.Write(NumberedFrom(1, 12));   // the others put back, P0 deleted here
            EXPECT_EQ(EKind::kInStep, h.Sync().kind);
            EXPECT_EQ(std::vector<std::string>{h.kept[1]}, AsStored(h, {h.kept[0]}));
        }},
    {"a card that became a group is left as it is, and so is its record, even deleted here", {kAnn, kBob},
        [](EngineHarness& h) {
            h.kept = {h.book.HrefOf("Bob")};
            h.book.Store(h.kept[0], AppleGroup("Bob", "uid-2"));
            h.kept.push_back(AsStored(h, {h.kept[0]}).at(0));
        },
        EKind::kInStep, {kAnn},
        [](EngineHarness& h, const Outcome& first) {
            EXPECT_EQ(0, first.nChanges);
            EXPECT_EQ((std::vector<TestRecord>{kAnn, kBob}), h.Records());
            EXPECT_EQ(std::vector<std::string>{}, h.Sync().details) << "nothing changed, nothing to name again";
            h.Write({kAnn});
            EXPECT_EQ(EKind::kInStep, h.Sync().kind);
            EXPECT_EQ(std::vector<std::string>{h.kept[1]}, AsStored(h, {h.kept[0]}));
        }},
    {"a last record without a name stops no sync that adds nothing here", {kAnn, kBob},
        [](EngineHarness& h) {
            PhoneEditsBob(h);
            h.Write({kAnn, kBob, {"", "555 0142", "", "", ""}});
        },
        EKind::kInStep, {kAnn, With(kBob, &TestRecord::phone, "555 9999")}, nullptr},
    {"a card left out of the multiget once is asked for again", {kAnn, kBob},
        [](EngineHarness& h) {
            PhoneEditsBob(h);
            h.book.faults.fetch[h.book.HrefOf("Bob")] = {0, 1};
        },
        EKind::kInStep, {kAnn, With(kBob, &TestRecord::phone, "555 9999")}, nullptr},
    {"a card left out of the multiget twice fails the round, deleting nothing", {kAnn, kBob},
        [](EngineHarness& h) {
            PhoneEditsBob(h);
            h.book.faults.fetch[h.book.HrefOf("Bob")] = {0, 2};
        },
        EKind::kServerError, {kAnn, With(kBob, &TestRecord::phone, "555 9999")},
        [](EngineHarness& h, const Outcome& first) {
            EXPECT_EQ((std::vector<TestRecord>{kAnn, kBob}), h.Records());
            EXPECT_EQ((std::vector<std::string>{"Bob"}), first.data.names);
            EXPECT_EQ(0, first.data.nHttpStatus);
        }},
    {"a 503 for a card edited on both sides fails the round; no second card", {kAnn, kBob},
        [](EngineHarness& h) {
            PhoneEditsBob(h);
            h.Write({kAnn, With(kBob, &TestRecord::email, "bob@example.org")});
            h.book.faults.fetch[h.book.HrefOf("Bob")] = {503, 2};
        },
        EKind::kServerError,
        {kAnn, With(With(kBob, &TestRecord::phone, "555 9999"), &TestRecord::email, "bob@example.org")},
        [](EngineHarness&, const Outcome& first) { EXPECT_EQ(503, first.data.nHttpStatus); }},
    {"a listing member with an error status fails the round and keeps the token", {kAnn, kBob},
        [](EngineHarness& h) {
            PhoneEditsBob(h);
            h.book.faults.list[h.book.HrefOf("Bob")] = 500;
        },
        EKind::kServerError, {kAnn, With(kBob, &TestRecord::phone, "555 9999")},
        [](EngineHarness&, const Outcome& first) { EXPECT_EQ(500, first.data.nHttpStatus); }},
    {"an explicit 404 in the multiget is a card deleted there", {kAnn, kBob},
        [](EngineHarness& h) {
            PhoneEditsBob(h);
            h.book.faults.beforeFetch = [&h] { h.book.Remove(h.book.HrefOf("Bob")); };
        },
        EKind::kInStep, {kAnn}, nullptr},
    {"an explicit 410 in the multiget is a card deleted there", {kAnn, kBob},
        [](EngineHarness& h) {
            PhoneEditsBob(h);
            h.book.faults.fetch[h.book.HrefOf("Bob")] = {410, 2};
            h.book.faults.beforeFetch = [&h] { h.book.Remove(h.book.HrefOf("Bob")); };
        },
        EKind::kInStep, {kAnn}, nullptr},
    {"a card without a UID edited here gets one", {kAnn},
        [](EngineHarness& h) {
            h.book.Store("/book/no-uid.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Bob\r\nTEL:555 0102\r\nEND:VCARD\r\n");
            ASSERT_EQ(EKind::kInStep, h.Sync().kind);
            h.Write({kAnn, {"Bob", "555 7777", "", "", ""}});
        },
        EKind::kInStep, {kAnn, {"Bob", "555 7777", "", "", ""}},
        [](EngineHarness& h, const Outcome&) {
            EXPECT_NE(std::string::npos, h.book.cards.at("/book/no-uid.vcf").strData.find("\r\nUID:"));
        }},
    {"the state and its journal are the user's alone", {kAnn},
        [](EngineHarness& h) {
            ::chmod(EngineHarness::kStateFile, 0644);
            h.Write({kAnn, kBob});
            h.book.faults.beforeWrite = [] {
                EXPECT_EQ(0600u, Mode((std::string(EngineHarness::kStateFile) + ".journal").c_str()));
            };
        },
        EKind::kInStep, {kAnn, kBob},
        [](EngineHarness&, const Outcome&) { EXPECT_EQ(0600u, Mode(EngineHarness::kStateFile)); }},
    {"a server that lists only vCard 3.0 gets 3.0 cards from the first, none refused", {},
        [](EngineHarness& h) {
            h.book.versions = MemoryAddressBook::EVersions::kSays3Only;
            h.Write({kAnn, kBob});
        },
        EKind::kInStep, {kAnn, kBob},
        [](EngineHarness& h, const Outcome&) { EXPECT_EQ(2, h.book.nPuts); }},
    {"a server that refuses 4.0 gets 3.0, remembered for the next card", {kAnn},
        [](EngineHarness& h) {
            h.book.versions = MemoryAddressBook::EVersions::kRefuses4;
            h.Write({kAnn, kBob});
            ASSERT_EQ(EKind::kInStep, h.Sync().kind);
            h.book.versions = MemoryAddressBook::EVersions::kAny;
            h.Write({kAnn, kBob, kCat});
        },
        EKind::kInStep, {kAnn, kBob, kCat},
        [](EngineHarness& h, const Outcome&) {
            EXPECT_NE(std::string::npos, h.book.cards.at(h.book.HrefOf("Cat")).strData.find("VERSION:3.0"));
        }},
    {"a refused card stops no other and is named with the reason", {kAnn},
        [](EngineHarness& h) {
            h.Write({kAnn, kBob, kCat});
            h.book.faults.refusedNames = {"Bob"};
        },
        EKind::kCardsRefused, {kAnn, kBob, kCat},
        [](EngineHarness& h, const Outcome& first) {
            EXPECT_NE("", h.book.HrefOf("Cat"));
            EXPECT_EQ((std::vector<std::string>{"Bob"}), first.data.names);
            EXPECT_EQ(1, first.data.nCount);
            EXPECT_EQ(403, first.data.nHttpStatus);
            EXPECT_EQ("max-resource-size", first.data.strDetail);
        }},
    {"new ETags a server kept to itself come in one multiget", {},
        [](EngineHarness& h) {
            h.book.bNoEtagOnPut = true;
            h.book.nFetches = 0;
            h.Write(Numbered(6));
        },
        EKind::kInStep, Numbered(6),
        [](EngineHarness& h, const Outcome&) {
            EXPECT_EQ(1, h.book.nFetches);
            CSyncState state;
            std::string strError;
            ASSERT_TRUE(state.Load(EngineHarness::kStateFile, strError));
            for (const CSyncEntry& entry : state.m_entries)
                EXPECT_EQ(h.book.cards.at(entry.strHref).strEtag, entry.strEtag);
        }},
    {"a create the server took after the reply was lost is recognised in the listing", {kAnn},
        [](EngineHarness& h) {
            h.Write({kAnn, kBob});
            h.book.faults.nLoseReplies = 1;
            ASSERT_EQ(EKind::kNetwork, h.Sync().kind);
            h.Write({kAnn, With(kBob, &TestRecord::phone, "555 8888")});
        },
        EKind::kInStep, {kAnn, With(kBob, &TestRecord::phone, "555 8888")}, nullptr},
    {"a create the server took late is recognised by its UID at the same href", {kAnn},
        [](EngineHarness& h) {
            h.Write({kAnn, kBob});
            h.book.faults.nLoseReplies = 1;
            h.book.bCommitLate = true;
            ASSERT_EQ(EKind::kNetwork, h.Sync().kind);
            h.book.faults.beforeWrite = [&h] { h.book.CommitLatePut(); };
        },
        EKind::kInStep, {kAnn, kBob}, nullptr},
    {"someone else's write during a slow reply: 412, fetched and merged", {kAnn, kBob},
        [](EngineHarness& h) {
            h.Write({kAnn, With(kBob, &TestRecord::email, "bob@example.org")});
            h.book.faults.beforeFetch = [&h] { PhoneEditsBob(h); };
        },
        EKind::kInStep,
        {kAnn, With(With(kBob, &TestRecord::phone, "555 9999"), &TestRecord::email, "bob@example.org")}, nullptr},
    {"an expired token lists everything, and what is missing went", {kAnn, kBob, kCat},
        [](EngineHarness& h) {
            h.book.Remove(h.book.HrefOf("Bob"));
            h.book.faults.bExpireToken = true;
        },
        EKind::kInStep, {kAnn, kCat}, nullptr},
    {"the same change on both sides merges quietly", {kAnn, kBob},
        [](EngineHarness& h) {
            PhoneEditsBob(h);
            h.Write({kAnn, With(kBob, &TestRecord::phone, "555 9999")});
        },
        EKind::kInStep, {kAnn, With(kBob, &TestRecord::phone, "555 9999")},
        [](EngineHarness&, const Outcome& outcome) { EXPECT_EQ(0, outcome.nConflicts); }},
    {"deleting exactly half of the cards goes ahead", Numbered(12),
        [](EngineHarness& h) { h.Write(Numbered(6)); },
        EKind::kInStep, Numbered(6), nullptr},
    {"deleting six of eleven cards is refused; groups there are no cards", Numbered(11),
        [](EngineHarness& h) {
            h.Write(Numbered(5));
            h.book.Store("/book/family.vcf", kFamily);
            h.book.Store("/book/work.vcf", AppleGroup("Work", "work"));
        },
        EKind::kTooManyDeletions, Numbered(11),
        [](EngineHarness& h, const Outcome& first) {
            EXPECT_EQ(6, first.data.there.nDeleted);
            EXPECT_EQ(11, first.data.there.nTotal);
            EXPECT_EQ((std::vector<std::string>{"P5", "P6", "P7", "P8", "P9", "P10"}), first.data.there.names);
            EXPECT_FALSE(first.data.here.Refused());
            h.Write(Numbered(11));   // the user puts them back
        }},
    {"deleting five of six records here goes ahead", Numbered(6),
        [](EngineHarness& h) {
            for (int i = 1; i < 6; ++i)
                h.book.Remove(h.book.HrefOf("P" + std::to_string(i)));
        },
        EKind::kInStep, Numbered(1), nullptr},
    // One row for each kind of failure the client reports: it comes through
    // with its data, before or after the directory was saved.
    {"no answer from the server", {kAnn, kBob}, Failing(EKind::kNetwork, 0), EKind::kNetwork, kBobMerged,
        [](EngineHarness& h, const Outcome& first) {
            CameThrough(h, first);
            EXPECT_EQ((std::vector<TestRecord>{kAnn, With(kBob, &TestRecord::email, "bob@example.org")}), h.Records());
        }},
    {"a server error in the multiget", {kAnn, kBob}, Failing(EKind::kServerError, 500, 1), EKind::kServerError,
        kBobMerged, CameThrough},
    {"the password refused on the write, after the directory took the server's change", {kAnn, kBob},
        Failing(EKind::kPasswordRefused, 401, 2), EKind::kPasswordRefused, kBobMerged,
        [](EngineHarness& h, const Outcome& first) {
            CameThrough(h, first);
            EXPECT_EQ(kBobMerged, h.Records());
            EXPECT_EQ((std::array<int, 3>{0, 1, 0}), first.data.doneHere);
        }},
    {"the address book gone", {kAnn, kBob}, Failing(EKind::kAddressBookGone, 404), EKind::kAddressBookGone,
        kBobMerged, CameThrough},
    {"the server's certificate not trusted", {kAnn, kBob}, Failing(EKind::kCertificateUntrusted, 0),
        EKind::kCertificateUntrusted, kBobMerged, CameThrough},
    {"stopped by a signal", {kAnn, kBob}, Failing(EKind::kStopped, 0, 1), EKind::kStopped, kBobMerged, CameThrough},
    {"another server named in a redirect", {kAnn, kBob}, Failing(EKind::kOtherServer, 307), EKind::kOtherServer,
        kBobMerged, CameThrough},
    {"every write beaten by someone else's: it kept changing", {kAnn, kBob},
        [](EngineHarness& h) {
            h.Write({kAnn, With(kBob, &TestRecord::email, "bob@example.org")});
            h.book.faults.bBeatWrites = true;
        },
        EKind::kKeptChanging, {kAnn, With(kBob, &TestRecord::email, "bob@example.org")},
        [](EngineHarness&, const Outcome& first) { EXPECT_EQ("http://dav.test/book/", first.data.strUrl); }},
    {"the state cannot be saved", {kAnn, kBob},
        [](EngineHarness& h) {
            PhoneEditsBob(h);
            h.beforeRun = [] {
                std::filesystem::remove(EngineHarness::kStateFile);
                std::filesystem::create_directories(std::string(EngineHarness::kStateFile) + "/in-the-way");
            };
        },
        EKind::kStateDamaged, {kAnn, With(kBob, &TestRecord::phone, "555 9999")},
        [](EngineHarness& h, const Outcome& first) {
            EXPECT_EQ(CSyncOutcome::EFileProblem::kNotSaved, first.data.fileProblem);
            EXPECT_EQ(CSyncState::PathFor("Dialstack.dat"), first.data.strPath);
            // Without its state the next sync pairs the records with their cards.
            h.beforeRun = nullptr;
            std::filesystem::remove_all(EngineHarness::kStateFile);
        }},
    {"a directory file changed while the sync ran is never overwritten", {kAnn, kBob},
        [](EngineHarness& h) {
            PhoneEditsBob(h);
            h.beforeRun = [&h] {
                h.beforeRun = nullptr;
                h.Write({kAnn, kBob, kCat});
            };
        },
        EKind::kDirectoryFile, {kAnn, With(kBob, &TestRecord::phone, "555 9999"), kCat},
        [](EngineHarness& h, const Outcome& first) {
            EXPECT_EQ(CSyncOutcome::EFileProblem::kChangedMeanwhile, first.data.fileProblem);
            EXPECT_EQ("Dialstack.dat", first.data.strPath);
            EXPECT_EQ((std::vector<TestRecord>{kAnn, kBob, kCat}), h.Records());
        }},
    {"fields changed both ways are told with both values, in UTF-8", {kAnn, kBob},
        [](EngineHarness& h) {
            h.book.Edit(h.book.HrefOf("Bob"), {"Bob", "555 9999", "", "", "vet"});
            h.Write({kAnn, {"Bob", "555 1111", "", "bob@example.org", "caf\xe9"}});
        },
        EKind::kInStep,
        {kAnn, {"Bob", "555 9999", "", "", "vet"}, {"Bob (conflict copy)", "555 1111", "", "bob@example.org", "caf\xe9"}},
        [](EngineHarness&, const Outcome& first) {
            ASSERT_EQ(1u, first.data.conflicts.size());
            const CSyncOutcome::Conflict& conflict = first.data.conflicts[0];
            EXPECT_EQ("Bob", conflict.strName);
            EXPECT_EQ("Bob (conflict copy)", conflict.strCopyName);
            ASSERT_EQ(2u, conflict.fields.size());
            EXPECT_EQ("phone", conflict.fields[0].strField);
            EXPECT_EQ("555 1111", conflict.fields[0].strHere);
            EXPECT_EQ("555 9999", conflict.fields[0].strThere);
            EXPECT_EQ("misc", conflict.fields[1].strField);
            EXPECT_EQ("caf\xC3\xA9", conflict.fields[1].strHere);
            EXPECT_EQ("vet", conflict.fields[1].strThere);
        }},
    {"a new card and a new record of the same name but other fields are two", {kAnn},
        [](EngineHarness& h) {
            h.book.Add({"Dan", "555 0001", "", "", ""});
            h.Write({kAnn, {"Dan", "555 0002", "", "", ""}});
        },
        EKind::kInStep, {kAnn, {"Dan", "555 0002", "", "", ""}, {"Dan", "555 0001", "", "", ""}}, nullptr},
    {"deleting six of eleven records here is refused, naming them", Numbered(11),
        [](EngineHarness& h) {
            for (int i = 0; i < 6; ++i)
                h.book.Remove(h.book.HrefOf("P" + std::to_string(i)));
        },
        EKind::kTooManyDeletions, Numbered(11),
        [](EngineHarness& h, const Outcome& first) {
            EXPECT_EQ(6, first.data.here.nDeleted);
            EXPECT_EQ(11, first.data.here.nTotal);
            EXPECT_EQ(Named("P", 0, 6), first.data.here.names);
            EXPECT_FALSE(first.data.there.Refused());
            EXPECT_EQ(Numbered(11), h.Records());
            // Brought back, as below.
            EXPECT_EQ(EKind::kInStep, h.Sync(CSyncEngine::Options{false, false, true}).kind);
        }},
    {"too many records deleted here come back from their cards", Numbered(11),
        [](EngineHarness& h) {
            h.kept = Hrefs(h);
            h.Write(Numbered(5));
        },
        EKind::kInStep, Numbered(11),
        [](EngineHarness& h, const Outcome& first) {
            EXPECT_EQ(Numbered(11), h.Records());
            EXPECT_EQ(h.kept, Hrefs(h));
            EXPECT_EQ((std::array<int, 3>{6, 0, 0}), first.data.doneHere);
            EXPECT_EQ((std::array<int, 3>{0, 0, 0}), first.data.doneThere);
        },
        {false, false, true}},
    {"too many cards deleted on the server are written again under their UIDs and hrefs", Numbered(11),
        [](EngineHarness& h) {
            h.kept = Hrefs(h);
            for (int i = 0; i < 6; ++i)
                h.book.Remove(h.book.HrefOf("P" + std::to_string(i)));
        },
        EKind::kInStep, Numbered(11),
        [](EngineHarness& h, const Outcome& first) {
            EXPECT_EQ(Numbered(11), h.Records());
            EXPECT_EQ(h.kept, Hrefs(h));
            EXPECT_EQ((std::array<int, 3>{0, 0, 0}), first.data.doneHere);
            EXPECT_EQ((std::array<int, 3>{6, 0, 0}), first.data.doneThere);
        },
        {false, false, true}},
    {"a card already gone when deleted counts as deleted", {kAnn, kBob},
        [](EngineHarness& h) {
            h.Write({kAnn});
            h.book.faults.beforeWrite = [&h] { h.book.Remove(h.book.HrefOf("Bob")); };
        },
        EKind::kInStep, {kAnn},
        [](EngineHarness& h, const Outcome& outcome) {
            EXPECT_EQ(1, outcome.nChanges);
            EXPECT_EQ(0, h.book.nPuts);
        }},
};

TEST(SyncEngineTest, ServerFaultsLoseNothingAndEndInStep)
{
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.pszName);
        EngineHarness h;
        h.Begin(row.start);
        ASSERT_EQ(MemoryAddressBook::Sorted(row.start), h.book.Records());
        h.book.nPuts = 0;
        row.arrange(h);
        if (HasFatalFailure())
            return;
        const Outcome first = h.Sync(row.first_options);
        EXPECT_EQ(row.first, first.kind) << first.data.ToJson();
        if (row.check)
            row.check(h, first);
        h.book.faults = {};
        const Outcome second = h.Sync();
        EXPECT_EQ(EKind::kInStep, second.kind) << second.data.ToJson();
        EXPECT_EQ(row.end, h.Records());
        EXPECT_EQ(MemoryAddressBook::Sorted(row.end), h.book.Records());
        const Outcome third = h.Sync();
        EXPECT_EQ(EKind::kInStep, third.kind) << third.data.ToJson();
        EXPECT_EQ(0, third.nChanges);
        EXPECT_EQ(std::vector<std::string>{}, third.details);
    }
}

}   // namespace
