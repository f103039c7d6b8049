#include "framework/DialogFont.h"

#include <QApplication>

#include "framework/DialogTemplate.h"

bool DialogFont::FollowsDesktop(const char* pszName)
{
    for (const char* pszClassic : {kClassicName, "MS Shell Dlg", "MS Shell Dlg 2"}) {
        if (qstricmp(pszName, pszClassic) == 0)
            return true;
    }
    return false;
}

QFont DialogFont::ForTemplate(const DialogTemplate& dialogTemplate)
{
    const int nPointSize = dialogTemplate.nPointSize > 0 ? dialogTemplate.nPointSize : kClassicPointSize;
    if (FollowsDesktop(dialogTemplate.pszFontName)) {
        QFont desktopFont = QApplication::font();
        if (nPointSize == kClassicPointSize)
            return desktopFont;
        if (desktopFont.pointSizeF() > 0)
            desktopFont.setPointSizeF(desktopFont.pointSizeF() * nPointSize / kClassicPointSize);
        else
            desktopFont.setPixelSize(desktopFont.pixelSize() * nPointSize / kClassicPointSize);
        return desktopFont;
    }
    // Any other font as named; font matching falls back to the desktop's
    // sans-serif family, the hint making sure it is a sans one.
    QFont templateFont(QString::fromLatin1(dialogTemplate.pszFontName));
    templateFont.setStyleHint(QFont::SansSerif);
    templateFont.setPointSize(nPointSize);
    return templateFont;
}
