#pragma once

#include "core/skin/colour_scheme.h"

namespace motivra {

// The colours of a grid view.
struct GridColours {
    SchemeColour bgColour;     // as read: the scroll bar's strip
    SchemeColour fillColour;   // the client area behind the cells; bgColour until SetBGColour
    SchemeColour textColour;   // for derived views that draw text
    RgbColour selectedColour;  // selection look, dragged thumb
    RgbColour buttonColour;    // the thumb at rest

    void Load(const SchemeSource& source);
    // Replaces only the fill behind the cells (the delete modes' tint); the scroll bar keeps bgColour.
    void SetBGColour(SchemeColour c) { fillColour = c; }
};

}  // namespace motivra
