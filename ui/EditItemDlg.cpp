#include "ui/EditItemDlg.h"

#include "framework/DataExchange.h"
#include "res/resource.h"

CEditItemDlg::CEditItemDlg(CWnd* pParent)
    : CRecordEntryDlg(IDD_EDIT_ITEM, pParent)
    , m_nFocusId(0)
{
}

void CEditItemDlg::DoDataExchange(CDataExchange* pDX)
{
    CRecordEntryDlg::DoDataExchange(pDX);
    // The hidden box only carries the focus id through the exchange.
    DDX_Text(pDX, IDC_FOCUS_ID, m_nFocusId);
}

BOOL CEditItemDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (CWnd* pFocus = GetDlgItem(m_nFocusId))
        GotoDlgCtrl(pFocus);
    return FALSE;   // the focus is already where the caller asked
}
