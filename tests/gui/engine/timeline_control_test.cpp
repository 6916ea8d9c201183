#include "gui/engine/timeline_control.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "gui/engine/engine_test_support.h"

namespace motivra {
namespace {

using test::PixelAt;

// 201 x 116: a time axis of 200 pixels, the marker at x 100 for t = 0.5.
class TimelineTest : public ::testing::Test {
protected:
    TimelineTest() : timeline(test::DefaultScheme()), spy(&timeline, &TimelineControl::timeChanged) {
        timeline.resize(201, 116);
        timeline.LoadMarkerImages(129, 13);
        timeline.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&timeline));
    }

    void Press(int x) { QTest::mousePress(&timeline, Qt::LeftButton, {}, QPoint(x, 5)); }
    void Move(int x) { QTest::mouseMove(&timeline, QPoint(x, 5)); }
    void Release(int x) { QTest::mouseRelease(&timeline, Qt::LeftButton, {}, QPoint(x, 5)); }

    TimelineControl timeline;
    QSignalSpy spy;
};

TEST_F(TimelineTest, DraggingTheMarkerFollowsTheMouseFromWhereItWasGrabbed) {
    Press(103);  // three pixels right of the time line
    EXPECT_TRUE(timeline.IsDragging());
    Move(153);
    EXPECT_DOUBLE_EQ(timeline.GetTime(), 0.75);
    Move(53);
    EXPECT_DOUBLE_EQ(timeline.GetTime(), 0.25);
    EXPECT_EQ(spy.count(), 2) << "one notification after each move";
    Release(53);
    EXPECT_FALSE(timeline.IsDragging());
    Move(180);
    EXPECT_DOUBLE_EQ(timeline.GetTime(), 0.25) << "moves after the release do nothing";
    EXPECT_EQ(spy.count(), 2);
}

TEST_F(TimelineTest, DraggingBeyondEitherEndKeepsTheTimeAtZeroOrOneAndStillNotifies) {
    Press(100);
    Move(400);
    EXPECT_DOUBLE_EQ(timeline.GetTime(), 1);
    EXPECT_EQ(spy.count(), 1);
    Move(-60);
    EXPECT_DOUBLE_EQ(timeline.GetTime(), 0);
    EXPECT_EQ(spy.count(), 2);
    Release(-60);
}

TEST_F(TimelineTest, APressAwayFromTheMarkerStartsNoDrag) {
    for (const int x : {93, 106, 180}) {
        Press(x);
        Move(x + 20);
        Release(x + 20);
    }
    EXPECT_DOUBLE_EQ(timeline.GetTime(), 0.5);
    EXPECT_EQ(spy.count(), 0);
}

TEST_F(TimelineTest, MarkerTurnsFromBlueToRedWhileDraggedOverTheRedTimeLine) {
    const auto markerColour = [&] { return PixelAt(timeline.Render(), 100, 6); };
    EXPECT_GT(markerColour().blue(), markerColour().red() + 100);
    Press(100);
    EXPECT_GT(markerColour().red(), markerColour().blue() + 100);
    Release(100);
    EXPECT_GT(markerColour().blue(), markerColour().red() + 100);
    EXPECT_EQ(PixelAt(timeline.Render(), 100, 60), QColor(255, 55, 55)) << "the time line below the band";
    EXPECT_EQ(PixelAt(timeline.Render(), 96, 14), QColor(0x46, 0x46, 0x46))
        << "the band beside the marker's point";
}

TEST_F(TimelineTest, GraphShowsTheCurveTheTimesAndTheDefaultValue) {
    timeline.SetRange(0, 4);
    timeline.SetStart(4);
    timeline.SetEnd(0);
    timeline.SetDefaultValue(2);
    timeline.SetStartTime(0.25);
    timeline.SetEndTime(0.75);
    timeline.SetTime(0);
    const QImage image = timeline.Render();
    const QColor graph(0x78, 0x78, 0x78);
    EXPECT_EQ(PixelAt(image, 20, 15), QColor(0, 0, 0)) << "flat at the start value before the start time";
    EXPECT_EQ(PixelAt(image, 180, 115), QColor(0, 0, 0)) << "flat at the end value after the end time";
    EXPECT_EQ(PixelAt(image, 100, 65), QColor(0, 0, 0)) << "halfway down at t = 0.5";
    EXPECT_EQ(PixelAt(image, 50, 90), QColor(0, 0, 0)) << "the start time's line";
    EXPECT_EQ(PixelAt(image, 150, 40), QColor(0, 0, 0)) << "the end time's line";
    EXPECT_EQ(PixelAt(image, 30, 65), QColor(0x5A, 0x5A, 0x5A)) << "the default value's line";
    EXPECT_EQ(PixelAt(image, 30, 90), graph);
}

}  // namespace
}  // namespace motivra
