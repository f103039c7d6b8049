#include <algorithm>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/TestRecord.h"

namespace {

const TestRecord kA{"A", "1", "2", "a@x", "a misc"};
const TestRecord kB{"B", "3", "", "b@x", ""};
const TestRecord kC{"C", "", "4", "", "c misc"};
const TestRecord kBlank{};

// The links must agree in both directions and the cursor must be one of the nodes.
void ExpectSoundLinks(const CRecordList& list)
{
    ASSERT_NE(list.m_pHead, nullptr);
    EXPECT_EQ(list.m_pHead->m_pPrev, nullptr);
    EXPECT_EQ(list.m_pTail->m_pNext, nullptr);
    bool bCursorSeen = false;
    const CRecordNode* pLast = nullptr;
    for (const CRecordNode* p = list.m_pHead; p; p = p->m_pNext) {
        EXPECT_EQ(p->m_pPrev, pLast);
        bCursorSeen = bCursorSeen || p == list.m_pCursor;
        pLast = p;
    }
    EXPECT_EQ(pLast, list.m_pTail);
    EXPECT_TRUE(bCursorSeen);
}

class RecordListTest : public ::testing::Test
{
protected:
    void SetUp() override { list.Reset(); }

    void MakeThree()
    {
        AppendRecord(list, kA);
        AppendRecord(list, kB);
        AppendRecord(list, kC);
    }

    CRecordList list;
};

TEST(RecordListConstruction, StartsWithoutNodesAndResetGivesOneBlankNode)
{
    CRecordList list;
    EXPECT_EQ(list.m_pHead, nullptr);
    EXPECT_EQ(list.m_pCursor, nullptr);
    EXPECT_EQ(list.m_pTail, nullptr);

    list.m_nReserved = 77;
    list.Reset();
    EXPECT_EQ(list.m_pHead, list.m_pTail);
    EXPECT_EQ(list.m_pCursor, list.m_pHead);
    EXPECT_TRUE(list.IsAtLast());
    EXPECT_EQ(CursorRecord(list), kBlank);
    EXPECT_EQ(list.m_nReserved, 77);
}

TEST_F(RecordListTest, AppendFillsTheBlankNodeThenAddsInCallOrder)
{
    AppendRecord(list, kA);
    EXPECT_EQ(WalkRecords(list), std::vector<TestRecord>{kA});
    EXPECT_EQ(list.m_pHead, list.m_pTail);

    AppendRecord(list, kB);
    EXPECT_EQ(list.m_pCursor, list.m_pTail);
    EXPECT_EQ(CursorRecord(list), kB);
    EXPECT_EQ(WalkRecords(list), (std::vector<TestRecord>{kA, kB}));
    ExpectSoundLinks(list);
}

TEST_F(RecordListTest, AppendOfAnEmptyNameKeepsFillingTheSameNode)
{
    AppendRecord(list, {"", "", "", "", "first"});
    AppendRecord(list, {"", "", "", "", "second"});
    EXPECT_EQ(list.m_pHead, list.m_pTail);
    EXPECT_TRUE(list.GetName().IsEmpty());
    EXPECT_EQ(list.GetMisc(), "second");

    // A name of blanks is a name: the next record gets a node of its own.
    list.Reset();
    AppendRecord(list, {"  ", "", "", "", ""});
    AppendRecord(list, kA);
    EXPECT_EQ(WalkRecords(list), (std::vector<TestRecord>{{"  ", "", "", "", ""}, kA}));
}

TEST_F(RecordListTest, AppendAddsAtTheEndWhereverTheCursorIs)
{
    MakeThree();
    list.SeekTo(0);
    AppendRecord(list, {"D", "", "", "", ""});
    EXPECT_EQ(list.m_pCursor, list.m_pTail);
    EXPECT_EQ(list.GetName(), "D");
    list.SeekTo(3);
    EXPECT_TRUE(list.IsAtLast());
    EXPECT_EQ(list.GetName(), "D");
}

TEST_F(RecordListTest, DeleteAtMovesTheCursorToThePredecessorElseTheSuccessor)
{
    struct Case
    {
        int nIndex;
        std::vector<TestRecord> left;
        TestRecord cursor;
    };
    const Case cases[] = {
        {1, {kA, kC}, kA},   // middle node: predecessor
        {2, {kA, kB}, kB},   // tail: predecessor, the new tail
        {0, {kB, kC}, kB},   // head: successor, the new head
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nIndex);
        list.Reset();
        MakeThree();
        list.DeleteAt(c.nIndex);
        EXPECT_EQ(CursorRecord(list), c.cursor);
        ExpectSoundLinks(list);
        EXPECT_EQ(WalkRecords(list), c.left);
    }
}

TEST_F(RecordListTest, DeletingTheOnlyNodeLeavesTheBlankState)
{
    AppendRecord(list, kA);
    list.DeleteAt(0);
    EXPECT_EQ(list.m_pHead, list.m_pTail);
    EXPECT_EQ(CursorRecord(list), kBlank);

    list.DeleteAt(0);   // the blank node itself
    EXPECT_EQ(list.m_pHead, list.m_pTail);
    EXPECT_EQ(CursorRecord(list), kBlank);
}

TEST_F(RecordListTest, PositionsOutsideTheListStayInsideIt)
{
    MakeThree();
    list.SeekTo(-1);
    EXPECT_EQ(list.m_pCursor, list.m_pHead);
    list.SeekTo(3);
    EXPECT_EQ(list.m_pCursor, list.m_pTail);
    list.SeekTo(1000000);
    EXPECT_EQ(list.m_pCursor, list.m_pTail);

    // A position that names no node deletes nothing.
    list.DeleteAt(3);
    list.DeleteAt(-1);
    list.DeleteAt(1 << 30);
    EXPECT_EQ(WalkRecords(list), (std::vector<TestRecord>{kA, kB, kC}));
    ExpectSoundLinks(list);
}

TEST_F(RecordListTest, SettersChangeOnlyTheCursorField)
{
    MakeThree();
    list.SeekTo(1);
    list.SetPhone("555 0000");
    CString copy = list.GetName();
    copy += "x";   // a getter's copy is not the node
    list.SeekTo(0);
    list.SeekTo(1);
    TestRecord expected = kB;
    expected.phone = "555 0000";
    EXPECT_EQ(WalkRecords(list), (std::vector<TestRecord>{kA, expected, kC}));

    list.SeekTo(2);
    list.SetName("N");
    list.SetMisc("M");
    list.SetPager("P");
    list.SetEmail("E");
    EXPECT_EQ(CursorRecord(list), (TestRecord{"N", "", "P", "E", "M"}));
}

// Opening a large directory walks SeekTo(0), SeekTo(1), ... and a click
// moves between neighbours: each must cost a step, never a walk from the
// far end.
TEST_F(RecordListTest, SeekToWalksFromTheNearestOfHeadCursorAndTail)
{
    const int nRecords = 1000;
    for (int i = 0; i < nRecords; ++i)
        AppendRecord(list, {"n" + std::to_string(i), "", "", "", ""});
    struct Walk
    {
        const char* what;
        std::vector<int> positions;
        unsigned long long nMaxSteps;
    };
    std::vector<int> forward(nRecords);
    for (int i = 0; i < nRecords; ++i)
        forward[static_cast<size_t>(i)] = i;
    const Walk walks[] = {
        {"every position in turn", forward, nRecords},
        {"the last, then the one above it", {nRecords - 1, nRecords - 2}, 1},
        {"near the head after the tail", {nRecords - 1, 3}, 3},
        {"near the tail after the head", {0, nRecords - 4}, 3},
    };
    for (const Walk& walk : walks) {
        SCOPED_TRACE(walk.what);
        list.SeekTo(walk.positions.front());
        const unsigned long long nBefore = list.GetStepCount();
        for (size_t i = 1; i < walk.positions.size(); ++i)
            list.SeekTo(walk.positions[i]);
        EXPECT_LE(list.GetStepCount() - nBefore, walk.nMaxSteps);
        EXPECT_EQ(list.GetName().Bytes(), "n" + std::to_string(walk.positions.back()));
    }
}

// The list remembers the cursor's position and walks from the head, the
// cursor or the tail, whichever is nearest; random operations checked
// against a plain vector catch any slip in that bookkeeping. Appends come
// twice as often as deletes, so the list grows long enough for the three
// starting points to differ, and walks back from the end come from the tail.
TEST_F(RecordListTest, RandomOperationsMatchASimpleModel)
{
    std::mt19937 random(20240611);
    std::vector<TestRecord> model{kBlank};
    size_t nCursor = 0;
    int nNext = 0;
    for (int step = 0; step < 5000; ++step) {
        const int nSize = static_cast<int>(model.size());
        const int nIndex = std::uniform_int_distribution<int>(-2, nSize + 1)(random);
        switch (std::uniform_int_distribution<int>(0, 5)(random)) {
        case 0:
        case 1: {
            const TestRecord r{"n" + std::to_string(nNext++), "p", "q", "e", "m"};
            AppendRecord(list, r);
            if (model.back().name.empty())
                model.back() = r;
            else
                model.push_back(r);
            nCursor = model.size() - 1;
            break;
        }
        case 2:
            list.DeleteAt(nIndex);
            if (nIndex < 0 || nIndex >= nSize)
                nCursor = nIndex < 0 ? 0 : model.size() - 1;
            else if (nSize == 1)
                model = {kBlank}, nCursor = 0;
            else
                model.erase(model.begin() + nIndex), nCursor = nIndex > 0 ? nIndex - 1 : 0;
            break;
        case 3:
            list.SeekTo(nIndex);
            nCursor = static_cast<size_t>(std::clamp(nIndex, 0, nSize - 1));
            break;
        case 4:
            // A walk back from the end, as clicking the last name and then
            // the ones above it does.
            for (int i = nSize - 1; i >= std::max(0, nSize - 4); --i) {
                list.SeekTo(i);
                ASSERT_EQ(CursorRecord(list), model[static_cast<size_t>(i)]) << "step " << step << ", back to " << i;
            }
            nCursor = static_cast<size_t>(std::max(0, nSize - 4));
            break;
        default:
            list.SetEmail(CString(std::to_string(step)));
            model[nCursor].email = std::to_string(step);
            break;
        }
        ASSERT_EQ(CursorRecord(list), model[nCursor]) << "step " << step;
    }
    ExpectSoundLinks(list);
    EXPECT_EQ(list.GetCount(), static_cast<int>(model.size()));
    list.SeekTo(1);
    EXPECT_EQ(VisitRecords(list), model);
    EXPECT_EQ(CursorRecord(list), model[1]) << "visiting moved the cursor";
    EXPECT_EQ(WalkRecords(list), model);
}

TEST_F(RecordListTest, WholeRecordsKeepEachFieldInItsPlace)
{
    const TestRecord five{"name", "phone", "pager", "email", "misc"};
    list.Append(ToFields(kA));
    list.Append(ToFields(five));
    EXPECT_EQ(CursorRecord(list), five);

    list.SeekTo(0);
    EXPECT_EQ(ToTestRecord(list.GetFields()), kA);
    list.SetFields(ToFields(five));
    EXPECT_EQ(CursorRecord(list), five);
    EXPECT_EQ(VisitRecords(list), (std::vector<TestRecord>{five, five}));
}

}   // namespace
