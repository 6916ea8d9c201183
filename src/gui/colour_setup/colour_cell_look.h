#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

namespace motivra {

// The light card the palette and swatch cells are drawn on: 0xF0F0F0 framed in white along the top and
// left and 0xD2D2D2 along the bottom and right, with a soft shadow of two black lines (alpha 76, then 32)
// outside its right and bottom edges.
void PaintLightCard(QPainter& painter, const QRect& card);

// The font a six-digit colour code is printed in: "MS Sans Serif" of the given points, raised to a readable
// 5.5 points and then lowered, half a point at a time, until the widest code fits the area. An area too small
// for a readable code gets none. The last answer is kept, since every cell of a view asks the same.
class CodeFont {
public:
    // nullptr when nothing readable fits.
    const QFont* For(double points, const QSize& area);

private:
    QFont font_;
    double points_ = -1;
    QSize area_;
    bool fits_ = false;
};

// Draws text vertically centred in area, from 1 pixel right of its left edge or centred across.
void PaintCode(QPainter& painter, const QRect& area, const QString& text, const QFont& font,
               const QColor& colour, bool centred);

}  // namespace motivra
