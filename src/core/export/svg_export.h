#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/export/export_note.h"
#include "core/export/layer_frames.h"

namespace motivra {

class PlayableBehaviour;

struct SvgOptions {
    LayerStage stage;
    int iterations = 0;             // plays; 0: forever
    std::string background;         // a colour behind the stage; empty for none
    std::vector<std::uint8_t> png;  // the picture, embedded, of the stage's picture size; empty for a card
    std::string cardText;           // the card's text, UTF-8
};

struct SvgExport {
    std::string svg;
    std::vector<ExportNote> notes;
};

// An animated SVG (SMIL): the picture in nested groups whose translate, rotate, skewX and scale are keyed at
// every frame from the engine's pose, linear between, and its opacity; a tilt adds the pose's exact outline,
// as in Lottie, since SVG cannot tilt a picture either.
SvgExport ExportSvg(const PlayableBehaviour& behaviour, const SvgOptions& options);

}  // namespace motivra
