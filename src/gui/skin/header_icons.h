#pragma once

#include <QPainter>
#include <QRect>

namespace motivra {

// The header's built-in icons, drawn anti-aliased into its icon area (two thirds of the height wide).

// Sheared translucent pages; `coloured` adds red and green bars and white text lines to the front page.
void DrawPagesIcon(QPainter& painter, const QRect& area, bool coloured);

// Four short pairs of strokes at small angles in red, green, blue and magenta.
void DrawStrokesIcon(QPainter& painter, const QRect& area);

}  // namespace motivra
