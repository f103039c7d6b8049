#include "tests/support/GuiTest.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QThread>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "framework/DialogWindow.h"
#include "framework/WidgetBinding.h"

namespace GuiTest {

namespace {

std::vector<QPointer<QTimer>>& PendingSteps()
{
    static std::vector<QPointer<QTimer>> steps;
    return steps;
}

// How long a new modal window may take to become active before its step
// runs anyway; generous, since a loaded machine can be slow to deliver it.
constexpr qint64 kActivationWaitMilliseconds = 2000;

bool IsReady(QWidget* modal, QWidget* before, const QElapsedTimer& sinceShown)
{
    if (!modal || modal == before || !modal->isVisible())
        return false;
    return modal->isActiveWindow() || sinceShown.elapsed() > kActivationWaitMilliseconds;
}

} // namespace

QWidget* TopWindow()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    DialogWindow* innermost = DialogWindow::Innermost();
    return innermost && innermost->isVisible() ? innermost : nullptr;
}

void RunWhenModal(Step step)
{
    QPointer<QWidget> before = TopWindow();
    auto* timer = new QTimer;
    auto sinceShown = std::make_shared<QElapsedTimer>();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, before, step, sinceShown] {
        QWidget* modal = TopWindow();
        if (modal && modal != before.data() && modal->isVisible() && !sinceShown->isValid())
            sinceShown->start();
        if (!sinceShown->isValid() || !IsReady(modal, before.data(), *sinceShown))
            return;
        timer->stop();
        timer->deleteLater();
        step(modal);
    });
    timer->start(1);
    PendingSteps().push_back(timer);
}

void CancelPendingSteps()
{
    for (QPointer<QTimer>& timer : PendingSteps())
        delete timer.data();
    PendingSteps().clear();
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

} // namespace GuiTest
