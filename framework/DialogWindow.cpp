#include "framework/DialogWindow.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QWindow>

#include "framework/Dialog.h"
#include "framework/DialogUnits.h"
#include "framework/EditValidator.h"
#include "framework/FrameworkIcon.h"
#include "framework/ListBoxWidget.h"
#include "framework/Menu.h"
#include "framework/TextCodec.h"
#include "framework/WidgetBinding.h"
#include "framework/WindowStyles.h"

namespace {

QWidget* g_pPaintingWidget = nullptr;

bool IsClass(const DialogItemTemplate& item, const char* pszClass)
{
    return qstricmp(item.pszClass, pszClass) == 0;
}

// Whether the style dwStyle holds every bit of dwFlag.
bool StyleHas(DWORD dwStyle, DWORD dwFlag)
{
    return (dwStyle & dwFlag) == dwFlag;
}

bool IsTextLabel(const DialogItemTemplate& item)
{
    return IsClass(item, "STATIC") && (item.dwStyle & SS_TYPEMASK) != SS_ICON;
}

// A label's text as spoken: "&Name" is read "Name", "&&" is one '&'.
QString WithoutMnemonic(const DialogItemTemplate& label)
{
    const QString text = TextCodec::ToQString(label.pszText);
    if (StyleHas(label.dwStyle, SS_NOPREFIX))
        return text;
    QString spoken;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        spoken += text[i];
    }
    return spoken;
}

} // namespace

DialogWindow::DialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* pOwner)
    : QDialog(pOwner), m_dialog(dialog)
{
    setFont(TemplateFont(dialogTemplate));
    ApplyWindowStyle(dialogTemplate, pOwner);
    const DialogUnits units(font());
    setFixedSize(units.ToPixelsX(dialogTemplate.cx), units.ToPixelsY(dialogTemplate.cy));
    for (const DialogItemTemplate& item : dialogTemplate.items) {
        QWidget* control = CreateControl(item);
        WidgetBinding::SetControlId(control, item.nId);
        control->setGeometry(units.ToPixels(item.x, item.y, item.cx, item.cy));
        ApplyCommonStyle(control, item);
        m_controls.push_back(control);
    }
    SetMnemonicBuddies(dialogTemplate);
    SetAccessibleNames(dialogTemplate);
    AddWindowShortcuts();
}

void DialogWindow::AddWindowShortcuts()
{
    // Shortcuts rather than key handling, so that an edit box with the
    // focus cannot take the keys for itself.
    auto* close = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
    connect(close, &QShortcut::activated, this, [this] { SendSysCommand(SC_CLOSE); });
    if (m_bSystemMenu) {
        auto* menu = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
        connect(menu, &QShortcut::activated, this, [this] { OpenSystemMenu(mapToGlobal(QPoint(0, 0))); });
    }
}

QFont DialogWindow::TemplateFont(const DialogTemplate& dialogTemplate) const
{
    // The template names a Windows font; font matching falls back to the
    // desktop's sans-serif family, the hint making sure it is a sans one.
    QFont templateFont(QString::fromLatin1(dialogTemplate.pszFontName));
    templateFont.setStyleHint(QFont::SansSerif);
    templateFont.setPointSize(dialogTemplate.nPointSize > 0 ? dialogTemplate.nPointSize : 8);
    return templateFont;
}

void DialogWindow::ApplyWindowStyle(const DialogTemplate& dialogTemplate, QWidget* pOwner)
{
    m_bSystemMenu = StyleHas(dialogTemplate.dwStyle, WS_SYSMENU);
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if (StyleHas(dialogTemplate.dwStyle, WS_CAPTION))
        flags |= Qt::WindowTitleHint;
    if (m_bSystemMenu)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setWindowTitle(TextCodec::ToQString(dialogTemplate.pszCaption));
    setSizeGripEnabled(false);
    // Without an owner the dialog is a window of its own with a taskbar
    // entry; with one the window system keeps it above its owner. The owner
    // is not made the Qt parent, so the dialog keeps its own font and
    // lifetime.
    QWidget* ownerWindow = pOwner ? pOwner->window() : nullptr;
    if (ownerWindow && ownerWindow->windowHandle()) {
        create();
        windowHandle()->setTransientParent(ownerWindow->windowHandle());
    }
}

QWidget* DialogWindow::CreateControl(const DialogItemTemplate& item)
{
    if (IsClass(item, "BUTTON"))
        return CreateButton(item);
    if (IsClass(item, "EDIT"))
        return CreateEdit(item);
    if (IsClass(item, "LISTBOX"))
        return CreateListBox(item);
    return CreateStatic(item);
}

QWidget* DialogWindow::CreateButton(const DialogItemTemplate& item)
{
    auto* button = new QPushButton(TextCodec::ToQString(item.pszText), this);
    // Every push button becomes the default while it has the focus, as the
    // dialog manager does; the template's default button otherwise.
    button->setAutoDefault(true);
    button->setDefault((item.dwStyle & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
    const int nId = item.nId;
    connect(button, &QPushButton::clicked, this, [this, nId] { SendCommand(nId, BN_CLICKED); });
    return button;
}

QWidget* DialogWindow::CreateEdit(const DialogItemTemplate& item)
{
    auto* edit = new QLineEdit(this);
    edit->setValidator(new EditValidator(edit));
    edit->setFrame(StyleHas(item.dwStyle, WS_BORDER));
    EditValidator::SetText(edit, TextCodec::ToQString(item.pszText));
    return edit;
}

QWidget* DialogWindow::CreateListBox(const DialogItemTemplate& item)
{
    const int nId = item.nId;
    ListBoxWidget::Notify notify;
    if (StyleHas(item.dwStyle, LBS_NOTIFY))
        notify = [this, nId](UINT nCode) { SendCommand(nId, nCode); };
    auto* list = new ListBoxWidget(this, notify);
    list->setFrameShape(StyleHas(item.dwStyle, WS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
    list->setVerticalScrollBarPolicy(StyleHas(item.dwStyle, WS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    return list;
}

QWidget* DialogWindow::CreateStatic(const DialogItemTemplate& item)
{
    auto* label = new QLabel(this);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if ((item.dwStyle & SS_TYPEMASK) == SS_ICON) {
        // An icon static takes the size of its icon.
        if (FrameworkIcon* icon = FrameworkIcon::Load(item.nIconId)) {
            label->setPixmap(QPixmap::fromImage(icon->image));
            label->setProperty("dialstackIconSize", icon->image.size());
        }
        return label;
    }
    label->setWordWrap(true);
    label->setText(TextCodec::ToQString(item.pszText));
    if (StyleHas(item.dwStyle, SS_SUNKEN) || StyleHas(item.dwStyle, WS_BORDER))
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

void DialogWindow::ApplyCommonStyle(QWidget* pControl, const DialogItemTemplate& item)
{
    const QSize iconSize = pControl->property("dialstackIconSize").toSize();
    if (iconSize.isValid())
        pControl->resize(iconSize);
    if (qobject_cast<QLabel*>(pControl))
        pControl->setFocusPolicy(Qt::NoFocus);
    else
        pControl->setFocusPolicy(StyleHas(item.dwStyle, WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    pControl->setEnabled(!StyleHas(item.dwStyle, WS_DISABLED));
    pControl->setHidden(!StyleHas(item.dwStyle, WS_VISIBLE));
}

void DialogWindow::SetMnemonicBuddies(const DialogTemplate& dialogTemplate)
{
    // A static's mnemonic moves the focus to the control after it; with
    // SS_NOPREFIX the static shows '&' as it is.
    for (size_t i = 0; i + 1 < m_controls.size(); ++i) {
        const DialogItemTemplate& item = dialogTemplate.items[i];
        auto* label = qobject_cast<QLabel*>(m_controls[i]);
        if (label && !StyleHas(item.dwStyle, SS_NOPREFIX) && label->text().contains(QLatin1Char('&')))
            label->setBuddy(m_controls[i + 1]);
    }
}

void DialogWindow::SetAccessibleNames(const DialogTemplate& dialogTemplate)
{
    // Buttons and labels speak their own text. Any other visible control is
    // named by the label just before it in template order, the order a
    // screen reader walks the dialog; the template names those that no
    // label precedes.
    for (size_t i = 0; i < m_controls.size(); ++i) {
        const DialogItemTemplate& item = dialogTemplate.items[i];
        if (item.pszAccessibleName)
            m_controls[i]->setAccessibleName(TextCodec::ToQString(item.pszAccessibleName));
        else if (i > 0 && !IsClass(item, "BUTTON") && !IsClass(item, "STATIC") && StyleHas(item.dwStyle, WS_VISIBLE)
            && IsTextLabel(dialogTemplate.items[i - 1]))
            m_controls[i]->setAccessibleName(WithoutMnemonic(dialogTemplate.items[i - 1]));
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
