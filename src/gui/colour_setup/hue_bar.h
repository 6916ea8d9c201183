#pragma once

#include "core/colour_setup/hue_table.h"
#include "gui/colour_setup/pick_control.h"

namespace motivra {

// The colour setup's rainbow: a press or a drag across it picks a fully saturated hue. Only the position
// across counts, so moving up and down reports nothing.
class HueBar : public PickControl {
    Q_OBJECT

public:
    explicit HueBar(QWidget* parent = nullptr);

    // The picked entry of the hue table in scheme form; pure red before anything is picked.
    SchemeColour GetColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    HueTable table_;
};

}  // namespace motivra
