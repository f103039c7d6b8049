// Runs Dialstack as it runs on a desktop whose interface font is POINTS
// points: the application font is set before any window opens, as a
// desktop's platform theme sets it, and speaks the language of the locale
// with the catalogues of the build tree. For screenshots and trying layouts.
// Usage: dialstack_with_font POINTS   (in the folder of the directory file)

#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QFont>

#include "app/DirectoryApp.h"
#include "l10n/Translators.h"

CDirectoryApp theApp;

int main(int argc, char** argv)
{
    const int nPoints = argc == 2 ? std::atoi(argv[1]) : 0;
    if (nPoints <= 0) {
        std::fprintf(stderr, "usage: %s POINTS\n", argv[0]);
        return 2;
    }
    int nQtArgs = 1;
    QApplication application(nQtArgs, argv);
    QFont font = QApplication::font();
    font.setPointSize(nPoints);
    QApplication::setFont(font);
    // The program finds its catalogues beside it; this one lives a folder
    // further down the build tree.
    CTranslators::AddSearchFolder(DIALSTACK_TRANSLATIONS_FOLDER);
    return CWinApp::RunApplication("dialstack");
}
