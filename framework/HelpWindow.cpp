#include "framework/HelpWindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>

#include "framework/TextCodec.h"
#include "framework/WinApp.h"

namespace {

QPointer<QTextBrowser>& Window()
{
    static QPointer<QTextBrowser> window;
    return window;
}

// The screen of the window the user works in.
QScreen* WorkingScreen()
{
    const QWidget* active = QApplication::activeWindow();
    return active ? active->screen() : QGuiApplication::primaryScreen();
}

// About 75 characters by 32 lines of the help font, but never more than
// nine tenths of the screen's available area, so that its frame and every
// edge fit on the screen at any scale. Where it goes is the window
// manager's choice, as for any new window.
QSize SizeOnScreen(const QTextBrowser* window)
{
    const QFontMetrics metrics(window->font());
    const QSize wanted(75 * metrics.averageCharWidth(), 32 * metrics.lineSpacing());
    QScreen* screen = WorkingScreen();
    return screen ? wanted.boundedTo(screen->availableGeometry().size() * 0.9) : wanted;
}

QTextBrowser* CreateWindow()
{
    // A top-level window of its own, owned by no dialog, so that the window
    // manager raises it like any other window of the program.
    auto* window = new QTextBrowser;
    window->setWindowFlags(Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    const CWinApp* app = AfxGetApp();
    const std::string_view page = app ? app->m_helpPage : std::string_view();
    window->setWindowTitle(app ? TextCodec::ToQString(app->m_strHelpTitle) : QString());
    window->setHtml(QString::fromUtf8(page.data(), static_cast<qsizetype>(page.size())));
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* close = new QShortcut(keys, window);
        QObject::connect(close, &QShortcut::activated, window, &QWidget::close);
    }
    window->resize(SizeOnScreen(window));
    return window;
}

} // namespace

void HelpWindow::Open()
{
    QPointer<QTextBrowser>& window = Window();
    if (!window)
        window = CreateWindow();
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
