#pragma once

#include "base/CString.h"

class CWnd;
class CDialog;

// Carries one data exchange between a dialog's controls and its members.
// Loading (m_bSaveAndValidate FALSE) writes members into controls; saving
// reads controls into members and validates them. A failed validation has
// already told the user why and focused the offending control; Fail() then
// stops the exchange and UpdateData returns FALSE.
class CDataExchange
{
public:
    CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate);

    // The edit control of the exchange that ran last, so that a following
    // DDV_ check knows which box to limit or to focus.
    CWnd* PrepareEditCtrl(int nIDC);
    [[noreturn]] void Fail();

    BOOL m_bSaveAndValidate;
    CDialog* m_pDlgWnd;
    CWnd* m_pLastEdit = nullptr;
};

// Binds rControl to the dialog's control nIDC (first exchange only).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// Copies text between the edit box nIDC and value.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// The same for a decimal integer; saving refuses text that is not one.
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
// Loading: limits the last exchanged edit box to nChars characters.
// Saving: refuses a value longer than nChars.
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
