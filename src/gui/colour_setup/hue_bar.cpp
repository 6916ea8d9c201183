#include "gui/colour_setup/hue_bar.h"

#include <QLinearGradient>
#include <QPainter>

#include "gui/skin/skin_colour.h"

namespace motivra {

HueBar::HueBar(QWidget* parent) : PickControl(PickPoint::Axes::AcrossOnly, parent) {}

SchemeColour HueBar::GetColour() const {
    const int x = Pick().Point() ? Pick().Point()->x : -1;
    return table_.ColourAt(HueTable::IndexAt(x, width()));
}

void HueBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int h = height();
    for (const HueStrip& strip : HueStrips(width())) {
        // From the centre of the strip's first pixel to that of its last, so the pure colours land on whole
        // pixels and both ends of the bar show the red picked there.
        QLinearGradient gradient(strip.left + 0.5, 0, strip.left + strip.width - 0.5, 0);
        gradient.setColorAt(0, SchemeQColor(strip.from));
        gradient.setColorAt(1, SchemeQColor(strip.to));
        painter.fillRect(QRect(strip.left, 0, strip.width, h), gradient);
    }
    if (Pick().Point()) PaintMarker(painter, HueCursor(Pick().Point()->x, h));
}

}  // namespace motivra
