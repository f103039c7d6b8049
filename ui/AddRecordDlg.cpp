#include "ui/AddRecordDlg.h"

#include "res/resource.h"

CAddRecordDlg::CAddRecordDlg(CWnd* pParent)
    : CRecordEntryDlg(IDD_ADD_RECORD, pParent)
{
}
