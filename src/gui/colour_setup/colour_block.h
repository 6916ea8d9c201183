#pragma once

#include <QWidget>

#include "core/skin/colour_arithmetic.h"

namespace motivra {

// A plain rectangle in one colour: the background of the colour setup's test area. It starts in the
// scheme's DlgColour.
class ColourBlock : public QWidget {
    Q_OBJECT

public:
    explicit ColourBlock(QWidget* parent = nullptr);

    // No repaint: the owner changes several test controls at once and redraws them together.
    void SetColour(SchemeColour colour) { colour_ = colour; }
    SchemeColour GetColour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SchemeColour colour_;
};

}  // namespace motivra
