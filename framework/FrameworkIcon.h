#pragma once

#include <QIcon>
#include <QImage>

// What an HICON points at: an icon resource's image, and the icon at every
// size the resources hold, for window icons. Icons loaded by id are shared
// and live as long as the process.
struct FrameworkIcon
{
    QImage image;
    QIcon sizes;

    const QIcon& ToQIcon() const { return sizes; }
    // The icon resource nId, loaded once; nullptr when there is none.
    static FrameworkIcon* Load(unsigned int nId);
};
