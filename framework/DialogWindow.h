#pragma once

#include <vector>

#include <QDialog>

#include "framework/DialogTemplate.h"
#include "base/Types.h"

class CDialog;
struct Message;

// The Qt dialog behind a CDialog, built from its template: every control at
// its place in dialog units of the template's font, in template order (so
// tab order), with its id, text and styles. Clicks, list notifications,
// Escape, the close box, Alt+F4, the window menu and painting all reach the
// CDialog as messages through its map.
class DialogWindow : public QDialog
{
public:
    DialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* pOwner);

    // The controls in template order.
    const std::vector<QWidget*>& Controls() const { return m_controls; }
    // Opens the window menu at globalPos.
    void OpenSystemMenu(const QPoint& globalPos);

    // The widget whose paint event is running, or nullptr; a paint context
    // can only draw on it.
    static QWidget* PaintingWidget();

    void reject() override;

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;

private:
    QFont TemplateFont(const DialogTemplate& dialogTemplate) const;
    void ApplyWindowStyle(const DialogTemplate& dialogTemplate, QWidget* pOwner);
    QWidget* CreateControl(const DialogItemTemplate& item);
    QWidget* CreateButton(const DialogItemTemplate& item);
    QWidget* CreateEdit(const DialogItemTemplate& item);
    QWidget* CreateListBox(const DialogItemTemplate& item);
    QWidget* CreateStatic(const DialogItemTemplate& item);
    void ApplyCommonStyle(QWidget* pControl, const DialogItemTemplate& item);
    void SetMnemonicBuddies(const DialogTemplate& dialogTemplate);
    void SetAccessibleNames(const DialogTemplate& dialogTemplate);
    void AddWindowShortcuts();
    void Send(const Message& msg);
    void SendCommand(int nId, UINT nCode);
    void SendSysCommand(UINT nCommand);

    CDialog& m_dialog;
    std::vector<QWidget*> m_controls;
    bool m_bSystemMenu = false;
};
