#include "tests/support/GuiTest.h"

#include <map>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QThread>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "framework/DialogWindow.h"
#include "framework/WidgetBinding.h"

namespace GuiTest {

namespace {

// A queued step that has not run yet: its polling timer and where it was
// queued.
struct PendingStep
{
    QPointer<QTimer> timer;
    QueuedAt queuedAt;
};

// By a number given to each step, so that a step leaves the list when it runs.
std::map<unsigned, PendingStep>& PendingSteps()
{
    static std::map<unsigned, PendingStep> steps;
    return steps;
}

// How long a new modal window may take to become active before its step
// runs anyway; generous, since a loaded machine can be slow to deliver it.
constexpr qint64 kActivationWaitMilliseconds = 2000;

// Runs step once the top modal window is one isTarget accepts, shown and
// active (or shown for long enough).
void Queue(const std::function<bool(QWidget* pModal)>& isTarget, Step step, QueuedAt queuedAt)
{
    static unsigned nLastNumber = 0;
    const unsigned nNumber = ++nLastNumber;
    auto* timer = new QTimer;
    auto sinceShown = std::make_shared<QElapsedTimer>();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, isTarget, step, sinceShown, nNumber] {
        QWidget* modal = TopWindow();
        if (!modal || !modal->isVisible() || !isTarget(modal))
            return;
        if (!sinceShown->isValid())
            sinceShown->start();
        if (!modal->isActiveWindow() && sinceShown->elapsed() <= kActivationWaitMilliseconds)
            return;
        timer->stop();
        timer->deleteLater();
        PendingSteps().erase(nNumber);
        step(modal);
    });
    timer->start(1);
    PendingSteps().emplace(nNumber, PendingStep{timer, queuedAt});
}

}   // namespace

QWidget* TopWindow()
{
    QWidget* topmost = DialogWindow::Topmost();
    return topmost && topmost->isVisible() ? topmost : nullptr;
}

void RunWhenModal(Step step, const char* pszFile, int nLine)
{
    QPointer<QWidget> before = TopWindow();
    Queue([before](QWidget* pModal) { return pModal != before.data(); }, std::move(step), {pszFile, nLine});
}

void RunWhenModalIs(std::function<QWidget*()> window, Step step, const char* pszFile, int nLine)
{
    Queue([window](QWidget* pModal) { return pModal == window(); }, std::move(step), {pszFile, nLine});
}

std::vector<QueuedAt> CancelPendingSteps()
{
    std::vector<QueuedAt> cancelled;
    for (auto& [nNumber, pending] : PendingSteps()) {
        cancelled.push_back(pending.queuedAt);
        delete pending.timer.data();
    }
    PendingSteps().clear();
    return cancelled;
}

QWidget* Control(QWidget* pDialog, int nId)
{
    return WidgetBinding::FindControl(pDialog, nId);
}

void Click(QWidget* pWidget)
{
    if (pWidget)
        QTest::mouseClick(pWidget, Qt::LeftButton);
}

void Click(QWidget* pDialog, int nId)
{
    Click(Control(pDialog, nId));
}

QWidget* Focus()
{
    return QApplication::focusWidget();
}

void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = Focus() ? Focus() : TopWindow();
    if (target)
        QTest::keyClick(target, key, modifiers);
}

void Type(const QString& text)
{
    for (QChar ch : text) {
        if (QWidget* target = Focus())
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

bool WaitFor(const std::function<bool()>& done, int nMilliseconds)
{
    // Polls far more often than QTest::qWaitFor's 10 ms, so that walks of
    // thousands of commands through dialogs stay quick.
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done()) {
        if (elapsed.elapsed() > nMilliseconds)
            return done();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::usleep(200);
    }
    return true;
}

QMenu* OpenedMenu()
{
    QWidget* popup = nullptr;
    WaitFor([&] { return (popup = QApplication::activePopupWidget()) != nullptr; });
    return qobject_cast<QMenu*>(popup);
}

void CloseAllModal()
{
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        QWidget* modal = TopWindow();
        if (!modal)
            return;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->done(QDialog::Rejected);
        else
            modal->hide();
        QCoreApplication::processEvents();
    }
}

namespace {

std::vector<QWidget*> VisibleTopLevelWidgets()
{
    std::vector<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            windows.push_back(window);
    return windows;
}

}   // namespace

std::vector<std::string> OpenWindows()
{
    std::vector<std::string> open;
    for (QWidget* window : VisibleTopLevelWidgets()) {
        std::string description = window->metaObject()->className();
        description += " \"" + window->windowTitle().toStdString() + '"';
        if (window->isModal())
            description += " (modal)";
        // What a modal window says tells why it is still up.
        for (const QLabel* label : window->isModal() ? window->findChildren<QLabel*>() : QList<QLabel*>())
            if (label->isVisible() && !label->text().isEmpty())
                description += " [" + label->text().toStdString() + "]";
        open.push_back(description);
    }
    return open;
}

void CloseAllWindows()
{
    CloseAllModal();
    for (QWidget* window : VisibleTopLevelWidgets())
        window->close();
    QCoreApplication::processEvents();
}

}   // namespace GuiTest
