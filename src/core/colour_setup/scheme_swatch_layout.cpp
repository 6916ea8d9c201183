#include "core/colour_setup/scheme_swatch_layout.h"

namespace motivra {

SchemeSwatchLayout SchemeSwatchLayoutFor(int width, int height) {
    SchemeSwatchLayout l;
    l.rowHeight = (height - 15) / 6;
    l.inner = {0, 0, width - 2, height - 2};
    l.rightShadow = {width - 2, 2, width, height};
    l.bottomShadow = {2, height - 2, width - 2, height};
    return l;
}

SwatchRowBoxes SwatchRow(int row, int width, int rowHeight, bool selected) {
    const int y = row * rowHeight;
    const PixelBox edge{4, y + 4, width - 8, y + rowHeight};
    if (!selected) return {edge, {}, {}};
    return {{5, y + 5, width - 9, y + rowHeight - 1}, edge, {2, y + 2, width - 6, y + rowHeight + 2}};
}

int SwatchHitRow(int x, int y, int width, int rowHeight) {
    if (!(3 < x && x < width - 8)) return -1;
    for (int row = 0; row < 6; ++row) {
        if (row * rowHeight + 3 < y && y < (row + 1) * rowHeight) return row;
    }
    return -1;
}

SwatchLabelColours SwatchLabelColoursFor(SchemeColour rowColour) {
    const int average = (Byte0(rowColour) + Byte1(rowColour) + Byte2(rowColour)) / 3;
    if (average < 90) return {SchemeColour(0xFFFFFF), 0xD7, SchemeColour(0x000000), 0x40};
    return {SchemeColour(0x000000), 0xFF, SchemeColour(0xFFFFFF), 0x40};
}

}  // namespace motivra
