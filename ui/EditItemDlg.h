#pragma once

#include "framework/Dialog.h"

// "Edit Item": the five fields of one record, opened with the focus in the
// box the caller asks for; OK only with a name that is not blank.
class CEditItemDlg : public CDialog
{
public:
    explicit CEditItemDlg(CWnd* pParent = nullptr);

    CString m_strName;
    CString m_strPager;
    CString m_strPhone;
    CString m_strEmail;
    CString m_strMisc;
    // Id of the edit box that has the focus when the dialog opens.
    int m_nFocusId;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
};
