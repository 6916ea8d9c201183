#include "gui/skin/skin_slider.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <optional>

#include "gui/skin/aligned_text.h"
#include "gui/skin/pixel_rect.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_colour.h"
#include "gui/skin/skin_font.h"

namespace motivra {

namespace {

constexpr int kThumb = 13;

}  // namespace

void PaintSliderGrooveFill(QPainter& painter, int x0, int x1, int y0, bool enabled) {
    painter.fillRect(QRect(x0, y0, x1 - x0, 4), QColor(0, 0, 0, enabled ? 150 : 55));
}

void PaintSliderGrooveEdges(QPainter& painter, int x0, int x1, int y0, bool enabled) {
    const int y1 = y0 + 4;
    const int edgeAlpha = enabled ? 128 : 50;
    painter.setPen(QPen(QColor(0, 0, 0, edgeAlpha), 1));
    painter.drawLine(x0, y1 - 1, x0, y0);
    painter.drawLine(x0, y0, x1, y0);
    painter.setPen(QPen(QColor(205, 205, 205, edgeAlpha), 1));
    painter.drawLine(x1, y0 + 1, x1, y1 - 1);
    painter.drawLine(x0 + 1, y1 - 1, x1, y1 - 1);
}

void PaintSliderThumb(QPainter& painter, int left, int y0, RgbColour thumbColour, RgbColour selectedColour,
                      bool pressed, bool enabled) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    const qreal top = y0 - 6;
    painter.setBrush(QColor(0, 0, 0, 30));
    painter.drawEllipse(QRectF(left, top, kThumb, kThumb + 2));
    painter.drawEllipse(QRectF(left, top, kThumb, kThumb + 1));
    QColor body = RgbQColor(thumbColour);
    if (pressed) body = RgbQColor(selectedColour, 0xB4);
    if (!enabled) body = QColor(40, 40, 40, 25);
    painter.setBrush(body);
    painter.drawEllipse(QRectF(left, top, kThumb - 1, kThumb));
    const QRectF gloss(left + 1, top + 1, kThumb - 3, kThumb - 3);
    painter.setBrush(QColor(240, 240, 240, enabled ? 40 : 25));
    painter.drawEllipse(gloss);
    painter.drawEllipse(gloss.adjusted(0, 0, 0, -1));
    painter.setBrush(QColor(250, 250, 250, enabled ? 65 : 35));
    painter.drawEllipse(QRectF(gloss.left() + 1, gloss.top() + 1, gloss.width() - 2, gloss.height() - 4));
    painter.restore();
}

SkinSlider::SkinSlider(QWidget* parent)
    : QWidget(parent), enabled_(isEnabled()), font_(SkinFont(FontFace::MsSansSerif, 10)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    LoadColours();
}

void SkinSlider::LoadColours() { colours_.Load(SettingsSchemeSource{}); }

void SkinSlider::SetRange(int min, int max) {
    model_.SetRange(min, max);
    UpdateThumbRect();
}

void SkinSlider::SetMark(int v) {
    model_.SetMark(v);
    UpdateThumbRect();
}

void SkinSlider::SetPos(int v) {
    model_.SetPos(v);
    UpdateThumbRect();
    update();
}

void SkinSlider::ShowLabels(bool rangeLabels, bool valueLabel) {
    showRangeLabels_ = rangeLabels;
    showValueLabel_ = valueLabel;
}

void SkinSlider::SetEnabled(bool enabled) { enabled_ = enabled; }

// The thumb as it will next be painted, so that a press before the first paint finds it too.
void SkinSlider::UpdateThumbRect() {
    const SliderLayout l = SliderLayoutFor(width(), height(), model_.RangeMin(), model_.RangeMax(),
                                           model_.Position(), model_.Mark(), enabled_);
    thumbRect_ = ToQRect(l.thumb);
}

void SkinSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width();
    painter.fillRect(rect(), SchemeQColor(colours_.bgColour));
    const int min = model_.RangeMin(), max = model_.RangeMax();
    const SliderLayout l = SliderLayoutFor(w, height(), min, max, model_.Position(), model_.Mark(), enabled_);
    PaintSliderGrooveFill(painter, l.x0, l.x1, l.y0, enabled_);
    if (l.markStretch) {
        const auto [from, to] = *l.markStretch;
        painter.fillRect(QRect(from, l.y0, to - from, 4), RgbQColor(colours_.selectedColour, 0xB4));
    }
    PaintSliderGrooveEdges(painter, l.x0, l.x1, l.y0, enabled_);
    if (min < max && (showRangeLabels_ || showValueLabel_)) {
        painter.setFont(font_);
        painter.setPen(SchemeQColor(enabled_ ? colours_.textColour : colours_.disabledTextColour));
        if (showRangeLabels_) {
            DrawTextAt(painter, 5, 0, QString::number(min + labelOffset_), kTextAlignLeft);
            DrawTextAt(painter, l.x1, 0, QString::number(max + labelOffset_), kTextAlignRight);
        }
        if (showValueLabel_) {
            DrawTextAt(painter, (l.x0 + l.x1) / 2, 0, QString::number(model_.Position() + labelOffset_),
                       kTextAlignCenter);
        }
    }
    thumbRect_ = ToQRect(l.thumb);
    if (min != max) {
        PaintSliderThumb(painter, l.thumbLeft, l.y0, colours_.thumbColour, colours_.selectedColour, pressed_,
                         enabled_);
    }
}

void SkinSlider::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && enabled_ && thumbRect_.contains(pos)) {
        model_.BeginDrag(pos.x(), event->modifiers().testFlag(Qt::ControlModifier));
        setFocus(Qt::MouseFocusReason);
        pressed_ = true;
        repaint();
    }
    toolTip_.Hide();
    event->accept();
}

void SkinSlider::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (model_.DragTo(pos.x(), width())) {
        UpdateThumbRect();
        repaint();
        emit positionChanged(model_.Position());
    }
    toolTip_.Relay(pos);
}

void SkinSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        model_.EndDrag();
        pressed_ = false;
        update();
    }
    toolTip_.Hide();
}

void SkinSlider::keyPressEvent(QKeyEvent* event) {
    std::optional<SliderKey> key;
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Down:
            key = SliderKey::StepDown;
            break;
        case Qt::Key_Right:
        case Qt::Key_Up:
            key = SliderKey::StepUp;
            break;
        case Qt::Key_PageDown:
            key = SliderKey::PageDown;
            break;
        case Qt::Key_PageUp:
            key = SliderKey::PageUp;
            break;
        case Qt::Key_Home:
            key = SliderKey::Home;
            break;
        case Qt::Key_End:
            key = SliderKey::End;
            break;
        default:
            break;
    }
    if (!key) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!enabled_ || model_.Dragging()) return;
    const int target = SliderKeyPosition(*key, model_.Position(), model_.RangeMin(), model_.RangeMax());
    if (target == model_.Position()) return;
    SetPos(target);
    emit positionChanged(target);
}

}  // namespace motivra
