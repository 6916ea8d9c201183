#include "core/player/pose_renderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace motivra {
namespace {

constexpr double kPi = 3.141592653589793;

// An RGBA picture whose pixel (x, y) is red x, green y, blue 7, alpha 255.
struct Picture {
    int width, height;
    std::vector<std::uint8_t> bytes;
    Picture(int w, int h) : width(w), height(h), bytes(static_cast<std::size_t>(w) * h * 4) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) Set(x, y, {std::uint8_t(x), std::uint8_t(y), 7, 255});
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

TEST(PoseRenderer, ARestingPictureIsCopiedAndAMovedOneLeavesTransparency) {
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
}

// Turned by a few degrees: whole pixels well inside, none well outside, and partial ones along the edges.
TEST(PoseRenderer, EdgesAreAntiAliasedAndLieOnThePose) {
    Picture white(100, 80);
    for (auto& b : white.bytes) b = 255;
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
                if (d > 1) {
                    EXPECT_EQ(a, 255) << degrees << " at " << x << "," << y;
                } else if (d < -1) {
                    EXPECT_EQ(a, 0) << degrees << " at " << x << "," << y;
                }
                if (d > -1 && d < 1) {
                    EXPECT_NEAR(a, 255 * std::clamp(d + 0.5, 0.0, 1.0), 3) << degrees;
                }
                partial += a > 20 && a < 235;
            }
        }
        if (std::fmod(degrees, 90) != 0) {
            EXPECT_GT(partial, 100) << degrees << ": the edge is smoothed, not stepped";
        }
    }
}

// A tilt is projective: the picture's middle goes where the diagonals cross, not to the corners' average.
TEST(PoseRenderer, ATiltMapsThroughTheDiagonals) {
    Picture picture(41, 41);
    for (auto& b : picture.bytes) b = 0;
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
}

// Bands drawn on several threads, over a picture enlarged so that runs reach its clamped edge, give the frame
// one thread gives, for a turn and for a tilt.
TEST(PoseRenderer, BandsOnThreadsDrawTheSameFrame) {
    const Picture picture(37, 23);
    const Quad tilt{{{0.2, 0.1}, {0.8, 0.2}, {0.1, 0.9}, {0.95, 0.8}}};
    Quad turned = Rest();
    for (PosePoint& p : turned)
        p = {0.5 + 0.8 * (p.x - 0.5) - 0.3 * (p.y - 0.5), 0.5 + 0.3 * (p.x - 0.5) + 0.8 * (p.y - 0.5)};
    for (const Quad& q : {turned, tilt}) {
        Picture one(301, 157), three(301, 157);
        RenderOptions options;
        RenderPose(picture.View(), one.Frame(), q, options);
        options.threads = 3;
        RenderPose(picture.View(), three.Frame(), q, options);
        EXPECT_EQ(one.bytes, three.bytes);
        EXPECT_GT(one.At(150, 78, 3), 0);
    }
}

TEST(PoseRenderer, OpacityAlphaFormsAndDrawingOver) {
    struct Case {
        bool premultiplied, over;
        std::array<int, 4> expected;  // a half-opaque white on a frame of opaque blue (or cleared)
    };
    const Case cases[] = {
        {false, false, {255, 255, 255, 128}},
        {true, false, {128, 128, 128, 128}},
        {false, true, {128, 128, 255, 255}},
        {true, true, {128, 128, 255, 255}},
    };
    Picture white(8, 8);
    for (auto& b : white.bytes) b = 255;
    for (const Case& c : cases) {
        Picture frame(8, 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) frame.Set(x, y, {0, 0, 255, 255});
        RenderOptions options;
        options.premultiplied = c.premultiplied;
        options.over = c.over;
        options.opacity = 0.5;
        RenderPose(white.View(), frame.Frame(), Rest(), options);
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(frame.At(4, 4, i), c.expected[i], 1) << c.premultiplied << c.over << " channel " << i;
    }
}

// A pose that cannot be drawn clears the frame (or keeps it when drawing over), and never reads past the
// picture.
TEST(PoseRenderer, APoseThatCannotBeDrawnDrawsNothing) {
    const Picture picture(16, 16);
    const Quad flat{{{0.5, 0.5}, {0.5, 0.5}, {0.5, 0.5}, {0.5, 0.5}}};
    const Quad line{{{0, 0}, {1, 1}, {0.5, 0.5}, {2, 2}}};
    const Quad broken{{{NAN, 0}, {1, 0}, {0, 1}, {1, 1}}};
    const Quad huge = Moved(Rest(), 1e300, -1e300);
    for (const Quad& q : {flat, line, broken, huge}) {
        Picture frame(16, 16);
        RenderPose(picture.View(), frame.Frame(), q, {});
        EXPECT_EQ(frame.bytes, std::vector<std::uint8_t>(frame.bytes.size(), 0));
        Picture kept(16, 16);
        RenderOptions over;
        over.over = true;
        RenderPose(picture.View(), kept.Frame(), q, over);
        EXPECT_EQ(kept.bytes, Picture(16, 16).bytes);
    }
}

}  // namespace
}  // namespace motivra
