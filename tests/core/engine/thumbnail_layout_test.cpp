#include "core/engine/thumbnail_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/engine/edited_behaviour.h"
#include "core/engine/track_store.h"

namespace motivra {
namespace {

using S = ParameterSlot;
using test::Edit;

TEST(ThumbnailLayout, FreshBehaviourFillsTheFrameWithZeroLengthArrows) {
    const TrackStore store;
    const ThumbnailLayout layout = LayoutThumbnail(store, 96, 72);
    ASSERT_TRUE(layout.posesDrawn);
    EXPECT_EQ(layout.startFill, (PixelQuad{{{0, 0}, {95, 0}, {95, 71}, {0, 71}}}));
    EXPECT_EQ(layout.end, (PixelQuad{{{0, 0}, {96, 0}, {0, 72}, {96, 72}}}));
    EXPECT_EQ(layout.referenceTopLeft, (PixelPoint{0, 0}));
    EXPECT_EQ(layout.referenceBottomRight, (PixelPoint{95, 71}));
    for (const PixelLine& arrow : layout.arrows) EXPECT_EQ(arrow.from, arrow.to);
    EXPECT_EQ(layout.endCross[0], (PixelLine{{48, 0}, {48, 72}}));
    EXPECT_EQ(layout.endCrossShadow[1], (PixelLine{{1, 37}, {97, 37}}));
    EXPECT_EQ(layout.glossEllipse, (PixelBox{-24, -60, 120, 30}));
}

TEST(ThumbnailLayout, PositionMovesWithoutTheHalfAndTheOffCentreExtentShiftsByItsOwnRule) {
    TrackStore store;
    Edit(store, S::XPosition, 3, 2);  // stored 1 to 0
    // Extent x -0.5..1.5 (s = 2), y symmetric: ox = -0.5 - 1 / 6.5, oy = -0.5.
    const ThumbnailLayout layout = LayoutThumbnail(store, 96, 72);
    EXPECT_EQ(layout.startFill[0], (PixelPoint{58, 18}));
    EXPECT_EQ(layout.startFill[1], (PixelPoint{104, 18}));  // corner 1 at 105, one pixel in
    EXPECT_EQ(layout.end[0], (PixelPoint{10, 18}));
    EXPECT_EQ(layout.end[3], (PixelPoint{58, 54}));
    EXPECT_EQ(layout.arrows[0], (PixelLine{{58, 18}, {10, 18}}));
    // The untransformed picture is where the end pose (X Position back at 0) lies.
    EXPECT_EQ(layout.referenceTopLeft, (PixelPoint{10, 18}));
    EXPECT_EQ(layout.referenceBottomRight, (PixelPoint{57, 53}));
}

TEST(ThumbnailLayout, OnlyDegreesTurnsTheThumbnailAndDisabledPositionDoesNotMoveIt) {
    const PixelQuad fresh = LayoutThumbnail(TrackStore{}, 96, 72).end;
    {
        TrackStore store;
        Edit(store, S::Rotations, 0.5, 0.5);
        Edit(store, S::Alpha, 0, 0);
        EXPECT_EQ(LayoutThumbnail(store, 96, 72).end, fresh) << "Rotations and Alpha are not drawn";
    }
    {
        TrackStore store;
        Edit(store, S::XPosition, 3, 3, false);
        EXPECT_EQ(LayoutThumbnail(store, 96, 72).end, fresh) << "position gate closed";
    }
    {
        TrackStore store;
        Edit(store, S::Degrees, 1.25, 1.25);  // a quarter turn: corner 0 takes corner 1's place
        const ThumbnailLayout layout = LayoutThumbnail(store, 96, 72);
        EXPECT_NEAR(layout.end[0].x, fresh[1].x, 1);
        EXPECT_NEAR(layout.end[0].y, fresh[1].y, 1);
    }
}

TEST(ThumbnailFit, ScaleIsTheLargerExtentAndSymmetricAxesStayPut) {
    TrackStore store;
    Edit(store, S::XScale, 0.5, 2);
    const ThumbnailFit fit = FitThumbnail(ThumbnailPose(store, Pose::Start), ThumbnailPose(store, Pose::End));
    EXPECT_FALSE(fit.collapsed);
    EXPECT_DOUBLE_EQ(fit.scale, 2);
    EXPECT_DOUBLE_EQ(fit.ox, -0.5);
    EXPECT_DOUBLE_EQ(fit.oy, -0.5);
}

TEST(ThumbnailFit, ACollapsedPictureKeepsTheFrameAndDrawsNoPoses) {
    TrackStore collapsed;
    Edit(collapsed, S::XScale, 0, 0);
    Edit(collapsed, S::YScale, 0, 0);
    TrackStore notANumber;
    Edit(notANumber, S::Zoom, std::numeric_limits<double>::quiet_NaN(), 1);
    TrackStore infinite;
    Edit(infinite, S::Zoom, std::numeric_limits<double>::infinity(), 1);

    for (const TrackStore* store : {&collapsed, &notANumber, &infinite}) {
        const ThumbnailFit fit =
            FitThumbnail(ThumbnailPose(*store, Pose::Start), ThumbnailPose(*store, Pose::End));
        EXPECT_TRUE(fit.collapsed);
        EXPECT_EQ(fit.scale, 1);
        const ThumbnailLayout layout = LayoutThumbnail(*store, 96, 72);
        EXPECT_FALSE(layout.posesDrawn);
        EXPECT_EQ(layout.referenceTopLeft, (PixelPoint{0, 0}));
        EXPECT_EQ(layout.referenceBottomRight, (PixelPoint{95, 71}));
    }
}

TEST(ThumbnailFit, AFlatLineIsNotCollapsed) {
    // Y Scale 0 flattens both poses to a horizontal line: no height, but a width to fit by.
    TrackStore store;
    Edit(store, S::YScale, 0, 0);
    const ThumbnailLayout layout = LayoutThumbnail(store, 96, 72);
    EXPECT_TRUE(layout.posesDrawn);
    EXPECT_EQ(layout.end[0], (PixelPoint{0, 36}));
    EXPECT_EQ(layout.end[3], (PixelPoint{96, 36}));
}

TEST(ThumbnailArrow, HeadPointsAlongTheLineWithItsTipOnTheEnd) {
    const auto head = ArrowHead({{0, 0}, {10, 0}}, 4, 2);
    ASSERT_TRUE(head);
    EXPECT_DOUBLE_EQ((*head)[0].x, 10);
    EXPECT_DOUBLE_EQ((*head)[1].x, 6);
    EXPECT_DOUBLE_EQ((*head)[2].x, 6);
    EXPECT_DOUBLE_EQ(std::abs((*head)[1].y - (*head)[2].y), 4);
    const auto up = ArrowHead({{5, 5}, {5, -5}}, 4, 2);
    ASSERT_TRUE(up);
    EXPECT_DOUBLE_EQ((*up)[1].y, -1) << "the head lies behind the tip, towards the start";
    EXPECT_FALSE(ArrowHead({{3, 3}, {3, 3}})) << "an arrow of zero length";
}

}  // namespace
}  // namespace motivra
