#include "ui/PasswordDlg.h"

#include "framework/DataExchange.h"
#include "res/resource.h"

CPasswordDlg::CPasswordDlg(CWnd* pParent)
    : CDialog(IDD_PASSWORD, pParent)
{
}

void CPasswordDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PASSWORD, m_strPassword);
}

BOOL CPasswordDlg::OnInitDialog()
{
    if (CWnd* pPrompt = GetDlgItem(IDC_PASSWORD_PROMPT))
        pPrompt->SetWindowText(m_strPrompt);
    return CDialog::OnInitDialog();
}
