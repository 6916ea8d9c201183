#include "core/player/playable_behaviour.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/engine/behaviour_file.h"
#include "core/player/effect_clock.h"
#include "support/engine_test_support.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

using S = ParameterSlot;

std::vector<std::uint8_t> FileOf(TrackStore tracks) { return EncodeBehaviourFile(tracks, "t", {}); }

// A file's pose is the editor's after Load: a track the file does not enable moves nothing, whatever values
// it carries, and the Alpha track is the opacity while it is enabled. Positions rest at 2 in editor units.
TEST(PlayableBehaviour, PosesAreTheEditorsAfterLoad) {
    const auto playable = PlayableBehaviour::FromBytes(FileOf(test::Edited({
        {S::XPosition, 2, 3},
        {S::YPosition, 2.7, 2.7, false},  // disabled, yet not at home
        {S::Alpha, 255, 55},
    })));
    ASSERT_TRUE(playable);
    const Quad start = playable->PoseAt(0), end = playable->PoseAt(1), past = playable->PoseAt(7);
    EXPECT_DOUBLE_EQ(start[0].x, 0);
    EXPECT_DOUBLE_EQ(start[0].y, 0) << "Y Position is not enabled";
    EXPECT_DOUBLE_EQ(end[0].x, 1);
    EXPECT_DOUBLE_EQ(past[0].x, 1) << "times are clamped";
    EXPECT_DOUBLE_EQ(playable->AlphaAt(0.5), 155);
    EXPECT_DOUBLE_EQ(playable->Value(static_cast<int>(S::XPosition), 0.25), 2.25);

    const auto opaque = PlayableBehaviour::FromBytes(FileOf(test::Edited({{S::Alpha, 10, 10, false}})));
    ASSERT_TRUE(opaque);
    EXPECT_DOUBLE_EQ(opaque->AlphaAt(0.5), 255);
}

TEST(PlayableBehaviour, WhatCannotBeReadIsRefusedWithItsReason) {
    const test::TempDir folder;
    std::vector<std::uint8_t> cut = FileOf(test::Edited({{S::Zoom, 1, 2}}));
    cut.resize(cut.size() / 2);
    test::WriteBytes(folder.File("cut.vmr"), cut);
    const std::pair<std::string, std::string> cases[] = {
        {folder.File("missing.vmr"), "No such file or directory"},
        {folder.Path().string(), "not a regular file"},
        {folder.File("cut.vmr"), "not a whole behaviour file"},
    };
    for (const auto& [path, reason] : cases) {
        std::string why;
        EXPECT_FALSE(PlayableBehaviour::Open(path, &why));
        EXPECT_EQ(why, path + ": " + reason);
    }
}

TEST(EffectClock, TheHostsClockThePositionAndClocksThatAreNoTime) {
    struct Case {
        EffectTiming timing;
        double clock;
        double t;
        bool ignored;
    };
    const Case cases[] = {
        {{2, false, 0, -1}, 1, 0.5, false},    {{2, false, 0, -1}, 5, 1, false},
        {{2, true, 0, -1}, 5, 0.5, false},     {{2, false, 1, -1}, 0.5, 0, false},
        {{2, false, 1, -1}, 2, 0.5, false},    {{2, false, 0, 0.25}, 1, 0.25, false},
        {{2, false, 0, 3}, 1, 1, false},       {{2, false, 0, -1}, NAN, 0, true},
        {{2, false, 0, -1}, -3, 0, true},      {{2, false, 0, 0.75}, INFINITY, 0.75, true},
        {{0, false, 0, -1}, 1, 1, false},      {{NAN, true, NAN, -1}, 1, 1, false},
    };
    for (const Case& c : cases) {
        const EffectTime time = EffectTimeAt(c.timing, c.clock);
        EXPECT_DOUBLE_EQ(time.t, c.t) << c.clock << " offset " << c.timing.offset;
        EXPECT_EQ(time.clockIgnored, c.ignored) << c.clock;
    }
}

}  // namespace
}  // namespace motivra
