#pragma once

class QWindow;

// Moves a window as the window menu's Move does: hands the move to the
// window manager, which then follows the arrow keys and the pointer and
// ends it with Return, Escape or a click.
class WindowMove
{
public:
    // Starts the move; false when neither the window manager nor the
    // platform can move the window.
    static bool Start(QWindow* pWindow);

private:
    // The X11 request for a move from the keyboard, where the window
    // manager supports it.
    static bool StartFromKeyboardOnX11(QWindow* pWindow);
};
