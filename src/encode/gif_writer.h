#pragma once

#include <string>

#include "encode/frame_sequence.h"

namespace motivra {

// An animated GIF of the frames through giflib, each frame's 256 colours chosen by libimagequant (dithered),
// played `loops` times (0: forever), written atomically. GIF has no partial transparency: a pixel less than
// half opaque is transparent, any other opaque. Delays are in hundredths of a second, rounded so that they
// add up to the whole. False with the reason in *error.
bool WriteAnimatedGif(const std::string& path, const FrameSequence& frames, int fps, int loops,
                      std::string* error);

}  // namespace motivra
