#include "gui/skin/skin_check_box.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

#include "core/skin/control_glyphs.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_colour.h"
#include "gui/skin/skin_font.h"

namespace motivra {

namespace {

// The check glyph's em: 14 points at 96 dots per inch.
constexpr double kGlyphEm = 14.0 * 96.0 / 72.0;

void DrawBoxOutline(QPainter& painter) {
    painter.drawLine(1, 0, 11, 0);
    painter.drawLine(12, 1, 12, 11);
    painter.drawLine(1, 12, 11, 12);
    painter.drawLine(0, 1, 0, 11);
}

}  // namespace

SkinCheckBox::SkinCheckBox(QWidget* parent)
    : QAbstractButton(parent), font_(SkinFont(FontFace::MsSansSerif, 12)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    LoadColours();
}

void SkinCheckBox::LoadColours() { colours_.Load(SettingsSchemeSource{}); }

void SkinCheckBox::SetCheck(int checked) {
    checked_ = checked;
    update();
}

void SkinCheckBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool enabled = isEnabled();
    const bool pressedInside = pressed_ && inside_;
    painter.fillRect(rect(), SchemeQColor(colours_.bgColour));

    QLinearGradient fill(0, 0, 0, height());
    QColor pen(0, 0, 0, 30);
    if (!enabled) {
        fill.setColorAt(0, RgbQColor(colours_.buttonColour, 0x14));
        fill.setColorAt(1, RgbQColor(colours_.buttonColour, 0x32));
    } else if (pressedInside) {
        fill.setColorAt(0, RgbQColor(colours_.selectedColour, 0x3C));
        fill.setColorAt(1, RgbQColor(colours_.selectedColour, 0x78));
        pen = RgbQColor(colours_.selectedColour, 0x3C);
    } else {
        fill.setColorAt(0, RgbQColor(colours_.buttonColour, 0x8C));
        fill.setColorAt(1, RgbQColor(colours_.buttonColour, 0x50));
    }
    // Corners left open; the second pass deepens the edge (only faintly when disabled).
    painter.setPen(QPen(pen, 1));
    DrawBoxOutline(painter);
    painter.setPen(QPen(enabled ? pen : QColor(0, 0, 0, 50), 1));
    DrawBoxOutline(painter);
    painter.fillRect(QRect(1, 1, 11, 11), fill);

    if (checked_ == 1) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::NoPen);
        painter.setBrush(RgbQColor(colours_.textColour, enabled ? 0xFF : 0x60));
        QPolygonF glyph;
        for (const PixelPointF& p : CheckMarkOutline(-4, pressedInside ? -1 : -2, kGlyphEm))
            glyph << QPointF(p.x, p.y);
        painter.drawPolygon(glyph);
        painter.restore();
    }

    if (text_ == QLatin1String("NONE")) text_ = text();
    painter.setFont(font_);
    painter.setPen(SchemeQColor(enabled ? colours_.schemeTextColour : colours_.disabledTextColour));
    painter.drawText(QRect(15, 0, width() - 15, height()), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     text_);
}

void SkinCheckBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        inside_ = true;
        pressed_ = true;
        update();
        toolTip_.Hide();
    }
    QAbstractButton::mousePressEvent(event);
}

void SkinCheckBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (pressed_) {
            if (inside_) checked_ = checked_ == 1 ? 0 : 1;
            update();
        }
        pressed_ = false;
        toolTip_.Hide();
    }
    QAbstractButton::mouseReleaseEvent(event);
}

// The base class reports the click of a Space press and release; the box toggles first, as a click does.
void SkinCheckBox::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && isDown()) {
        checked_ = checked_ == 1 ? 0 : 1;
        update();
    }
    QAbstractButton::keyReleaseEvent(event);
}

void SkinCheckBox::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    inside_ = CheckBoxHit(pos.x(), pos.y(), width());
    toolTip_.Relay(pos);
    QAbstractButton::mouseMoveEvent(event);
}

}  // namespace motivra
