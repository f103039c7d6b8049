// The sync over random edits on both sides, through the real engine and an
// address book in memory: afterwards both sides hold the same records, a
// second sync has nothing to do, and no value either side held is lost,
// apart from deletions made on one side only.
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <set>

#include <gtest/gtest.h>

#include "sync/SyncMerge.h"
#include "tests/sync/EngineHarness.h"

namespace {

// Few distinct values, so that edits on both sides often meet. Numbers are
// digits, as a card carries them.
std::string RandomValue(std::mt19937& random, const char* pszPrefix)
{
    const int n = std::uniform_int_distribution<int>(0, 3)(random);
    return n == 0 ? std::string() : std::string(pszPrefix) + std::to_string(n);
}

TestRecord RandomRecord(std::mt19937& random, int& nNames)
{
    return {"N" + std::to_string(nNames++), RandomValue(random, "55"), RandomValue(random, "77"),
        RandomValue(random, "e"), RandomValue(random, "m")};
}

void Edit(std::mt19937& random, TestRecord& record, int& nNames)
{
    switch (std::uniform_int_distribution<int>(0, 3)(random)) {
    case 0: record.phone = RandomValue(random, "55"); break;
    case 1: record.email = RandomValue(random, "e"); break;
    case 2: record.name = "N" + std::to_string(nNames++); break;
    default: record.misc = RandomValue(random, "m"); break;
    }
}

using Values = std::set<std::pair<int, std::string>>;

// Every (field, value) pair a record holds, to check that none is lost.
void AddValues(const TestRecord& r, Values& values)
{
    const std::string* fields[] = {&r.name, &r.phone, &r.pager, &r.email, &r.misc};
    for (int i = 0; i < 5; ++i)
        if (!fields[i]->empty())
            values.emplace(i, *fields[i]);
}

std::string WithoutConflictSuffix(std::string name)
{
    const std::string suffix = CSyncMerge::ConflictSuffix();
    while (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
        name.resize(name.size() - suffix.size());
    return name;
}

std::multiset<std::string> Keys(const std::vector<TestRecord>& records)
{
    std::multiset<std::string> keys;
    for (const TestRecord& r : records)
        keys.insert(r.name + "|" + r.phone + "|" + r.pager + "|" + r.email + "|" + r.misc);
    return keys;
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
        std::vector<TestRecord> records;
        for (int n = std::uniform_int_distribution<int>(0, 8)(m_random); n > 0; --n)
            records.push_back(RandomRecord(m_random, m_nNames));
        m_h.Begin(records);
        ASSERT_EQ(Keys(records), Keys(m_h.book.Records()));

        Values base;
        for (const TestRecord& r : records)
            AddValues(r, base);
        const bool bEditedHere = EditLocal(records);
        const bool bEditedThere = EditServer();
        const Values mustSurvive = ValuesToKeep(base);

        const EngineHarness::Outcome outcome = m_h.Sync(true);
        ASSERT_EQ(CSyncOutcome::EKind::kInStep, outcome.kind) << outcome.data.ToJson();
        // A conflict needs edits on both sides. (Which records they were is
        // not checked: the ordered diff may pair a deleted record with an
        // edited neighbour that kept none of its fields, which costs a
        // conflict copy but loses nothing.)
        if (!bEditedHere || !bEditedThere) {
            EXPECT_EQ(0, outcome.nConflicts);
        }
        EXPECT_EQ(Keys(m_h.Records()), Keys(m_h.book.Records()));

        Values after;
        for (TestRecord r : m_h.Records()) {
            r.name = WithoutConflictSuffix(r.name);
            AddValues(r, after);
        }
        for (const auto& value : mustSurvive)
            EXPECT_TRUE(after.count(value)) << "lost field " << value.first << " = " << value.second;

        const EngineHarness::Outcome again = m_h.Sync();
        EXPECT_EQ(CSyncOutcome::EKind::kInStep, again.kind) << again.data.ToJson();
        EXPECT_EQ(0, again.nChanges);
    }

private:
    bool EditLocal(const std::vector<TestRecord>& records)
    {
        bool bEdited = false;
        std::vector<TestRecord> edited;
        for (const TestRecord& record : records) {
            const int nWhat = std::uniform_int_distribution<int>(0, 5)(m_random);
            bEdited |= nWhat <= 1;
            if (nWhat == 0)
                continue;   // deleted
            edited.push_back(record);
            if (nWhat == 1)
                Edit(m_random, edited.back(), m_nNames);
        }
        for (int n = std::uniform_int_distribution<int>(0, 2)(m_random); n > 0; --n)
            edited.push_back(RandomRecord(m_random, m_nNames));
        m_h.Write(edited);
        return bEdited;
    }

    bool EditServer()
    {
        bool bEdited = false;
        std::vector<std::string> hrefs;
        for (const auto& [href, stored] : m_h.book.cards)
            hrefs.push_back(href);
        for (const std::string& href : hrefs) {
            const int nWhat = std::uniform_int_distribution<int>(0, 5)(m_random);
            bEdited |= nWhat <= 1;
            if (nWhat == 0) {
                m_h.book.Remove(href);
            } else if (nWhat == 1) {
                TestRecord record = ToTestRecord(CCard(m_h.book.cards.at(href).strData).Fields());
                Edit(m_random, record, m_nNames);
                m_h.book.Edit(href, record);
            }
        }
        for (int n = std::uniform_int_distribution<int>(0, 2)(m_random); n > 0; --n)
            m_h.book.Add(RandomRecord(m_random, m_nNames), "new-" + std::to_string(m_nNames));
        return bEdited;
    }

    // Every value that either side changed or added: a value deleted on one
    // side only may go, as may the old values of an edited field.
    Values ValuesToKeep(const Values& base) const
    {
        Values changed;
        for (const TestRecord& r : m_h.Records())
            AddValues(r, changed);
        for (const TestRecord& r : m_h.book.Records())
            AddValues(r, changed);
        Values keep;
        for (const auto& value : changed)
            if (!base.count(value))
                keep.insert(value);
        return keep;
    }

    std::mt19937 m_random;
    int m_nNames = 0;
    EngineHarness m_h;
};

TEST(MergePropertyTest, RandomEditsOnBothSidesEndInStepWithNothingLost)
{
    // Every save is synced to the disk: in memory the thousands of them
    // take seconds instead of minutes.
    const char* pszOldTemp = std::getenv("TMPDIR");
    const std::string oldTemp = pszOldTemp != nullptr ? pszOldTemp : "";
    if (std::filesystem::is_directory("/dev/shm"))
        ::setenv("TMPDIR", "/dev/shm", 1);
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Simulation(seed).Run();
        if (HasFailure())
            break;
    }
    if (pszOldTemp != nullptr)
        ::setenv("TMPDIR", oldTemp.c_str(), 1);
    else
        ::unsetenv("TMPDIR");
}

}   // namespace
