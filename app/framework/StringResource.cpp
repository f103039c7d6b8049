#include "app/framework/CString.h"

#include "res/ResourceTable.h"

BOOL CString::LoadString(UINT nID)
{
    const char* text = ResourceTable::FindString(nID);
    *this = CString(text ? text : "");
    return text ? TRUE : FALSE;
}
