#include "gui/skin/dialog_template.h"

namespace motivra {

QRect DialogRectToPixels(const DialogUnitRect& rect) {
    const PixelBox p = DialogUnitsToPixels(rect);
    return QRect(p.left, p.top, p.Width(), p.Height());
}

QSize DialogSizeToPixels(int widthUnits, int heightUnits) {
    return QSize(DialogUnitsToPixelsX(widthUnits), DialogUnitsToPixelsY(heightUnits));
}

void PlaceControl(QWidget& control, const DialogItem& item) {
    control.setObjectName(ControlName(item.id));
    control.setGeometry(DialogRectToPixels(item.rect));
}

void BuildDialog(QWidget& dialog, int widthUnits, int heightUnits, std::span<const DialogItem> items,
                 const DialogControlFactory& factory) {
    dialog.setFixedSize(DialogSizeToPixels(widthUnits, heightUnits));
    QWidget* previous = nullptr;
    for (const DialogItem& item : items) {
        QWidget* control = factory ? factory(item, &dialog) : nullptr;
        if (control == nullptr) continue;
        PlaceControl(*control, item);
        if (previous != nullptr) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

}  // namespace motivra
