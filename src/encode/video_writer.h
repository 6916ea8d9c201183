#pragma once

#include <string>

#include "encode/frame_sequence.h"

namespace motivra {

// The containers and codecs a clip is written with, all through FFmpeg's libraries.
enum class VideoKind {
    Apng,  // APNG, lossless RGBA
    Webm,  // WebM with VP9, alpha kept
};

// Writes the frames as an animated PNG or a WebM clip, played `loops` times where the format holds it (APNG;
// 0: forever), atomically: a failure leaves whatever was at `path` before. Every frame shows for the first
// frame's delay (both formats time frames in whole ticks of 1/fps). False with the reason in *error.
bool WriteVideo(const std::string& path, const FrameSequence& frames, int fps, VideoKind kind, int loops,
                std::string* error);

}  // namespace motivra
