#include "core/engine/engine_colours.h"

namespace motivra {

TimelineColours ReadTimelineColours(const SchemeSource& source) {
    return {
        source.ReadDword(scheme::kBGColour, scheme::kDefaultBGColour),
        source.ReadDword(scheme::kBaseColour, scheme::kDefaultBaseColour),
        ContrastShift(source.ReadDword(scheme::kTitleColour, kEngineDefaultTitleColour), kDefaultLineShift),
        0x3737FF};
}

TransportColours ReadTransportColours(const SchemeSource& source) {
    return {source.ReadDword(scheme::kBGColour, scheme::kDefaultBGColour),
            source.ReadDword(scheme::kSelectedColour, scheme::kDefaultSelectedColour),
            source.ReadDword(scheme::kButtonColour, scheme::kDefaultButtonColour)};
}

}  // namespace motivra
