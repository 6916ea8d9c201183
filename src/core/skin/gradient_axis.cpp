#include "core/skin/gradient_axis.h"

namespace motivra {

std::optional<GradientAxis> GradientAxisForAngle(int angle) {
    switch (angle % 180) {
        case 0:
            return GradientAxis::Horizontal;
        case 90:
            return GradientAxis::Vertical;
        case 45:
            return GradientAxis::Diagonal;
        case 135:
            return GradientAxis::AntiDiagonal;
        default:
            return std::nullopt;
    }
}

GradientLine GradientLineFor(GradientAxis axis, int left, int top, int right, int bottom) {
    const double w = right - left;
    const double h = bottom - top;
    switch (axis) {
        case GradientAxis::Horizontal:
            return {double(left), double(top), double(right), double(top)};
        case GradientAxis::Vertical:
            return {double(left), double(top), double(left), double(bottom)};
        case GradientAxis::Diagonal:
        case GradientAxis::AntiDiagonal: {
            const double d = w * w + h * h;
            if (d == 0) return {double(left), double(top), double(left), double(top)};
            // Along (1/w, 1/h) until u + v reaches 2.
            const double dx = 2 * w * h * h / d;
            const double dy = 2 * w * w * h / d;
            if (axis == GradientAxis::Diagonal) return {double(left), double(top), left + dx, top + dy};
            return {double(right), double(top), right - dx, top + dy};
        }
    }
    return {};
}

}  // namespace motivra
