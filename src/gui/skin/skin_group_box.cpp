#include "gui/skin/skin_group_box.h"

#include <QLinearGradient>
#include <QPainter>

#include "gui/skin/aligned_text.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_colour.h"
#include "gui/skin/skin_font.h"

namespace motivra {

QFont CaptionFont() { return SkinFont(FontFace::MsSansSerif, 12, 100); }

SkinGroupBox::SkinGroupBox(QWidget* parent) : QGroupBox(parent), captionFont_(CaptionFont()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    LoadColours();
    colours_.ApplyContrast();
}

void SkinGroupBox::LoadColours() { colours_.Load(SettingsSchemeSource{}); }

void SkinGroupBox::RedrawTitle() { repaint(0, 0, width(), kBandHeight); }

void SkinGroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (caption_ == QLatin1String("NONE")) caption_ = title();
    const int L = 0, T = 0, R = width(), B = height();
    painter.setPen(PixelPen(SchemeQColor(colours_.titleColour)));
    const QPoint frame[] = {{L, T}, {L, B - 1}, {R - 1, B - 1}, {R - 1, T - 1}};
    painter.drawPolyline(frame, 4);
    if (!titleBar_) {
        painter.fillRect(QRect(QPoint(L + 1, T), QPoint(R - 2, B - 2)), SchemeQColor(colours_.bgColour));
        return;
    }
    painter.fillRect(QRect(QPoint(L + 1, T + 15), QPoint(R - 2, B - 2)), SchemeQColor(colours_.bgColour));
    PaintBand(painter);
}

void SkinGroupBox::PaintBand(QPainter& painter) {
    const int L = 0, T = 0, R = width();
    painter.fillRect(QRect(QPoint(L + 1, T), QPoint(R - 2, T + kBandHeight - 1)),
                     SchemeQColor(colours_.titleColour));
    // Gloss over the top of the band, shade towards its bottom.
    QLinearGradient gloss(0, 0, 0, 7);
    gloss.setColorAt(0, QColor(255, 255, 255, 20));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(QRect(L, T, width(), 7), gloss);
    QLinearGradient shade(0, 8, 0, 17);
    shade.setColorAt(0, QColor(0, 0, 0, 0));
    shade.setColorAt(1, QColor(0, 0, 0, 64));
    painter.fillRect(QRect(L, 9, width(), 8), shade);
    painter.setFont(captionFont_);
    painter.setPen(SchemeQColor(colours_.textColour));
    DrawTextAt(painter, L + 5, T + 2, caption_, kTextAlignLeft);
}

}  // namespace motivra
