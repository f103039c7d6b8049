#include "ui/FindDlg.h"

#include "framework/DataExchange.h"
#include "res/resource.h"

namespace {

// As long as the longest field.
constexpr int kMaxFindChars = 70;

}   // namespace

CFindDlg::CFindDlg(CWnd* pParent)
    : CDialog(IDD_FIND, pParent)
{
}

void CFindDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_FIND_TEXT, m_strFind);
    DDV_MaxChars(pDX, m_strFind, kMaxFindChars);
}
