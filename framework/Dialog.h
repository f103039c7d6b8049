#pragma once

#include <memory>

#include "framework/Wnd.h"

class CDataExchange;

// A modal dialog built from a dialog template of the program's resources.
class CDialog : public CWnd
{
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Builds the dialog from its template and runs it modally, the owner
    // (the parent, else the application's main window) disabled meanwhile.
    // Returns the value given to EndDialog: IDOK, IDCANCEL, or -1 when the
    // template does not exist.
    virtual int DoModal();
    void EndDialog(int nResult);

    // Runs the data exchange in the loading (FALSE) or saving (TRUE)
    // direction; FALSE when a validation refused a value.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Moves the focus to pWndCtrl as the dialog manager does.
    void GotoDlgCtrl(CWnd* pWndCtrl);

    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();

protected:
    // Commands no map entry takes: IDOK runs OnOK, IDCANCEL OnCancel, any
    // other goes to the application's map.
    LRESULT DefWindowProc(const Message& msg) override;

    virtual void DoDataExchange(CDataExchange* pDX);
    // Base: runs the loading exchange and returns TRUE (focus to the first
    // tab stop). Return FALSE after moving the focus yourself.
    virtual BOOL OnInitDialog();
    // Base: runs the saving exchange and ends with IDOK if it succeeds.
    virtual void OnOK();
    // Base: ends with IDCANCEL.
    virtual void OnCancel();

private:
    QWidget* OwnerWidget() const;
    void FocusFirstTabStop();
    void DetachControls();

    struct Private;
    std::unique_ptr<Private> d;
};
