#pragma once

#include "base/CString.h"

class QAction;
class QMenu;

// A window's system menu. Items appended with MF_STRING send their id to the
// window's OnSysCommand handling (WM_SYSCOMMAND) when chosen.
//
// Whenever it opens, its first item is the current one, so that a screen
// reader speaks it at once and Return chooses it, or, when it is greyed,
// does nothing: Return on a menu just opened never chooses an item the user
// did not move to. A greyed item never acts: its letter makes it current
// and Return on it does nothing, so that the keys meant for it (Move, then
// the arrow keys and Return) neither choose another item nor reach the
// window below.
class CMenu
{
public:
    explicit CMenu(QMenu* pMenu);
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    // MF_BYCOMMAND with MF_ENABLED or MF_GRAYED; returns the previous state
    // (MF_ENABLED or MF_GRAYED), or -1 when no item has that id.
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    // MF_BYCOMMAND: puts a new item before the item with id nPosition (at the
    // end when there is none). FALSE when there is no menu.
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem);
    // MF_BYCOMMAND: removes the item with id nPosition; FALSE when none has it.
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);
    // MF_BYCOMMAND: whether an item has the id (the state, as for
    // EnableMenuItem), or -1 when none has.
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    QMenu* GetQMenu() const { return m_pMenu; }

private:
    class OpeningGuard;

    QAction* FindItem(UINT nID) const;

    QMenu* m_pMenu;
};
