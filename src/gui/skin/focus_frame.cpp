#include "gui/skin/focus_frame.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_colour.h"

namespace motivra {

FocusFrame::FocusFrame(QWidget* window) : QWidget(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    LoadColours();
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { Follow(now); });
}

void FocusFrame::LoadColours() {
    colour_ = SchemeQColor(ReadSchemeColour(scheme::kSelectedColour, scheme::kDefaultSelectedColour));
    update();
}

void FocusFrame::Follow(QWidget* widget) {
    if (target_ != nullptr) target_->removeEventFilter(this);
    target_ = widget != nullptr && widget != parentWidget() && parentWidget()->isAncestorOf(widget) ? widget
                                                                                                    : nullptr;
    if (target_ != nullptr) target_->installEventFilter(this);
    Place();
}

// The ring follows its control when it moves, resizes, hides or is disabled.
bool FocusFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == target_) {
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::Hide:
            case QEvent::EnabledChange:
                Place();
                break;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::Place() {
    if (target_ == nullptr || !target_->isVisible()) {
        hide();
        return;
    }
    const QRect area(target_->mapTo(parentWidget(), QPoint(0, 0)), target_->size());
    setGeometry(area.adjusted(-kMargin, -kMargin, kMargin, kMargin));
    raise();
    show();
    update();
}

void FocusFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour_, 1.5));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75), 3, 3);
}

}  // namespace motivra
