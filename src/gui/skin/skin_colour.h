#pragma once

#include <QColor>
#include <QPen>

#include "core/skin/colour_arithmetic.h"

namespace motivra {

// Opaque, as solid fills, pens and text colours take it.
inline QColor SchemeQColor(SchemeColour c) { return QColor(Byte0(c), Byte1(c), Byte2(c)); }

// With the alpha byte added at the point of use.
inline QColor RgbQColor(RgbColour c, int alpha = 0xFF) { return QColor(Byte2(c), Byte1(c), Byte0(c), alpha); }

// A one-pixel pen that, like a GDI pen, leaves out the last pixel of every line it draws.
inline QPen PixelPen(const QColor& colour) {
    QPen pen(colour, 1);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

}  // namespace motivra
