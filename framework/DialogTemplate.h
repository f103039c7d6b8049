#pragma once

#include <vector>

#include "framework/DialogItemTemplate.h"

// A dialog template: the dialog's styles, place and size in dialog units,
// caption, font, and its controls in template order (which is the creation
// order and so the tab order).
struct DialogTemplate
{
    UINT nId;
    DWORD dwStyle;
    DWORD dwExStyle;
    int x;
    int y;
    int cx;
    int cy;
    const char* pszCaption;
    const char* pszFontName;
    int nPointSize;
    std::vector<DialogItemTemplate> items;
};
