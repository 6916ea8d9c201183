#include "gui/skin/skin_slider_plain.h"

#include <QMouseEvent>
#include <QPainter>

#include "gui/skin/pixel_rect.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_colour.h"
#include "gui/skin/skin_slider.h"

namespace motivra {

SkinSliderPlain::SkinSliderPlain(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    LoadColours();
}

void SkinSliderPlain::LoadColours() {
    colours_.Load(SettingsSchemeSource{});
    update();
}

void SkinSliderPlain::SetBGColour(SchemeColour c) {
    colours_.SetBGColour(c);
    update();
}

void SkinSliderPlain::SetTextColour(SchemeColour c) {
    colours_.SetTextColour(c);
    update();
}

void SkinSliderPlain::SetButtonColour(SchemeColour c) {
    colours_.SetButtonColour(c);
    update();
}

void SkinSliderPlain::SetSelectedColour(SchemeColour c) {
    colours_.SetSelectedColour(c);
    update();
}

void SkinSliderPlain::SetPos(int v) {
    model_.SetPos(v);
    update();
}

void SkinSliderPlain::SetInset(bool inset, int pixels) {
    inset_ = inset;
    insetPixels_ = pixels;
    update();
}

void SkinSliderPlain::SetMarkers(bool left, bool right) {
    leftMarker_ = left;
    rightMarker_ = right;
    update();
}

QRect SkinSliderPlain::ThumbRect() const {
    const PlainSliderLayout l = PlainSliderLayoutFor(width(), height(), Inset(), model_.RangeMin(),
                                                     model_.RangeMax(), model_.Position());
    return ToQRect(l.thumb);
}

void SkinSliderPlain::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool enabled = isEnabled();
    painter.fillRect(rect(), SchemeQColor(colours_.bgColour));
    const int min = model_.RangeMin(), max = model_.RangeMax();
    const PlainSliderLayout l = PlainSliderLayoutFor(width(), height(), Inset(), min, max, model_.Position());

    const bool markers[] = {leftMarker_, rightMarker_};
    const PixelBox boxes[] = {l.leftBox, l.rightBox};
    for (int i = 0; i < 2; ++i) {
        const QRect box = ToQRect(boxes[i]);
        painter.fillRect(box, SchemeQColor(colours_.textColour));
        painter.setPen(QPen(RgbQColor(FlipRedBlue(colours_.frameColour), 0x6C), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        if (markers[i]) {
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(Qt::NoPen);
            painter.setBrush(RgbQColor(colours_.selectedColour));
            const qreal d = box.height() / 2.0;
            painter.drawEllipse(QRectF(box.center().x() + 0.5 - d / 2, box.center().y() + 0.5 - d / 2, d, d));
            painter.restore();
        }
    }

    PaintSliderGrooveFill(painter, l.x0, l.x1, l.y0, enabled);
    PaintSliderGrooveEdges(painter, l.x0, l.x1, l.y0, enabled);
    if (min != max) {
        PaintSliderThumb(painter, l.thumbLeft, l.y0, colours_.thumbColour, colours_.selectedColour, pressed_,
                         enabled);
    }
}

void SkinSliderPlain::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && ThumbRect().contains(pos)) {
        model_.BeginDrag(pos.x(), false);
        setFocus(Qt::MouseFocusReason);
        pressed_ = true;
        repaint();
    }
    event->accept();
}

void SkinSliderPlain::mouseMoveEvent(QMouseEvent* event) {
    const int inset = Inset();
    if (model_.DragToPlain(event->position().toPoint().x() - inset, width() - inset, height())) {
        repaint();
        emit positionChanged(model_.Position());
    }
}

void SkinSliderPlain::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        model_.EndDrag();
        pressed_ = false;
        update();
    }
}

}  // namespace motivra
