#include "core/skin/balloon_shape.h"

#include <algorithm>

namespace motivra {

BalloonShape BalloonShapeFor(int textWidth, int textHeight, int iconWidth, int iconHeight, bool flipLeft) {
    BalloonShape s;
    s.bodyWidth = textWidth + 2 * kBalloonTextLeft;
    s.bodyHeight = textHeight + 2 * kBalloonTextTop;
    if (iconWidth > 0 || iconHeight > 0) {
        s.bodyWidth += kBalloonIconSpace;
        s.bodyHeight = std::max(s.bodyHeight, iconHeight);
    }
    const int w = s.bodyWidth, h = s.bodyHeight;
    if (flipLeft) {
        s.stem = {{{w - 12, h - 10}, {w - 12, h + 15}, {w - 37, h - 10}}};
    } else {
        s.stem = {{{12, h - 10}, {12, h + 15}, {37, h - 10}}};
    }
    s.windowWidth = w;
    s.windowHeight = h + 25;
    return s;
}

PixelPoint BalloonWindowPosition(const BalloonShape& shape, PixelPoint anchor, bool flipLeft) {
    const int tipY = shape.stem[1].y;
    const int y = anchor.y + 10 - tipY;
    return flipLeft ? PixelPoint{anchor.x - shape.windowWidth + 12, y} : PixelPoint{anchor.x - 12, y};
}

}  // namespace motivra
