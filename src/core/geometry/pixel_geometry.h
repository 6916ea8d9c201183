#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace motivra {

// Whole-pixel coordinates in a window's client area, y pointing down.
struct PixelPoint {
    int x = 0;
    int y = 0;

    bool operator==(const PixelPoint&) const = default;
};

struct PixelPointF {
    double x = 0;
    double y = 0;

    bool operator==(const PixelPointF&) const = default;
};

struct PixelLine {
    PixelPoint from;
    PixelPoint to;

    bool operator==(const PixelLine&) const = default;
};

// A rectangle whose right and bottom edges lie just outside it, as window rectangles are.
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    // Centre by integer halving, so a grab offset is measured from the same point every time.
    PixelPoint Centre() const { return {(left + right) / 2, (top + bottom) / 2}; }

    bool operator==(const PixelBox&) const = default;
};

// Truncation towards zero, as every value-to-pixel mapping uses. Values from a hostile file may be huge or
// not numbers at all: those are pinned to a range no window reaches, and NaN becomes 0.
inline int TruncToPixel(double v) {
    constexpr double kLimit = 1 << 28;
    if (std::isnan(v)) return 0;
    if (v > kLimit) return static_cast<int>(kLimit);
    if (v < -kLimit) return -static_cast<int>(kLimit);
    return static_cast<int>(v);
}

}  // namespace motivra
