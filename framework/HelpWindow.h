#pragma once

class QWidget;

// The application's help window: a top-level window of its own, beside the
// dialogs, that shows the program's help page and closes with its close box,
// Escape or Ctrl+W. At most one exists.
//
// The page is a read-only text with a caret, as a browser's page is: the
// arrow keys move the caret line by line and word by word, Shift with them
// selects, and a screen reader reads what the caret passes. Opening help,
// and opening it again while it is open, puts it in front with the
// keyboard focus in the page.
class HelpWindow
{
public:
    // Opens the window, or brings the open one to the front.
    static void Open();
    static void Close();
    // The open window, or nullptr.
    static QWidget* Current();
};
