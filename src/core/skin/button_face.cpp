#include "core/skin/button_face.h"

namespace motivra {

namespace {

constexpr int kLightThreshold = 220;

}  // namespace

void ButtonColours::Load(const ColourScheme& scheme) {
    dlgColour = scheme.GetDlgColour();
    SetBGColour(scheme.GetBGColour());
    const SchemeColour b = FlipRedBlue(scheme.GetButtonColour());
    buttonTextColour = scheme.GetButtonTextColour();
    buttonDarkColour = Shade(b, -30);
    buttonColour = FlipRedBlue(b);
    titleColour = scheme.GetTitleColour();
    selectedColour = scheme.GetSelectedColour();
    // Judged on the RGB form here, and on the scheme form by the setter: both as the controls have always
    // done.
    selectedTextColour =
        Brightness(selectedColour) < kLightThreshold ? SchemeColour(0xFFFFFF) : SchemeColour();
    textColour = scheme.GetTextColour();
}

void ButtonColours::SetBGColour(SchemeColour c) {
    bgColour = c;
    bgLight = Shade(FlipRedBlue(c), +20);
    bgDark = Shade(FlipRedBlue(c), -44);
}

void ButtonColours::SetButtonColour(SchemeColour c) {
    buttonTextColour =
        Brightness(c) < kLightThreshold ? Shade(FlipRedBlue(c), +96) : Shade(FlipRedBlue(c), -98);
    buttonDarkColour = Shade(c, -30);
    buttonColour = FlipRedBlue(c);
}

void ButtonColours::SetSelectedColour(SchemeColour c) {
    selectedTextColour = Brightness(c) < kLightThreshold ? SchemeColour(0xFFFFFF) : SchemeColour();
    selectedColour = FlipRedBlue(c);
}

ButtonPalette ButtonFacePalette(const ButtonColours& colours, bool enabled, bool pressedInside,
                                bool darkFace) {
    ButtonPalette p;
    p.face = darkFace ? colours.buttonDarkColour : colours.buttonColour;
    p.text = colours.buttonTextColour;
    p.outline = colours.bgDark;
    if (pressedInside) {
        p.face = colours.selectedColour;
        p.text = colours.selectedTextColour;
    }
    p.dA = Shade(p.face, -100);
    p.dB = Shade(p.face, -60);
    p.dC = Shade(p.face, -130);
    if (!enabled) {
        // A quarter of the way from the background, so the shape stays and the colour recedes. Both blends
        // mix the forms byte by byte; for the grey schemes that is the same colour either way.
        p.outline = Blend(FlipRedBlue(colours.bgColour), SameBytesInOtherForm(colours.bgDark), 0.25f);
        p.face = Blend(colours.bgColour, SameBytesInOtherForm(colours.buttonColour), 0.25f);
        p.text = Blend(p.face, FlipRedBlue(colours.buttonTextColour), 0.6f);
        p.dA = Shade(p.face, -50);
        p.dB = Shade(p.face, -20);
        p.dC = Shade(p.face, -60);
    }
    p.l50 = Shade(p.face, +50);
    p.l2 = Shade(p.face, +2);
    p.l25 = Shade(p.face, +25);
    p.d20 = Shade(p.face, -20);
    p.d50 = Shade(p.face, -50);
    return p;
}

ButtonFrame ButtonFrameFor(int w, int h, int textOffset, bool bottomEdge, ButtonEdge leftEdge,
                           ButtonEdge rightEdge, bool pressedInside) {
    if (!bottomEdge) h += 3;  // the bottom edge falls outside the window
    ButtonFrame f;
    f.top = textOffset;
    f.midY = h / 2 + textOffset + (pressedInside ? 1 : 0);
    f.left = 0;
    f.right = w - 1;
    f.bottom = h - 1;
    f.innerLeft = 1;
    f.innerRight = w - 2;
    if (leftEdge != ButtonEdge::Closed) {
        f.left -= 2;
        f.innerLeft -= 2;
    }
    if (rightEdge != ButtonEdge::Closed) {
        f.right += 2;
        f.innerRight += 2;
    }
    return f;
}

std::array<PixelPoint, 8> ButtonOutline(const ButtonFrame& f) {
    const int L = f.left, R = f.right, T = f.top, B = f.bottom;
    return {{{L + 2, T},
             {R - 2, T},
             {R, T + 2},
             {R, B - 3},
             {R - 2, B - 1},
             {L + 2, B - 1},
             {L, B - 3},
             {L, T + 2}}};
}

namespace {

Triangle DownArrow(int x1, int y1, int x2, int y2) {
    const int half = (x2 - x1) / 2;
    return {{{x1, y1}, {x1 + half, y2}, {x1 + 2 * half, y1}}};
}

Triangle UpArrow(int x1, int y1, int x2, int y2) {
    const int half = (x2 - x1) / 2;
    return {{{x1, y2}, {x1 + half, y1}, {x1 + 2 * half, y2}}};
}

}  // namespace

std::vector<Triangle> ButtonArrows(const ButtonFrame& f, int arrows, bool pressed) {
    const int H = f.bottom;
    const int R = f.right;
    const int aw = static_cast<int>(H / 1.76);
    const int at = static_cast<int>(H / 3.5);
    const int m = H / 6;
    const int x1 = R - aw - 3;
    const int x2 = R - 3;
    const int p = pressed ? 1 : 0;
    if (arrows == 1) return {DownArrow(x1, at + p, x2, H - m - 1 + p)};
    if (arrows == 2) {
        return {UpArrow(x1, m - 1 + p, x2, H / 2 - m / 2 + p),
                DownArrow(x1, H / 2 + m / 2 + p, x2, H - m + p)};
    }
    return {};
}

int ButtonTextX(int w, int imageWidth, bool hasImage, int textAlign) {
    if (textAlign == 0) return 4;
    if (hasImage) return (w - imageWidth) / 2 + imageWidth;
    return w / 2;
}

}  // namespace motivra
