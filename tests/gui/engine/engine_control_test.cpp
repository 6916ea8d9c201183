#include "gui/engine/engine_control.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "gui/engine/timeline_control.h"
#include "gui/engine/transport_control.h"

namespace motivra {
namespace {

// A control shown in the default scheme and driven by real mouse events along one row, its change signal
// counted.
template <typename Control>
struct Shown {
    template <typename Signal>
    Shown(QSize size, int row, Signal changed) : y(row), spy(&control, changed) {
        control.resize(size);
        control.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&control));
    }
    void Press(int x) { QTest::mousePress(&control, Qt::LeftButton, {}, QPoint(x, y)); }
    void Move(int x) { QTest::mouseMove(&control, QPoint(x, y)); }
    void Release(int x) { QTest::mouseRelease(&control, Qt::LeftButton, {}, QPoint(x, y)); }
    // Whether the pixel is painted far redder than it is blue, as the dragged marker or part is.
    bool RedAt(int x, int row) const {
        const QColor c = control.Render().pixelColor(x, row);
        return c.red() > c.blue() + 60;
    }

    Control control;
    int y;
    QSignalSpy spy;
};

TEST(TimelineControl, OnlyThePressedMarkerDragsFollowingTheMouseToEitherEndInRedAndNotifying) {
    // 201 x 116: a time axis of 200 pixels, the marker at x 100 for t = 0.5.
    Shown<TimelineControl> t({201, 116}, 5, &TimelineControl::timeChanged);
    t.control.LoadMarkerImages(129, 13);
    const auto markerRed = [&] { return t.RedAt(static_cast<int>(t.control.GetTime() * 200), 6); };
    for (const int x : {93, 106}) {  // just beside the marker
        t.Press(x);
        t.Move(x + 20);
        t.Release(x + 20);
    }
    EXPECT_FALSE(markerRed());
    t.Press(103);  // three pixels right of the time line
    EXPECT_TRUE(markerRed());
    t.Move(153);
    EXPECT_DOUBLE_EQ(t.control.GetTime(), 0.75);
    t.Move(400);
    EXPECT_DOUBLE_EQ(t.control.GetTime(), 1);
    t.Move(-60);
    EXPECT_DOUBLE_EQ(t.control.GetTime(), 0);
    EXPECT_EQ(t.spy.count(), 3) << "one notification after each move, clamped or not";
    t.Release(-60);
    EXPECT_FALSE(markerRed()) << "released";
}

TEST(TimelineControl, GraphShowsTheCurveTheDefaultValueAndTheTimeLine) {
    TimelineControl timeline;
    timeline.resize(201, 116);
    timeline.SetRange(0, 4);
    timeline.SetStart(4);
    timeline.SetEnd(0);
    timeline.SetDefaultValue(1);
    const QImage image = timeline.Render();
    EXPECT_EQ(image.pixelColor(50, 40), QColor(Qt::black))
        << "the curve from the start value down to the end";
    EXPECT_EQ(image.pixelColor(30, 90), QColor(0x5A, 0x5A, 0x5A)) << "the default value's line";
    EXPECT_EQ(image.pixelColor(100, 60), QColor(255, 55, 55)) << "the time line at t = 0.5";
}

TEST(TransportControl, EachPartDragsFromWhereItWasGrabbedInTheSelectedColourAndAClickBesideThemDoesNot) {
    // The editor's 258 x 24 bar: handles 16 wide, a track of 224 pixels. With times 0.25 and 0.75 the start
    // handle spans x 57..71, the bar 73..182 and the end handle 184..199.
    struct Transport : Shown<TransportControl> {
        Transport() : Shown({258, 24}, 12, &TransportControl::timesChanged) { control.SetTimes(0.25, 0.75); }
    };
    struct DragCase {
        int from, to;
        std::optional<TransportPart> part;
        double start, end;
    };
    const DragCase cases[] = {
        {64, 120, TransportPart::StartHandle, 0.5, 0.75},  // centre to x 120: the start at 112 / 224
        {196, 140, TransportPart::EndHandle, 0.25, 0.5},   // grabbed 4 right of the centre, which goes to 136
        {128, 100, TransportPart::MiddleBar, 0.125, 0.625},
        {72, 102, {}, 0.25, 0.75},   // between the start handle and the bar
        {183, 213, {}, 0.25, 0.75},  // between the bar and the end handle
    };
    for (const DragCase& c : cases) {
        Transport t;
        t.Press(c.from);
        EXPECT_EQ(t.control.DraggedPart(), c.part) << c.from;
        EXPECT_EQ(t.RedAt(c.from, 16), c.part.has_value()) << "the dragged part turns orange, " << c.from;
        t.Move(c.to);
        EXPECT_DOUBLE_EQ(t.control.GetStartTime(), c.start) << c.from << " to " << c.to;
        EXPECT_DOUBLE_EQ(t.control.GetEndTime(), c.end) << c.from << " to " << c.to;
        EXPECT_EQ(t.spy.count(), c.part ? 1 : 0);
        t.Release(c.to);
        EXPECT_FALSE(t.RedAt(c.to, 16));
    }
}

}  // namespace
}  // namespace motivra
