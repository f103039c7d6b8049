// The main() of every GUI test: headless Qt, one application object, and a
// watchdog so that a test stuck in a modal loop fails instead of hanging.

#include <cstdlib>
#include <memory>
#include <string>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include "framework/WinApp.h"
#include "tests/support/GuiTest.h"
#include "tests/support/Headless.h"
#include "tests/support/TestApp.h"

namespace {

// DIALSTACK_WATCHDOG_MS allows longer runs, such as a long random walk.
int WatchdogMilliseconds()
{
    const int nFromEnvironment = qEnvironmentVariableIntValue("DIALSTACK_WATCHDOG_MS");
    return nFromEnvironment > 0 ? nFromEnvironment : 30000;
}

// Starts a timer with each test; when it fires, the test fails and every
// modal window is closed, so the test's DoModal returns. At the end of each
// test, a step that never ran or a window left open fails the test (a step's
// checks count only when they ran); either way they are cancelled and
// closed, so the next test starts clean.
class Watchdog : public testing::EmptyTestEventListener
{
public:
    void OnTestStart(const testing::TestInfo&) override
    {
        m_timer = std::make_unique<QTimer>();
        m_timer->setInterval(WatchdogMilliseconds());
        QObject::connect(m_timer.get(), &QTimer::timeout, [] {
            std::string open;
            for (const std::string& window : GuiTest::OpenWindows())
                open += "\n  " + window;
            ADD_FAILURE() << "watchdog: a modal window was still open after " << WatchdogMilliseconds()
                          << " ms; closing it. Open:" << open;
            GuiTest::CloseAllModal();
        });
        m_timer->start();
    }

    void OnTestEnd(const testing::TestInfo&) override
    {
        m_timer.reset();
        for (const GuiTest::QueuedAt& step : GuiTest::CancelPendingSteps())
            ADD_FAILURE_AT(step.pszFile, step.nLine)
                << "a step queued here never ran: the modal window it waits for never came up, so none of its "
                   "checks ran";
        for (const std::string& window : GuiTest::OpenWindows())
            ADD_FAILURE() << "still open at the end of the test: " << window;
        GuiTest::CloseAllWindows();
    }

private:
    std::unique_ptr<QTimer> m_timer;
};

}   // namespace

int main(int argc, char** argv)
{
    UseOffscreenPlatformUnlessChosen();
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);

    // A test may define a static application object of its own.
    std::unique_ptr<CTestApp> testApp;
    if (!AfxGetApp())
        testApp = std::make_unique<CTestApp>();
    CWinApp::StartFramework(argv[0]);

    testing::UnitTest::GetInstance()->listeners().Append(new Watchdog);
    return RUN_ALL_TESTS();
}
