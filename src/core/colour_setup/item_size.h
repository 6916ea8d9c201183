#pragma once

namespace motivra {

// The size of one item of a grid view in pixels; the grid adds its 6-pixel margin to each dimension.
struct ItemSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const ItemSize&, const ItemSize&) = default;
};

}  // namespace motivra
