#include "core/skin/control_glyphs.h"

namespace motivra {

namespace {

struct Em {
    double x, y;
};

std::vector<PixelPointF> Place(std::initializer_list<Em> shape, double x, double y, double em) {
    std::vector<PixelPointF> points;
    points.reserve(shape.size());
    for (const Em& p : shape) points.push_back({x + p.x * em, y + p.y * em});
    return points;
}

}  // namespace

std::vector<PixelPointF> CheckMarkOutline(double x, double y, double em) {
    // Short arm down to the right, long arm up to the right; the lower edge a stroke (3 pixels at 14 points)
    // below the upper.
    return Place(
        {{0.375, 0.375}, {0.509, 0.509}, {0.750, 0.268}, {0.750, 0.429}, {0.509, 0.670}, {0.375, 0.536}}, x,
        y, em);
}

std::vector<PixelPointF> LeftTriangle(double x, double y, double em) {
    return Place({{0.625, 0.25}, {0.625, 0.75}, {0.375, 0.5}}, x, y, em);
}

std::vector<PixelPointF> RightTriangle(double x, double y, double em) {
    return Place({{0.375, 0.25}, {0.375, 0.75}, {0.625, 0.5}}, x, y, em);
}

}  // namespace motivra
