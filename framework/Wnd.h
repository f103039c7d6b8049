#pragma once

#include <functional>
#include <memory>

#include "base/CString.h"
#include "framework/CmdTarget.h"

class QWidget;
class CMenu;

// A window or control. A CWnd is attached to a Qt widget that the framework
// created from a dialog template; the CWnd never owns that widget.
class CWnd : public CCmdTarget
{
public:
    CWnd();
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The control with that id inside this window, or nullptr. The returned
    // object is owned by this window and lives as long as the window.
    CWnd* GetDlgItem(int nID) const;

    void GetWindowText(CString& rString) const;
    CString GetWindowText() const;
    void SetWindowText(LPCTSTR lpszString);
    // The same for a text that may hold zero bytes, which it keeps.
    void SetWindowText(const CString& strText);

    BOOL IsWindowEnabled() const;
    BOOL IsIconic() const;
    void GetClientRect(LPRECT lpRect) const;

    // Sends a message straight to this window's handling (WM_SETICON and
    // WM_ICONERASEBKGND are the ones the program sends). For WM_COMMAND the
    // low word of wParam is the id and the high word the notification.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Routes msg through the map chain; a message no entry takes gets this
    // window's default handling.
    virtual LRESULT OnWndMsg(const Message& msg);
    // The same with fallback as the default handling, both when no entry
    // takes msg and when its handler calls Default() (framework only: the
    // Qt side uses it to offer its own painting as the default).
    LRESULT RouteMessage(const Message& msg, const std::function<LRESULT()>& fallback);

    // The window menu: Move, Close, then whatever the program appended. With
    // bRevert TRUE the menu is put back to its default items and nullptr is
    // returned.
    CMenu* GetSystemMenu(BOOL bRevert);
    // Called each time the window menu is about to open, so that a window can
    // add, remove or grey items whose availability changes while it runs.
    virtual void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);

    // Opens or (with HELP_QUIT) closes the application's help window.
    void WinHelp(DWORD dwData, UINT nCmd = HELP_CONTEXT);

    // Inside a message handler: the framework's own handling of the message
    // being handled (default painting, moving, closing, destroying).
    LRESULT Default();

    // The Qt widget behind this window (framework and tests only).
    QWidget* GetSafeHwnd() const { return m_pWidget; }
    void Attach(QWidget* pWidget);
    QWidget* Detach();

protected:
    // What the window does with msg when no map entry handles it: system
    // commands Close (as IDCANCEL) and Move, and WM_SETICON.
    virtual LRESULT DefWindowProc(const Message& msg);

    QWidget* m_pWidget = nullptr;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
