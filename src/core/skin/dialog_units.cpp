#include "core/skin/dialog_units.h"

namespace motivra {

namespace {

// n * numerator / denominator rounded to the nearest integer, halves away from zero.
int ScaleRounded(int n, int numerator, int denominator) {
    const long long product = static_cast<long long>(n) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

}  // namespace

int DialogUnitsToPixelsX(int units) { return ScaleRounded(units, kDialogBaseUnitX, 4); }

int DialogUnitsToPixelsY(int units) { return ScaleRounded(units, kDialogBaseUnitY, 8); }

PixelBox DialogUnitsToPixels(const DialogUnitRect& rect) {
    const int left = DialogUnitsToPixelsX(rect.x);
    const int top = DialogUnitsToPixelsY(rect.y);
    const int right = DialogUnitsToPixelsX(rect.x + rect.width);
    const int bottom = DialogUnitsToPixelsY(rect.y + rect.height);
    return {left, top, right, bottom};
}

}  // namespace motivra
