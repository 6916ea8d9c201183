// Animated WebP written through libwebp's encoder and read back with its demuxing decoder: the asked size,
// frame count, frame delays and loop count, and every frame within 40 dB of the renderer's drawing of it.
#include "encode/webp_writer.h"

#include <webp/demux.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/io/file_io.h"
#include "encode/frame_checks.h"

namespace motivra {
namespace {

constexpr int kW = 120, kH = 90, kFps = 10;

class WebpWriter : public testing::TestWithParam<const char*> {};

TEST_P(WebpWriter, DecodesToTheRenderersFramesWithTheirDelaysAndLoops) {
    const test::Clip clip(GetParam(), true, 1.2, kFps, Direction::Alternate);
    ASSERT_TRUE(clip.behaviour);
    const std::string path = testing::TempDir() + "/" + GetParam() + ".webp";
    std::string why;
    ASSERT_TRUE(WriteAnimatedWebp(path, clip.Frames(kW, kH), 3, &why)) << why;

    const std::string bytes = test::FileText(path);
    WebPAnimDecoderOptions options;
    ASSERT_TRUE(WebPAnimDecoderOptionsInit(&options));
    options.color_mode = MODE_RGBA;
    const WebPData data{reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
    WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);
    ASSERT_NE(decoder, nullptr);
    WebPAnimInfo info;
    ASSERT_TRUE(WebPAnimDecoderGetInfo(decoder, &info));
    EXPECT_EQ(info.canvas_width, static_cast<std::uint32_t>(kW));
    EXPECT_EQ(info.canvas_height, static_cast<std::uint32_t>(kH));
    EXPECT_EQ(info.frame_count, 24u) << "1.2 s at 10 a second, there and back";
    EXPECT_EQ(info.loop_count, 3u);
    std::string raw;
    int previous = 0;
    while (WebPAnimDecoderHasMoreFrames(decoder)) {
        std::uint8_t* decoded = nullptr;
        int timestamp = 0;
        ASSERT_TRUE(WebPAnimDecoderGetNext(decoder, &decoded, &timestamp));
        // The time at which the frame ends.
        EXPECT_EQ(timestamp - previous, 100) << "frame " << raw.size() / (4 * kW * kH);
        previous = timestamp;
        raw.append(reinterpret_cast<const char*>(decoded), 4 * kW * kH);
    }
    WebPAnimDecoderDelete(decoder);
    test::ExpectFrames(raw, 24, kW, kH, clip.Draw(), 40);
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
