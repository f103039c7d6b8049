// Feeds arbitrary bytes to the directory file reader and checks that what it
// reads survives the writer: the records read back from the written bytes
// are the same, and writing them again gives the same bytes. Since the
// second read is of bytes the writer produced, the last check is also the
// check that such a file comes back byte for byte.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "data/RecordList.h"

namespace {

void Require(bool bCondition, const char* pszWhat)
{
    if (!bCondition) {
        std::fprintf(stderr, "directory file round trip: %s\n", pszWhat);
        std::abort();
    }
}

bool SameRecords(const CRecordList& a, const CRecordList& b)
{
    const CRecordNode* p = a.m_pHead;
    const CRecordNode* q = b.m_pHead;
    for (; p && q; p = p->m_pNext, q = q->m_pNext) {
        if (p->m_strName != q->m_strName || p->m_strMisc != q->m_strMisc || p->m_strPhone != q->m_strPhone
            || p->m_strPager != q->m_strPager || p->m_strEmail != q->m_strEmail)
            return false;
    }
    return !p && !q;
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const std::string input(reinterpret_cast<const char*>(pData), nSize);

    CRecordList first;
    first.LoadFromBytes(input);
    Require(first.m_pCursor == first.m_pTail, "cursor not on the last node after reading");
    std::string written;
    Require(first.SaveToBytes(written) == 1, "writer refused a list that was read");

    CRecordList second;
    second.LoadFromBytes(written);
    Require(second.IsLoadComplete() == TRUE, "written bytes do not read back completely");
    Require(second.m_nReserved == first.m_nReserved, "header integer changed");
    Require(second.GetLoadedRecordCount() == first.GetLoadedRecordCount(), "record count changed");
    Require(SameRecords(first, second), "records changed");

    std::string rewritten;
    second.SaveToBytes(rewritten);
    Require(rewritten == written, "written bytes do not come back byte for byte");
    if (first.IsLoadComplete() && input == written)
        Require(SameRecords(first, second), "a file of the writer's own changed");
    return 0;
}
