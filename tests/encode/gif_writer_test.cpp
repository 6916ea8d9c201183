// Animated GIF through giflib and libimagequant, read back by ffmpeg: the frame count, every frame's delay
// and the loop block as written, and every frame within 30 dB of the renderer's.
#include "encode/gif_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "encode/frame_checks.h"

namespace motivra {
namespace {

constexpr int kW = 120, kH = 90, kFps = 30;

TEST(GifWriter, DecodesToTheRenderersFramesWithTheirDelaysAndLoops) {
    // On a colour: GIF has no partial transparency to keep a fading picture's.
    FrameLook look;
    look.transparent = false;
    look.background = 0x204060;
    const test::Clip clip("vmrk-0005", false, 0.5, kFps, Direction::Normal, look);
    ASSERT_TRUE(clip.behaviour);
    const std::string path = testing::TempDir() + "/clip.gif";
    std::string why;
    ASSERT_TRUE(WriteAnimatedGif(path, clip.Frames(kW, kH), kFps, 3, &why)) << why;
    const std::string b = test::FileText(path);
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
    test::ExpectFrames(raw, 15, kW, kH, clip.Draw(), 30);
}

}  // namespace
}  // namespace motivra
