#pragma once

#include "core/library/tag_entry.h"
#include "core/skin/colour_scheme.h"

namespace motivra {

// The colours of the tag cloud, all in scheme form.
struct TagCloudColours {
    SchemeColour bgColour;            // the control, and behind Unselected names
    SchemeColour textColour;          // Unselected names
    SchemeColour selectedColour;      // behind Selected names, and the text of Subtracted ones
    SchemeColour selectedTextColour;  // white on a dark selection colour (Brightness below 220), else black

    struct Pair {
        SchemeColour text;
        SchemeColour background;
    };

    void Load(const SchemeSource& source);
    void SetBGColour(SchemeColour c) { bgColour = c; }
    // Selected: selected text on the selection colour; Subtracted: the reverse; else text on background.
    Pair ForState(TagState state) const;
};

}  // namespace motivra
