#pragma once

#include "core/library/tag_entry.h"
#include "core/skin/colour_scheme.h"

namespace motivra {

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
