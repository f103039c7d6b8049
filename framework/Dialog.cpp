#include "framework/Dialog.h"

#include <QPointer>
#include <QLineEdit>

#include "framework/DataExchange.h"
#include "framework/DataExchangeFailure.h"
#include "framework/DialogWindow.h"
#include "framework/WidgetBinding.h"
#include "framework/WinApp.h"
#include "framework/ResourceProvider.h"

struct CDialog::Private
{
    UINT nTemplateId;
    CWnd* pParent;
    DialogWindow* pWindow = nullptr;
    bool bEnded = false;
    int nResult = 0;
};

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : d(std::make_unique<Private>(Private{nIDTemplate, pParentWnd}))
{
}

CDialog::~CDialog() = default;

const MessageMap* CDialog::GetThisMessageMap()
{
    static const TypedMessageMap<CDialog> map(CCmdTarget::GetThisMessageMap());
    return &map;
}

QWidget* CDialog::OwnerWidget() const
{
    // The parent if given; else the dialog on top (a dialog opened from
    // another one stays above it), else the application's main window.
    if (d->pParent && d->pParent->GetSafeHwnd())
        return d->pParent->GetSafeHwnd()->window();
    if (QWidget* topmost = DialogWindow::Topmost())
        return topmost;
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd && app->m_pMainWnd != this && app->m_pMainWnd->GetSafeHwnd())
        return app->m_pMainWnd->GetSafeHwnd()->window();
    return nullptr;
}

int CDialog::DoModal()
{
    const DialogTemplate* dialogTemplate = AfxGetResources().FindDialog(d->nTemplateId);
    if (!dialogTemplate || GetSafeHwnd())
        return -1;
    QPointer<QWidget> owner = OwnerWidget();
    auto window = std::make_unique<DialogWindow>(*this, *dialogTemplate, owner);
    d->pWindow = window.get();
    d->bEnded = false;
    d->nResult = 0;
    Attach(window.get());
    if (OnInitDialog())
        FocusFirstTabStop();
    const int result = d->bEnded ? d->nResult : window->Run();

    Message destroy;
    destroy.nMessage = WM_DESTROY;
    OnWndMsg(destroy);
    DetachControls();
    Detach();
    d->pWindow = nullptr;
    window.reset();
    // Hand the activation back to the owner, and with it the focus to the
    // control that had it, as a window manager does when a modal dialog
    // closes; without a window manager nothing else would.
    if (owner && owner->isVisible())
        owner->activateWindow();
    return result;
}

void CDialog::DetachControls()
{
    if (!d->pWindow)
        return;
    for (QWidget* control : d->pWindow->Controls()) {
        if (CWnd* bound = WidgetBinding::Wnd(control))
            bound->Detach();
    }
}

void CDialog::EndDialog(int nResult)
{
    d->bEnded = true;
    d->nResult = nResult;
    if (d->pWindow)
        d->pWindow->done(nResult);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange exchange(this, bSaveAndValidate);
    try {
        DoDataExchange(&exchange);
    } catch (const DataExchangeFailure&) {
        return FALSE;
    }
    return TRUE;
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    QWidget* control = pWndCtrl ? pWndCtrl->GetSafeHwnd() : nullptr;
    if (!control)
        return;
    // A dialog coming back from a message box may not be active yet.
    QWidget* window = control->window();
    if (window->isVisible() && !window->isActiveWindow())
        window->activateWindow();
    control->setFocus(Qt::TabFocusReason);
    // Arriving in an edit box selects its text, as tabbing there does.
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->selectAll();
}

void CDialog::FocusFirstTabStop()
{
    for (QWidget* control : d->pWindow->Controls()) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->isEnabled() && !control->isHidden()) {
            CWnd focus;
            focus.Attach(control);
            GotoDlgCtrl(&focus);
            focus.Detach();
            return;
        }
    }
}

LRESULT CDialog::DefWindowProc(const Message& msg)
{
    if (msg.nMessage != WM_COMMAND)
        return CWnd::DefWindowProc(msg);
    if (msg.nId == static_cast<UINT>(IDOK) && msg.nCode == BN_CLICKED)
        OnOK();
    else if (msg.nId == static_cast<UINT>(IDCANCEL) && msg.nCode == BN_CLICKED)
        OnCancel();
    else if (CWinApp* app = AfxGetApp()) {
        LRESULT result = 0;
        app->DispatchMessage(msg, result);
        return result;
    }
    return 0;
}

void CDialog::DoDataExchange(CDataExchange* pDX)
{
    Q_UNUSED(pDX);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}
