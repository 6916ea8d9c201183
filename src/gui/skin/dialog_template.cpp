#include "gui/skin/dialog_template.h"

#include "gui/skin/pixel_rect.h"

namespace motivra {

QRect DialogRectToPixels(const DialogUnitRect& rect) { return ToQRect(DialogUnitsToPixels(rect)); }

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
