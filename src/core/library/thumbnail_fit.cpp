#include "core/library/thumbnail_fit.h"

#include <algorithm>
#include <cstdint>

namespace motivra {

PixelBox FitThumbnail(int width, int height, int areaWidth, int areaHeight) {
    if (width <= 0 || height <= 0 || areaWidth <= 0 || areaHeight <= 0) return {};
    // Compare width / height with areaWidth / areaHeight in whole numbers: the side that limits the scale
    // fills the area, the other follows truncated.
    const std::int64_t wide = static_cast<std::int64_t>(width) * areaHeight;
    const std::int64_t tall = static_cast<std::int64_t>(height) * areaWidth;
    int w = areaWidth;
    int h = areaHeight;
    if (wide > tall) {
        h = static_cast<int>(
            std::max<std::int64_t>(1, static_cast<std::int64_t>(height) * areaWidth / width));
    } else if (wide < tall) {
        w = static_cast<int>(
            std::max<std::int64_t>(1, static_cast<std::int64_t>(width) * areaHeight / height));
    }
    const int left = (areaWidth - w) / 2;
    const int top = (areaHeight - h) / 2;
    return {left, top, left + w, top + h};
}

}  // namespace motivra
