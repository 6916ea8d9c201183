#include "core/colour_setup/pick_point.h"

#include <algorithm>

namespace motivra {

bool PickPoint::Press(PixelPoint p) {
    dragging_ = true;
    point_ = p;
    return true;
}

bool PickPoint::Move(PixelPoint p, int width, int height) {
    if (!dragging_) return false;
    const PixelPoint limited{std::clamp(p.x, 0, std::max(0, width)), std::clamp(p.y, 0, std::max(0, height))};
    if (point_ == limited) return false;
    point_ = limited;
    return true;
}

bool PickPoint::Release(PixelPoint p, int width, int height) {
    const bool wasDragging = dragging_;
    dragging_ = false;
    if (!wasDragging || !PixelBox{0, 0, width, height}.Contains(p.x, p.y) || point_ == p) return false;
    point_ = p;
    return true;
}

}  // namespace motivra
