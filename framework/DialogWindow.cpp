#include "framework/DialogWindow.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QWindow>

#include "framework/Dialog.h"
#include "framework/EditValidator.h"
#include "framework/FrameworkIcon.h"
#include "framework/ListBoxWidget.h"
#include "framework/Menu.h"
#include "framework/TextCodec.h"
#include "framework/WidgetBinding.h"
#include "framework/WindowStyles.h"

namespace {

QWidget* g_pPaintingWidget = nullptr;

// The dialog windows that exist, in the order they were opened.
std::vector<DialogWindow*>& OpenWindows()
{
    static std::vector<DialogWindow*> windows;
    return windows;
}

bool IsClass(const DialogItemTemplate& item, const char* pszClass)
{
    return qstricmp(item.pszClass, pszClass) == 0;
}

// Whether the style dwStyle holds every bit of dwFlag.
bool StyleHas(DWORD dwStyle, DWORD dwFlag)
{
    return (dwStyle & dwFlag) == dwFlag;
}

// The old platform's dialog font, which followed the user's settings.
bool IsSystemDialogFont(const char* pszName)
{
    for (const char* pszSystem : {"MS Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2"}) {
        if (qstricmp(pszName, pszSystem) == 0)
            return true;
    }
    return false;
}

// A text as a control shows it: "&&" is one '&', a single '&' marks the
// mnemonic and is not drawn.
QString ShownText(const QString& text, bool bMnemonic)
{
    if (!bMnemonic)
        return text;
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

// What a static text or a push button needs to show its whole text: the
// width of its text on one line, and its height when wrapped to nWidth.
struct TextNeed
{
    int nWidth = 0;
    int nWrappedHeight = 0;
};

// The width text takes on one line as drawn, which can be a pixel or two
// more than its advance; any less and a word-wrapped text breaks.
int OneLineWidth(const QFont& font, const QString& text)
{
    constexpr int kUnbounded = 1 << 20;
    return QFontMetrics(font).boundingRect(QRect(0, 0, kUnbounded, kUnbounded), 0, text).width();
}

TextNeed NeedOf(const QWidget* control, int nWidth)
{
    TextNeed need;
    if (auto* button = qobject_cast<const QPushButton*>(control)) {
        // The frame and half the style's margin on either side.
        const QStyle* style = button->style();
        const int nInset = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button)
            + (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) + 1) / 2;
        need.nWidth = OneLineWidth(button->font(), ShownText(button->text(), true)) + 2 * nInset;
    } else if (auto* label = qobject_cast<const QLabel*>(control); label && !label->text().isEmpty()) {
        const QString text = ShownText(label->text(), label->buddy() != nullptr);
        const int nInset = label->frameWidth();
        need.nWidth = OneLineWidth(label->font(), text) + 2 * nInset;
        const QRect wrapped
            = QFontMetrics(label->font())
                  .boundingRect(QRect(0, 0, std::max(1, nWidth - 2 * nInset), 1 << 20), Qt::TextWordWrap, text);
        need.nWrappedHeight = wrapped.height() + 2 * nInset;
    }
    return need;
}

bool IsTextLabel(const DialogItemTemplate& item)
{
    return IsClass(item, "STATIC") && (item.dwStyle & SS_TYPEMASK) != SS_ICON;
}

// A label's text as spoken: "&Name" is read "Name", "&&" is one '&'.
QString WithoutMnemonic(const DialogItemTemplate& label)
{
    return ShownText(TextCodec::ToQString(label.pszText), !StyleHas(label.dwStyle, SS_NOPREFIX));
}

}   // namespace

DialogWindow::DialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* pOwner)
    : QDialog(pOwner)
    , m_dialog(dialog)
    , m_template(dialogTemplate)
{
    OpenWindows().push_back(this);
    setFont(TemplateFont(dialogTemplate));
    ApplyWindowStyle(dialogTemplate, pOwner);
    for (const DialogItemTemplate& item : dialogTemplate.items) {
        QWidget* control = CreateControl(item);
        WidgetBinding::SetControlId(control, item.nId);
        ApplyCommonStyle(control, item);
        m_controls.push_back(control);
    }
    SetMnemonicBuddies(dialogTemplate);
    SetAccessibleNames(dialogTemplate);
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
    m_units = UnitsFittingEveryText();
    setFixedSize(m_units.ToPixelsX(m_template.cx), m_units.ToPixelsY(m_template.cy));
    for (size_t i = 0; i < m_controls.size(); ++i) {
        const DialogItemTemplate& item = m_template.items[i];
        QRect place = m_units.ToPixels(item.x, item.y, item.cx, item.cy);
        // An icon static takes the size of its icon.
        const QSize iconSize = m_controls[i]->property("dialstackIconSize").toSize();
        if (iconSize.isValid())
            place.setSize(iconSize);
        // A static text is left-aligned: where the desktop font runs wider
        // than the template foresaw, it runs on into the free room to its
        // right rather than being cut.
        if (qobject_cast<QLabel*>(m_controls[i])) {
            const int nNeeded = std::min(NeedOf(m_controls[i], place.width()).nWidth, RoomForText(i, m_units));
            place.setWidth(std::max(place.width(), nNeeded));
        }
        m_controls[i]->setGeometry(place);
    }
}

DialogUnits DialogWindow::UnitsFittingEveryText() const
{
    // Dialog units follow the font's average character; a font whose words
    // run wider than its average widens them until every text fits.
    DialogUnits units(font());
    const int nWidest = 2 * units.BaseX();
    while (!TextsFit(units) && units.BaseX() < nWidest)
        units = DialogUnits(units.BaseX() + 1, units.BaseY());
    return units;
}

bool DialogWindow::TextsFit(const DialogUnits& units) const
{
    const QFontMetrics metrics(font());
    for (size_t i = 0; i < m_controls.size(); ++i) {
        const DialogItemTemplate& item = m_template.items[i];
        if (m_controls[i]->isHidden())
            continue;
        const QRect place = units.ToPixels(item.x, item.y, item.cx, item.cy);
        const TextNeed need = NeedOf(m_controls[i], place.width());
        const bool bOneLine = place.height() < 2 * metrics.height();
        if (bOneLine && need.nWidth > RoomForText(i, units))
            return false;
        if (!bOneLine && need.nWrappedHeight > place.height())
            return false;
    }
    return true;
}

int DialogWindow::RoomForText(size_t nControl, const DialogUnits& units) const
{
    const DialogItemTemplate& item = m_template.items[nControl];
    const QRect place = units.ToPixels(item.x, item.y, item.cx, item.cy);
    if (!qobject_cast<QLabel*>(m_controls[nControl]))
        return place.width();
    // Up to one dialog unit before the next control on its line, or before
    // the dialog's edge.
    int nRight = units.ToPixelsX(m_template.cx - 1);
    for (size_t j = 0; j < m_controls.size(); ++j) {
        const DialogItemTemplate& other = m_template.items[j];
        const QRect otherPlace = units.ToPixels(other.x, other.y, other.cx, other.cy);
        const bool bSameLine = otherPlace.top() <= place.bottom() && otherPlace.bottom() >= place.top();
        if (j != nControl && !m_controls[j]->isHidden() && bSameLine && otherPlace.left() > place.right())
            nRight = std::min(nRight, otherPlace.left() - units.ToPixelsX(1));
    }
    return std::max(place.width(), nRight - place.left());
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

QFont DialogWindow::TemplateFont(const DialogTemplate& dialogTemplate)
{
    const int nPointSize = dialogTemplate.nPointSize > 0 ? dialogTemplate.nPointSize : 8;
    if (IsSystemDialogFont(dialogTemplate.pszFontName)) {
        // The desktop's interface font, family and size; a template asking
        // for more or less than the 8 points of the old dialog font gets it
        // in proportion.
        QFont desktopFont = QApplication::font();
        if (nPointSize != 8 && desktopFont.pointSizeF() > 0)
            desktopFont.setPointSizeF(desktopFont.pointSizeF() * nPointSize / 8);
        else if (nPointSize != 8)
            desktopFont.setPixelSize(desktopFont.pixelSize() * nPointSize / 8);
        return desktopFont;
    }
    // Any other font as named; font matching falls back to the desktop's
    // sans-serif family, the hint making sure it is a sans one.
    QFont templateFont(QString::fromLatin1(dialogTemplate.pszFontName));
    templateFont.setStyleHint(QFont::SansSerif);
    templateFont.setPointSize(nPointSize);
    return templateFont;
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
    setWindowTitle(TextCodec::ToQString(dialogTemplate.pszCaption));
    setSizeGripEnabled(false);
    // Without an owner the dialog is a window of its own with a taskbar
    // entry; with one the window system keeps it above its owner.
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
    list->setVerticalScrollBarPolicy(
        StyleHas(item.dwStyle, WS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
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

bool DialogWindow::event(QEvent* pEvent)
{
    const bool bHandled = QDialog::event(pEvent);
    // The desktop's font changed: the dialog units change with it.
    if (pEvent->type() == QEvent::ApplicationFontChange && IsSystemDialogFont(m_template.pszFontName)) {
        setFont(TemplateFont(m_template));
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
