#pragma once

#include "framework/Dialog.h"

// "Find": asks what to look for in the directory. Find Next (the default
// button, so Enter) ends it with IDOK and m_strFind holding the text; the
// caller searches. The text given in m_strFind is offered, selected.
class CFindDlg : public CDialog
{
public:
    explicit CFindDlg(CWnd* pParent = nullptr);

    CString m_strFind;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
