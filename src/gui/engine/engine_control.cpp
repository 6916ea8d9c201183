#include "gui/engine/engine_control.h"

#include <QPainter>

#include "gui/skin/offscreen_picture.h"

namespace motivra {

EngineControl::EngineControl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

QImage EngineControl::Render() const {
    if (size().isEmpty()) return QImage();
    OffscreenPicture dc(size());
    Paint(dc.Painter());
    return dc.Finish();
}

void EngineControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter);
}

void EngineControl::mouseDoubleClickEvent(QMouseEvent*) {}

}  // namespace motivra
