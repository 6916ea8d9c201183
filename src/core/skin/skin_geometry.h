#pragma once

namespace motivra {

// Integer pixel positions as the controls' geometry gives them to their paint code.
struct SkinPoint {
    int x = 0;
    int y = 0;
    bool operator==(const SkinPoint&) const = default;
};

struct SkinPointF {
    double x = 0;
    double y = 0;
    bool operator==(const SkinPointF&) const = default;
};

// left, top, right, bottom; right and bottom excluded, as a fill takes them.
struct SkinRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const SkinRect&) const = default;
};

}  // namespace motivra
