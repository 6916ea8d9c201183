#include "gui/skin/skin_label.h"

#include <QMouseEvent>
#include <QPainter>

#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_colour.h"
#include "gui/skin/skin_font.h"

namespace motivra {

SkinLabel::SkinLabel(QWidget* parent) : QLabel(parent), enabled_(isEnabled()), font_(ControlFont()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    LoadColours();
}

void SkinLabel::LoadColours() { colours_.Load(LoadColourScheme()); }

void SkinLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), SchemeQColor(colours_.bgColour));
    if (text_.isEmpty() && takeWindowText_) text_ = text();
    painter.setFont(font_);
    painter.setPen(SchemeQColor(enabled_ ? colours_.textColour : colours_.disabledTextColour));
    painter.drawText(rect(), alignment_ | Qt::AlignTop | Qt::TextWordWrap, text_);
    takeWindowText_ = false;
}

void SkinLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked();
    event->accept();
}

// A double click is not a second click.
void SkinLabel::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

}  // namespace motivra
