#include "gui/colour_setup/colour_cell_look.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

#include "gui/skin/skin_font.h"

namespace motivra {

namespace {

// Codes are printed from their cell's own formula, which gives 3 to 7 points: below 5.5 points (7 pixels)
// hexadecimal digits blur into each other, below 4.5 they cannot be told apart at all.
constexpr double kReadablePoints = 5.5;
constexpr double kSmallestPoints = 4.5;
// The widest code there is in the mapped face: every code is laid out for it, so a view prints in one size.
const QString kWidestCode = QStringLiteral("DDDDDD");

}  // namespace

void PaintLightCard(QPainter& painter, const QRect& card) {
    painter.fillRect(card, QColor(0xF0, 0xF0, 0xF0));
    const int l = card.left(), t = card.top(), r = card.right(), b = card.bottom();
    painter.fillRect(QRect(l, t, card.width(), 1), Qt::white);
    painter.fillRect(QRect(l, t, 1, card.height()), Qt::white);
    painter.fillRect(QRect(l + 1, b, card.width() - 1, 1), QColor(0xD2, 0xD2, 0xD2));
    painter.fillRect(QRect(r, t + 1, 1, card.height() - 1), QColor(0xD2, 0xD2, 0xD2));
    // The shadow falls down and to the right, darker next to the card.
    painter.fillRect(QRect(r + 1, t + 1, 1, card.height()), QColor(0, 0, 0, 76));
    painter.fillRect(QRect(l + 1, b + 1, card.width(), 1), QColor(0, 0, 0, 76));
    painter.fillRect(QRect(r + 2, t + 2, 1, card.height()), QColor(0, 0, 0, 32));
    painter.fillRect(QRect(l + 2, b + 2, card.width(), 1), QColor(0, 0, 0, 32));
}

const QFont* CodeFont::For(double points, const QSize& area) {
    if (points != points_ || area != area_) {
        points_ = points;
        area_ = area;
        fits_ = false;
        for (double p = std::max(points, kReadablePoints); p >= kSmallestPoints; p -= 0.5) {
            font_ = SkinFontPoints(FontFace::MsSansSerif, p);
            const QFontMetrics metrics(font_);
            if (metrics.horizontalAdvance(kWidestCode) < area.width() && metrics.ascent() <= area.height()) {
                fits_ = true;
                break;
            }
        }
    }
    return fits_ ? &font_ : nullptr;
}

void PaintCode(QPainter& painter, const QRect& area, const QString& text, const QFont& font,
               const QColor& colour, bool centred) {
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(font);
    painter.setPen(colour);
    const QRect box = centred ? area : area.adjusted(1, 0, 0, 0);
    painter.drawText(
        box, Qt::AlignVCenter | (centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::TextSingleLine, text);
    painter.restore();
}

}  // namespace motivra
