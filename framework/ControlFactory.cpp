#include "framework/ControlFactory.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "framework/DialogTemplate.h"
#include "framework/EditValidator.h"
#include "framework/FrameworkIcon.h"
#include "framework/ListBoxWidget.h"
#include "framework/MnemonicText.h"
#include "framework/TextCodec.h"
#include "framework/Translation.h"
#include "framework/WidgetBinding.h"
#include "framework/WindowStyles.h"

namespace {

using Notify = ControlFactory::Notify;

bool IsClass(const DialogItemTemplate& item, const char* pszClass)
{
    return qstricmp(item.pszClass, pszClass) == 0;
}

bool IsTextLabel(const DialogItemTemplate& item)
{
    return IsClass(item, "STATIC") && (item.dwStyle & SS_TYPEMASK) != SS_ICON;
}

// A label's text as spoken: "&Name" is read "Name", "&&" is one '&'.
QString WithoutMnemonic(const DialogItemTemplate& label)
{
    return MnemonicText::Shown(Translation::Text(label.pszText), !StyleHas(label.dwStyle, SS_NOPREFIX));
}

QWidget* CreateButton(const DialogItemTemplate& item, QWidget* pParent, const Notify& notify)
{
    auto* button = new QPushButton(Translation::Text(item.pszText), pParent);
    // Every push button becomes the default while it has the focus, as the
    // dialog manager does; the template's default button otherwise.
    button->setAutoDefault(true);
    button->setDefault((item.dwStyle & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
    const int nId = item.nId;
    QObject::connect(button, &QPushButton::clicked, pParent, [notify, nId] { notify(nId, BN_CLICKED); });
    return button;
}

QWidget* CreateEdit(const DialogItemTemplate& item, QWidget* pParent)
{
    auto* edit = new QLineEdit(pParent);
    edit->setValidator(new EditValidator(edit));
    edit->setFrame(StyleHas(item.dwStyle, WS_BORDER));
    if (StyleHas(item.dwStyle, ES_PASSWORD))
        edit->setEchoMode(QLineEdit::Password);
    EditValidator::SetText(edit, TextCodec::ToQString(item.pszText));
    return edit;
}

QWidget* CreateListBox(const DialogItemTemplate& item, QWidget* pParent, const Notify& notify)
{
    const int nId = item.nId;
    ListBoxWidget::Notify listNotify;
    if (StyleHas(item.dwStyle, LBS_NOTIFY))
        listNotify = [notify, nId](UINT nCode) { notify(nId, nCode); };
    auto* list = new ListBoxWidget(pParent, listNotify);
    list->setFrameShape(StyleHas(item.dwStyle, WS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
    list->setVerticalScrollBarPolicy(
        StyleHas(item.dwStyle, WS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    return list;
}

QWidget* CreateStatic(const DialogItemTemplate& item, QWidget* pParent)
{
    auto* label = new QLabel(pParent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if ((item.dwStyle & SS_TYPEMASK) == SS_ICON) {
        // An icon static takes the size of its icon.
        if (FrameworkIcon* icon = FrameworkIcon::Load(item.nIconId)) {
            label->setPixmap(QPixmap::fromImage(icon->image));
            WidgetBinding::SetIconSize(label, icon->image.size());
        }
        return label;
    }
    label->setWordWrap(true);
    label->setText(Translation::Text(item.pszText));
    if (StyleHas(item.dwStyle, SS_SUNKEN) || StyleHas(item.dwStyle, WS_BORDER))
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

QWidget* CreateControl(const DialogItemTemplate& item, QWidget* pParent, const Notify& notify)
{
    if (IsClass(item, "BUTTON"))
        return CreateButton(item, pParent, notify);
    if (IsClass(item, "EDIT"))
        return CreateEdit(item, pParent);
    if (IsClass(item, "LISTBOX"))
        return CreateListBox(item, pParent, notify);
    return CreateStatic(item, pParent);
}

void ApplyCommonStyle(QWidget* pControl, const DialogItemTemplate& item)
{
    if (qobject_cast<QLabel*>(pControl))
        pControl->setFocusPolicy(Qt::NoFocus);
    else
        pControl->setFocusPolicy(StyleHas(item.dwStyle, WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    pControl->setEnabled(!StyleHas(item.dwStyle, WS_DISABLED));
    pControl->setHidden(!StyleHas(item.dwStyle, WS_VISIBLE));
}

void SetMnemonicBuddies(const DialogTemplate& dialogTemplate, const std::vector<QWidget*>& controls)
{
    // A static's mnemonic moves the focus to the control after it; with
    // SS_NOPREFIX the static shows '&' as it is.
    for (size_t i = 0; i + 1 < controls.size(); ++i) {
        const DialogItemTemplate& item = dialogTemplate.items[i];
        auto* label = qobject_cast<QLabel*>(controls[i]);
        if (label && !StyleHas(item.dwStyle, SS_NOPREFIX) && label->text().contains(QLatin1Char('&')))
            label->setBuddy(controls[i + 1]);
    }
}

void SetAccessibleNames(const DialogTemplate& dialogTemplate, const std::vector<QWidget*>& controls)
{
    // Buttons and labels speak their own text. Any other visible control is
    // named by the label just before it in template order, the order a
    // screen reader walks the dialog; the template names those that no
    // label precedes.
    for (size_t i = 0; i < controls.size(); ++i) {
        const DialogItemTemplate& item = dialogTemplate.items[i];
        if (item.pszAccessibleName)
            controls[i]->setAccessibleName(Translation::Text(item.pszAccessibleName));
        else if (i > 0 && !IsClass(item, "BUTTON") && !IsClass(item, "STATIC") && StyleHas(item.dwStyle, WS_VISIBLE)
            && IsTextLabel(dialogTemplate.items[i - 1]))
            controls[i]->setAccessibleName(WithoutMnemonic(dialogTemplate.items[i - 1]));
    }
}

}   // namespace

std::vector<QWidget*> ControlFactory::Create(
    const DialogTemplate& dialogTemplate, QWidget* pParent, const Notify& notify)
{
    std::vector<QWidget*> controls;
    for (const DialogItemTemplate& item : dialogTemplate.items) {
        QWidget* control = CreateControl(item, pParent, notify);
        WidgetBinding::SetControlId(control, item.nId);
        ApplyCommonStyle(control, item);
        controls.push_back(control);
    }
    SetMnemonicBuddies(dialogTemplate, controls);
    SetAccessibleNames(dialogTemplate, controls);
    return controls;
}
