// Renders each of the program's dialog templates, built by the framework
// exactly as the program shows it, to a PNG file: a way to look at the
// layouts without a desktop, in the language the environment asks for
// (LC_ALL=de_DE.UTF-8 render_templates DIR). Usage: render_templates OUTPUT_DIR

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>

#include "ui/AboutDlg.h"
#include "app/DirectoryApp.h"
#include "l10n/Translators.h"
#include "res/resource.h"
#include "tests/support/Headless.h"
#include "ui/AddRecordDlg.h"
#include "ui/DirectoryDlg.h"
#include "ui/EditItemDlg.h"
#include "ui/FindDlg.h"

namespace {

CDirectoryApp theApp;

// Shows dlg, saves a picture of it as name.png in dir, then closes it.
void Render(CDialog& dlg, const QDir& dir, const char* pszName)
{
    QTimer::singleShot(0, [&dlg, &dir, pszName] {
        QWidget* window = dlg.GetSafeHwnd();
        const QString path = dir.filePath(QString::fromLatin1(pszName) + ".png");
        if (!window || !window->grab().save(path))
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        else
            std::printf("%s\n", qPrintable(path));
        dlg.EndDialog(IDCANCEL);
    });
    dlg.DoModal();
}

}   // namespace

int main(int argc, char** argv)
{
    UseOffscreenPlatformUnlessChosen();
    QApplication application(argc, argv);
    CTranslators::AddSearchFolder(DIALSTACK_TRANSLATIONS_FOLDER);
    CWinApp::StartFramework(argv[0]);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(dir.path());
    // The main window loads "Dialstack.dat" from the working directory.
    QDir::setCurrent(dir.path());

    CDirectoryDlg mainWindow;
    Render(mainWindow, dir, "IDD_MAIN");
    CAddRecordDlg addRecord;
    Render(addRecord, dir, "IDD_ADD_RECORD");
    CEditItemDlg editItem;
    editItem.m_nFocusId = IDC_NAME;
    Render(editItem, dir, "IDD_EDIT_ITEM");
    CAboutDlg about;
    Render(about, dir, "IDD_ABOUT_BOX");
    CFindDlg find;
    Render(find, dir, "IDD_FIND");
    return 0;
}
