// The geometry of the two time controls: the timeline and the transport bar.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "core/engine/timeline_geometry.h"
#include "core/engine/transport_geometry.h"

namespace motivra {
namespace {

// 201 x 116 pixels: an axis of 200 pixels and a graph of 100 rows under the 15-row band.
const TimelineScale kScale(201, 116, 0, 1);

// A change from 0 to 1 in the given time mode and easing.
TimelineTrack Track(std::uint32_t mode, std::uint32_t smooth, double startTime = 0, double endTime = 1) {
    return {mode, smooth, 0, 1, 0, 1, 0.5, {startTime, endTime}};
}

TEST(TimelineScale, ValuesTruncateAndDegenerateAxesStayFinite) {
    EXPECT_EQ(kScale.ValueToY(0.0149), 113);  // 98.51 truncates
    EXPECT_EQ(TimelineScale(201, 116, 2, 2).ValueToY(2), 65) << "a range of zero width";
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
    // y from 115 to 16: half = -99 / 2 = -49, so the eased end lies at 115 - 98 = 17, not 16.
    TimelineTrack lower = Track(3, 1);
    lower.end = 0.99;
    EXPECT_EQ(TimelineCurve(lower, kScale).back().to.y, 17);
}

TEST(TimeClamp, RangesAreClampedIntoTheAxis) {
    EXPECT_EQ(ClampTimes({0.3, 1.2}), (TimeRange{0.3, 1})) << "SetEndTime(1.2) with start 0.3";
    EXPECT_EQ(ClampTimes({-0.1, -0.2}), (TimeRange{0, 0})) << "SetStartTime(-0.1) with end -0.2";
    EXPECT_EQ(ClampTimes({1.5, 2}), (TimeRange{1, 1})) << "a start past the axis follows the end down";
    EXPECT_EQ(ClampTimes({0.6, 0.4}), (TimeRange{0.6, 0.4})) << "a backward range inside the axis is kept";
}

using P = TransportPart;

// The editor's transport bar is 258 x 24 pixels: inside its border 256 x 22, handles 16 wide, a track of 224.
TransportLayout EditorLayout(TimeRange times) { return LayoutTransport(258, 24, times); }

TEST(TransportLayout, HandlesAndBarFollowTheTimesAndAreHitInsideOnly) {
    // 0.25 x 224 + 0.5 = 56.5 and 0.75 x 224 + 0.5 = 168.5 both truncate.
    const TransportLayout layout = EditorLayout({0.25, 0.75});
    struct HitCase {
        int x, y;
        std::optional<TransportPart> part;
    };
    // Each part's corners, and the pixels above the start handle, between it and the bar and past the end.
    const HitCase cases[] = {
        {57, 1, P::StartHandle}, {57, 0, {}},  {72, 10, {}}, {73, 10, P::MiddleBar}, {182, 23, P::MiddleBar},
        {184, 0, P::EndHandle},  {200, 10, {}}};
    for (const HitCase& c : cases) EXPECT_EQ(HitTransport(layout, c.x, c.y), c.part) << c.x << "," << c.y;
    EXPECT_EQ(layout.TimeToX(0.003), 1) << "rounded to the nearest pixel";
}

// Moves within the limits are checked through the control's own drags.
TEST(TransportDrag, HandlesStopAtTheOtherHandleAndAtTheEnds) {
    const TimeRange times{0.25, 0.75};
    const TransportLayout layout = EditorLayout(times);
    struct DragCase {
        const char* what;
        TransportPart part;
        int x;  // mouse x less the grab offset
        TimeRange result;
    };
    const DragCase cases[] = {
        {"start past the end handle", P::StartHandle, 230, {0.75, 0.75}},
        {"start past the left end", P::StartHandle, -40, {0, 0.75}},
        {"end past the start handle", P::EndHandle, 10, {0.25, 0.25}},
        {"end past the right end", P::EndHandle, 400, {0.25, 1}},
        {"bar to the left end keeps its width", P::MiddleBar, 0, {0, 0.5}},
        {"bar to the right end keeps its width", P::MiddleBar, 900, {0.5, 1}},
    };
    for (const DragCase& c : cases) EXPECT_EQ(DragTransport(layout, c.part, times, c.x), c.result) << c.what;
}

TEST(TransportDrag, ABarTooNarrowForATrackMovesNothing) {
    const TransportLayout narrow = LayoutTransport(20, 24, {0.2, 0.4});
    EXPECT_LE(narrow.trackWidth, 0);
    EXPECT_EQ(DragTransport(narrow, TransportPart::StartHandle, {0.2, 0.4}, 3), (TimeRange{0.2, 0.4}));
}

}  // namespace
}  // namespace motivra
