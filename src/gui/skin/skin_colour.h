#pragma once

#include <QColor>
#include <QPen>

#include "core/skin/colour_arithmetic.h"

namespace motivra {

// A colour in GDI form (b0 red), opaque: what solid fills, pens and text colours take.
inline QColor SchemeQColor(Colour c) { return QColor(Byte0(c), Byte1(c), Byte2(c)); }

// A colour in GDI+ form (b2 red) with the alpha byte added at the point of use.
inline QColor RgbQColor(Colour c, int alpha = 0xFF) { return QColor(Byte2(c), Byte1(c), Byte0(c), alpha); }

// A one-pixel pen that, like a GDI pen, leaves out the last pixel of every line it draws.
inline QPen PixelPen(const QColor& colour) {
    QPen pen(colour, 1);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

}  // namespace motivra
