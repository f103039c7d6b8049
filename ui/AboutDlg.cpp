#include "ui/AboutDlg.h"

#include "res/resource.h"

CAboutDlg::CAboutDlg()
    : CDialog(IDD_ABOUT_BOX)
{
}

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}
