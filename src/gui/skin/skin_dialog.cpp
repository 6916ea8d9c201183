#include "gui/skin/skin_dialog.h"

#include <QKeyEvent>
#include <QPainter>

#include "gui/skin/dialog_template.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_button.h"
#include "gui/skin/skin_colour.h"

namespace motivra {

SkinDialog::SkinDialog(QWidget* parent, int okId) : QDialog(parent), okId_(okId) { ReloadDlgColour(); }

void SkinDialog::ReloadDlgColour() {
    dlgColour_ = ReadSchemeColour(scheme::kDlgColour, scheme::kDefaultDlgColour);
}

void SkinDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), SchemeQColor(dlgColour_));
    if (!painted_) {
        painted_ = true;
        emit firstPainted();
    }
}

void SkinDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            auto* button = qobject_cast<SkinButton*>(focusWidget());
            if (button == nullptr || !button->isEnabled())
                button = okId_ != 0 ? FindControl<SkinButton>(*this, okId_) : nullptr;
            if (button != nullptr)
                button->click();
            else
                accept();
            return;
        }
        case Qt::Key_Escape:
            reject();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

}  // namespace motivra
