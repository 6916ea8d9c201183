#pragma once

#include <QPainter>
#include <QString>

namespace motivra {

// Text alignment flags as the controls store them: the reference point is the left end, the right end or the
// middle of the text's top edge.
inline constexpr int kTextAlignLeft = 0;
inline constexpr int kTextAlignRight = 2;
inline constexpr int kTextAlignCenter = 6;

// Draws one line of text in the painter's font and pen with the top of its cell at y and its reference point
// at x.
void DrawTextAt(QPainter& painter, int x, int y, const QString& text, int align);

}  // namespace motivra
