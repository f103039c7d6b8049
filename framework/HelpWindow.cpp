#include "framework/HelpWindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QTextEdit>
#include <QWindow>

#include "framework/Translation.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

namespace {

QPointer<QWidget>& Window()
{
    static QPointer<QWidget> window;
    return window;
}

// A Wayland compositor places and raises windows itself: a program can
// neither put a window at a place nor bring one to the front of others.
bool OnWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
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
void PlaceOnScreen(QWidget* window)
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

// The page: a text view rather than a browser widget, since only a text
// view offers assistive technology the text and its caret; keyboard
// selection gives it the caret.
QTextEdit* CreatePage(QWidget* window, const QString& title)
{
    auto* page = new QTextEdit(window);
    page->setReadOnly(true);
    page->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse
        | Qt::LinksAccessibleByKeyboard | Qt::LinksAccessibleByMouse);
    page->setAccessibleName(title);
    const CWinApp* app = AfxGetApp();
    const std::string_view html = app ? app->m_helpPage : std::string_view();
    page->setHtml(QString::fromUtf8(html.data(), static_cast<qsizetype>(html.size())));
    page->moveCursor(QTextCursor::Start);
    return page;
}

QWidget* CreateWindow()
{
    // A top-level window of its own, owned by no dialog, so that the window
    // manager raises it like any other window of the program; a main window
    // of Qt's, which assistive technology announces as a frame.
    auto* window = new QMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    const CWinApp* app = AfxGetApp();
    const QString title = app ? Translation::Text(app->m_strHelpTitle.GetString()) : QString();
    window->setWindowTitle(title);
    QTextEdit* page = CreatePage(window, title);
    window->setCentralWidget(page);
    window->setFocusProxy(page);
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* close = new QShortcut(keys, window);
        QObject::connect(close, &QShortcut::activated, window, &QWidget::close);
    }
    PlaceOnScreen(window);
    return window;
}

// On Wayland help belongs to the application's main window: a tiling
// compositor then floats it over that window, where it would otherwise
// tile it behind the floating main window, and any compositor places it
// over the main window instead of anywhere. The main window, not a dialog
// help was asked from, since help outlives the dialog.
void BelongToMainWindow(QWidget* window)
{
    const CWinApp* app = AfxGetApp();
    QWidget* main = app && app->m_pMainWnd ? app->m_pMainWnd->GetSafeHwnd() : nullptr;
    if (!main || !main->windowHandle())
        return;
    window->winId();
    window->windowHandle()->setTransientParent(main->windowHandle());
}

}   // namespace

void HelpWindow::Open()
{
    QPointer<QWidget>& window = Window();
    const bool bNew = !window;
    if (bNew)
        window = CreateWindow();
    if (OnWayland()) {
        BelongToMainWindow(window);
        // A compositor gives the focus to a window as it appears but only
        // marks a shown one as wanting attention: show it anew.
        if (!bNew)
            window->hide();
    }
    window->show();
    window->raise();
    window->activateWindow();
    window->setFocus(Qt::OtherFocusReason);
}

void HelpWindow::Close()
{
    delete Window().data();
}

QWidget* HelpWindow::Current()
{
    return Window().data();
}
