#include "core/player/thumbnail_playback.h"

#include <gtest/gtest.h>

#include "core/engine/behaviour_file.h"
#include "support/engine_test_support.h"

namespace motivra {
namespace {

using S = ParameterSlot;

ThumbnailPlayback Played(std::initializer_list<test::EditRow> rows) {
    TrackStore tracks = test::Edited(rows);
    const auto playable = PlayableBehaviour::FromBytes(EncodeBehaviourFile(tracks, "t", {}));
    EXPECT_TRUE(playable);
    return ThumbnailPlayback(*playable);
}

bool Inside(const PixelPoint& p) { return p.x >= 0 && p.x < 96 && p.y >= 0 && p.y < 72; }

// Every tick of the loop stays inside the 96 x 72 cell and the picture at rest keeps its place, so a cell
// that plays neither cuts its behaviour off nor jumps; the pose itself moves from tick to tick.
TEST(ThumbnailPlayback, EveryTickFitsTheFrameAndOnlyThePoseMoves) {
    const ThumbnailPlayback cases[] = {
        Played({{S::Rotations, 0, 1}}),
        Played({{S::XPosition, 2, 5}, {S::YPosition, 2, 1}}),
        Played({{S::Zoom, 1, 4}, {S::Degrees, 0, 0.25}}),
    };
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
}

TEST(ThumbnailPlayback, TheOpacityIsTheAlphaTracks) {
    const ThumbnailPlayback fade = Played({{S::Alpha, 255, 0}});
    EXPECT_DOUBLE_EQ(fade.FrameAt(0, 96, 72).alpha, 255);
    EXPECT_DOUBLE_EQ(fade.FrameAt(0.5, 96, 72).alpha, 127.5);
    const ThumbnailFrame still = Played({}).FrameAt(0.5, 96, 72);
    EXPECT_DOUBLE_EQ(still.alpha, 255);
    EXPECT_EQ(still.pose[0], still.referenceTopLeft) << "at rest the pose is the reference rectangle";
}

}  // namespace
}  // namespace motivra
