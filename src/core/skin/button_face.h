#pragma once

#include <array>
#include <vector>

#include "core/geometry/pixel_geometry.h"
#include "core/skin/colour_scheme.h"

namespace motivra {

// Face styles, the ButtonFace setting.
enum class FaceStyle { Vista = 0, Ramp = 1, Flat = 2 };

// How one end of a button is drawn: a closed rounded end, an open end running past the window border (so that
// neighbouring buttons join), or an open end with a one-pixel divider at the border.
enum class ButtonEdge { Closed = 0, Open = 1, Divider = 2 };

// The button's colours as its colour load and setters keep them.
struct ButtonColours {
    SchemeColour dlgColour;
    SchemeColour bgColour;
    SchemeColour buttonTextColour;
    SchemeColour selectedTextColour;
    SchemeColour textColour;
    RgbColour selectedColour;
    RgbColour buttonColour;
    RgbColour buttonDarkColour;
    SchemeColour titleColour;
    SchemeColour bgLight;
    SchemeColour bgDark;

    void Load(const ColourScheme& scheme);
    void SetBGColour(SchemeColour c);
    void SetButtonColour(SchemeColour c);
    void SetSelectedColour(SchemeColour c);
    void SetTextColour(SchemeColour c) { textColour = c; }
};

// The colours of one paint; the face is in RGB form, as the shades take it.
struct ButtonPalette {
    RgbColour face;
    SchemeColour text;
    SchemeColour outline;
    SchemeColour dA, dB, dC;
    SchemeColour l50, l2, l25, d20, d50;
};

ButtonPalette ButtonFacePalette(const ButtonColours& colours, bool enabled, bool pressedInside,
                                bool darkFace);

// The face's frame for a client area of w x h.
struct ButtonFrame {
    int top = 0;
    int midY = 0;
    int left = 0, right = 0, bottom = 0;  // L, R, B of the outline
    int innerLeft = 0, innerRight = 0;    // iL, iR

    bool operator==(const ButtonFrame&) const = default;
};

ButtonFrame ButtonFrameFor(int w, int h, int textOffset, bool bottomEdge, ButtonEdge leftEdge,
                           ButtonEdge rightEdge, bool pressedInside);

// The outline: a closed octagon with 2-pixel cut corners.
std::array<PixelPoint, 8> ButtonOutline(const ButtonFrame& frame);

using Triangle = std::array<PixelPoint, 3>;

// The arrow glyphs: none, one down arrow, or an up arrow above a down arrow, right-aligned against the
// outline.
std::vector<Triangle> ButtonArrows(const ButtonFrame& frame, int arrows, bool pressed);

// Where the caption's reference point lies across: the middle, the middle of the area right of an image, or 4
// for left-aligned text.
int ButtonTextX(int w, int imageWidth, bool hasImage, int textAlign);

// Pointer inside the client area for the pressed look; the far edges count as inside.
inline bool ButtonHit(int x, int y, int w, int h) { return x >= 0 && x <= w && y >= 0 && y <= h; }

}  // namespace motivra
