#include "core/player/pose_renderer.h"

#include <gtest/gtest.h>
#include <motivra/motivra.h>

#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

#include "core/engine/behaviour_file.h"
#include "core/player/effect_clock.h"
#include "core/player/playable_behaviour.h"
#include "core/player/thumbnail_playback.h"
#include "support/engine_test_support.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

constexpr double kPi = 3.141592653589793;

// An RGBA picture whose pixel (x, y) is red x, green y, blue 7, alpha 255.
struct Picture {
    int width, height;
    std::vector<std::uint8_t> bytes;
    // Every pixel the given colour instead.
    Picture(int w, int h, std::optional<std::array<std::uint8_t, 4>> fill = std::nullopt)
        : width(w), height(h), bytes(static_cast<std::size_t>(w) * h * 4) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                Set(x, y,
                    fill.value_or(std::array<std::uint8_t, 4>{std::uint8_t(x), std::uint8_t(y), 7, 255}));
    }
    void Set(int x, int y, std::array<std::uint8_t, 4> c) {
        for (int i = 0; i < 4; ++i) bytes[(static_cast<std::size_t>(y) * width + x) * 4 + i] = c[i];
    }
    std::uint8_t At(int x, int y, int channel) const {
        return bytes[(static_cast<std::size_t>(y) * width + x) * 4 + channel];
    }
    ConstRgbaView View() const { return {bytes.data(), width, height, 4 * width}; }
    RgbaView Frame() { return {bytes.data(), width, height, 4 * width}; }
};

Quad Moved(Quad q, double dx, double dy) {
    for (PosePoint& p : q) p = {p.x + dx, p.y + dy};
    return q;
}

// BaseQuad moved to rest in the frame (0..1 on both axes), as PreviewPose gives it.
Quad Rest() { return Moved(BaseQuad(), 0.5, 0.5); }

// Whether a frame point lies inside the quad by at least `margin` pixels (convex quads, either winding).
double Inside(const Quad& q, double x, double y) {
    const PosePoint ring[4] = {q[0], q[1], q[3], q[2]};
    double area = 0;
    for (int i = 0; i < 4; ++i) area += ring[i].x * ring[(i + 1) % 4].y - ring[(i + 1) % 4].x * ring[i].y;
    double nearest = 1e9;
    for (int i = 0; i < 4; ++i) {
        const PosePoint a = ring[i], b = ring[(i + 1) % 4];
        const double d =
            ((b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x)) / std::hypot(b.x - a.x, b.y - a.y);
        nearest = std::min(nearest, area > 0 ? d : -d);
    }
    return nearest;
}

TEST(PoseRenderer, ARestingPictureIsCopiedAMovedOneLeavesTransparencyAndABrokenOneNothing) {
    const Picture picture(64, 48);
    Picture frame(64, 48);
    RenderPose(picture.View(), frame.Frame(), Rest(), {});
    EXPECT_EQ(frame.bytes, picture.bytes) << "pixel centres land on pixel centres";

    RenderPose(picture.View(), frame.Frame(), Moved(Rest(), 0.5, 0), {});  // half a frame width right
    EXPECT_EQ(frame.At(10, 20, 3), 0);
    EXPECT_EQ(frame.At(40, 20, 0), 8) << "column 40 shows the picture's column 8";
    EXPECT_EQ(frame.At(40, 20, 3), 255);

    Picture third(96, 72);
    RenderOptions preview;
    preview.placement = Placement::MiddleThird;
    RenderPose(picture.View(), third.Frame(), Rest(), preview);
    EXPECT_EQ(third.At(31, 30, 3), 0);
    EXPECT_EQ(third.At(32, 24, 3), 255) << "the middle third";
    EXPECT_EQ(third.At(64, 30, 3), 0);

    // A pose that cannot be drawn clears the frame (or keeps it when drawing over), and never reads past the
    // picture.
    const Quad flat{{{0.5, 0.5}, {0.5, 0.5}, {0.5, 0.5}, {0.5, 0.5}}};
    const Quad line{{{0, 0}, {1, 1}, {0.5, 0.5}, {2, 2}}};
    const Quad broken{{{NAN, 0}, {1, 0}, {0, 1}, {1, 1}}};
    const Quad huge = Moved(Rest(), 1e300, -1e300);
    for (const Quad& q : {flat, line, broken, huge}) {
        frame = Picture(64, 48);
        RenderPose(picture.View(), frame.Frame(), q, {});
        EXPECT_EQ(frame.bytes, std::vector<std::uint8_t>(frame.bytes.size(), 0));
        Picture kept(16, 16);
        RenderOptions over;
        over.over = true;
        RenderPose(picture.View(), kept.Frame(), q, over);
        EXPECT_EQ(kept.bytes, Picture(16, 16).bytes);
    }
}

// Turned by a few degrees: whole pixels well inside, none well outside, and partial ones along the edges.
TEST(PoseRenderer, EdgesAreAntiAliasedAndLieOnThePose) {
    const Picture white(100, 80, {{255, 255, 255, 255}});
    // 180 degrees: edges a rounding error away from flat, with a row a quarter covered.
    for (const double degrees : {3.0, 30.0, 180.0, 181.0}) {
        Quad q = BaseQuad();
        const double c = std::cos(degrees * kPi / 180) * 0.6, s = std::sin(degrees * kPi / 180) * 0.6;
        for (PosePoint& p : q) p = {c * p.x - s * p.y + 0.5, s * p.x + c * p.y + 0.5025};
        Picture frame(100, 80);
        RenderPose(white.View(), frame.Frame(), q, {});
        const Quad px = FrameCorners(q, Placement::WholeFrame, 100, 80);
        int partial = 0;
        for (int y = 0; y < 80; ++y) {
            for (int x = 0; x < 100; ++x) {
                const double d = Inside(px, x + 0.5, y + 0.5);
                const int a = frame.At(x, y, 3);
                // Exact a pixel or more from an edge, the covered fraction nearer to it.
                const double tolerance = std::abs(d) > 1 ? 0 : 3;
                EXPECT_NEAR(a, 255 * std::clamp(d + 0.5, 0.0, 1.0), tolerance)
                    << degrees << " at " << x << "," << y;
                partial += a > 20 && a < 235;
            }
        }
        if (std::fmod(degrees, 90) != 0) {
            EXPECT_GT(partial, 100) << degrees << ": the edge is smoothed, not stepped";
        }
    }
}

// A tilt is projective: the picture's middle goes where the diagonals cross, not to the corners' average.
TEST(PoseRenderer, ATiltMapsThroughTheDiagonalsAndBandsOnThreadsDrawTheSameFrame) {
    Picture picture(41, 41, {{0, 0, 0, 0}});
    for (int y = 19; y <= 21; ++y)
        for (int x = 19; x <= 21; ++x) picture.Set(x, y, {255, 255, 255, 255});
    const Quad q{{{0.3, 0.1}, {0.7, 0.1}, {0.05, 0.9}, {0.95, 0.9}}};  // a trapezoid, near edge at the bottom
    Picture frame(200, 200);
    RenderPose(picture.View(), frame.Frame(), q, {});
    double sx = 0, sy = 0, n = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) {
            const double w = frame.At(x, y, 0);
            sx += w * (x + 0.5);
            sy += w * (y + 0.5);
            n += w;
        }
    ASSERT_GT(n, 0);
    // Diagonals TL-BR and TR-BL of the trapezoid cross at y = 200 * (0.1 + 0.8 * 0.4 / 1.3).
    EXPECT_NEAR(sx / n, 100, 1);
    EXPECT_NEAR(sy / n, 200 * (0.1 + 0.8 * 0.4 / 1.3), 1.5);

    // Bands drawn on several threads, over a picture enlarged so that runs reach its clamped edge, give the
    // frame one thread gives, for a turn and for a tilt.
    const Picture gradient(37, 23);
    Quad turned = Rest();
    for (PosePoint& p : turned)
        p = {0.5 + 0.8 * (p.x - 0.5) - 0.3 * (p.y - 0.5), 0.5 + 0.3 * (p.x - 0.5) + 0.8 * (p.y - 0.5)};
    for (const Quad& pose : {turned, q}) {
        Picture one(301, 157), three(301, 157);
        RenderOptions options;
        RenderPose(gradient.View(), one.Frame(), pose, options);
        options.threads = 3;
        RenderPose(gradient.View(), three.Frame(), pose, options);
        EXPECT_EQ(one.bytes, three.bytes);
        EXPECT_GT(one.At(150, 78, 3), 0);
    }
}

TEST(PoseRenderer, OpacityAlphaFormsAndDrawingOver) {
    const struct {
        bool premultiplied, over;
        std::array<int, 4> expected;  // a half-opaque white on a frame of opaque blue (or cleared)
    } cases[] = {{false, false, {255, 255, 255, 128}},
                 {true, false, {128, 128, 128, 128}},
                 {false, true, {128, 128, 255, 255}},
                 {true, true, {128, 128, 255, 255}}};
    const Picture white(8, 8, {{255, 255, 255, 255}});
    for (const auto& c : cases) {
        Picture frame(8, 8, {{0, 0, 255, 255}});
        RenderOptions options;
        options.premultiplied = c.premultiplied;
        options.over = c.over;
        options.opacity = 0.5;
        RenderPose(white.View(), frame.Frame(), Rest(), options);
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(frame.At(4, 4, i), c.expected[i], 1) << c.premultiplied << c.over << " channel " << i;
    }
}

using S = ParameterSlot;

std::vector<std::uint8_t> FileOf(TrackStore tracks) { return EncodeBehaviourFile(tracks, "t", {}); }

// The C interface answers every bad argument with an error, and its good answers are the core's.
struct Opened {
    motivra_behaviour* b;
    Opened() {
        const auto bytes = FileOf(test::Edited({{S::Degrees, 0, 1}, {S::Alpha, 255, 0}}));
        b = motivra_open_memory(bytes.data(), bytes.size(), nullptr, 0);
    }
    ~Opened() { motivra_close(b); }
};

TEST(CInterface, OpensEvaluatesPosesAndRendersAndAnswersEveryBadArgumentWithAnError) {
    Opened o;
    ASSERT_NE(o.b, nullptr);
    motivra_header header;
    ASSERT_EQ(motivra_read_header(o.b, &header), MOTIVRA_OK);
    EXPECT_STREQ(header.thumbnail_text, "t");
    motivra_track track;
    ASSERT_EQ(motivra_read_track(o.b, MOTIVRA_DEGREES, &track), MOTIVRA_OK);
    EXPECT_TRUE(track.enabled);
    EXPECT_EQ(track.end, 1);
    double values[MOTIVRA_PARAMETER_COUNT];
    ASSERT_EQ(motivra_evaluate(o.b, 0.5, values), MOTIVRA_OK);
    EXPECT_DOUBLE_EQ(values[MOTIVRA_DEGREES], 0.5);
    double corners[8], alpha = 0;
    ASSERT_EQ(motivra_pose(o.b, 0.5, MOTIVRA_WHOLE_FRAME, 100, 100, corners, &alpha), MOTIVRA_OK);
    EXPECT_NEAR(corners[0], 100, 1e-9) << "half a turn: the top left corner is bottom right";
    EXPECT_NEAR(corners[1], 100, 1e-9);
    EXPECT_NEAR(alpha, 127.5, 1e-9);
    std::vector<std::uint8_t> picture(4 * 4 * 4, 255), frame(10 * 10 * 4, 9);
    ASSERT_EQ(motivra_render(o.b, 0, picture.data(), 4, 4, 16, frame.data(), 10, 10, 40, MOTIVRA_WHOLE),
              MOTIVRA_OK);
    EXPECT_EQ(frame[4 * 55 + 3], 255);
    EXPECT_STREQ(motivra_parameter_name(MOTIVRA_X_3D), "X 3D");
    EXPECT_STREQ(motivra_version(), MOTIVRA_TEST_VERSION);

    char why[64] = "unchanged";
    const std::uint8_t damaged[] = {0x71, 0x13, 1, 0};
    EXPECT_EQ(motivra_open(nullptr, why, sizeof why), nullptr);
    EXPECT_STREQ(why, "no path");
    EXPECT_EQ(motivra_open("/nonexistent/x.vmr", why, 8), nullptr);
    EXPECT_STREQ(why, "/nonexi") << "the reason is cut to the buffer, NUL included";
    EXPECT_EQ(motivra_open_memory(damaged, sizeof damaged, why, sizeof why), nullptr);
    EXPECT_STREQ(why, "not a whole behaviour file");
    EXPECT_EQ(motivra_open_memory(nullptr, 4, nullptr, 0), nullptr);
    motivra_close(nullptr);

    std::uint8_t px[64] = {};
    const int errors[] = {motivra_read_header(nullptr, &header),
                          motivra_read_header(o.b, nullptr),
                          motivra_read_track(o.b, MOTIVRA_PARAMETER_COUNT, &track),
                          motivra_read_track(o.b, -1, &track),
                          motivra_read_track(nullptr, 0, &track),
                          motivra_evaluate(o.b, NAN, values),
                          motivra_evaluate(nullptr, 0, values),
                          motivra_evaluate(o.b, 0, nullptr),
                          motivra_pose(o.b, 0, MOTIVRA_WHOLE_FRAME, 0, 10, corners, &alpha),
                          motivra_pose(o.b, 0, 7, 10, 10, corners, &alpha),
                          motivra_pose(o.b, 0, MOTIVRA_WHOLE_FRAME, 10, 10, nullptr, &alpha),
                          motivra_pose(nullptr, 0, MOTIVRA_WHOLE_FRAME, 10, 10, corners, &alpha),
                          motivra_render(o.b, 0, px, 0, 4, 0, px, 4, 4, 16, 0),
                          motivra_render(o.b, 0, px, 4, 4, 8, px, 4, 4, 16, 0),
                          motivra_render(o.b, 0, nullptr, 4, 4, 16, px, 4, 4, 16, 0),
                          motivra_render(o.b, 0, px, 4, 4, 16, px, 4, 0, 16, 0),
                          motivra_render(o.b, 0, px, 4, 4, 16, px, 1 << 20, 1, 1 << 22, 0),
                          motivra_render(o.b, 0, px, 4, 4, 16, px, 4, 4, 16, 64u),
                          motivra_render(nullptr, 0, px, 4, 4, 16, px, 4, 4, 16, 0)};
    for (std::size_t i = 0; i < std::size(errors); ++i) EXPECT_EQ(errors[i], MOTIVRA_ERROR) << "call " << i;
    EXPECT_EQ(motivra_parameter_name(MOTIVRA_PARAMETER_COUNT), nullptr);
    int ignored = 0;
    EXPECT_EQ(motivra_effect_time(NAN, 2, 0, 0, 0.5, &ignored), 0.5);
    EXPECT_EQ(ignored, 1);
}

// A file's pose is the editor's after Load: a track the file does not enable moves nothing, whatever values
// it carries, and the Alpha track is the opacity while it is enabled. Positions rest at 2 in editor units.
TEST(PlayableBehaviour, PosesAreTheEditorsAfterLoadAndWhatCannotBeReadIsRefusedWithItsReason) {
    const auto playable = PlayableBehaviour::FromBytes(FileOf(test::Edited({
        {S::XPosition, 2, 3},
        {S::YPosition, 2.7, 2.7, false},  // disabled, yet not at home
        {S::Alpha, 255, 55},
    })));
    ASSERT_TRUE(playable);
    const Quad start = playable->PoseAt(0), end = playable->PoseAt(1), past = playable->PoseAt(7);
    // Y Position is not enabled, and times are clamped.
    EXPECT_EQ((std::array{start[0].x, start[0].y, end[0].x, past[0].x}), (std::array{0.0, 0.0, 1.0, 1.0}));
    EXPECT_DOUBLE_EQ(playable->AlphaAt(0.5), 155);
    EXPECT_DOUBLE_EQ(playable->Value(static_cast<int>(S::XPosition), 0.25), 2.25);

    const auto opaque = PlayableBehaviour::FromBytes(FileOf(test::Edited({{S::Alpha, 10, 10, false}})));
    ASSERT_TRUE(opaque);
    EXPECT_DOUBLE_EQ(opaque->AlphaAt(0.5), 255);

    const test::TempDir folder;
    std::vector<std::uint8_t> cut = FileOf(test::Edited({{S::Zoom, 1, 2}}));
    cut.resize(cut.size() / 2);
    test::WriteBytes(folder.File("cut.vmr"), cut);
    const std::pair<std::string, std::string> cases[] = {
        {folder.File("missing.vmr"), "No such file or directory"},
        {folder.Path().string(), "not a regular file"},
        {folder.File("cut.vmr"), "not a whole behaviour file"}};
    for (const auto& [path, reason] : cases) {
        std::string why;
        EXPECT_FALSE(PlayableBehaviour::Open(path, &why));
        EXPECT_EQ(why, path + ": " + reason);
    }
}

TEST(EffectClock, TheHostsClockThePositionAndClocksThatAreNoTime) {
    const struct {
        EffectTiming timing;
        double clock;
        double t;
        bool ignored;
    } cases[] = {{{2, false, 0, -1}, 1, 0.5, false}, {{2, false, 0, -1}, 5, 1, false},
                 {{2, true, 0, -1}, 5, 0.5, false},  {{2, false, 1, -1}, 0.5, 0, false},
                 {{2, false, 1, -1}, 2, 0.5, false}, {{2, false, 0, 0.25}, 1, 0.25, false},
                 {{2, false, 0, 3}, 1, 1, false},    {{2, false, 0, -1}, NAN, 0, true},
                 {{2, false, 0, -1}, -3, 0, true},   {{2, false, 0, 0.75}, INFINITY, 0.75, true},
                 {{0, false, 0, -1}, 1, 1, false},   {{NAN, true, NAN, -1}, 1, 1, false}};
    for (const auto& c : cases) {
        const EffectTime time = EffectTimeAt(c.timing, c.clock);
        EXPECT_DOUBLE_EQ(time.t, c.t) << c.clock << " offset " << c.timing.offset;
        EXPECT_EQ(time.clockIgnored, c.ignored) << c.clock;
    }
}

ThumbnailPlayback Played(std::initializer_list<test::EditRow> rows) {
    const auto playable = PlayableBehaviour::FromBytes(FileOf(test::Edited(rows)));
    EXPECT_TRUE(playable);
    return ThumbnailPlayback(*playable);
}

bool Inside(const PixelPoint& p) { return p.x >= 0 && p.x < 96 && p.y >= 0 && p.y < 72; }

// Every tick of the loop stays inside the 96 x 72 cell and the picture at rest keeps its place, so a cell
// that plays neither cuts its behaviour off nor jumps; the pose itself moves from tick to tick.
TEST(ThumbnailPlayback, EveryTickFitsTheFrameOnlyThePoseMovesAndTheOpacityIsTheAlphaTracks) {
    const ThumbnailPlayback cases[] = {Played({{S::Rotations, 0, 1}}),
                                       Played({{S::XPosition, 2, 5}, {S::YPosition, 2, 1}}),
                                       Played({{S::Zoom, 1, 4}, {S::Degrees, 0, 0.25}})};
    for (const ThumbnailPlayback& playback : cases) {
        const ThumbnailFrame first = playback.FrameAt(0, 96, 72);
        PixelQuad previous = first.pose;
        int moves = 0;
        for (int k = 1; k <= 20; ++k) {
            const ThumbnailFrame frame = playback.FrameAt(k * 0.05, 96, 72);
            ASSERT_TRUE(frame.poseDrawn);
            for (const PixelPoint& p : frame.pose) EXPECT_TRUE(Inside(p)) << k << ": " << p.x << "," << p.y;
            EXPECT_EQ(frame.referenceTopLeft, first.referenceTopLeft);
            moves += frame.pose != previous;
            previous = frame.pose;
        }
        EXPECT_GE(moves, 15);
    }
    // The opacity is the Alpha track's, and at rest the pose is the reference rectangle.
    EXPECT_DOUBLE_EQ(Played({{S::Alpha, 255, 0}}).FrameAt(0.5, 96, 72).alpha, 127.5);
    const ThumbnailFrame still = Played({}).FrameAt(0.5, 96, 72);
    EXPECT_DOUBLE_EQ(still.alpha, 255);
    EXPECT_EQ(still.pose[0], still.referenceTopLeft);
}

}  // namespace
}  // namespace motivra
