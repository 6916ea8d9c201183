#pragma once

#include "core/geometry/pixel_geometry.h"
#include "core/skin/colour_arithmetic.h"

namespace motivra {

// Where the UI swatch, width x height pixels, paints its six rows. Rows start at y = row * rowHeight.
struct SchemeSwatchLayout {
    int rowHeight = 0;  // (height - 15) / 6
    PixelBox inner;     // the sunken face, 0xF0F0F0, 2 pixels short of the right and bottom edges
    // The two-pixel shadow strips along the right and bottom edges, each starting 2 pixels in, as a shadow
    // cast down and to the right does; the corners beside them show the background.
    PixelBox rightShadow;
    PixelBox bottomShadow;
};

SchemeSwatchLayout SchemeSwatchLayoutFor(int width, int height);

// One row's boxes. Unselected, the colour fills (4, y + 4)-(width - 8, y + rowHeight); selected, it fills one
// pixel less on every side inside a black frame on that edge, with a two-pixel ring in the highlight colour
// around the frame.
struct SwatchRowBoxes {
    PixelBox fill;
    PixelBox frame;  // the outline's pixels; selected rows only
    PixelBox ring;   // the outer edge of the two-pixel ring; selected rows only
};

SwatchRowBoxes SwatchRow(int row, int width, int rowHeight, bool selected);

// The row under (x, y): 3 < x < width - 8 and row * rowHeight + 3 < y < (row + 1) * rowHeight, which is the
// unselected fill; -1 elsewhere.
int SwatchHitRow(int x, int y, int width, int rowHeight);

// Where a row's name starts (the top-left of its text).
inline PixelPoint SwatchLabelOrigin(int row, int rowHeight) { return {5, row * rowHeight + 16}; }

// The name is drawn in text over a four-way outline: black text on a faint white outline, or, on a dark row
// (the average of red, green and blue below 90), nearly opaque white text on a faint black outline.
struct SwatchLabelColours {
    SchemeColour text;
    int textAlpha = 0xFF;
    SchemeColour outline;
    int outlineAlpha = 0x40;

    bool operator==(const SwatchLabelColours&) const = default;
};

SwatchLabelColours SwatchLabelColoursFor(SchemeColour rowColour);

}  // namespace motivra
