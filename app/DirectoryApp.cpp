#include "app/DirectoryApp.h"

#include "res/ResourceTable.h"
#include "ui/DirectoryDlg.h"

CDirectoryApp::CDirectoryApp()
{
    ResourceTable::ConfigureApplication(*this);
}

const MessageMap* CDirectoryApp::GetThisMessageMap()
{
    using T = CDirectoryApp;
    static const MessageEntry<T> entries[] = {
        OnCommandEntry<T>(ID_HELP, &CWinApp::OnHelp),
    };
    static const TypedMessageMap<T> map(CWinApp::GetThisMessageMap(), entries);
    return &map;
}

BOOL CDirectoryApp::InitInstance()
{
    Enable3dControls();

    CDirectoryDlg dlg;
    m_pMainWnd = &dlg;
    // "Save / Quit" has saved before it ends the dialog, and every other way
    // out discards the changes, so the result needs no action here.
    dlg.DoModal();
    m_pMainWnd = nullptr;

    // The main window has closed: end the program instead of starting the
    // framework's message loop.
    return FALSE;
}
