#pragma once

#include <QRect>

class QFont;

// Converts dialog units to pixels from the dialog font's metrics: one
// horizontal unit is a quarter of the font's average character width (the
// mean advance of the 52 ASCII letters, rounded), one vertical unit an
// eighth of its height. Conversions round, so layouts scale with the font;
// a rectangle's edges are converted, so touching controls stay touching.
class DialogUnits
{
public:
    explicit DialogUnits(const QFont& font);
    DialogUnits(int nBaseX, int nBaseY)
        : m_nBaseX(nBaseX)
        , m_nBaseY(nBaseY)
    {
    }

    int BaseX() const { return m_nBaseX; }
    int BaseY() const { return m_nBaseY; }

    int ToPixelsX(int nUnits) const;
    int ToPixelsY(int nUnits) const;
    QRect ToPixels(int x, int y, int cx, int cy) const;

    // a * b / c, rounded half away from zero.
    static int MulDiv(int a, int b, int c);

private:
    int m_nBaseX;
    int m_nBaseY;
};
