#pragma once

#include "framework/Dialog.h"

// Asks for the password the sync needs: m_strPrompt says why, the box hides
// what is typed. OK ends it with IDOK and m_strPassword holding it.
class CPasswordDlg : public CDialog
{
public:
    explicit CPasswordDlg(CWnd* pParent = nullptr);

    CString m_strPrompt;
    CString m_strPassword;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};
