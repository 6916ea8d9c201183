#pragma once

#include <QDialog>

#include "core/skin/colour_arithmetic.h"

namespace motivra {

// A window of skinned controls on the scheme's dialog background (DlgColour), with the keys every Motivra
// window shares: Enter clicks the focused push button, or else the window's OK; Escape is Cancel.
class SkinDialog : public QDialog {
    Q_OBJECT

public:
    SchemeColour DlgColour() const { return dlgColour_; }

signals:
    // The window's first paint has been made (its controls paint in the same pass).
    void firstPainted();

protected:
    // okId names the skinned button Enter clicks when no push button has the focus; without one Enter
    // accepts the window.
    explicit SkinDialog(QWidget* parent, int okId = 0);

    // Reads DlgColour again, after the scheme changed.
    void ReloadDlgColour();

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    SchemeColour dlgColour_;
    int okId_ = 0;
    bool painted_ = false;
};

}  // namespace motivra
