#include "ui/AddRecordDlg.h"

#include "framework/DataExchange.h"
#include "res/resource.h"
#include "ui/NameCheck.h"

CAddRecordDlg::CAddRecordDlg(CWnd* pParent)
    : CDialog(IDD_ADD_RECORD, pParent)
{
}

void CAddRecordDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_EMAIL, m_strEmail);
    DDV_MaxChars(pDX, m_strEmail, 70);
    DDX_Text(pDX, IDC_MISC, m_strMisc);
    DDV_MaxChars(pDX, m_strMisc, 65);
    DDX_Text(pDX, IDC_NAME, m_strName);
    DDV_MaxChars(pDX, m_strName, 70);
    DDX_Text(pDX, IDC_PAGER, m_strPager);
    DDV_MaxChars(pDX, m_strPager, 70);
    DDX_Text(pDX, IDC_PHONE, m_strPhone);
    DDV_MaxChars(pDX, m_strPhone, 70);
}

void CAddRecordDlg::OnOK()
{
    if (CheckNameGiven(*this, m_strName))
        CDialog::OnOK();
}
