#pragma once

#include "core/library/tag_entry.h"
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

// The colours of the tag cloud, all in GDI form.
struct TagCloudColours {
    Colour bgColour = 0;            // the control, and behind Unselected names
    Colour textColour = 0;          // Unselected names
    Colour selectedColour = 0;      // behind Selected names, and the text of Subtracted ones
    Colour selectedTextColour = 0;  // white on a dark selection colour (Brightness below 220), else black

    struct Pair {
        Colour text = 0;
        Colour background = 0;
    };

    void Load(const SchemeSource& source);
    void SetBGColour(Colour c) { bgColour = c; }
    // Selected: selected text on the selection colour; Subtracted: the reverse; else text on background.
    Pair ForState(TagState state) const;
};

}  // namespace motivra
