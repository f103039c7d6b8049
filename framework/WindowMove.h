#pragma once

#include <QStringView>

class QWindow;

// Moves a window as the window menu's Move does: hands the move to the
// window manager, which then follows the arrow keys and the pointer and
// ends it with Return, Escape or a click.
class WindowMove
{
public:
    // Whether the platform the program runs on can move a window from the
    // keyboard. Only an X11 window manager can: a Wayland compositor starts
    // a move only from a pointer button or a touch and ignores a request
    // made from a key, and the keys meant for the move would then reach the
    // program's buttons.
    static bool IsAvailable();
    // The same for the Qt platform named platformName ("xcb", "wayland").
    static bool IsAvailableOn(QStringView platformName);

    // Starts the move; false when neither the window manager nor the
    // platform can move the window, and always where it is not available.
    static bool Start(QWindow* pWindow);

private:
    // The X11 request for a move from the keyboard, where the window
    // manager supports it.
    static bool StartFromKeyboardOnX11(QWindow* pWindow);
};
