#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/export/export_frames.h"
#include "core/io/file_io.h"
#include "core/player/playable_behaviour.h"
#include "core/player/pose_renderer.h"
#include "encode/frame_sequence.h"

namespace motivra::test {

// Peak signal to noise ratio of two RGBA frames, on colours weighted by their alpha (what a viewer sees).
inline double Psnr(const std::uint8_t* a, const std::uint8_t* b, std::size_t pixels) {
    double sum = 0;
    for (std::size_t i = 0; i < pixels; ++i)
        for (int c = 0; c < 4; ++c) {
            const double x = c == 3 ? a[4 * i + 3] : a[4 * i + c] * a[4 * i + 3] / 255.0;
            const double y = c == 3 ? b[4 * i + 3] : b[4 * i + c] * b[4 * i + 3] / 255.0;
            sum += (x - y) * (x - y);
        }
    const double mse = sum / (4.0 * pixels);
    return mse == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mse);
}

// A 40 x 30 picture with a gradient, and a see-through corner when `seeThrough`.
inline std::vector<std::uint8_t> TestPicture(bool seeThrough) {
    std::vector<std::uint8_t> picture(40 * 30 * 4);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            std::uint8_t* p = &picture[4 * (y * 40 + x)];
            p[0] = static_cast<std::uint8_t>(6 * x), p[1] = static_cast<std::uint8_t>(8 * y), p[2] = 90;
            p[3] = seeThrough && x < 10 && y < 10 ? 100 : 255;
        }
    return picture;
}

// A sample behaviour played over the test picture at an export's frame times, drawn as the writers draw it.
struct Clip {
    Clip(const std::string& name, bool seeThrough, double duration, int fps, Direction direction,
         FrameLook look = {})
        : behaviour(PlayableBehaviour::Open(std::string(MOTIVRA_BEHAVIOURS) + "/" + name + ".vmr")),
          picture(TestPicture(seeThrough)), times(ExportFrameTimes(duration, fps, direction)), look(look),
          fps(fps) {}
    std::function<void(int, RgbaView)> Draw() const {
        return [this](int k, RgbaView frame) {
            RenderExportFrame(*behaviour, {picture.data(), 40, 30, 160}, times.at(static_cast<std::size_t>(k)),
                              look, frame);
        };
    }
    FrameSequence Frames(int width, int height) const {
        return {width, height, FrameDelays(static_cast<int>(times.size()), fps), Draw()};
    }
    std::optional<PlayableBehaviour> behaviour;
    std::vector<std::uint8_t> picture;
    std::vector<double> times;
    FrameLook look;
    int fps;
};

// A written file's bytes.
inline std::string FileText(const std::string& path) {
    const auto bytes = ReadWholeFile(path, 64 << 20);
    EXPECT_TRUE(bytes) << path;
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

// What a command prints on standard output.
inline std::string Output(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    char chunk[1 << 16];
    for (std::size_t n; (n = fread(chunk, 1, sizeof chunk, pipe)) > 0;) out.append(chunk, n);
    pclose(pipe);
    return out;
}

// Each of `count` decoded RGBA frames of width x height in `raw` against the frame `draw` makes: above
// `minimum` dB.
inline void ExpectFrames(const std::string& raw, int count, int width, int height,
                         const std::function<void(int, RgbaView)>& draw, double minimum) {
    const std::size_t frameBytes = static_cast<std::size_t>(width) * height * 4;
    ASSERT_EQ(raw.size(), count * frameBytes);
    std::vector<std::uint8_t> expected(frameBytes);
    for (int k = 0; k < count; ++k) {
        draw(k, {expected.data(), width, height, 4 * width});
        EXPECT_GT(Psnr(reinterpret_cast<const std::uint8_t*>(raw.data()) + k * frameBytes, expected.data(),
                       frameBytes / 4),
                  minimum)
            << "frame " << k;
    }
}

}  // namespace motivra::test
