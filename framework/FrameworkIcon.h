#pragma once

#include <QIcon>
#include <QImage>

// What an HICON points at: an icon resource's image. Icons loaded by id are
// shared and live as long as the process.
struct FrameworkIcon
{
    QImage image;

    QIcon ToQIcon() const { return QIcon(QPixmap::fromImage(image)); }
    // The icon resource nId, loaded once; nullptr when there is none.
    static FrameworkIcon* Load(unsigned int nId);
};
