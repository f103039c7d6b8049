#include "framework/WinApp.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

#include "l10n/Translators.h"

#include "framework/DialogWindow.h"
#include "framework/FrameworkIcon.h"
#include "framework/ResourceProvider.h"
#include "framework/TextCodec.h"
#include "framework/Translation.h"
#include "framework/Wnd.h"

namespace {

CWinApp* g_pApp = nullptr;

// A system icon is the classic 32 x 32, the size of the program's icon.
constexpr int kIconSize = 32;

class CNoResources : public CResourceProvider
{
public:
    const DialogTemplate* FindDialog(UINT) const override { return nullptr; }
    const char* FindString(UINT) const override { return nullptr; }
    const char* const* FindIcon(UINT) const override { return nullptr; }
};

// A string-table entry in the user's language; each is translated once per
// language and kept, since callers hold on to the text.
const char* FindAppString(UINT nID)
{
    static std::map<std::pair<std::string, UINT>, CString> translated;
    const char* pszEnglish = AfxGetResources().FindString(nID);
    if (!pszEnglish)
        return nullptr;
    auto [it, bNew] = translated.try_emplace({CTranslators::Language(), nID});
    if (bNew)
        it->second = Translation::Text1252(pszEnglish);
    return it->second.GetString();
}

// The user's language for the program's texts, Qt's own and the help page.
void InstallTranslation(CWinApp& app)
{
    if (app.m_strCatalogue.IsEmpty())
        return;
    const std::string language = CTranslators::Install(app.m_strCatalogue.GetString());
    auto page = app.m_translatedHelpPages.find(language);
    if (page != app.m_translatedHelpPages.end())
        app.m_helpPage = page->second;
}

}   // namespace

CWinApp::CWinApp()
{
    g_pApp = this;
    CString::SetStringTable(&FindAppString);
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

const CResourceProvider& AfxGetResources()
{
    static const CNoResources none;
    return g_pApp && g_pApp->m_pResources ? *g_pApp->m_pResources : none;
}

const MessageMap* CWinApp::GetThisMessageMap()
{
    static const TypedMessageMap<CWinApp> map(CCmdTarget::GetThisMessageMap());
    return &map;
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

BOOL CWinApp::Enable3dControls()
{
    return TRUE;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return FrameworkIcon::Load(nIDResource);
}

void CWinApp::OnHelp()
{
    WinHelp(0, HELP_CONTEXT);
}

void CWinApp::WinHelp(DWORD dwData, UINT nCmd)
{
    CWnd helper;
    helper.WinHelp(dwData, nCmd);
}

void CWinApp::StartFramework(const char* pszArgv0)
{
    const QString baseName = QFileInfo(QString::fromLocal8Bit(pszArgv0 ? pszArgv0 : "")).completeBaseName();
    QApplication::setApplicationName(baseName);
    if (!g_pApp)
        return;
    InstallTranslation(*g_pApp);
    g_pApp->m_strAppName = TextCodec::FromQString(baseName);
    QApplication::setApplicationVersion(TextCodec::ToQString(g_pApp->m_strVersion));
    QApplication::setDesktopFileName(TextCodec::ToQString(g_pApp->m_strDesktopEntry));
    if (FrameworkIcon* icon = FrameworkIcon::Load(g_pApp->m_nIconId))
        QApplication::setWindowIcon(icon->ToQIcon());
}

int CWinApp::Run(int argc, char** argv)
{
    // The program takes no command line, and Qt gets none either: only the
    // program's name, so that options such as -reverse or -style change
    // nothing. Qt's environment variables still apply.
    char* pszArgv0 = argc > 0 ? argv[0] : nullptr;
    char* qtArgv[] = {pszArgv0, nullptr};
    int qtArgc = pszArgv0 ? 1 : 0;
    QApplication application(qtArgc, qtArgv);
    return RunApplication(pszArgv0);
}

int CWinApp::RunApplication(const char* pszArgv0)
{
    StartFramework(pszArgv0);
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    if (app->InitApplication() && app->InitInstance())
        QApplication::exec();
    return app->ExitInstance();
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    Q_UNUSED(nIDHelp);
    QWidget* owner = DialogWindow::Topmost();
    CWinApp* app = AfxGetApp();
    if (!owner && app && app->m_pMainWnd)
        owner = app->m_pMainWnd->GetSafeHwnd();
    const bool bYesNo = (nType & 0x000F) == MB_YESNO;
    const UINT nIcon = nType & 0x00F0;
    const QMessageBox::Icon icon = nIcon == MB_ICONQUESTION ? QMessageBox::Question
        : nIcon == MB_ICONEXCLAMATION                       ? QMessageBox::Warning
                                                            : QMessageBox::NoIcon;
    QMessageBox box(icon, app ? TextCodec::ToQString(app->m_strAppName) : QString(), TextCodec::ToQString(lpszText),
        bYesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner);
    if (bYesNo)
        box.setDefaultButton((nType & MB_DEFBUTTON2) ? QMessageBox::No : QMessageBox::Yes);
    // Modal to its owner only, like the dialogs, so help stays usable.
    if (owner)
        box.setWindowModality(Qt::WindowModal);
    box.exec();
    // The owner takes the focus back, as it would from a window manager.
    if (owner && owner->isVisible())
        owner->activateWindow();
    if (!bYesNo)
        return IDOK;
    // Escape and the close box answer No.
    return box.clickedButton() == box.button(QMessageBox::Yes) ? IDYES : IDNO;
}

int GetSystemMetrics(int nIndex)
{
    return nIndex == SM_CXICON || nIndex == SM_CYICON ? kIconSize : 0;
}
