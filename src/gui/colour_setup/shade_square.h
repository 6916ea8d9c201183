#pragma once

#include "core/skin/colour_arithmetic.h"
#include "gui/colour_setup/pick_control.h"

namespace motivra {

// The colour setup's shade square over one base colour: white along the left edge, the base colour at the
// top-right corner, black along the bottom. A press or a drag picks the shade under the pointer.
class ShadeSquare : public PickControl {
    Q_OBJECT

public:
    explicit ShadeSquare(QWidget* parent = nullptr);

    // repaints.
    void SetBaseColour(SchemeColour colour);
    SchemeColour BaseColour() const { return base_; }
    // The shade at the picked point; the base colour itself while nothing is picked.
    SchemeColour GetColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SchemeColour base_{0x2828C8};  // red 200, green 40, blue 40
};

}  // namespace motivra
