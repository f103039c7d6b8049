#pragma once

class QWidget;

// The application's help window: a top-level window of its own, beside the
// dialogs, that shows the program's help page and closes with its close box,
// Escape or Ctrl+W. At most one exists.
class HelpWindow
{
public:
    // Opens the window, or brings the open one to the front.
    static void Open();
    static void Close();
    // The open window, or nullptr.
    static QWidget* Current();
};
