#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/CString.h"
#include "framework/CmdTarget.h"

class CResourceProvider;
class CWnd;

// The application object. Exactly one exists, a static object of a derived
// class; the framework's main() runs it: framework start-up,
// InitApplication, InitInstance; when InitInstance returns FALSE no message
// loop runs, ExitInstance runs and the process exits with its result.
class CWinApp : public CCmdTarget
{
public:
    CWinApp();
    ~CWinApp() override;

    virtual BOOL InitApplication();
    virtual BOOL InitInstance();
    virtual int ExitInstance();

    // Nothing to do on this platform; kept so start-up reads as intended.
    BOOL Enable3dControls();
    // The icon resource nIDResource, or nullptr.
    HICON LoadIcon(UINT nIDResource) const;

    // Opens the application's help window (ID_HELP).
    void OnHelp();
    // Opens the help window, or closes it with HELP_QUIT.
    void WinHelp(DWORD dwData, UINT nCmd = HELP_CONTEXT);

    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();

    CWnd* m_pMainWnd = nullptr;
    // The executable's file name without extension.
    CString m_strAppName;

    // What the program hands the framework before it starts: its resources,
    // the icon every window carries, the version, and the help page (HTML in
    // UTF-8) with its window title.
    const CResourceProvider* m_pResources = nullptr;
    UINT m_nIconId = 0;
    CString m_strVersion;
    std::string_view m_helpPage;
    CString m_strHelpTitle;
    // Bytes the program's text must never hold although the code page has
    // them: edit boxes show them as '?' when typed or pasted, as they show
    // every character the code page cannot hold.
    CString m_strRefusedInput;
    // The name of the program's desktop entry (without ".desktop"), by which
    // the desktop matches its windows to the menu entry and the icon.
    CString m_strDesktopEntry;
    // The program's translation catalogue ("dialstack" for
    // dialstack_de.qm), and its help page in each language it is written in
    // ("de"); the framework chooses the user's language at start-up.
    CString m_strCatalogue;
    std::map<std::string, std::string_view> m_translatedHelpPages;

    // Framework entry point, called by main(): creates the QApplication
    // from the program's name alone, then RunApplication.
    static int Run(int argc, char** argv);
    // Against the running QApplication: StartFramework, InitApplication,
    // InitInstance (and a message loop only when it returns TRUE), then
    // ExitInstance, whose result it returns.
    static int RunApplication(const char* pszArgv0);
    // Framework start-up against the running QApplication: the user's
    // language is installed and the application name becomes pszArgv0's
    // file name without its extension. Tests call it
    // instead of Run, to work without InitInstance.
    static void StartFramework(const char* pszArgv0);
};

// The single application object.
CWinApp* AfxGetApp();
// The resources the application object handed over; one that finds nothing
// when there is no application object or it handed none.
const CResourceProvider& AfxGetResources();
// The string table's nID, the key of a count, in the user's language in
// the form that language gives nCount (English's from the English
// catalogue), with "%n" replaced by the count. Empty when the table has no
// such string.
CString AfxLoadCountString(UINT nID, int nCount);
// A modal message box captioned with the application name: MB_OK,
// MB_OKCANCEL, MB_YESNO or MB_YESNOCANCEL, with MB_ICONSTOP,
// MB_ICONQUESTION, MB_ICONEXCLAMATION or MB_ICONINFORMATION (without one,
// a box that asks carries the question mark and one that tells the
// information sign) and MB_DEFBUTTON2; returns the button pressed (IDOK,
// IDCANCEL, IDYES or IDNO). Escape and the close box answer Cancel where
// there is one, else No.
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The same with the program's own words on the buttons, in the order the
// type names them (Yes, No, Cancel; OK, Cancel): answers that say what they
// do ("Save", "Leave without saving") rather than Yes and No.
int AfxMessageBox(LPCTSTR lpszText, UINT nType, const std::vector<CString>& buttonLabels);
// Lets the application's events run (painting, timers, other windows) until
// done() holds or nMilliseconds have passed; done() once more at the end.
BOOL AfxWaitWithEvents(const std::function<bool()>& done, int nMilliseconds);
// System metrics: SM_CXICON and SM_CYICON.
int GetSystemMetrics(int nIndex);
