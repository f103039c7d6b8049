#include "framework/Wnd.h"

#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QWindow>

#include "framework/EditValidator.h"
#include "framework/FrameworkIcon.h"
#include "framework/HelpWindow.h"
#include "framework/Menu.h"
#include "framework/TextCodec.h"
#include "framework/Translation.h"
#include "framework/WidgetBinding.h"
#include "framework/WindowMove.h"

struct CWnd::Private
{
    // CWnd objects GetDlgItem made for controls no member is bound to.
    std::vector<std::unique_ptr<CWnd>> temporaries;
    std::unique_ptr<CMenu> systemMenu;
    QMenu* pSystemMenu = nullptr;
    HICON icons[2] = {nullptr, nullptr};
    // The default handling of the message being handled, for Default().
    const std::function<LRESULT()>* pDefault = nullptr;
};

namespace {

constexpr UINT LoWord(WPARAM w)
{
    return static_cast<UINT>(w & 0xFFFF);
}
constexpr UINT HiWord(WPARAM w)
{
    return static_cast<UINT>((w >> 16) & 0xFFFF);
}

}   // namespace

CWnd::CWnd()
    : d(std::make_unique<Private>())
{
}

CWnd::~CWnd()
{
    Detach();
}

void CWnd::Attach(QWidget* pWidget)
{
    Detach();
    m_pWidget = pWidget;
    if (m_pWidget)
        WidgetBinding::SetWnd(m_pWidget, this);
}

QWidget* CWnd::Detach()
{
    QWidget* widget = m_pWidget;
    if (widget && WidgetBinding::Wnd(widget) == this)
        WidgetBinding::SetWnd(widget, nullptr);
    m_pWidget = nullptr;
    d->temporaries.clear();
    d->systemMenu.reset();
    d->pSystemMenu = nullptr;
    return widget;
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    QWidget* control = WidgetBinding::FindControl(m_pWidget, nID);
    if (!control)
        return nullptr;
    if (CWnd* bound = WidgetBinding::Wnd(control))
        return bound;
    auto temporary = std::make_unique<CWnd>();
    temporary->Attach(control);
    d->temporaries.push_back(std::move(temporary));
    return d->temporaries.back().get();
}

CString CWnd::GetWindowText() const
{
    if (!m_pWidget)
        return CString();
    if (m_pWidget->isWindow())
        return TextCodec::FromQString(m_pWidget->windowTitle());
    if (auto* edit = qobject_cast<QLineEdit*>(m_pWidget))
        return TextCodec::FromQString(edit->text());
    if (auto* button = qobject_cast<QAbstractButton*>(m_pWidget))
        return TextCodec::FromQString(button->text());
    if (auto* label = qobject_cast<QLabel*>(m_pWidget))
        return TextCodec::FromQString(label->text());
    return CString();
}

void CWnd::GetWindowText(CString& rString) const
{
    rString = GetWindowText();
}

void CWnd::SetWindowText(LPCTSTR lpszString)
{
    SetWindowText(CString(lpszString));
}

void CWnd::SetWindowText(const CString& strText)
{
    if (!m_pWidget)
        return;
    const QString text = TextCodec::ToQString(strText);
    if (m_pWidget->isWindow())
        m_pWidget->setWindowTitle(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(m_pWidget))
        EditValidator::SetText(edit, text);
    else if (auto* button = qobject_cast<QAbstractButton*>(m_pWidget))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(m_pWidget))
        label->setText(text);
}

BOOL CWnd::IsWindowEnabled() const
{
    if (!m_pWidget || !m_pWidget->isEnabled())
        return FALSE;
    // A window under a modal dialog is disabled for as long as it runs.
    QWidget* modal = QApplication::activeModalWidget();
    if (m_pWidget->isWindow() && modal && modal != m_pWidget)
        return FALSE;
    return TRUE;
}

BOOL CWnd::IsIconic() const
{
    return m_pWidget && m_pWidget->window()->isMinimized() ? TRUE : FALSE;
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
    if (!lpRect)
        return;
    *lpRect = RECT{};
    if (m_pWidget) {
        lpRect->right = m_pWidget->width();
        lpRect->bottom = m_pWidget->height();
    }
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    Message msg;
    msg.nMessage = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    if (message == WM_COMMAND) {
        msg.nId = LoWord(wParam);
        msg.nCode = HiWord(wParam);
    }
    return OnWndMsg(msg);
}

LRESULT CWnd::OnWndMsg(const Message& msg)
{
    return RouteMessage(msg, [this, &msg] { return DefWindowProc(msg); });
}

LRESULT CWnd::RouteMessage(const Message& msg, const std::function<LRESULT()>& fallback)
{
    const std::function<LRESULT()>* outer = d->pDefault;
    d->pDefault = &fallback;
    LRESULT result = 0;
    if (!DispatchMessage(msg, result))
        result = fallback();
    d->pDefault = outer;
    return result;
}

LRESULT CWnd::Default()
{
    return d->pDefault ? (*d->pDefault)() : 0;
}

LRESULT CWnd::DefWindowProc(const Message& msg)
{
    if (msg.nMessage == WM_SETICON && m_pWidget) {
        const size_t slot = msg.wParam == ICON_BIG ? 1 : 0;
        HICON previous = d->icons[slot];
        d->icons[slot] = reinterpret_cast<HICON>(msg.lParam);
        // Qt keeps one window icon; the big one wins when both are set.
        HICON shown = d->icons[1] ? d->icons[1] : d->icons[0];
        m_pWidget->setWindowIcon(shown ? shown->ToQIcon() : QIcon());
        return reinterpret_cast<LRESULT>(previous);
    }
    if (msg.nMessage == WM_SYSCOMMAND) {
        const UINT command = static_cast<UINT>(msg.wParam) & 0xFFF0;
        if (command == SC_CLOSE) {
            Message cancel;
            cancel.nMessage = WM_COMMAND;
            cancel.nCode = BN_CLICKED;
            cancel.nId = IDCANCEL;
            return OnWndMsg(cancel);
        }
        if (command == SC_MOVE && m_pWidget)
            WindowMove::Start(m_pWidget->window()->windowHandle());
    }
    return 0;
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert)
{
    if (!m_pWidget)
        return nullptr;
    if (bRevert) {
        delete d->pSystemMenu;
        d->pSystemMenu = nullptr;
        d->systemMenu.reset();
        return nullptr;
    }
    if (!d->pSystemMenu) {
        d->pSystemMenu = new QMenu(m_pWidget);
        d->systemMenu = std::make_unique<CMenu>(d->pSystemMenu);
        d->systemMenu->AppendMenu(MF_STRING, SC_MOVE,
            Translation::Text1252(DIALSTACK_TR_NOOP("Framework", "&Move"), Translation::kFramework));
        // Greyed where the platform cannot move a window from the keyboard,
        // as Size is for a window of fixed size.
        if (!WindowMove::IsAvailable())
            d->systemMenu->EnableMenuItem(SC_MOVE, MF_BYCOMMAND | MF_GRAYED);
        d->systemMenu->AppendMenu(MF_STRING, SC_CLOSE,
            Translation::Text1252(DIALSTACK_TR_NOOP("Framework", "&Close\tAlt+F4"), Translation::kFramework));
        QObject::connect(d->pSystemMenu, &QMenu::aboutToShow, m_pWidget,
            [this] { OnInitMenuPopup(d->systemMenu.get(), 0, TRUE); });
        // A chosen item arrives as a system command once the menu is closed.
        QWidget* widget = m_pWidget;
        QObject::connect(d->pSystemMenu, &QMenu::triggered, widget, [this, widget](QAction* action) {
            const WPARAM command = static_cast<WPARAM>(action->data().toULongLong());
            QTimer::singleShot(0, widget, [this, command] {
                Message msg;
                msg.nMessage = WM_SYSCOMMAND;
                msg.wParam = command;
                OnWndMsg(msg);
            });
        });
    }
    return d->systemMenu.get();
}

void CWnd::OnInitMenuPopup(CMenu* /*pPopupMenu*/, UINT /*nIndex*/, BOOL /*bSysMenu*/)
{
}

void CWnd::WinHelp(DWORD dwData, UINT nCmd)
{
    Q_UNUSED(dwData);
    if (nCmd == HELP_QUIT)
        HelpWindow::Close();
    else
        HelpWindow::Open();
}
