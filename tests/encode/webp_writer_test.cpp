// Animated WebP written through libwebp's encoder and read back with its demuxing decoder: the asked size,
// frame count, frame delays and loop count, and every frame within 40 dB of the renderer's drawing of it.
#include "encode/webp_writer.h"

#include <webp/demux.h>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "core/export/export_frames.h"
#include "core/io/file_io.h"
#include "core/player/playable_behaviour.h"
#include "encode/frame_checks.h"

namespace motivra {
namespace {

constexpr int kW = 120, kH = 90, kFps = 10;

class WebpWriter : public testing::TestWithParam<const char*> {};

TEST_P(WebpWriter, DecodesToTheRenderersFramesWithTheirDelaysAndLoops) {
    const auto behaviour =
        PlayableBehaviour::Open(std::string(MOTIVRA_BEHAVIOURS) + "/" + GetParam() + ".vmr");
    ASSERT_TRUE(behaviour);
    const std::vector<std::uint8_t> picture = test::TestPicture(true);
    const std::vector<double> times = ExportFrameTimes(1.2, kFps, Direction::Alternate);
    const FrameLook look;
    const auto draw = [&](int k, RgbaView frame) {
        RenderExportFrame(*behaviour, {picture.data(), 40, 30, 160}, times[static_cast<std::size_t>(k)], look,
                          frame);
    };
    FrameSequence frames{kW, kH, FrameDelays(static_cast<int>(times.size()), kFps), draw};
    const std::string path = testing::TempDir() + "/" + GetParam() + ".webp";
    std::string why;
    ASSERT_TRUE(WriteAnimatedWebp(path, frames, 3, &why)) << why;

    const auto bytes = ReadWholeFile(path, 64 << 20);
    ASSERT_TRUE(bytes);
    WebPAnimDecoderOptions options;
    ASSERT_TRUE(WebPAnimDecoderOptionsInit(&options));
    options.color_mode = MODE_RGBA;
    const WebPData data{bytes->data(), bytes->size()};
    WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);
    ASSERT_NE(decoder, nullptr);
    WebPAnimInfo info;
    ASSERT_TRUE(WebPAnimDecoderGetInfo(decoder, &info));
    EXPECT_EQ(info.canvas_width, static_cast<std::uint32_t>(kW));
    EXPECT_EQ(info.canvas_height, static_cast<std::uint32_t>(kH));
    EXPECT_EQ(info.frame_count, 24u) << "1.2 s at 10 a second, there and back";
    EXPECT_EQ(info.loop_count, 3u);
    std::vector<std::uint8_t> expected(kW * kH * 4);
    int k = 0, previous = 0;
    while (WebPAnimDecoderHasMoreFrames(decoder)) {
        std::uint8_t* decoded = nullptr;
        int timestamp = 0;
        ASSERT_TRUE(WebPAnimDecoderGetNext(decoder, &decoded, &timestamp));
        EXPECT_EQ(timestamp - previous, 100) << "frame " << k;  // the time at which the frame ends
        previous = timestamp;
        draw(k, {expected.data(), kW, kH, 4 * kW});
        EXPECT_GT(test::Psnr(decoded, expected.data(), kW * kH), 40) << "frame " << k;
        ++k;
    }
    EXPECT_EQ(k, 24);
    WebPAnimDecoderDelete(decoder);
}

INSTANTIATE_TEST_SUITE_P(Samples, WebpWriter, testing::Values("vmrk-0005", "vmrk-0014", "vmrk-0000"));

TEST(WebpWriterFailure, AFailedWriteKeepsTheFileThatWasThere) {
    const std::string path = testing::TempDir() + "/kept.webp";
    const std::vector<std::uint8_t> before{1, 2, 3};
    ASSERT_TRUE(WriteFileAtomically(path, before));
    FrameSequence none{kW, kH, {}, [](int, RgbaView) {}};
    std::string why;
    EXPECT_FALSE(WriteAnimatedWebp(path, none, 0, &why));
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(ReadWholeFile(path, 16), before);
}

}  // namespace
}  // namespace motivra
