#include "core/colour_setup/pick_point.h"

#include <algorithm>

namespace motivra {

bool PickPoint::Press(PixelPoint p) {
    dragging_ = true;
    point_ = Kept(p);
    return true;
}

bool PickPoint::Move(PixelPoint p, int width, int height) {
    if (!dragging_) return false;
    const PixelPoint limited =
        Kept({std::clamp(p.x, 0, std::max(0, width)), std::clamp(p.y, 0, std::max(0, height))});
    if (point_ == limited) return false;
    point_ = limited;
    return true;
}

bool PickPoint::Release(PixelPoint p, int width, int height) {
    const bool wasDragging = dragging_;
    dragging_ = false;
    if (!wasDragging || !PixelBox{0, 0, width, height}.Contains(p.x, p.y) || point_ == Kept(p)) return false;
    point_ = Kept(p);
    return true;
}

}  // namespace motivra
