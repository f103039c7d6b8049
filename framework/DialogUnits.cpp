#include "framework/DialogUnits.h"

#include <QFontMetrics>

DialogUnits::DialogUnits(const QFont& font)
{
    static const QString kLetters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    QFontMetrics metrics(font);
    m_nBaseX = MulDiv(metrics.horizontalAdvance(kLetters), 1, 52);
    m_nBaseY = metrics.height();
}

int DialogUnits::MulDiv(int a, int b, int c)
{
    long long product = static_cast<long long>(a) * b;
    long long half = c / 2;
    long long rounded = product >= 0 ? (product + half) / c : (product - half) / c;
    return static_cast<int>(rounded);
}

int DialogUnits::ToPixelsX(int nUnits) const
{
    return MulDiv(nUnits, m_nBaseX, 4);
}

int DialogUnits::ToPixelsY(int nUnits) const
{
    return MulDiv(nUnits, m_nBaseY, 8);
}

QRect DialogUnits::ToPixels(int x, int y, int cx, int cy) const
{
    // The edges are converted, not the sizes, so controls that touch in the
    // template touch on the screen and never overlap by a rounding pixel.
    const int left = ToPixelsX(x);
    const int top = ToPixelsY(y);
    return QRect(left, top, ToPixelsX(x + cx) - left, ToPixelsY(y + cy) - top);
}
