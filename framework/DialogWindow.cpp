#include "framework/DialogWindow.h"

#include <algorithm>

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QMenu>
#include <QShortcut>
#include <QWindow>

#include "framework/ControlFactory.h"
#include "framework/Dialog.h"
#include "framework/DialogFont.h"
#include "framework/DialogLayout.h"
#include "framework/Menu.h"
#include "framework/Translation.h"
#include "framework/WindowStyles.h"

namespace {

QWidget* g_pPaintingWidget = nullptr;

// The application's own window (an unowned dialog whose template asks for
// a taskbar entry, WS_EX_APPWINDOW) is a window to assistive technology
// too, not a dialog: a screen reader that sees a dialog behind the help
// window says "1 unfocused dialog" instead of naming the help window.
// Every other dialog keeps the dialog role.
QAccessibleInterface* ApplicationWindowAccessible(const QString& className, QObject* pObject)
{
    auto* window = className == QLatin1String("QDialog") ? dynamic_cast<DialogWindow*>(pObject) : nullptr;
    if (!window || !window->IsApplicationWindow())
        return nullptr;
    return new QAccessibleWidget(window, QAccessible::Window);
}

// The dialog windows that exist, in the order they were opened.
std::vector<DialogWindow*>& OpenWindows()
{
    static std::vector<DialogWindow*> windows;
    return windows;
}

}   // namespace

DialogWindow::DialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* pOwner)
    : QDialog(pOwner)
    , m_dialog(dialog)
    , m_template(dialogTemplate)
    , m_bOwned(pOwner != nullptr && pOwner->window() != nullptr)
    , m_bApplicationWindow(!m_bOwned && (dialogTemplate.dwExStyle & WS_EX_APPWINDOW) != 0)
{
    static const bool bFactoryInstalled = (QAccessible::installFactory(&ApplicationWindowAccessible), true);
    Q_UNUSED(bFactoryInstalled);
    OpenWindows().push_back(this);
    setFont(DialogFont::ForTemplate(dialogTemplate));
    ApplyWindowStyle(dialogTemplate, pOwner);
    m_controls = ControlFactory::Create(dialogTemplate, this, [this](int nId, UINT nCode) { SendCommand(nId, nCode); });
    ApplyLayout();
    AddWindowShortcuts();
}

DialogWindow::~DialogWindow()
{
    std::vector<DialogWindow*>& windows = OpenWindows();
    windows.erase(std::remove(windows.begin(), windows.end(), this), windows.end());
}

QWidget* DialogWindow::Topmost()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return OpenWindows().empty() ? nullptr : OpenWindows().back();
}

int DialogWindow::Run()
{
    if (m_bOwned) {
        // Modal to its owner only, so that the help window stays usable.
        setWindowModality(Qt::WindowModal);
        return exec();
    }
    // The application's window: announced to the window manager as an
    // ordinary window, not a modal one, and run in a loop of its own.
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    show();
    if (isVisible())
        loop.exec(QEventLoop::DialogExec);
    return result();
}

void DialogWindow::ApplyLayout()
{
    const DialogLayout layout(m_template, m_controls, font());
    m_units = layout.FittingUnits();
    setFixedSize(layout.Place(m_units));
}

void DialogWindow::AddWindowShortcuts()
{
    // Shortcuts rather than key handling, so that an edit box with the
    // focus cannot take the keys for itself.
    auto* close = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
    connect(close, &QShortcut::activated, this, [this] { SendSysCommand(SC_CLOSE); });
    // F1 asks for help as a Help button would: the command goes through the
    // dialog's map on to the application's.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { SendCommand(static_cast<int>(ID_HELP), BN_CLICKED); });
    if (!m_bSystemMenu)
        return;
    // Window managers keep Alt+Space for their own window menu; Shift+F10
    // and the Menu key reach this one on any desktop.
    for (const QKeySequence& keys :
        {QKeySequence(Qt::ALT | Qt::Key_Space), QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
        auto* menu = new QShortcut(keys, this);
        connect(menu, &QShortcut::activated, this, [this] { OpenSystemMenu(mapToGlobal(QPoint(0, 0))); });
    }
}

void DialogWindow::ApplyWindowStyle(const DialogTemplate& dialogTemplate, QWidget* pOwner)
{
    m_bSystemMenu = StyleHas(dialogTemplate.dwStyle, WS_SYSMENU);
    QWidget* ownerWindow = pOwner ? pOwner->window() : nullptr;
    m_bOwned = ownerWindow != nullptr;
    Qt::WindowFlags flags = (m_bOwned ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint;
    if (StyleHas(dialogTemplate.dwStyle, WS_CAPTION))
        flags |= Qt::WindowTitleHint;
    if (m_bSystemMenu)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setWindowTitle(Translation::Text(dialogTemplate.pszCaption));
    setSizeGripEnabled(false);
    // Without an owner the dialog is a window of its own with a taskbar
    // entry; with one the window system keeps it above its owner.
    if (ownerWindow && ownerWindow->windowHandle()) {
        create();
        windowHandle()->setTransientParent(ownerWindow->windowHandle());
    }
}

void DialogWindow::Send(const Message& msg)
{
    m_dialog.OnWndMsg(msg);
}

void DialogWindow::SendCommand(int nId, UINT nCode)
{
    Message msg;
    msg.nMessage = WM_COMMAND;
    msg.nCode = nCode;
    msg.nId = static_cast<UINT>(nId);
    Send(msg);
}

void DialogWindow::SendSysCommand(UINT nCommand)
{
    Message msg;
    msg.nMessage = WM_SYSCOMMAND;
    msg.wParam = nCommand;
    Send(msg);
}

void DialogWindow::OpenSystemMenu(const QPoint& globalPos)
{
    if (CMenu* menu = m_dialog.GetSystemMenu(FALSE))
        menu->GetQMenu()->popup(globalPos);
}

QWidget* DialogWindow::PaintingWidget()
{
    return g_pPaintingWidget;
}

void DialogWindow::reject()
{
    // Escape: the dialog manager's IDCANCEL command.
    SendCommand(IDCANCEL, BN_CLICKED);
}

bool DialogWindow::event(QEvent* pEvent)
{
    const bool bHandled = QDialog::event(pEvent);
    // The desktop's font changed: the dialog units change with it.
    if (pEvent->type() == QEvent::ApplicationFontChange && DialogFont::FollowsDesktop(m_template.pszFontName)) {
        setFont(DialogFont::ForTemplate(m_template));
        ApplyLayout();
    }
    return bHandled;
}

void DialogWindow::closeEvent(QCloseEvent* pEvent)
{
    // The close box: the system command Close, which ends as IDCANCEL. The
    // dialog only closes through EndDialog.
    pEvent->ignore();
    if (isVisible())
        SendSysCommand(SC_CLOSE);
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* pEvent)
{
    if (m_bSystemMenu && !childAt(pEvent->pos())) {
        OpenSystemMenu(pEvent->globalPos());
        return;
    }
    QDialog::contextMenuEvent(pEvent);
}

void DialogWindow::paintEvent(QPaintEvent* pEvent)
{
    QWidget* previous = g_pPaintingWidget;
    g_pPaintingWidget = this;
    Message msg;
    msg.nMessage = WM_PAINT;
    m_dialog.RouteMessage(msg, [this, pEvent] {
        QDialog::paintEvent(pEvent);
        return LRESULT(0);
    });
    g_pPaintingWidget = previous;
}
