#pragma once

#include "core/skin/colour_arithmetic.h"
#include "core/skin/colour_scheme.h"

namespace motivra {

// The timeline and transport read TitleColour with their own default, lighter than the dialogs'.
inline constexpr SchemeColour kEngineDefaultTitleColour{0xA0A0A0};
// How far the timeline's default-value line stands off TitleColour.
inline constexpr int kDefaultLineShift = 70;

// The timeline's colours, read from the scheme when the control is made or reloaded.
struct TimelineColours {
    SchemeColour band;         // BGColour, behind the marker
    SchemeColour graph;        // baseColour, behind the curve
    SchemeColour defaultLine;  // TitleColour shifted away from the middle
    SchemeColour timeLine;     // the current time, red
};

TimelineColours ReadTimelineColours(const SchemeSource& source);

// The transport's colours: the background, and the handle colours plain and while dragged.
struct TransportColours {
    SchemeColour background;  // BGColour
    SchemeColour selected;    // SelectedColour
    SchemeColour button;      // ButtonColour
};

TransportColours ReadTransportColours(const SchemeSource& source);

}  // namespace motivra
