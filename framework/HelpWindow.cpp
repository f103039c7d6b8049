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
// nine tenths of the screen's available area, and centred on it, so that
// its frame and every edge stay on the screen at any scale (a window
// manager left to place it may let its bottom run off the screen).
void PlaceOnScreen(QTextBrowser* window)
{
    const QFontMetrics metrics(window->font());
    QRect place(QPoint(0, 0), QSize(75 * metrics.averageCharWidth(), 32 * metrics.lineSpacing()));
    if (QScreen* screen = WorkingScreen()) {
        const QRect available = screen->availableGeometry();
        place.setSize(place.size().boundedTo(available.size() * 0.9));
        place.moveCenter(available.center());
    }
    window->setGeometry(place);
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
    PlaceOnScreen(window);
    return window;
}

}   // namespace

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
