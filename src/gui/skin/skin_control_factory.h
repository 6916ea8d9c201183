#pragma once

#include <QWidget>

#include <span>

#include "gui/skin/dialog_template.h"

namespace motivra {

// The skinned control for a template item of a standard kind, carrying the item's text as its window text;
// nullptr for Custom items.
QWidget* CreateSkinControl(const DialogItem& item, QWidget* dialog);

// BuildDialog with the skinned controls for the standard kinds and `custom` for the Custom items.
void BuildSkinDialog(QWidget& dialog, int widthUnits, int heightUnits, std::span<const DialogItem> items,
                     const DialogControlFactory& custom = {});

}  // namespace motivra
