#pragma once

#include "framework/Dialog.h"

// "Add Record": five empty boxes; OK only with a name that is not blank.
class CAddRecordDlg : public CDialog
{
public:
    explicit CAddRecordDlg(CWnd* pParent = nullptr);

    CString m_strEmail;
    CString m_strMisc;
    CString m_strName;
    CString m_strPager;
    CString m_strPhone;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
};
