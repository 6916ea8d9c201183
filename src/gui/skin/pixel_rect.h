#pragma once

#include <QRect>

#include "core/geometry/pixel_geometry.h"

namespace motivra {

// A model rectangle as Qt takes it: both keep the right and bottom edges just outside.
inline QRect ToQRect(const PixelBox& box) { return QRect(box.left, box.top, box.Width(), box.Height()); }
inline PixelBox ToPixelBox(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

}  // namespace motivra
