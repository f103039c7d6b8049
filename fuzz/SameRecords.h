#pragma once

#include "data/RecordList.h"

// Whether two lists hold the same records, field by field, in the same order.
inline bool SameRecords(const CRecordList& a, const CRecordList& b)
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
