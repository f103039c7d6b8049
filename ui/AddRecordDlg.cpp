#include "ui/AddRecordDlg.h"

#include "framework/DataExchange.h"
#include "res/resource.h"
#include "ui/EntryLimits.h"
#include "ui/NameCheck.h"

CAddRecordDlg::CAddRecordDlg(CWnd* pParent)
    : CDialog(IDD_ADD_RECORD, pParent)
{
}

void CAddRecordDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_EMAIL, m_strEmail);
    DDV_MaxChars(pDX, m_strEmail, kMaxFieldChars);
    DDX_Text(pDX, IDC_MISC, m_strMisc);
    DDV_MaxChars(pDX, m_strMisc, kMaxMiscChars);
    DDX_Text(pDX, IDC_NAME, m_strName);
    DDV_MaxChars(pDX, m_strName, kMaxFieldChars);
    DDX_Text(pDX, IDC_PAGER, m_strPager);
    DDV_MaxChars(pDX, m_strPager, kMaxFieldChars);
    DDX_Text(pDX, IDC_PHONE, m_strPhone);
    DDV_MaxChars(pDX, m_strPhone, kMaxFieldChars);
}

void CAddRecordDlg::OnOK()
{
    if (NameGivenOrTellUser(*this))
        CDialog::OnOK();
}
