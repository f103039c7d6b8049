#include "tests/support/GuiTest.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QThread>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "app/framework/WidgetBinding.h"

namespace GuiTest {

namespace {

std::vector<QPointer<QTimer>>& PendingSteps()
{
    static std::vector<QPointer<QTimer>> steps;
    return steps;
}

bool IsReady(QWidget* modal, QWidget* before, int& nWaited)
{
    if (!modal || modal == before || !modal->isVisible())
        return false;
    // Give activation a moment, but do not insist on it.
    return modal->isActiveWindow() || ++nWaited > 50;
}

} // namespace

void RunWhenModal(Step step)
{
    QPointer<QWidget> before = QApplication::activeModalWidget();
    auto* timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, before, step, waited] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!IsReady(modal, before.data(), *waited))
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
    QWidget* target = Focus() ? Focus() : QApplication::activeModalWidget();
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
        QWidget* modal = QApplication::activeModalWidget();
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
