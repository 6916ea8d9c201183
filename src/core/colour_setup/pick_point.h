#pragma once

#include <optional>

#include "core/geometry/pixel_geometry.h"

namespace motivra {

// The point picked on the hue bar or the shade square, and how the pointer moves it. Each pointer operation
// returns true when the control reports a change: a press always, a drag move or a release only at a new
// point.
class PickPoint {
public:
    // The hue bar picks across only: its points keep y = 0, so moving up and down is no new point. Whether a
    // release is inside the control is still judged by the pointer's own y.
    enum class Axes { AcrossOnly, Both };

    explicit PickPoint(Axes axes = Axes::Both) : axes_(axes) {}

    // Starts a drag at p, a point of the control.
    bool Press(PixelPoint p);
    // While dragging: p limited to 0..width across and 0..height down (the far edges included, where the
    // controls give their last colour); true when that is a new point.
    bool Move(PixelPoint p, int width, int height);
    // Ends the drag; true when it was dragging and p is a new point inside the control (0 <= x < width,
    // 0 <= y < height). A release outside keeps the last point of the drag.
    bool Release(PixelPoint p, int width, int height);
    // Nothing picked; a drag under way goes on.
    void Clear() { point_.reset(); }

    const std::optional<PixelPoint>& Point() const { return point_; }
    bool Dragging() const { return dragging_; }

private:
    PixelPoint Kept(PixelPoint p) const { return axes_ == Axes::AcrossOnly ? PixelPoint{p.x, 0} : p; }

    Axes axes_;
    std::optional<PixelPoint> point_;
    bool dragging_ = false;
};

}  // namespace motivra
