#pragma once

#include <vector>

#include <QFont>
#include <QSize>

#include "framework/DialogUnits.h"

struct DialogTemplate;
class QWidget;

// Places the controls of a dialog template in pixels. Dialog units follow
// the dialog font's average character; where a font's words run wider than
// its average, the units widen until every visible text fits its place,
// and a left-aligned static text runs on into the free room to its right
// rather than being cut. Works on the template, its controls (in template
// order) and the font, not on a window.
class DialogLayout
{
public:
    DialogLayout(const DialogTemplate& dialogTemplate, const std::vector<QWidget*>& controls, const QFont& font);

    // The font's dialog units, widened until every visible text fits.
    DialogUnits FittingUnits() const;
    // Gives every control its place in units; returns the dialog's size.
    QSize Place(const DialogUnits& units) const;

private:
    bool TextsFit(const DialogUnits& units) const;
    // Whether a control placed at place holds one line of text.
    bool IsOneLine(const QRect& place) const;
    int RoomForText(size_t nControl, const DialogUnits& units) const;
    QRect PlaceOf(size_t nControl, const DialogUnits& units) const;

    const DialogTemplate& m_template;
    const std::vector<QWidget*>& m_controls;
    const QFont m_font;
};
