#pragma once

#include "base/CString.h"

// The five fields of one record, in the order the window shows them. Named
// members keep the fields apart wherever they travel together, so a phone
// number can never land in the pager field by the order of some arguments.
struct CRecordFields
{
    CString strName, strPhone, strPager, strEmail, strMisc;

    friend bool operator==(const CRecordFields& a, const CRecordFields& b)
    {
        return a.strName == b.strName && a.strPhone == b.strPhone && a.strPager == b.strPager
            && a.strEmail == b.strEmail && a.strMisc == b.strMisc;
    }
    friend bool operator!=(const CRecordFields& a, const CRecordFields& b) { return !(a == b); }
};
