#include "framework/DialogLayout.h"

#include <algorithm>

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "framework/DialogTemplate.h"
#include "framework/MnemonicText.h"
#include "framework/WidgetBinding.h"

namespace {

// What a static text or a push button needs to show its whole text: the
// width of its text on one line, and its height when wrapped to nWidth.
struct TextNeed
{
    int nWidth = 0;
    int nWrappedHeight = 0;
};

// The width text takes on one line as drawn, which can be a pixel or two
// more than its advance; any less and a word-wrapped text breaks.
int OneLineWidth(const QFont& font, const QString& text)
{
    constexpr int kUnbounded = 1 << 20;
    return QFontMetrics(font).boundingRect(QRect(0, 0, kUnbounded, kUnbounded), 0, text).width();
}

TextNeed NeedOf(const QWidget* control, int nWidth)
{
    TextNeed need;
    if (auto* button = qobject_cast<const QPushButton*>(control)) {
        // The frame and half the style's margin on either side.
        const QStyle* style = button->style();
        const int nInset = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button)
            + (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) + 1) / 2;
        need.nWidth = OneLineWidth(button->font(), MnemonicText::Shown(button->text(), true)) + 2 * nInset;
    } else if (auto* label = qobject_cast<const QLabel*>(control); label && !label->text().isEmpty()) {
        const QString text = MnemonicText::Shown(label->text(), label->buddy() != nullptr);
        const int nInset = label->frameWidth();
        need.nWidth = OneLineWidth(label->font(), text) + 2 * nInset;
        const QRect wrapped
            = QFontMetrics(label->font())
                  .boundingRect(QRect(0, 0, std::max(1, nWidth - 2 * nInset), 1 << 20), Qt::TextWordWrap, text);
        need.nWrappedHeight = wrapped.height() + 2 * nInset;
    }
    return need;
}

}   // namespace

DialogLayout::DialogLayout(
    const DialogTemplate& dialogTemplate, const std::vector<QWidget*>& controls, const QFont& font)
    : m_template(dialogTemplate)
    , m_controls(controls)
    , m_font(font)
{
}

DialogUnits DialogLayout::FittingUnits() const
{
    DialogUnits units(m_font);
    const int nWidest = 2 * units.BaseX();
    while (!TextsFit(units) && units.BaseX() < nWidest)
        units = DialogUnits(units.BaseX() + 1, units.BaseY());
    return units;
}

QSize DialogLayout::Place(const DialogUnits& units) const
{
    for (size_t i = 0; i < m_controls.size(); ++i) {
        QRect place = PlaceOf(i, units);
        // An icon static takes the size of its icon.
        const QSize iconSize = WidgetBinding::IconSize(m_controls[i]);
        if (iconSize.isValid())
            place.setSize(iconSize);
        // A text of one line may reach to the next control to show whole; a
        // text of several lines wraps inside its own box, so that its frame
        // stays where the template draws it.
        if (qobject_cast<QLabel*>(m_controls[i]) && IsOneLine(place)) {
            const int nNeeded = std::min(NeedOf(m_controls[i], place.width()).nWidth, RoomForText(i, units));
            place.setWidth(std::max(place.width(), nNeeded));
        }
        m_controls[i]->setGeometry(place);
    }
    return {units.ToPixelsX(m_template.cx), units.ToPixelsY(m_template.cy)};
}

bool DialogLayout::IsOneLine(const QRect& place) const
{
    return place.height() < 2 * QFontMetrics(m_font).height();
}

bool DialogLayout::TextsFit(const DialogUnits& units) const
{
    for (size_t i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i]->isHidden())
            continue;
        const QRect place = PlaceOf(i, units);
        const TextNeed need = NeedOf(m_controls[i], place.width());
        const bool bOneLine = IsOneLine(place);
        if (bOneLine && need.nWidth > RoomForText(i, units))
            return false;
        if (!bOneLine && need.nWrappedHeight > place.height())
            return false;
    }
    return true;
}

int DialogLayout::RoomForText(size_t nControl, const DialogUnits& units) const
{
    const QRect place = PlaceOf(nControl, units);
    if (!qobject_cast<QLabel*>(m_controls[nControl]))
        return place.width();
    // Up to one dialog unit before the next visible control on its line, or
    // before the dialog's edge.
    int nRight = units.ToPixelsX(m_template.cx - 1);
    for (size_t j = 0; j < m_controls.size(); ++j) {
        const QRect otherPlace = PlaceOf(j, units);
        const bool bSameLine = otherPlace.top() <= place.bottom() && otherPlace.bottom() >= place.top();
        if (j != nControl && !m_controls[j]->isHidden() && bSameLine && otherPlace.left() > place.right())
            nRight = std::min(nRight, otherPlace.left() - units.ToPixelsX(1));
    }
    return std::max(place.width(), nRight - place.left());
}

QRect DialogLayout::PlaceOf(size_t nControl, const DialogUnits& units) const
{
    const DialogItemTemplate& item = m_template.items[nControl];
    return units.ToPixels(item.x, item.y, item.cx, item.cy);
}
