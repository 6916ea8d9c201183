#include "core/engine/engine_colours.h"

namespace motivra {

TimelineColours ReadTimelineColours(const SchemeSource& source) {
    return {
        source.ReadColour(scheme::kBGColour, scheme::kDefaultBGColour),
        source.ReadColour(scheme::kBaseColour, scheme::kDefaultBaseColour),
        ContrastShift(source.ReadColour(scheme::kTitleColour, kEngineDefaultTitleColour), kDefaultLineShift),
        SchemeColour(0x3737FF)};
}

TransportColours ReadTransportColours(const SchemeSource& source) {
    return {source.ReadColour(scheme::kBGColour, scheme::kDefaultBGColour),
            source.ReadColour(scheme::kSelectedColour, scheme::kDefaultSelectedColour),
            source.ReadColour(scheme::kButtonColour, scheme::kDefaultButtonColour)};
}

}  // namespace motivra
