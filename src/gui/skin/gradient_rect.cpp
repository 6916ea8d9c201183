#include "gui/skin/gradient_rect.h"

#include <QLinearGradient>

#include "core/skin/gradient_axis.h"
#include "gui/skin/skin_colour.h"

namespace motivra {

int GradientRect(QPainter& painter, int left, int top, int right, int bottom, SchemeColour colour1,
                 SchemeColour colour2, int angle) {
    const std::optional<GradientAxis> axis = GradientAxisForAngle(angle);
    if (!axis) return 0;
    if (right <= left || bottom <= top) return 1;
    const GradientLine line = GradientLineFor(*axis, left, top, right, bottom);
    // Pixel indices are pixel centres here, half a pixel in from Qt's pixel corners.
    QLinearGradient gradient(line.x0 + 0.5, line.y0 + 0.5, line.x1 + 0.5, line.y1 + 0.5);
    gradient.setColorAt(0, SchemeQColor(colour1));
    gradient.setColorAt(1, SchemeQColor(colour2));
    painter.fillRect(QRect(left, top, right - left, bottom - top), gradient);
    return 1;
}

}  // namespace motivra
