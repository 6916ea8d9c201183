#include "core/engine/transport_geometry.h"

#include <gtest/gtest.h>

#include <optional>

namespace motivra {
namespace {

// The editor's transport bar is 258 x 24 pixels: inside its border 256 x 22, handles 16 wide, a track of 224.
TransportLayout EditorLayout(TimeRange times) { return LayoutTransport(258, 24, times); }

TEST(TransportLayout, HandlesAndBarFollowTheTimes) {
    const TransportLayout full = EditorLayout({0, 1});
    EXPECT_EQ(full.handleWidth, 16);
    EXPECT_EQ(full.trackWidth, 224);
    EXPECT_EQ(full.startHandle, (PixelBox{1, 1, 16, 21}));
    EXPECT_EQ(full.endHandle, (PixelBox{240, 0, 256, 22}));
    EXPECT_EQ(full.middleBar, (PixelBox{17, 0, 239, 24}));

    // 0.25 x 224 + 0.5 = 56.5 and 0.75 x 224 + 0.5 = 168.5 both truncate.
    const TransportLayout part = EditorLayout({0.25, 0.75});
    EXPECT_EQ(part.startHandle, (PixelBox{57, 1, 72, 21}));
    EXPECT_EQ(part.endHandle, (PixelBox{184, 0, 200, 22}));
    EXPECT_EQ(part.TimeToX(0.5), 112);
    EXPECT_EQ(part.TimeToX(0.003), 1) << "rounded to the nearest pixel";
}

TEST(TransportLayout, HitTestFindsStartThenEndThenBarAndNothingOutside) {
    const TransportLayout layout = EditorLayout({0.25, 0.75});
    struct HitCase {
        int x, y;
        std::optional<TransportPart> part;
    };
    const HitCase cases[] = {
        {57, 1, TransportPart::StartHandle},
        {71, 20, TransportPart::StartHandle},
        {57, 0, std::nullopt},   // above the start handle, left of the bar
        {72, 10, std::nullopt},  // the pixel between the start handle and the bar
        {73, 10, TransportPart::MiddleBar},
        {182, 23, TransportPart::MiddleBar},
        {184, 0, TransportPart::EndHandle},
        {199, 21, TransportPart::EndHandle},
        {200, 10, std::nullopt},
        {20, 10, std::nullopt},
        {250, 10, std::nullopt},
    };
    for (const HitCase& c : cases) EXPECT_EQ(HitTransport(layout, c.x, c.y), c.part) << c.x << "," << c.y;
}

TEST(TransportDrag, HandlesStopAtTheOtherHandleAndAtTheEnds) {
    const TimeRange times{0.25, 0.75};
    const TransportLayout layout = EditorLayout(times);
    struct DragCase {
        const char* what;
        TransportPart part;
        int x;  // mouse x less the grab offset
        TimeRange result;
    };
    using P = TransportPart;
    const DragCase cases[] = {
        {"start to 0.5 (x - hw / 2 = 112)", P::StartHandle, 120, {0.5, 0.75}},
        {"start past the end handle", P::StartHandle, 230, {0.75, 0.75}},
        {"start past the left end", P::StartHandle, -40, {0, 0.75}},
        {"end to 0.5 (x - hw x 3 / 2 = 112)", P::EndHandle, 136, {0.25, 0.5}},
        {"end past the start handle", P::EndHandle, 10, {0.25, 0.25}},
        {"end past the right end", P::EndHandle, 400, {0.25, 1}},
        {"bar centred on 0.5 (x - hw = 112)", P::MiddleBar, 128, {0.25, 0.75}},
        {"bar to 0.375", P::MiddleBar, 100, {0.125, 0.625}},
        {"bar to the left end keeps its width", P::MiddleBar, 0, {0, 0.5}},
        {"bar to the right end keeps its width", P::MiddleBar, 900, {0.5, 1}},
    };
    for (const DragCase& c : cases) EXPECT_EQ(DragTransport(layout, c.part, times, c.x), c.result) << c.what;
}

TEST(TransportDrag, AnEmptyRangeCanBeDraggedOpenAgainAndATooNarrowBarMovesNothing) {
    const TimeRange empty{0.5, 0.5};
    const TransportLayout layout = EditorLayout(empty);
    EXPECT_EQ(DragTransport(layout, TransportPart::EndHandle, empty, 192), (TimeRange{0.5, 0.75}));
    EXPECT_EQ(DragTransport(layout, TransportPart::MiddleBar, empty, -5), (TimeRange{0, 0}));

    const TransportLayout narrow = LayoutTransport(20, 24, {0.2, 0.4});
    EXPECT_LE(narrow.trackWidth, 0);
    EXPECT_EQ(DragTransport(narrow, TransportPart::StartHandle, {0.2, 0.4}, 3), (TimeRange{0.2, 0.4}));
}

}  // namespace
}  // namespace motivra
