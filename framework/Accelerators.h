#pragma once

#include <initializer_list>

#include "base/Types.h"

class CWnd;

// Keys that give a window commands, as an accelerator table does: while the
// window is the active one, the keys send it WM_COMMAND with the command's
// id, whichever of its controls has the focus, and its message map (or the
// application's) handles it like a menu command.
class CAccelerators
{
public:
    struct Entry
    {
        const char* pszKeys;   // as written on a menu: "Ctrl+F", "F3"
        UINT nCommandId;
    };

    // Attaches the keys to pWnd's window for as long as the window exists.
    static void Attach(CWnd* pWnd, std::initializer_list<Entry> entries);
};
