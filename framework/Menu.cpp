#include "framework/Menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QPointer>
#include <QProxyStyle>

#include "framework/TextCodec.h"

namespace {

// The desktop's style, except that a greyed item can be the current one,
// as in the window menus of other desktops: its letter makes it current
// (and a screen reader says it is unavailable), and Return on it does
// nothing, where Qt would pass over it and leave another item current.
class GreyedItemsCanBeCurrent : public QProxyStyle
{
public:
    int styleHint(
        StyleHint hint, const QStyleOption* pOption, const QWidget* pWidget, QStyleHintReturn* pReturn) const override
    {
        if (hint == SH_Menu_AllowActiveAndDisabled)
            return 1;
        return QProxyStyle::styleHint(hint, pOption, pWidget, pReturn);
    }
};

// One for every menu, kept by the application: a widget's style must
// outlive the widget.
QStyle* MenuStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new GreyedItemsCanBeCurrent;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

}   // namespace

// Makes the first item current whenever the menu shows, greyed or not; a
// child of the menu. Were it the first enabled one, Return pressed for a
// greyed Move would choose the item below it (Close) instead.
class CMenu::OpeningGuard : public QObject
{
public:
    explicit OpeningGuard(QMenu* pMenu)
        : QObject(pMenu)
        , m_pMenu(pMenu)
    {
        pMenu->setStyle(MenuStyle());
        pMenu->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pWatched != m_pMenu)
            return false;
        if (pEvent->type() == QEvent::Show)
            MakeFirstItemCurrent();
        return false;
    }

private:
    void MakeFirstItemCurrent()
    {
        for (QAction* action : m_pMenu->actions()) {
            if (!action->isSeparator() && action->isVisible()) {
                m_pMenu->setActiveAction(action);
                return;
            }
        }
    }

    QMenu* m_pMenu;
};

CMenu::CMenu(QMenu* pMenu)
    : m_pMenu(pMenu)
{
    if (m_pMenu)
        new OpeningGuard(m_pMenu);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    if (!m_pMenu)
        return FALSE;
    if (nFlags & MF_SEPARATOR) {
        m_pMenu->addSeparator();
        return TRUE;
    }
    QAction* action = m_pMenu->addAction(TextCodec::ToQString(lpszNewItem));
    action->setData(QVariant::fromValue(static_cast<qulonglong>(nIDNewItem)));
    return TRUE;
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT /*nFlags*/, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    if (!m_pMenu)
        return FALSE;
    auto* action = new QAction(TextCodec::ToQString(lpszNewItem), m_pMenu);
    action->setData(QVariant::fromValue(static_cast<qulonglong>(nIDNewItem)));
    m_pMenu->insertAction(FindItem(nPosition), action);
    return TRUE;
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT /*nFlags*/)
{
    QAction* action = FindItem(nPosition);
    if (!action)
        return FALSE;
    m_pMenu->removeAction(action);
    delete action;
    return TRUE;
}

UINT CMenu::GetMenuState(UINT nID, UINT /*nFlags*/) const
{
    const QAction* action = FindItem(nID);
    if (!action)
        return static_cast<UINT>(-1);
    return action->isEnabled() ? MF_ENABLED : MF_GRAYED;
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    QAction* action = FindItem(nIDEnableItem);
    if (!action)
        return static_cast<UINT>(-1);
    const UINT nPrevious = action->isEnabled() ? MF_ENABLED : MF_GRAYED;
    action->setEnabled((nEnable & MF_GRAYED) == 0);
    return nPrevious;
}

QAction* CMenu::FindItem(UINT nID) const
{
    if (!m_pMenu)
        return nullptr;
    for (QAction* action : m_pMenu->actions()) {
        if (!action->isSeparator() && action->data().toULongLong() == nID)
            return action;
    }
    return nullptr;
}
