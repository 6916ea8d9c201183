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

// The button's colours as its colour load and setters keep them (forms as noted).
struct ButtonColours {
    Colour dlgColour = 0;
    Colour bgColour = 0;          // GDI form
    Colour buttonTextColour = 0;  // GDI form
    Colour selectedTextColour = 0;
    Colour textColour = 0;
    Colour selectedColour = 0;    // GDI+ form
    Colour buttonColour = 0;      // GDI+ form
    Colour buttonDarkColour = 0;  // GDI+ form
    Colour titleColour = 0;
    Colour bgLight = 0;  // GDI form
    Colour bgDark = 0;   // GDI form

    void Load(const ColourScheme& scheme);
    void SetBGColour(Colour c);
    void SetButtonColour(Colour c);
    void SetSelectedColour(Colour c);
    void SetTextColour(Colour c) { textColour = c; }
};

// The colours of one paint, all in GDI form except `face` (GDI+ form, as the shades take it).
struct ButtonPalette {
    Colour face = 0;
    Colour text = 0;
    Colour outline = 0;
    Colour dA = 0, dB = 0, dC = 0;
    Colour l50 = 0, l2 = 0, l25 = 0, d20 = 0, d50 = 0;
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
