#include "ui/LoadText.h"

#include "base/Placeholders.h"

CString LoadText(UINT nID, std::initializer_list<CString> arguments)
{
    CString strTemplate;
    strTemplate.LoadString(nID);
    return CString(Placeholders::Fill(strTemplate.View(), arguments));
}
