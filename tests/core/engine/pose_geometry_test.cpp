#include "core/engine/pose_geometry.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/engine/preview_layout.h"
#include "core/engine/thumbnail_layout.h"
#include "support/engine_test_support.h"

namespace motivra {
namespace {

using S = ParameterSlot;
using test::Edited;

TEST(PreviewLayout, PosesLieOnTheMiddleThirdMoveByThirdsTruncateTowardsZeroAndAlphaColoursThePen) {
    const PreviewLayout layout = LayoutPreview(TrackStore{}, 300, 240);
    EXPECT_EQ(layout.middleThird, (PixelBox{100, 80, 200, 160}));
    const PixelQuad onEdge{{{100, 80}, {200, 80}, {100, 160}, {200, 160}}};
    EXPECT_EQ(layout.start, onEdge) << "a fresh behaviour's three poses";
    EXPECT_EQ(layout.end, onEdge);
    EXPECT_EQ(layout.current, onEdge);
    EXPECT_EQ(layout.currentCross[0], (PixelLine{{150, 80}, {150, 160}}));
    EXPECT_EQ(layout.currentCross[1], (PixelLine{{100, 120}, {200, 120}}));

    const PreviewLayout moved = LayoutPreview(Edited({{S::XPosition, 3, 2}}), 300, 240);  // stored 1 to 0
    EXPECT_EQ(moved.start[0], (PixelPoint{200, 80})) << "X Position start 3: a third of the width right";
    EXPECT_EQ(moved.end[0], (PixelPoint{100, 80}));
    EXPECT_EQ(moved.current[0], (PixelPoint{150, 80}));  // halfway at t = 0.5
    // -0.005 x 100 = -0.5 truncates to 0, not -1, before the third is added.
    EXPECT_EQ(PreviewPixel({-0.005, 0.019}, 100, 100), (PixelPoint{100, 101}));
    EXPECT_EQ(PreviewPixel({-1.019, 2.5}, 100, 80), (PixelPoint{-1, 280}));

    const auto pen = [](double alpha, bool on) {
        return LayoutPreview(Edited({{S::Alpha, alpha, alpha, on}}), 300, 240).currentPen;
    };
    EXPECT_EQ(pen(255, true), MakeColour(127, 255, 127));
    EXPECT_EQ(pen(0, true), MakeColour(0, 43, 0));
    EXPECT_EQ(pen(0, false), preview::kCurrentPen);
    EXPECT_EQ(AlphaPenColour(300), MakeColour(150, 37, 150)) << "channels keep their low byte";
}

// Corners 0 to 3 as x, y pairs.
Quad Corners(double x0, double y0, double x1, double y1, double x2, double y2, double x3, double y3) {
    return {{{x0, y0}, {x1, y1}, {x2, y2}, {x3, y3}}};
}

TEST(PreviewPose, TransformsTheirGatesAndTheRotationsRule) {
    const Quad centred = Corners(0, 0, 1, 0, 0, 1, 1, 1);
    // Clockwise on screen: the top-left corner goes to the top right, the top right to the bottom right.
    const Quad quarterTurn = Corners(1, 0, 1, 1, 0, 0, 0, 1);
    const Quad halfTurn = Corners(1, 1, 0, 1, 1, 0, 0, 0);
    struct PoseCase {
        const char* what;
        Quad expected;
        TrackStore store;
        double time = 0.5;
        Pose pose = Pose::Start;
    };
    const PoseCase cases[] = {
        {"Degrees 1.25", quarterTurn, Edited({{S::Degrees, 1.25, 1.25}}), 0.5, Pose::Current},
        {"Rotations 2 look unrotated", centred, Edited({{S::Rotations, 2, 2}}), 0.5, Pose::Current},
        {"Rotations 0 to 2 at 0.25", halfTurn, Edited({{S::Rotations, 0, 2}}), 0.25, Pose::Current},
        {"the start pose ignores Rotations", centred, Edited({{S::Rotations, 0, 2}}), 0.25},
        // -0.25 turn plus 0.25 away from zero is a half turn; towards zero would leave it unturned.
        {"Rotations away from zero", halfTurn, Edited({{S::Degrees, 0.75, 0.75}, {S::Rotations, 0, 2}}),
         0.125, Pose::Current},
        // Left edge 1.5 high, right 0.5, width half; then top edge half, bottom 1.5, height half.
        {"X 3D 1.5", Corners(0.25, -0.25, 0.75, 0.25, 0.25, 1.25, 0.75, 0.75), Edited({{S::X3D, 1.5, 1.5}})},
        {"Y 3D 0.5", Corners(0.25, 0.25, 0.75, 0.25, -0.25, 0.75, 1.25, 0.75), Edited({{S::Y3D, 0.5, 0.5}})},
        {"shear", Corners(0.5, -0.25, 1.5, 0.25, -0.5, 0.75, 0.5, 1.25),
         Edited({{S::XShear, 1.5, 1.5}, {S::YShear, 1.25, 1.25}})},
        // Closed gates skip scale and zoom, but position is always applied; X Scale alone opens the scale
        // gate.
        {"closed gates", Corners(0, 1, 1, 1, 0, 2, 1, 2),
         Edited({{S::XScale, 2, 2, false}, {S::Zoom, 3, 3, false}, {S::YPosition, 3, 3, false}})},
        {"X Scale alone", Corners(-0.5, 0, 1.5, 0, -0.5, 1, 1.5, 1), Edited({{S::XScale, 2, 2}})},
        // Scaled to 2 x 1, zoomed by half, turned a quarter, then moved right by 1.
        {"scale, zoom, rotation, position", Corners(1.75, 0, 1.75, 1, 1.25, 0, 1.25, 1),
         Edited({{S::XScale, 2, 2}, {S::Degrees, 1.25, 1.25}, {S::Zoom, 0.5, 0.5}, {S::XPosition, 3, 3}})},
    };
    for (PoseCase c : cases) {
        c.store.SetTime(c.time);
        const Quad q = PreviewPose(c.store, c.pose);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_NEAR(q[i].x, c.expected[i].x, 1e-12) << c.what << ", corner " << i;
            EXPECT_NEAR(q[i].y, c.expected[i].y, 1e-12) << c.what << ", corner " << i;
        }
    }
}

TEST(ThumbnailLayout, FreshBehaviourFillsTheFrameWithZeroLengthArrows) {
    const ThumbnailLayout layout = LayoutThumbnail(TrackStore{}, 96, 72);
    ASSERT_TRUE(layout.posesDrawn);
    EXPECT_EQ(layout.startFill, (PixelQuad{{{0, 0}, {95, 0}, {95, 71}, {0, 71}}}));
    EXPECT_EQ(layout.end, (PixelQuad{{{0, 0}, {96, 0}, {0, 72}, {96, 72}}}));
    for (const PixelLine& arrow : layout.arrows) {
        EXPECT_EQ(arrow.from, arrow.to);
        EXPECT_FALSE(ArrowHead(arrow)) << "no head on an arrow of no length";
    }
    EXPECT_EQ(layout.endCross[0], (PixelLine{{48, 0}, {48, 72}}));
}

TEST(ThumbnailLayout, PositionMovesWithoutTheHalfAndTheOffCentreExtentShiftsTheFit) {
    // Extent x -0.5..1.5 (s = 2), y symmetric: ox = -0.5 - 1 / 6.5, oy = -0.5.
    const ThumbnailLayout layout = LayoutThumbnail(Edited({{S::XPosition, 3, 2}}), 96, 72);
    EXPECT_EQ(layout.startFill[0], (PixelPoint{58, 18}));
    EXPECT_EQ(layout.startFill[1], (PixelPoint{104, 18}));  // corner 1 at 105, one pixel in
    EXPECT_EQ(layout.arrows[0], (PixelLine{{58, 18}, {10, 18}}));
    // The untransformed picture is where the end pose (X Position back at 0) lies.
    EXPECT_EQ(layout.referenceTopLeft, (PixelPoint{10, 18}));
    EXPECT_EQ(layout.referenceBottomRight, (PixelPoint{57, 53}));
}

TEST(ThumbnailLayout, OnlyDegreesTurnsTheThumbnailAndDisabledPositionDoesNotMoveIt) {
    const PixelQuad fresh = LayoutThumbnail(TrackStore{}, 96, 72).end;
    EXPECT_EQ(LayoutThumbnail(Edited({{S::Rotations, 0.5, 0.5}, {S::Alpha, 0, 0}}), 96, 72).end, fresh);
    EXPECT_EQ(LayoutThumbnail(Edited({{S::XPosition, 3, 3, false}}), 96, 72).end, fresh);
    const PixelQuad turned = LayoutThumbnail(Edited({{S::Degrees, 1.25, 1.25}}), 96, 72).end;
    EXPECT_NEAR(turned[0].x, fresh[1].x, 1) << "a quarter turn: corner 0 takes corner 1's place";
    EXPECT_NEAR(turned[0].y, fresh[1].y, 1);
}

TEST(ThumbnailLayout, ACollapsedPictureKeepsTheFrameAndDrawsNoPosesButAFlatLineIsFitted) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const TrackStore& store : {Edited({{S::XScale, 0, 0}, {S::YScale, 0, 0}}),
                                    Edited({{S::Zoom, nan, 1}}), Edited({{S::Zoom, inf, 1}})}) {
        const ThumbnailLayout layout = LayoutThumbnail(store, 96, 72);
        EXPECT_FALSE(layout.posesDrawn);
        EXPECT_EQ(layout.referenceTopLeft, (PixelPoint{0, 0}));
        EXPECT_EQ(layout.referenceBottomRight, (PixelPoint{95, 71}));
    }
    // Y Scale 0 leaves no height but a width to fit by.
    const ThumbnailLayout flat = LayoutThumbnail(Edited({{S::YScale, 0, 0}}), 96, 72);
    EXPECT_TRUE(flat.posesDrawn);
    EXPECT_EQ(flat.end[0], (PixelPoint{0, 36}));
    EXPECT_EQ(flat.end[3], (PixelPoint{96, 36}));
}

}  // namespace
}  // namespace motivra
