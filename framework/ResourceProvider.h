#pragma once

#include <string_view>
#include <vector>

#include "framework/DialogTemplate.h"

// What the framework looks up by id among the program's resources. The
// framework holds no resources of its own: the application object hands it
// an implementation (CWinApp::m_pResources) before the framework starts.
class CResourceProvider
{
public:
    virtual ~CResourceProvider() = default;

    // The template nId, or nullptr when there is none.
    virtual const DialogTemplate* FindDialog(UINT nId) const = 0;
    // The string nId (Windows-1252 bytes), or nullptr when there is none.
    virtual const char* FindString(UINT nId) const = 0;
    // The icon nId as XPM lines, or nullptr when there is none.
    virtual const char* const* FindIcon(UINT nId) const = 0;
    // The icon nId drawn at more sizes, each an image file (PNG), for window
    // icons; none when the icon has only its XPM image.
    virtual std::vector<std::string_view> FindIconImages(UINT nId) const
    {
        (void)nId;
        return {};
    }
};
