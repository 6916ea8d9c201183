#include "core/engine/engine_colours.h"

namespace motivra {

TimelineColours ReadTimelineColours(const SchemeSource& source) {
    return {
        source.ReadNumber(scheme::kBGColour, scheme::kDefaultBGColour),
        source.ReadNumber(scheme::kBaseColour, scheme::kDefaultBaseColour),
        ContrastShift(source.ReadNumber(scheme::kTitleColour, kEngineDefaultTitleColour), kDefaultLineShift),
        0x3737FF};
}

TransportColours ReadTransportColours(const SchemeSource& source) {
    return {source.ReadNumber(scheme::kBGColour, scheme::kDefaultBGColour),
            source.ReadNumber(scheme::kSelectedColour, scheme::kDefaultSelectedColour),
            source.ReadNumber(scheme::kButtonColour, scheme::kDefaultButtonColour)};
}

}  // namespace motivra
