#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QString>
#include <Qt>

class QMenu;
class QWidget;

// Helpers for GUI tests that drive real dialogs headless.
//
// A dialog blocks in its own event loop, so the steps that work in it are
// queued before it starts: RunWhenModal(step) runs step as soon as a
// new modal window (dialog or message box) is up, and step may queue the
// next one before pressing the key that opens it. A watchdog installed by
// the test main closes every modal window and fails the test when a test
// runs longer than half a minute, so a missed step never hangs the run.
// At the end of every test the test main fails the test for each step that
// never ran (its window never opened, so its checks never ran either) and
// for each window still open, then cleans up for the next test.
namespace GuiTest {

using Step = std::function<void(QWidget* pModal)>;

// Runs step once a modal window other than the current top one is up,
// shown and (when the platform allows) active. The place of the call is
// kept to name the step if it never runs.
void RunWhenModal(Step step, const char* pszFile = __builtin_FILE(), int nLine = __builtin_LINE());
// Runs step once the window that window() names is the top modal window,
// shown and active: for a dialog that other modal windows (a message box
// from its start-up) may precede.
void RunWhenModalIs(
    std::function<QWidget*()> window, Step step, const char* pszFile = __builtin_FILE(), int nLine = __builtin_LINE());

// The window on top: the active modal window (a dialog with an owner, a
// message box), else the dialog opened last (the program's main window is
// an ordinary window, not a modal one), or nullptr.
QWidget* TopWindow();

// The control with template id nId inside pDialog, or nullptr.
QWidget* Control(QWidget* pDialog, int nId);
// Mouse clicks on the control nId (its centre) or on a widget.
void Click(QWidget* pDialog, int nId);
void Click(QWidget* pWidget);
// A key press (and release) sent to the widget that has the focus.
void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Types text into the focused widget, one key event per character, any
// characters (QTest's own helper only takes ASCII).
void Type(const QString& text);
// The widget that has the focus.
QWidget* Focus();
// Lets queued events run for up to nMilliseconds, or until done() holds.
bool WaitFor(const std::function<bool()>& done, int nMilliseconds = 10000);
// The popup menu that the last key or click opens, once it is up; nullptr
// when none came.
QMenu* OpenedMenu();

// Closes every modal window and popup left open (the watchdog uses it).
void CloseAllModal();

// Where a step that never ran was queued.
struct QueuedAt
{
    const char* pszFile;
    int nLine;
};
// Cancels the steps still waiting for a modal window and says where each
// was queued.
std::vector<QueuedAt> CancelPendingSteps();
// The visible top-level windows (dialogs, message boxes, menus, the help
// window), each described by its class, title and whether it is modal.
std::vector<std::string> OpenWindows();
// Closes every window OpenWindows() lists.
void CloseAllWindows();

}   // namespace GuiTest
