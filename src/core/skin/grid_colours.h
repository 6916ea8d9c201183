#pragma once

#include "core/skin/colour_scheme.h"

namespace motivra {

// The colours of a grid view. Forms are noted where they are not GDI form.
struct GridColours {
    Colour bgColour = 0;        // as read: the scroll bar's strip
    Colour fillColour = 0;      // the client area behind the cells; bgColour until SetBGColour
    Colour textColour = 0;      // for derived views that draw text
    Colour selectedColour = 0;  // GDI+ form: selection look, dragged thumb
    Colour buttonColour = 0;    // GDI+ form: the thumb at rest

    void Load(const SchemeSource& source);
    // Replaces only the fill behind the cells (the delete modes' tint); the scroll bar keeps bgColour.
    void SetBGColour(Colour c) { fillColour = c; }
};

}  // namespace motivra
