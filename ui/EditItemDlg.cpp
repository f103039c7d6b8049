#include "ui/EditItemDlg.h"

#include "framework/DataExchange.h"
#include "res/resource.h"
#include "ui/EntryLimits.h"
#include "ui/NameCheck.h"

CEditItemDlg::CEditItemDlg(CWnd* pParent)
    : CDialog(IDD_EDIT_ITEM, pParent)
    , m_nFocusId(0)
{
}

void CEditItemDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_NAME, m_strName);
    DDV_MaxChars(pDX, m_strName, kMaxFieldChars);
    DDX_Text(pDX, IDC_PAGER, m_strPager);
    DDV_MaxChars(pDX, m_strPager, kMaxFieldChars);
    DDX_Text(pDX, IDC_PHONE, m_strPhone);
    DDV_MaxChars(pDX, m_strPhone, kMaxFieldChars);
    DDX_Text(pDX, IDC_EMAIL, m_strEmail);
    DDV_MaxChars(pDX, m_strEmail, kMaxFieldChars);
    DDX_Text(pDX, IDC_MISC, m_strMisc);
    DDV_MaxChars(pDX, m_strMisc, kMaxMiscChars);
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

void CEditItemDlg::OnOK()
{
    if (NameGivenOrTellUser(*this))
        CDialog::OnOK();
}
