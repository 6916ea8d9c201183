#pragma once

#include "core/skin/colour_arithmetic.h"
#include "core/skin/colour_scheme.h"

namespace motivra {

// The timeline and transport read TitleColour with their own default, lighter than the dialogs'.
inline constexpr Colour kEngineDefaultTitleColour = 0xA0A0A0;
// How far the timeline's default-value line stands off TitleColour.
inline constexpr int kDefaultLineShift = 70;

// The timeline's colours, GDI form (b0 red), read from the scheme when the control is made or reloaded.
struct TimelineColours {
    Colour band;         // BGColour, behind the marker
    Colour graph;        // baseColour, behind the curve
    Colour defaultLine;  // TitleColour shifted away from the middle
    Colour timeLine;     // the current time, red
};

TimelineColours ReadTimelineColours(const SchemeSource& source);

// The transport's colours, GDI form: the background, and the handle colours plain and while dragged.
struct TransportColours {
    Colour background;  // BGColour
    Colour selected;    // SelectedColour
    Colour button;      // ButtonColour
};

TransportColours ReadTransportColours(const SchemeSource& source);

}  // namespace motivra
