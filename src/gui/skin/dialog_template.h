#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>
#include <span>

#include "core/skin/dialog_units.h"

namespace motivra {

// What a template line creates. Custom items are windows a dialog makes itself (preview, grid, timeline...).
enum class DialogControlKind { Button, CheckBox, GroupBox, Header, Edit, Label, Slider, SliderPlain, Custom };

// One line of a dialog template: the control's id (its identity in code and tests), its kind, its caption and
// its place in dialog units.
struct DialogItem {
    int id = 0;
    DialogControlKind kind = DialogControlKind::Custom;
    const char* text = "";  // UTF-8
    DialogUnitRect rect;
};

// Makes the control for one item, parented to the dialog; nullptr leaves the item out.
using DialogControlFactory = std::function<QWidget*(const DialogItem& item, QWidget* dialog)>;

QRect DialogRectToPixels(const DialogUnitRect& rect);
QSize DialogSizeToPixels(int widthUnits, int heightUnits);

// The object name that identifies a control: its id in decimal.
inline QString ControlName(int id) { return QString::number(id); }

// Gives a created control its identity and its place.
void PlaceControl(QWidget& control, const DialogItem& item);

// Sizes the dialog (fixed, as a template dialog is) and creates and places every item through the factory,
// in table order, which is also the focus order.
void BuildDialog(QWidget& dialog, int widthUnits, int heightUnits, std::span<const DialogItem> items,
                 const DialogControlFactory& factory);

// The dialog's direct child control with this id, of type T, or nullptr.
template <class T = QWidget>
T* FindControl(const QWidget& dialog, int id) {
    return dialog.findChild<T*>(ControlName(id), Qt::FindDirectChildrenOnly);
}

}  // namespace motivra
