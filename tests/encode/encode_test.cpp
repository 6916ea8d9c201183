// The encoders, each file read back with its format's own decoder: GIF by ffmpeg (frame count, every frame's
// delay, the loop block), APNG and WebM by ffmpeg and ffprobe (size, frame count, rate, APNG's plays), WebP
// by libwebp's demuxing decoder (size, frame count, delays, loops), and every frame against the renderer's
// drawing of it: within 30 dB for GIF's palette, 40 dB for the others.
#include <webp/demux.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core/export/export_frames.h"
#include "core/io/file_io.h"
#include "core/player/playable_behaviour.h"
#include "core/player/pose_renderer.h"
#include "encode/frame_sequence.h"
#include "encode/gif_writer.h"
#include "encode/video_writer.h"
#include "encode/webp_writer.h"

namespace motivra {
namespace {

constexpr int kW = 120, kH = 90, kFps = 10, kGifFps = 30;

// A 40 x 30 picture with a gradient, and a see-through corner when `seeThrough`.
std::vector<std::uint8_t> TestPicture(bool seeThrough) {
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
          picture(TestPicture(seeThrough)),
          times(ExportFrameTimes(duration, fps, direction)),
          look(look),
          fps(fps) {}
    std::function<void(int, RgbaView)> Draw() const {
        return [this](int k, RgbaView frame) {
            RenderExportFrame(*behaviour, {picture.data(), 40, 30, 160},
                              times.at(static_cast<std::size_t>(k)), look, frame);
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
std::string FileText(const std::string& path) {
    const auto bytes = ReadWholeFile(path, 64 << 20);
    EXPECT_TRUE(bytes) << path;
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

// What a command that succeeds prints on standard output, through a file of this test program's own: ctest
// runs several side by side.
std::string Output(const std::string& command) {
    const std::string file = testing::TempDir() + "/motivra-output-" + std::to_string(::getpid());
    EXPECT_EQ(std::system((command + " >" + file).c_str()), 0) << command;
    std::string text = FileText(file);
    std::remove(file.c_str());
    return text;
}

// The decoded RGBA frames in `raw` against the clip's frames: a peak signal to noise ratio above `minimum`
// dB, on colours weighted by their alpha (what a viewer sees).
void ExpectFrames(const std::string& raw, const Clip& clip, double minimum) {
    const std::size_t pixels = kW * kH, count = clip.times.size();
    ASSERT_EQ(raw.size(), count * pixels * 4);
    std::vector<std::uint8_t> expected(pixels * 4);
    for (std::size_t k = 0; k < count; ++k) {
        clip.Draw()(static_cast<int>(k), {expected.data(), kW, kH, 4 * kW});
        const auto* a = reinterpret_cast<const std::uint8_t*>(raw.data()) + k * pixels * 4;
        const std::uint8_t* b = expected.data();
        double sum = 0;
        for (std::size_t i = 0; i < 4 * pixels; ++i) {
            const double x = i % 4 == 3 ? a[i] : a[i] * a[i | 3] / 255.0;
            const double y = i % 4 == 3 ? b[i] : b[i] * b[i | 3] / 255.0;
            sum += (x - y) * (x - y);
        }
        const double mse = sum / (4.0 * pixels);
        EXPECT_GT(mse == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mse), minimum) << "frame " << k;
    }
}

TEST(GifWriter, DecodesToTheRenderersFramesWithTheirDelaysAndLoops) {
    // On a colour: GIF has no partial transparency to keep a fading picture's.
    const Clip clip("vmrk-0005", false, 0.5, kGifFps, Direction::Normal,
                    {.transparent = false, .background = 0x204060});
    ASSERT_TRUE(clip.behaviour);
    const std::string path = testing::TempDir() + "/clip.gif";
    std::string why;
    ASSERT_TRUE(WriteAnimatedGif(path, clip.Frames(kW, kH), kGifFps, 3, &why)) << why;
    const std::string b = FileText(path);
    const auto loop = b.find("NETSCAPE2.0");
    ASSERT_NE(loop, std::string::npos);
    EXPECT_EQ(b[loop + 13] | b[loop + 14] << 8, 2) << "played three times: two repeats";
    // Hundredths at 30 a second, each frame ending at the hundredth nearest its time.
    std::vector<int> delays;
    for (auto at = b.find("\x21\xF9\x04"); at != std::string::npos; at = b.find("\x21\xF9\x04", at + 1))
        delays.push_back(static_cast<std::uint8_t>(b[at + 4]) | static_cast<std::uint8_t>(b[at + 5]) << 8);
    EXPECT_EQ(delays, (std::vector<int>{3, 4, 3, 3, 4, 3, 3, 4, 3, 3, 4, 3, 3, 4, 3}));
    ExpectFrames(Output("ffmpeg -v error -i " + path + " -vsync passthrough -f rawvideo -pix_fmt rgba -"),
                 clip, 30);
}

class VideoWriterTest : public testing::TestWithParam<VideoKind> {};

TEST_P(VideoWriterTest, DecodesToTheRenderersFrames) {
    const bool webm = GetParam() == VideoKind::Webm;
    const Clip clip("vmrk-0014", false, 1.5, kFps, Direction::Normal);
    ASSERT_TRUE(clip.behaviour);
    const std::string path = testing::TempDir() + (webm ? "/clip.webm" : "/clip.apng");
    std::string why;
    ASSERT_TRUE(WriteVideo(path, clip.Frames(kW, kH), kFps, GetParam(), 4, &why)) << why;

    const std::string probe = Output(
        "ffprobe -v error -count_frames -show_entries stream=width,height,r_frame_rate,"
        "nb_read_frames -of default=nw=1 " +
        path);
    EXPECT_EQ(probe, "width=120\nheight=90\nr_frame_rate=10/1\nnb_read_frames=15\n");
    if (!webm) {
        const std::string b = FileText(path);
        const auto actl = b.find("acTL"), fctl = b.find("fcTL");
        ASSERT_NE(actl, std::string::npos);
        // Big-endian: 15 frames played 4 times, and a delay of 1/10 s.
        EXPECT_EQ(b.substr(actl + 4, 8), std::string("\0\0\0\x0F\0\0\0\x04", 8));
        EXPECT_EQ(b.substr(fctl + 24, 4), std::string("\0\x01\0\x0A", 4));
    }
    // libvpx's own decoder keeps the alpha that FFmpeg's VP9 decoder drops.
    ExpectFrames(Output(std::string("ffmpeg -v error ") + (webm ? "-c:v libvpx-vp9 " : "") + "-i " + path +
                        " -f rawvideo -pix_fmt rgba -"),
                 clip, 40);
}

INSTANTIATE_TEST_SUITE_P(Kinds, VideoWriterTest, testing::Values(VideoKind::Apng, VideoKind::Webm));

class WebpWriter : public testing::TestWithParam<const char*> {};

TEST_P(WebpWriter, DecodesToTheRenderersFramesWithTheirDelaysAndLoops) {
    const Clip clip(GetParam(), true, 1.2, kFps, Direction::Alternate);
    ASSERT_TRUE(clip.behaviour);
    const std::string path = testing::TempDir() + "/" + GetParam() + ".webp";
    std::string why;
    ASSERT_TRUE(WriteAnimatedWebp(path, clip.Frames(kW, kH), 3, &why)) << why;

    const std::string bytes = FileText(path);
    WebPAnimDecoderOptions options;
    ASSERT_TRUE(WebPAnimDecoderOptionsInit(&options));
    options.color_mode = MODE_RGBA;
    const WebPData data{reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
    WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);
    ASSERT_NE(decoder, nullptr);
    WebPAnimInfo info;
    ASSERT_TRUE(WebPAnimDecoderGetInfo(decoder, &info));
    // 1.2 s at 10 a second, there and back, played three times.
    EXPECT_EQ(std::tie(info.canvas_width, info.canvas_height, info.frame_count, info.loop_count),
              std::make_tuple(120u, 90u, 24u, 3u));
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
    ExpectFrames(raw, clip, 40);
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
