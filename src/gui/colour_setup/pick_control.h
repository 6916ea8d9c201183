#pragma once

#include <QWidget>

#include "core/colour_setup/pick_point.h"
#include "core/colour_setup/picker_geometry.h"

class QPainter;

namespace motivra {

// What the hue bar and the shade square share: a press or a drag picks the point under the pointer, kept
// within the control. colourChanged() is emitted at the press, at every drag move to a new point and at a
// release at a new point inside the control; the owner then reads the colour. The control repaints before
// it reports, so the marker already stands where the colour was taken.
class PickControl : public QWidget {
    Q_OBJECT

public:
    // Nothing picked: the marker goes (the shade square's returns to its corner).
    void ClearSelection();
    bool HasSelection() const { return pick_.Point().has_value(); }

signals:
    void colourChanged();

protected:
    PickControl(PickPoint::Axes axes, QWidget* parent);

    const PickPoint& Pick() const { return pick_; }
    // The marker: a white outline at half alpha around a black one, one pixel wide, without smoothing.
    static void PaintMarker(QPainter& painter, const PickMarker& marker);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Changed();

    PickPoint pick_;
};

}  // namespace motivra
