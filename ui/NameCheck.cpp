#include "ui/NameCheck.h"

#include "framework/WinApp.h"
#include "res/resource.h"

BOOL NameGivenOrTellUser(CDialog& dialog)
{
    CString strName;
    dialog.GetDlgItem(IDC_NAME)->GetWindowText(strName);
    strName.TrimLeft();
    strName.TrimRight();
    if (strName.IsEmpty()) {
        AfxMessageBox("You must specify a name!", MB_OK, 0);
        return FALSE;
    }
    return TRUE;
}
