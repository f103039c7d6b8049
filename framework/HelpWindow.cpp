#include "framework/HelpWindow.h"

#include <QApplication>
#include <QPointer>
#include <QTextBrowser>

#include "framework/TextCodec.h"
#include "framework/WinApp.h"

namespace {

QPointer<QTextBrowser>& Window()
{
    static QPointer<QTextBrowser> window;
    return window;
}

} // namespace

void HelpWindow::Open()
{
    QPointer<QTextBrowser>& window = Window();
    if (!window) {
        // A child window of the modal dialog that asked for help, so that
        // the dialog's modality does not block it.
        window = new QTextBrowser(QApplication::activeModalWidget());
        window->setWindowFlags(Qt::Window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        const CWinApp* app = AfxGetApp();
        const std::string_view page = app ? app->m_helpPage : std::string_view();
        window->setWindowTitle(app ? TextCodec::ToQString(app->m_strHelpTitle) : QString());
        window->setHtml(QString::fromUtf8(page.data(), static_cast<qsizetype>(page.size())));
        window->resize(560, 520);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void HelpWindow::Close()
{
    delete Window().data();
}

QWidget* HelpWindow::Current()
{
    return Window().data();
}
