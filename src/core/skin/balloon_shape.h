#pragma once

#include <array>

#include "core/geometry/pixel_geometry.h"

namespace motivra {

// The tooltip balloon: a rounded body around the text with a stem whose tip lies 10 pixels below the pointer.
struct BalloonShape {
    int bodyWidth = 0;
    int bodyHeight = 0;
    std::array<PixelPoint, 3> stem;  // base corner, tip, other base corner
    int windowWidth = 0;
    int windowHeight = 0;  // body plus 25 for the stem
};

inline constexpr int kBalloonCornerWidth = 12;  // corner ellipse 12 x 10
inline constexpr int kBalloonCornerHeight = 10;
inline constexpr int kBalloonTextLeft = 12;  // text inset from the body's left and top
inline constexpr int kBalloonTextTop = 10;
inline constexpr int kBalloonIconSpace = 21;  // extra width, and text inset, when an icon is shown
inline constexpr int kBalloonIconX = 9;
inline constexpr int kBalloonIconY = 7;

// The text's bounding box grown by 12 across and 10 down on each side, 21 wider with an icon, at least as
// high as the icon. flipLeft puts the stem on the right, for a balloon that opens to the left of the pointer.
BalloonShape BalloonShapeFor(int textWidth, int textHeight, int iconWidth, int iconHeight, bool flipLeft);

// Opens to the left when a balloon of this width at the pointer would reach the screen's right edge.
inline bool BalloonFlipsLeft(int anchorX, int balloonWidth, int screenRight) {
    return anchorX + balloonWidth >= screenRight;
}

// The window's top-left for a pointer at anchor: the stem's tip straight below the pointer and 10 pixels
// lower, so the balloon stands above the pointer without covering it.
PixelPoint BalloonWindowPosition(const BalloonShape& shape, PixelPoint anchor, bool flipLeft);

}  // namespace motivra
