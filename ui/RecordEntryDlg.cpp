#include "ui/RecordEntryDlg.h"

#include "framework/DataExchange.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "ui/LoadText.h"

namespace {

// The most characters each box takes: the note (misc) is kept shorter than
// the other fields.
constexpr int kMaxFieldChars = 70;
constexpr int kMaxMiscChars = 65;

}   // namespace

CRecordEntryDlg::CRecordEntryDlg(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent)
{
}

void CRecordEntryDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    // In this order a box holding too long a text is reported and focused.
    DDX_Text(pDX, IDC_NAME, m_fields.strName);
    DDV_MaxChars(pDX, m_fields.strName, kMaxFieldChars);
    DDX_Text(pDX, IDC_PAGER, m_fields.strPager);
    DDV_MaxChars(pDX, m_fields.strPager, kMaxFieldChars);
    DDX_Text(pDX, IDC_PHONE, m_fields.strPhone);
    DDV_MaxChars(pDX, m_fields.strPhone, kMaxFieldChars);
    DDX_Text(pDX, IDC_EMAIL, m_fields.strEmail);
    DDV_MaxChars(pDX, m_fields.strEmail, kMaxFieldChars);
    DDX_Text(pDX, IDC_MISC, m_fields.strMisc);
    DDV_MaxChars(pDX, m_fields.strMisc, kMaxMiscChars);
}

void CRecordEntryDlg::OnOK()
{
    if (NameGivenOrTellUser())
        CDialog::OnOK();
}

BOOL CRecordEntryDlg::NameGivenOrTellUser()
{
    CString strName;
    GetDlgItem(IDC_NAME)->GetWindowText(strName);
    strName.TrimLeft();
    strName.TrimRight();
    if (strName.IsEmpty()) {
        AfxMessageBox(LoadText(IDS_NAME_REQUIRED), MB_OK | MB_ICONEXCLAMATION, 0);
        return FALSE;
    }
    return TRUE;
}
