#include "core/engine/timeline_geometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace motivra {
namespace {

// 201 x 116 pixels: an axis of 200 pixels and a graph of 100 rows under the 15-row band.
const TimelineScale kScale(201, 116, 0, 1);

TimelineTrack Track(std::uint32_t mode, std::uint32_t smooth, double startTime = 0, double endTime = 1) {
    TimelineTrack t;
    t.timeMode = mode;
    t.smooth = smooth;
    t.start = 0;
    t.end = 1;
    t.times = {startTime, endTime};
    return t;
}

TEST(TimelineScale, MapsTimesAcrossAndValuesDownFromTheBand) {
    EXPECT_EQ(kScale.TimeToX(0), 0);
    EXPECT_EQ(kScale.TimeToX(0.25), 50);
    EXPECT_EQ(kScale.TimeToX(1), 200);
    EXPECT_EQ(kScale.ValueToY(1), 15);
    EXPECT_EQ(kScale.ValueToY(0.5), 65);
    EXPECT_EQ(kScale.ValueToY(0), 115);
    EXPECT_EQ(kScale.ValueToY(0.0149), 113);  // 98.51 truncates
    EXPECT_EQ(TimelineScale(201, 116, 2, 2).ValueToY(2), 65) << "a range of zero width";
}

TEST(TimelineScale, TimeUnderAColumnIsClampedToTheRange) {
    EXPECT_DOUBLE_EQ(kScale.XToTime(50), 0.25);
    EXPECT_DOUBLE_EQ(kScale.XToTime(-30), 0);
    EXPECT_DOUBLE_EQ(kScale.XToTime(260), 1);
    EXPECT_DOUBLE_EQ(TimelineScale(1, 40, 0, 1).XToTime(10), 0) << "no axis to measure along";
}

TEST(TimelineCurve, TimeModesDrawFlatPartsAroundAStraightChange) {
    struct CurveCase {
        const char* what;
        TimelineTrack track;
        std::vector<PixelLine> lines;
    };
    const CurveCase cases[] = {
        {"whole duration: one line edge to edge", Track(3, 0), {{{0, 115}, {200, 15}}}},
        {"both times 0.25 and 0.75",
         Track(0, 0, 0.25, 0.75),
         {{{0, 115}, {50, 115}}, {{150, 15}, {200, 15}}, {{50, 115}, {150, 15}}}},
        {"start time only", Track(1, 0, 0.5, 0.9), {{{0, 115}, {100, 115}}, {{100, 115}, {200, 15}}}},
        {"end time only", Track(2, 0, 0.1, 0.5), {{{100, 15}, {200, 15}}, {{0, 115}, {100, 15}}}},
        {"an unknown easing draws no change",
         Track(0, 2, 0.25, 0.75),
         {{{0, 115}, {50, 115}}, {{150, 15}, {200, 15}}}},
    };
    for (const CurveCase& c : cases) EXPECT_EQ(TimelineCurve(c.track, kScale), c.lines) << c.what;
}

TEST(TimelineCurve, CosineChangeIsTenSegmentsEndingJustShortOfTheEnd) {
    const std::vector<PixelLine> lines = TimelineCurve(Track(3, 1), kScale);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines.front().from, (PixelPoint{0, 115}));
    // The middle of an eased change is halfway up: u = 0.5 at x 100, y 115 - 50.
    EXPECT_EQ(lines[4].to, (PixelPoint{100, 65}));
    // The tenth step is 0.9999999999999999: x 199.99999999999997 truncates to 199.
    EXPECT_EQ(lines.back().to, (PixelPoint{199, 15}));
    // Eased: slow at first, the first segment rises less than a straight line would.
    EXPECT_GT(lines[0].to.y, 115 - 10);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        EXPECT_LE(lines[i].to.y, lines[i - 1].to.y) << "rises monotonically, segment " << i;
        EXPECT_EQ(lines[i].from.y, lines[i - 1].to.y) << "segments join, segment " << i;
    }
}

TEST(TimelineCurve, CosineHalfHeightIsTruncatedToWholePixels) {
    // y from 115 to 16: half = -99 / 2 = -49, so the eased end lies at 115 - 98 = 17, not 16.
    TimelineTrack t = Track(3, 1);
    t.end = 0.99;
    EXPECT_EQ(kScale.ValueToY(0.99), 16);
    EXPECT_EQ(TimelineCurve(t, kScale).back().to.y, 17);
}

TEST(TimelineCurve, MarkerIsGrabbedSixPixelsEitherSide) {
    const PixelBox hit = MarkerHitRect(100, 40);
    EXPECT_TRUE(hit.Contains(94, 0));
    EXPECT_TRUE(hit.Contains(105, 39));
    EXPECT_FALSE(hit.Contains(106, 20));
    EXPECT_FALSE(hit.Contains(93, 20));
    EXPECT_FALSE(hit.Contains(100, 40));
}

TEST(TimeClamp, RangesAreClampedIntoTheAxis) {
    struct ClampCase {
        const char* what;
        TimeRange in;
        TimeRange out;
    };
    const ClampCase cases[] = {
        {"SetEndTime(1.2) with start 0.3", {0.3, 1.2}, {0.3, 1}},
        {"SetStartTime(-0.1) with end -0.2", {-0.1, -0.2}, {0, 0}},
        {"start past the end of the axis follows the end down", {1.5, 2}, {1, 1}},
        {"both outside", {-0.5, 1.5}, {0, 1}},
        {"a backward range inside the axis is kept", {0.6, 0.4}, {0.6, 0.4}},
        {"in range", {0.25, 0.75}, {0.25, 0.75}},
    };
    for (const ClampCase& c : cases) EXPECT_EQ(ClampTimes(c.in), c.out) << c.what;
}

}  // namespace
}  // namespace motivra
