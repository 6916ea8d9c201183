#include "gui/skin/skin_control_factory.h"

#include <QCoreApplication>

#include "gui/skin/skin_button.h"
#include "gui/skin/skin_check_box.h"
#include "gui/skin/skin_edit.h"
#include "gui/skin/skin_group_box.h"
#include "gui/skin/skin_header.h"
#include "gui/skin/skin_label.h"
#include "gui/skin/skin_slider.h"
#include "gui/skin/skin_slider_plain.h"

namespace motivra {

QWidget* CreateSkinControl(const DialogItem& item, QWidget* dialog) {
    // Template texts are marked with the context "Dialog".
    const QString text = QCoreApplication::translate("Dialog", item.text);
    switch (item.kind) {
        case DialogControlKind::Button: {
            auto* button = new SkinButton(dialog);
            button->setText(text);
            return button;
        }
        case DialogControlKind::CheckBox: {
            auto* box = new SkinCheckBox(dialog);
            box->setText(text);
            return box;
        }
        case DialogControlKind::GroupBox: {
            auto* group = new SkinGroupBox(dialog);
            group->setTitle(text);
            return group;
        }
        case DialogControlKind::Header: {
            auto* header = new SkinHeader(dialog);
            header->setText(text);
            return header;
        }
        case DialogControlKind::Edit: {
            auto* edit = new SkinEdit(dialog);
            edit->setText(text);
            return edit;
        }
        case DialogControlKind::Label: {
            auto* label = new SkinLabel(dialog);
            label->setText(text);
            return label;
        }
        case DialogControlKind::Slider:
            return new SkinSlider(dialog);
        case DialogControlKind::SliderPlain:
            return new SkinSliderPlain(dialog);
        case DialogControlKind::Custom:
            return nullptr;
    }
    return nullptr;
}

void BuildSkinDialog(QWidget& dialog, int widthUnits, int heightUnits, std::span<const DialogItem> items,
                     const DialogControlFactory& custom) {
    BuildDialog(dialog, widthUnits, heightUnits, items, [&custom](const DialogItem& item, QWidget* parent) {
        if (item.kind == DialogControlKind::Custom) return custom ? custom(item, parent) : nullptr;
        return CreateSkinControl(item, parent);
    });
}

}  // namespace motivra
