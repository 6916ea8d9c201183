#pragma once

#include <QWidget>

#include "core/skin/colour_arithmetic.h"
#include "core/skin/control_colours.h"

namespace motivra {

// How far a long task has come: a sunken field, as a text box's, filled from the left in the scheme's
// selection colour. Empty until the first SetProgress.
class SkinProgressBar : public QWidget {
    Q_OBJECT

public:
    explicit SkinProgressBar(QWidget* parent = nullptr);

    // `done` of `total` steps; a total of 0 empties the bar.
    void SetProgress(int done, int total);
    double Fraction() const { return fraction_; }
    void LoadColours();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    EditColours field_;
    SchemeColour fill_;
    double fraction_ = 0;
};

}  // namespace motivra
