#include "gui/skin/aligned_text.h"

#include <QFontMetrics>

namespace motivra {

void DrawTextAt(QPainter& painter, int x, int y, const QString& text, int align) {
    const QFontMetrics metrics = painter.fontMetrics();
    int left = x;
    if ((align & kTextAlignCenter) == kTextAlignCenter) {
        left = x - metrics.horizontalAdvance(text) / 2;
    } else if (align & kTextAlignRight) {
        left = x - metrics.horizontalAdvance(text);
    }
    painter.drawText(left, y + metrics.ascent(), text);
}

}  // namespace motivra
