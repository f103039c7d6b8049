#pragma once

#include "base/CString.h"

// The five text fields of one record, in the order the screen shows them.
struct CRecordFields
{
    CString strName, strPhone, strPager, strEmail, strMisc;
};
