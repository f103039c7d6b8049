// The three-way merge over random edits on both sides: afterwards both
// sides hold the same records, a second merge has nothing to do, and no
// value either side held is lost, apart from deletions made on one side
// only.
#include <map>
#include <random>
#include <set>

#include <gtest/gtest.h>

#include "sync/SyncMerge.h"
#include "tests/support/TestRecord.h"

namespace {

// Few distinct values, so that edits on both sides often meet.
CString RandomValue(std::mt19937& random, const char* pszPrefix)
{
    const int n = std::uniform_int_distribution<int>(0, 3)(random);
    return n == 0 ? CString() : CString((std::string(pszPrefix) + std::to_string(n)).c_str());
}

CRecordFields RandomRecord(std::mt19937& random, int& nNames)
{
    return {CString(("N" + std::to_string(nNames++)).c_str()), RandomValue(random, "p"), RandomValue(random, "g"),
        RandomValue(random, "e"), RandomValue(random, "m")};
}

void Edit(std::mt19937& random, CRecordFields& fields, int& nNames)
{
    switch (std::uniform_int_distribution<int>(0, 3)(random)) {
    case 0: fields.strPhone = RandomValue(random, "p"); break;
    case 1: fields.strEmail = RandomValue(random, "e"); break;
    case 2: fields.strName = CString(("N" + std::to_string(nNames++)).c_str()); break;
    default: fields.strMisc = RandomValue(random, "m"); break;
    }
}

struct Side
{
    // Before the sync; nullopt-like flags for deleted.
    std::vector<CRecordFields> records;
    std::vector<bool> deleted;
};

// A server of cards: href -> record.
using Server = std::map<std::string, CRecordFields>;

// Every (field, value) pair a record holds, to check that none is lost.
void Values(const CRecordFields& f, std::set<std::pair<int, std::string>>& values)
{
    const CString* fields[] = {&f.strName, &f.strPhone, &f.strPager, &f.strEmail, &f.strMisc};
    for (int i = 0; i < 5; ++i)
        if (!fields[i]->IsEmpty())
            values.emplace(i, fields[i]->Bytes());
}

std::string WithoutConflictSuffix(std::string name)
{
    const std::string suffix = CSyncMerge::ConflictSuffix();
    while (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
        name.resize(name.size() - suffix.size());
    return name;
}

class Simulation
{
public:
    explicit Simulation(unsigned seed)
        : m_random(seed)
    {
    }

    void Run()
    {
        // In step to begin with.
        const int nRecords = std::uniform_int_distribution<int>(0, 8)(m_random);
        for (int i = 0; i < nRecords; ++i) {
            const CRecordFields record = RandomRecord(m_random, m_nNames);
            const std::string href = "/c/" + std::to_string(i) + ".vcf";
            m_state.push_back({"", href, "e0", record});
            m_local.push_back(record);
            m_server[href] = record;
        }
        EditLocal();
        EditServer();

        std::set<std::pair<int, std::string>> mustSurvive = ValuesToKeep();
        Sync();

        // In step: the same records on both sides.
        auto key = [](const CRecordFields& f) {
            const TestRecord r = ToTestRecord(f);
            return r.name + "|" + r.phone + "|" + r.email + "|" + r.misc + "|" + r.pager;
        };
        std::multiset<std::string> here;
        std::multiset<std::string> there;
        for (const CRecordFields& f : m_local)
            here.insert(key(f));
        for (const auto& [href, f] : m_server)
            there.insert(key(f));
        EXPECT_EQ(here, there);

        std::set<std::pair<int, std::string>> after;
        for (const CRecordFields& f : m_local) {
            CRecordFields base = f;
            base.strName = WithoutConflictSuffix(f.strName.Bytes()).c_str();
            Values(base, after);
        }
        for (const auto& value : mustSurvive)
            EXPECT_TRUE(after.count(value)) << "lost field " << value.first << " = " << value.second;

        // Nothing left to do.
        const CSyncMerge::Plan again
            = CSyncMerge::Merge(m_state, m_local, CSyncMerge::Align(m_state, m_local), Unchanged(), {});
        for (const CSyncItem& item : again.items) {
            EXPECT_EQ(CSyncItem::ELocal::kKeep, item.local);
            EXPECT_EQ(CSyncItem::ERemote::kKeep, item.remote);
        }
    }

private:
    void EditLocal()
    {
        std::vector<CRecordFields> edited;
        for (const CRecordFields& record : m_local) {
            const int nWhat = std::uniform_int_distribution<int>(0, 5)(m_random);
            if (nWhat == 0) {
                m_editedHere.insert(record.strName.Bytes());
                continue;   // deleted
            }
            edited.push_back(record);
            if (nWhat == 1) {
                m_editedHere.insert(record.strName.Bytes());
                Edit(m_random, edited.back(), m_nNames);
            }
        }
        for (int n = std::uniform_int_distribution<int>(0, 2)(m_random); n > 0; --n)
            edited.push_back(RandomRecord(m_random, m_nNames));
        m_localBefore = m_local;
        m_local = edited;
    }

    void EditServer()
    {
        for (auto it = m_server.begin(); it != m_server.end();) {
            const int nWhat = std::uniform_int_distribution<int>(0, 5)(m_random);
            if (nWhat == 0) {
                it = m_server.erase(it);
                continue;
            }
            if (nWhat == 1) {
                m_editedThere.insert(it->second.strName.Bytes());
                Edit(m_random, it->second, m_nNames);
                m_etags[it->first] = "e1";
            }
            ++it;
        }
        for (int n = std::uniform_int_distribution<int>(0, 2)(m_random); n > 0; --n) {
            const std::string href = "/c/new" + std::to_string(m_nNames) + ".vcf";
            m_server[href] = RandomRecord(m_random, m_nNames);
            m_etags[href] = "e1";
        }
    }

    // Every value that either side changed or added: a value deleted on one
    // side only may go, as may the old values of an edited field.
    std::set<std::pair<int, std::string>> ValuesToKeep() const
    {
        std::set<std::pair<int, std::string>> base;
        for (const CSyncEntry& entry : m_state)
            Values(entry.fields, base);
        std::set<std::pair<int, std::string>> keep;
        std::set<std::pair<int, std::string>> changed;
        for (const CRecordFields& f : m_local)
            Values(f, changed);
        for (const auto& [href, f] : m_server)
            Values(f, changed);
        for (const auto& value : changed)
            if (!base.count(value))
                keep.insert(value);
        return keep;
    }

    std::vector<CRemoteCard> RemoteView(std::vector<CRemoteCard>& newCards) const
    {
        std::vector<CRemoteCard> remote;
        std::set<std::string> known;
        for (const CSyncEntry& entry : m_state) {
            CRemoteCard card;
            card.strHref = entry.strHref;
            known.insert(entry.strHref);
            const auto found = m_server.find(entry.strHref);
            const auto etag = m_etags.find(entry.strHref);
            if (found == m_server.end()) {
                card.status = CRemoteCard::EStatus::kGone;
            } else {
                card.status = etag != m_etags.end() && etag->second != entry.strEtag ? CRemoteCard::EStatus::kChanged
                                                                                     : CRemoteCard::EStatus::kSame;
                card.strEtag = etag != m_etags.end() ? etag->second : entry.strEtag;
                card.bFetched = true;
                card.fields = found->second;
            }
            remote.push_back(card);
        }
        for (const auto& [href, fields] : m_server) {
            if (known.count(href))
                continue;
            CRemoteCard card;
            card.status = CRemoteCard::EStatus::kChanged;
            card.strHref = href;
            card.strEtag = m_etags.at(href);
            card.bFetched = true;
            card.fields = fields;
            newCards.push_back(card);
        }
        return remote;
    }

    std::vector<CRemoteCard> Unchanged() const
    {
        std::vector<CRemoteCard> remote;
        for (const CSyncEntry& entry : m_state) {
            CRemoteCard card;
            card.strHref = entry.strHref;
            card.strEtag = entry.strEtag;
            card.bFetched = true;
            card.fields = m_server.at(entry.strHref);
            remote.push_back(card);
        }
        return remote;
    }

    // Carries out the plan on both sides, as the engine does.
    void Sync()
    {
        std::vector<CRemoteCard> newCards;
        const std::vector<CRemoteCard> remote = RemoteView(newCards);
        const CSyncMerge::Plan plan
            = CSyncMerge::Merge(m_state, m_local, CSyncMerge::Align(m_state, m_local), remote, newCards);
        // A conflict needs edits on both sides. (Which records they were is
        // not checked: the ordered diff may pair a deleted record with an
        // edited neighbour that kept none of its fields, which costs a
        // conflict copy but loses nothing.)
        if (m_editedHere.empty() || m_editedThere.empty()) {
            EXPECT_EQ(0, plan.nConflicts);
        }
        std::vector<CRecordFields> local;
        std::vector<CSyncEntry> state;
        int nCreated = 0;
        for (const CSyncItem& item : plan.items) {
            if (item.local != CSyncItem::ELocal::kDelete && item.local != CSyncItem::ELocal::kNone)
                local.push_back(item.fields);
            CSyncEntry entry = item.entry;
            switch (item.remote) {
            case CSyncItem::ERemote::kCreate:
                entry.strHref = "/c/created" + std::to_string(nCreated++) + ".vcf";
                EXPECT_FALSE(m_server.count(entry.strHref));
                m_server[entry.strHref] = item.fields;
                break;
            case CSyncItem::ERemote::kUpdate:
                EXPECT_TRUE(m_server.count(entry.strHref));
                m_server[entry.strHref] = item.fields;
                break;
            case CSyncItem::ERemote::kDelete:
                EXPECT_TRUE(m_server.count(entry.strHref));
                m_server.erase(entry.strHref);
                continue;
            case CSyncItem::ERemote::kKeep:
                if (item.bHasEntry) {
                    EXPECT_EQ(ToTestRecord(item.fields), ToTestRecord(m_server.at(entry.strHref)));
                }
                break;
            }
            if (item.bHasEntry || item.remote == CSyncItem::ERemote::kCreate) {
                entry.fields = item.fields;
                entry.strEtag = "e2";
                m_etags[entry.strHref] = "e2";
                state.push_back(entry);
            }
        }
        m_local = local;
        m_state = state;
    }

    std::mt19937 m_random;
    int m_nNames = 0;
    std::vector<CSyncEntry> m_state;
    std::vector<CRecordFields> m_local;
    std::vector<CRecordFields> m_localBefore;
    Server m_server;
    std::map<std::string, std::string> m_etags;
    std::set<std::string> m_editedHere;
    std::set<std::string> m_editedThere;
};

TEST(MergePropertyTest, RandomEditsOnBothSidesEndInStepWithNothingLost)
{
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Simulation(seed).Run();
        if (HasFailure())
            return;
    }
}

}   // namespace
