#include "framework/Menu.h"

#include <QAction>
#include <QMenu>

#include "framework/TextCodec.h"

CMenu::CMenu(QMenu* pMenu)
    : m_pMenu(pMenu)
{
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
