// Animated GIF through giflib and libimagequant, read back by ffmpeg: the frame count, every frame's delay
// and the loop block as written, and every frame within 30 dB of the renderer's.
#include "encode/gif_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/export/export_frames.h"
#include "core/io/file_io.h"
#include "core/player/playable_behaviour.h"
#include "encode/frame_checks.h"

namespace motivra {
namespace {

constexpr int kW = 120, kH = 90, kFps = 30;

TEST(GifWriter, DecodesToTheRenderersFramesWithTheirDelaysAndLoops) {
    const auto behaviour = PlayableBehaviour::Open(std::string(MOTIVRA_BEHAVIOURS) + "/vmrk-0005.vmr");
    ASSERT_TRUE(behaviour);
    const std::vector<std::uint8_t> picture = test::TestPicture(false);
    const std::vector<double> times = ExportFrameTimes(0.5, kFps, Direction::Normal);
    // On a colour: GIF has no partial transparency to keep a fading picture's.
    FrameLook look;
    look.transparent = false;
    look.background = 0x204060;
    const auto draw = [&](int k, RgbaView frame) {
        RenderExportFrame(*behaviour, {picture.data(), 40, 30, 160}, times[static_cast<std::size_t>(k)], look,
                          frame);
    };
    const std::string path = testing::TempDir() + "/clip.gif";
    std::string why;
    ASSERT_TRUE(WriteAnimatedGif(path, {kW, kH, FrameDelays(15, kFps), draw}, kFps, 3, &why)) << why;

    const auto bytes = ReadWholeFile(path, 64 << 20);
    ASSERT_TRUE(bytes);
    const std::string b(bytes->begin(), bytes->end());
    const auto loop = b.find("NETSCAPE2.0");
    ASSERT_NE(loop, std::string::npos);
    EXPECT_EQ(b[loop + 13] | b[loop + 14] << 8, 2) << "played three times: two repeats";
    // Hundredths at 30 a second: 3, 4, 3, 3, 4, 3, ... adding up to half a second.
    int total = 0, blocks = 0;
    for (auto at = b.find("\x21\xF9\x04"); at != std::string::npos;
         at = b.find("\x21\xF9\x04", at + 1), ++blocks) {
        const int delay = static_cast<std::uint8_t>(b[at + 4]) | static_cast<std::uint8_t>(b[at + 5]) << 8;
        EXPECT_TRUE(delay == 3 || delay == 4) << delay;
        total += delay;
    }
    EXPECT_EQ(blocks, 15);
    EXPECT_EQ(total, 50);
    const std::string raw =
        test::Output("ffmpeg -v error -i " + path + " -vsync passthrough -f rawvideo -pix_fmt rgba -");
    test::ExpectFrames(raw, 15, kW, kH, draw, 30);
}

}  // namespace
}  // namespace motivra
