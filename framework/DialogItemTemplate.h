#pragma once

#include "base/Types.h"

// One control of a dialog template: its window class ("BUTTON", "EDIT",
// "LISTBOX" or "STATIC"), id, text (Windows-1252 bytes), place and size in
// dialog units, and style. A static with SS_ICON shows the icon resource
// nIconId instead of a text. pszAccessibleName is what a screen reader
// speaks for a control that no label precedes in template order (see
// ControlFactory), or for an icon.
struct DialogItemTemplate
{
    const char* pszClass;
    int nId;
    const char* pszText;
    int x;
    int y;
    int cx;
    int cy;
    DWORD dwStyle;
    UINT nIconId = 0;
    const char* pszAccessibleName = nullptr;
};
