#include "framework/DataExchange.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

#include <QLineEdit>

#include "framework/DataExchangeFailure.h"
#include "framework/Dialog.h"
#include "framework/EditValidator.h"
#include "framework/Translation.h"
#include "framework/WinApp.h"

namespace {

// Reads a whole text as a decimal int (blanks around it allowed).
bool ParseInt(const std::string& text, int& value)
{
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(begin, &end, 10);
    if (end == begin || errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX)
        return false;
    while (*end && CString::IsWhiteSpace(*end))
        ++end;
    if (*end)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

// The framework's one way to refuse a value: say why, put the focus in the
// box, stop the exchange.
[[noreturn]] void Refuse(CDataExchange* pDX, const char* pszMessage)
{
    AfxMessageBox(pszMessage, MB_OK | MB_ICONEXCLAMATION);
    pDX->m_pDlgWnd->GotoDlgCtrl(pDX->m_pLastEdit);
    pDX->Fail();
}

}   // namespace

CDataExchange::CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate)
    , m_pDlgWnd(pDlgWnd)
{
}

CWnd* CDataExchange::PrepareEditCtrl(int nIDC)
{
    m_pLastEdit = m_pDlgWnd->GetDlgItem(nIDC);
    return m_pLastEdit;
}

void CDataExchange::Fail()
{
    throw DataExchangeFailure{};
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.GetSafeHwnd())
        return;
    CWnd* control = pDX->m_pDlgWnd->GetDlgItem(nIDC);
    if (control)
        rControl.Attach(control->GetSafeHwnd());
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    CWnd* edit = pDX->PrepareEditCtrl(nIDC);
    if (!edit)
        return;
    if (pDX->m_bSaveAndValidate)
        edit->GetWindowText(value);
    else
        edit->SetWindowText(value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    CWnd* edit = pDX->PrepareEditCtrl(nIDC);
    if (!edit)
        return;
    if (!pDX->m_bSaveAndValidate) {
        edit->SetWindowText(std::to_string(value).c_str());
        return;
    }
    int parsed = 0;
    if (!ParseInt(edit->GetWindowText().Bytes(), parsed))
        Refuse(pDX,
            Translation::Text1252(
                DIALSTACK_TR_NOOP("Framework", "Please enter a whole number."), Translation::kFramework));
    value = parsed;
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (!pDX->m_bSaveAndValidate) {
        if (pDX->m_pLastEdit)
            EditValidator::SetLimit(qobject_cast<QLineEdit*>(pDX->m_pLastEdit->GetSafeHwnd()), nChars);
        return;
    }
    if (value.GetLength() > nChars) {
        Refuse(pDX,
            Translation::CountText1252(DIALSTACK_TR_N_NOOP("Framework", "Please enter no more than %n characters."),
                nChars, Translation::kFramework));
    }
}
