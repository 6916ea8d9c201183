#include "gui/skin/field_bevel.h"

#include "gui/skin/skin_colour.h"

namespace motivra {

void DrawFieldBevel(QPainter& painter, const EditColours& colours, int w, int h) {
    // Inner ring: the field colour with a lighter top line.
    painter.setPen(SchemeQColor(colours.fieldColour));
    painter.drawRect(1, 1, w - 3, h - 3);
    painter.setPen(SchemeQColor(colours.TopInner()));
    painter.drawLine(1, 1, w - 2, 1);
    // Outer ring: dark top, light sides from the second row down, lighter bottom between the sides, and a
    // short dark accent at the top of each side.
    painter.setPen(SchemeQColor(colours.fieldColour));
    painter.drawRect(0, 0, w - 1, h - 1);
    painter.setPen(SchemeQColor(colours.TopOuter()));
    painter.drawLine(0, 0, w - 1, 0);
    painter.setPen(SchemeQColor(colours.Sides()));
    painter.drawLine(0, 1, 0, h - 1);
    painter.drawLine(w - 1, 1, w - 1, h - 1);
    painter.setPen(SchemeQColor(colours.Bottom()));
    painter.drawLine(1, h - 1, w - 2, h - 1);
    painter.setPen(SchemeQColor(colours.Accent()));
    painter.drawLine(0, 1, 0, 2);
    painter.drawLine(w - 1, 1, w - 1, 2);
}

}  // namespace motivra
