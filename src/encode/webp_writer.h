#pragma once

#include <string>

#include "encode/frame_sequence.h"

namespace motivra {

// An animated WebP of the frames, played `loops` times (0: forever), written atomically: a failure leaves
// whatever was at `path` before. Lossy at a quality that keeps every frame above 40 dB of its drawing, with
// the alpha lossless. False with the reason in *error.
bool WriteAnimatedWebp(const std::string& path, const FrameSequence& frames, int loops, std::string* error);

}  // namespace motivra
