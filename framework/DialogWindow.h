#pragma once

#include <vector>

#include <QDialog>

#include "framework/DialogTemplate.h"
#include "framework/DialogUnits.h"
#include "base/Types.h"

class CDialog;
struct Message;

// The Qt dialog behind a CDialog, built from its template: its controls
// made by ControlFactory and placed by DialogLayout in the template's font
// (DialogFont), its window flags from the template's styles. Clicks, list
// notifications, Escape, the close box, Alt+F4, F1, the window menu and
// painting all reach the CDialog as messages through its map.
//
// A dialog with an owner is a dialog for the window manager too: it stays
// above its owner and blocks it (and only it) while it runs. A dialog without
// one is the application's own window: an ordinary top-level window that
// blocks nothing, so other windows of the program (help) can come above it.
class DialogWindow : public QDialog
{
public:
    DialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* pOwner);
    ~DialogWindow() override;

    // Shows the window and runs it until done(); returns the result.
    int Run();
    // The window on top: the active modal window (a dialog with an owner, a
    // message box), else the dialog window opened last of those still open
    // (the application's window is not a modal one); nullptr when none is.
    static QWidget* Topmost();
    // Whether the window is the application's own window: no owner, and a
    // taskbar entry asked for.
    bool IsApplicationWindow() const { return m_bApplicationWindow; }
    // The dialog units the controls were placed in.
    const DialogUnits& Units() const { return m_units; }

    // The controls in template order.
    const std::vector<QWidget*>& Controls() const { return m_controls; }
    // Opens the window menu at globalPos.
    void OpenSystemMenu(const QPoint& globalPos);

    // The widget whose paint event is running, or nullptr; a paint context
    // can only draw on it.
    static QWidget* PaintingWidget();

    void reject() override;

protected:
    bool event(QEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;

private:
    void ApplyWindowStyle(const DialogTemplate& dialogTemplate, QWidget* pOwner);
    void ApplyLayout();
    void AddWindowShortcuts();
    void Send(const Message& msg);
    void SendCommand(int nId, UINT nCode);
    void SendSysCommand(UINT nCommand);

    CDialog& m_dialog;
    const DialogTemplate m_template;
    DialogUnits m_units{0, 0};
    std::vector<QWidget*> m_controls;
    bool m_bSystemMenu = false;
    bool m_bOwned = false;
    bool m_bApplicationWindow;   // set by the constructor
};
