// APNG and WebM written through FFmpeg's libraries and read back by the ffmpeg and ffprobe programs: the
// asked size, frame count, frame rate and (APNG) plays, and every frame within 40 dB of the renderer's.
#include "encode/video_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "encode/frame_checks.h"

namespace motivra {
namespace {

constexpr int kW = 120, kH = 90, kFps = 10;

std::uint32_t BigEndian(const std::string& b, std::size_t at) {
    return std::uint32_t{static_cast<std::uint8_t>(b[at])} << 24 |
           static_cast<std::uint8_t>(b[at + 1]) << 16 | static_cast<std::uint8_t>(b[at + 2]) << 8 |
           static_cast<std::uint8_t>(b[at + 3]);
}

class VideoWriterTest : public testing::TestWithParam<VideoKind> {};

TEST_P(VideoWriterTest, DecodesToTheRenderersFrames) {
    const bool webm = GetParam() == VideoKind::Webm;
    const test::Clip clip("vmrk-0014", false, 1.5, kFps, Direction::Normal);
    ASSERT_TRUE(clip.behaviour);
    const std::string path = testing::TempDir() + (webm ? "/clip.webm" : "/clip.apng");
    std::string why;
    ASSERT_TRUE(WriteVideo(path, clip.Frames(kW, kH), kFps, GetParam(), 4, &why)) << why;

    const std::string probe = test::Output(
        "ffprobe -v error -count_frames -show_entries stream=width,height,r_frame_rate,"
        "nb_read_frames -of default=nw=1 " +
        path);
    EXPECT_EQ(probe, "width=120\nheight=90\nr_frame_rate=10/1\nnb_read_frames=15\n");
    if (!webm) {
        const std::string b = test::FileText(path);
        const auto actl = b.find("acTL"), fctl = b.find("fcTL");
        ASSERT_NE(actl, std::string::npos);
        EXPECT_EQ(BigEndian(b, actl + 4), 15u) << "frames";
        EXPECT_EQ(BigEndian(b, actl + 8), 4u) << "plays";
        EXPECT_EQ(BigEndian(b, fctl + 24), (1u << 16) | 10u) << "a delay of 1/10 s";
    }
    // libvpx's own decoder keeps the alpha that FFmpeg's VP9 decoder drops.
    const std::string raw = test::Output(std::string("ffmpeg -v error ") + (webm ? "-c:v libvpx-vp9 " : "") +
                                         "-i " + path + " -f rawvideo -pix_fmt rgba -");
    test::ExpectFrames(raw, 15, kW, kH, clip.Draw(), 40);
}

INSTANTIATE_TEST_SUITE_P(Kinds, VideoWriterTest, testing::Values(VideoKind::Apng, VideoKind::Webm));

}  // namespace
}  // namespace motivra
