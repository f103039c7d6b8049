#pragma once

#include <memory>

#include "base/CString.h"

class QMenu;

// A window's system menu. Items appended with MF_STRING send their id to the
// window's OnSysCommand handling (WM_SYSCOMMAND) when chosen.
class CMenu
{
public:
    explicit CMenu(QMenu* pMenu);
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    QMenu* GetQMenu() const { return m_pMenu; }

private:
    QMenu* m_pMenu;
};
