#include "framework/WinApp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
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
    Translation::TranslateReasons();
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

namespace {

// The buttons of each box type, in the order the type names them.
struct ButtonSet
{
    UINT nType;
    std::vector<std::pair<QMessageBox::StandardButton, int>> buttons;
};

const ButtonSet kButtonSets[] = {
    {MB_OK, {{QMessageBox::Ok, IDOK}}},
    {MB_OKCANCEL, {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}}},
    {MB_YESNOCANCEL, {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}}},
    {MB_YESNO, {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}}},
};

const ButtonSet& ButtonsOf(UINT nType)
{
    for (const ButtonSet& set : kButtonSets) {
        if (set.nType == (nType & 0x000F))
            return set;
    }
    return kButtonSets[0];
}

QMessageBox::Icon IconOf(UINT nType, const ButtonSet& buttons)
{
    switch (nType & 0x00F0) {
    case MB_ICONSTOP:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return buttons.nType == MB_OK ? QMessageBox::Information : QMessageBox::Question;
    }
}

}   // namespace

CString AfxLoadCountString(UINT nID, int nCount)
{
    const char* pszEnglish = AfxGetResources().FindString(nID);
    return pszEnglish ? Translation::CountText1252(pszEnglish, nCount, Translation::kResources) : CString();
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    Q_UNUSED(nIDHelp);
    return AfxMessageBox(lpszText, nType, std::vector<CString>{});
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, const std::vector<CString>& buttonLabels)
{
    QWidget* owner = DialogWindow::Topmost();
    CWinApp* app = AfxGetApp();
    if (!owner && app && app->m_pMainWnd)
        owner = app->m_pMainWnd->GetSafeHwnd();
    const ButtonSet& set = ButtonsOf(nType);
    QMessageBox box(IconOf(nType, set), app ? TextCodec::ToQString(app->m_strAppName) : QString(),
        TextCodec::ToQString(lpszText), QMessageBox::NoButton, owner);
    QMessageBox::StandardButtons standard;
    for (const auto& [button, nResult] : set.buttons)
        standard |= button;
    box.setStandardButtons(standard);
    for (size_t i = 0; i < set.buttons.size() && i < buttonLabels.size(); ++i)
        box.button(set.buttons[i].first)->setText(TextCodec::ToQString(buttonLabels[i]));
    const size_t nDefault = (nType & MB_DEFBUTTON2) && set.buttons.size() > 1 ? 1 : 0;
    box.setDefaultButton(set.buttons[nDefault].first);
    // Escape and the close box: Cancel, else the last button (No, or OK).
    box.setEscapeButton(set.buttons.back().first);
    // Spoken as what it is: its title, then its text.
    box.setAccessibleName(box.windowTitle());
    box.setAccessibleDescription(box.text());
    // Modal to its owner only, like the dialogs, so help stays usable.
    if (owner)
        box.setWindowModality(Qt::WindowModal);
    box.exec();
    // The owner takes the focus back, as it would from a window manager.
    if (owner && owner->isVisible())
        owner->activateWindow();
    for (const auto& [button, nResult] : set.buttons) {
        if (box.clickedButton() == box.button(button))
            return nResult;
    }
    return set.buttons.back().second;
}

BOOL AfxWaitWithEvents(const std::function<bool()>& done, int nMilliseconds)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done()) {
        if (elapsed.elapsed() >= nMilliseconds)
            return done() ? TRUE : FALSE;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
    return TRUE;
}

int GetSystemMetrics(int nIndex)
{
    return nIndex == SM_CXICON || nIndex == SM_CYICON ? kIconSize : 0;
}
