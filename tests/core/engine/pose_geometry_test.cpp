#include "core/engine/pose_geometry.h"

#include <gtest/gtest.h>

#include "core/engine/edited_behaviour.h"
#include "core/engine/preview_layout.h"
#include "core/engine/track_store.h"

namespace motivra {
namespace {

using S = ParameterSlot;
using test::Edit;

void ExpectQuad(const Quad& actual, const Quad& expected, const char* what) {
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(actual[i].x, expected[i].x, 1e-12) << what << ", corner " << i;
        EXPECT_NEAR(actual[i].y, expected[i].y, 1e-12) << what << ", corner " << i;
    }
}

// The base picture moved into the middle third (0..1), as every pose of a fresh behaviour lies.
const Quad kCentred{{{0, 0}, {1, 0}, {0, 1}, {1, 1}}};

TEST(PreviewLayout, FreshBehaviourDrawsThreeOutlinesOnTheMiddleThirdWithTheCrossThroughItsCentre) {
    const TrackStore store;
    const PreviewLayout layout = LayoutPreview(store, 300, 240);
    EXPECT_EQ(layout.middleThird, (PixelBox{100, 80, 200, 160}));
    const PixelQuad onEdge{{{100, 80}, {200, 80}, {100, 160}, {200, 160}}};
    EXPECT_EQ(layout.start, onEdge);
    EXPECT_EQ(layout.end, onEdge);
    EXPECT_EQ(layout.current, onEdge);
    EXPECT_EQ(layout.currentCross[0], (PixelLine{{150, 80}, {150, 160}}));
    EXPECT_EQ(layout.currentCross[1], (PixelLine{{100, 120}, {200, 120}}));
    EXPECT_EQ(layout.currentPen, preview::kCurrentPen);
}

TEST(PreviewLayout, PixelsTruncateTowardsZeroBeforeTheThirdIsAdded) {
    // -0.005 x 100 = -0.5 truncates to 0, not -1.
    EXPECT_EQ(PreviewPixel({-0.005, 0.019}, 100, 100), (PixelPoint{100, 101}));
    EXPECT_EQ(PreviewPixel({-1.019, 2.5}, 100, 80), (PixelPoint{-1, 280}));
}

TEST(PreviewLayout, XPositionStartThreeMovesTheStartPoseAThirdOfTheWidthRight) {
    TrackStore store;
    Edit(store, S::XPosition, 3, 2);  // stored 1 to 0
    const PreviewLayout layout = LayoutPreview(store, 300, 240);
    EXPECT_EQ(layout.start[0], (PixelPoint{200, 80}));
    EXPECT_EQ(layout.start[3], (PixelPoint{300, 160}));
    EXPECT_EQ(layout.end[0], (PixelPoint{100, 80}));
    EXPECT_EQ(layout.current[0], (PixelPoint{150, 80}));  // halfway at t = 0.5
}

TEST(PreviewLayout, AlphaGivesTheCurrentPenItsColourOnlyWhenEnabled) {
    struct AlphaCase {
        double alpha;
        bool enabled;
        Colour pen;
    };
    const AlphaCase cases[] = {
        {255, true, MakeColour(127, 255, 127)},
        {0, true, MakeColour(0, 43, 0)},
        {128, true, MakeColour(64, 149, 64)},
        {255, false, preview::kCurrentPen},
    };
    for (const AlphaCase& c : cases) {
        TrackStore store;
        Edit(store, S::Alpha, c.alpha, c.alpha, c.enabled);
        EXPECT_EQ(LayoutPreview(store, 300, 240).currentPen, c.pen)
            << c.alpha << (c.enabled ? " on" : " off");
    }
    // Channels keep their low byte, as a byte-sized channel would.
    EXPECT_EQ(AlphaPenColour(300), MakeColour(150, 37, 150));
}

TEST(PreviewPose, DegreesOneAndAQuarterTurnsEveryPoseAQuarterClockwise) {
    TrackStore store;
    Edit(store, S::Degrees, 1.25, 1.25);  // stored 0.25 turn
    // Clockwise on screen: the top-left corner goes to the top right, the top right to the bottom right.
    const Quad turned{{{1, 0}, {1, 1}, {0, 0}, {0, 1}}};
    ExpectQuad(PreviewPose(store, Pose::Start), turned, "start");
    ExpectQuad(PreviewPose(store, Pose::End), turned, "end");
    ExpectQuad(PreviewPose(store, Pose::Current), turned, "current");
}

TEST(PreviewPose, RotationsTurnOnlyTheCurrentPoseInWholeTurnsAwayFromZero) {
    const Quad halfTurn{{{1, 1}, {0, 1}, {1, 0}, {0, 0}}};
    {
        TrackStore store;
        Edit(store, S::Rotations, 2, 2);
        ExpectQuad(PreviewPose(store, Pose::Current), kCentred, "two whole turns look unrotated");
    }
    {
        TrackStore store;
        Edit(store, S::Rotations, 0, 2);
        store.SetTime(0.25);
        ExpectQuad(PreviewPose(store, Pose::Current), halfTurn, "0 to 2 at a quarter of the time");
        ExpectQuad(PreviewPose(store, Pose::Start), kCentred, "start pose ignores Rotations");
        ExpectQuad(PreviewPose(store, Pose::End), kCentred, "end pose ignores Rotations");
    }
    {
        // Degrees -0.25 turn with 0.25 of Rotations added away from zero: -0.5, a half turn. Adding it
        // towards zero would leave the pose unturned.
        TrackStore store;
        Edit(store, S::Degrees, 0.75, 0.75);
        Edit(store, S::Rotations, 0, 2);
        store.SetTime(0.125);
        ExpectQuad(PreviewPose(store, Pose::Current), halfTurn, "negative Degrees");
    }
}

TEST(PreviewPose, X3DOneAndAHalfMakesTheLeftEdgeTallerTheRightShorterAndTheWidthHalf) {
    TrackStore store;
    Edit(store, S::X3D, 1.5, 1.5);
    const Quad q = PreviewPose(store, Pose::Start);
    EXPECT_NEAR(q[2].y - q[0].y, 1.5, 1e-12);
    EXPECT_NEAR(q[3].y - q[1].y, 0.5, 1e-12);
    EXPECT_NEAR(q[1].x - q[0].x, 0.5, 1e-12);
    EXPECT_NEAR(q[3].x - q[2].x, 0.5, 1e-12);

    TrackStore tilted;
    Edit(tilted, S::Y3D, 0.5, 0.5);
    const Quad t = PreviewPose(tilted, Pose::Start);
    EXPECT_NEAR(t[1].x - t[0].x, 0.5, 1e-12) << "top edge";
    EXPECT_NEAR(t[3].x - t[2].x, 1.5, 1e-12) << "bottom edge";
    EXPECT_NEAR(t[2].y - t[0].y, 0.5, 1e-12) << "height";
}

TEST(PreviewPose, ShearMovesCornersPairwise) {
    TrackStore store;
    Edit(store, S::XShear, 1.5, 1.5);    // h = 0.5
    Edit(store, S::YShear, 1.25, 1.25);  // k = -0.25
    ExpectQuad(PreviewPose(store, Pose::Start), {{{0.5, -0.25}, {1.5, 0.25}, {-0.5, 0.75}, {0.5, 1.25}}},
               "shear");
}

TEST(PreviewPose, ClosedGatesSkipTheirTransformsAndOpenGatesUseBothTracks) {
    {
        TrackStore store;
        Edit(store, S::XScale, 2, 2, false);
        Edit(store, S::Zoom, 3, 3, false);
        ExpectQuad(PreviewPose(store, Pose::Start), kCentred, "disabled scale and zoom");
    }
    {
        // X Scale alone opens the gate; Y Scale holds its default 1.
        TrackStore store;
        Edit(store, S::XScale, 2, 2);
        ExpectQuad(PreviewPose(store, Pose::Start), {{{-0.5, 0}, {1.5, 0}, {-0.5, 1}, {1.5, 1}}},
                   "X Scale only");
    }
    {
        // Position is always applied, enabled or not.
        TrackStore store;
        Edit(store, S::YPosition, 3, 3, false);
        ExpectQuad(PreviewPose(store, Pose::Start), {{{0, 1}, {1, 1}, {0, 2}, {1, 2}}},
                   "disabled Y Position");
    }
}

TEST(PreviewPose, TransformsApplyInOrderScaleBeforeRotationAndPositionLast) {
    TrackStore store;
    Edit(store, S::XScale, 2, 2);
    Edit(store, S::Degrees, 1.25, 1.25);
    Edit(store, S::Zoom, 0.5, 0.5);
    Edit(store, S::XPosition, 3, 3);
    // (-0.5, -0.5) scaled to (-1, -0.5), zoomed to (-0.5, -0.25), turned to (0.25, -0.5), moved by 1.5 and
    // 0.5.
    const Quad q = PreviewPose(store, Pose::Start);
    EXPECT_NEAR(q[0].x, 1.75, 1e-12);
    EXPECT_NEAR(q[0].y, 0, 1e-12);
}

}  // namespace
}  // namespace motivra
