#pragma once

#include <QFont>

struct DialogTemplate;

// The font a dialog template asks for. The old platform's dialog font,
// "MS Sans Serif" at 8 points, followed the user's settings; here it stands
// for the desktop's interface font, family and size, so that dialogs grow
// and shrink with the user's choice.
class DialogFont
{
public:
    static constexpr const char* kClassicName = "MS Sans Serif";
    static constexpr int kClassicPointSize = 8;

    // Whether pszName names the old platform's dialog font (under any of
    // its names), which follows the desktop's font.
    static bool FollowsDesktop(const char* pszName);
    // The font dialogTemplate asks for: the desktop's interface font for the
    // classic one (in proportion when the template asks for more or less
    // than its 8 points), any other font as named.
    static QFont ForTemplate(const DialogTemplate& dialogTemplate);
};
