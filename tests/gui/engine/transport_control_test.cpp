#include "gui/engine/transport_control.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "gui/engine/engine_test_support.h"

namespace motivra {
namespace {

using test::PixelAt;

// The editor's 258 x 24 bar: handles 16 wide, a track of 224 pixels. With times 0.25 and 0.75 the start
// handle spans x 57..71, the bar 73..182 and the end handle 184..199.
class TransportTest : public ::testing::Test {
protected:
    TransportTest() : transport(test::DefaultScheme()), spy(&transport, &TransportControl::timesChanged) {
        transport.resize(258, 24);
        transport.SetTimes(0.25, 0.75);
        transport.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&transport));
    }

    void Drag(int from, int to) {
        QTest::mousePress(&transport, Qt::LeftButton, {}, QPoint(from, 12));
        QTest::mouseMove(&transport, QPoint(to, 12));
    }
    void Release(int x) { QTest::mouseRelease(&transport, Qt::LeftButton, {}, QPoint(x, 12)); }

    void ExpectTimes(double start, double end) {
        EXPECT_DOUBLE_EQ(transport.GetStartTime(), start);
        EXPECT_DOUBLE_EQ(transport.GetEndTime(), end);
    }

    TransportControl transport;
    QSignalSpy spy;
};

TEST_F(TransportTest, DraggingTheStartHandleMovesTheStartTimeAndStopsAtTheEndHandle) {
    Drag(64, 120);  // grabbed at its centre; centre to x 120 puts the start at 112 / 224
    EXPECT_EQ(transport.DraggedPart(), TransportPart::StartHandle);
    ExpectTimes(0.5, 0.75);
    QTest::mouseMove(&transport, QPoint(240, 12));
    ExpectTimes(0.75, 0.75);
    EXPECT_EQ(spy.count(), 2);
    Release(240);
    EXPECT_FALSE(transport.DraggedPart());
}

TEST_F(TransportTest, DraggingTheEndHandleMovesTheEndTimeAndStopsAtBothLimits) {
    Drag(196, 140);  // grabbed 4 right of its centre: the centre goes to 136, the end to 112 / 224
    ExpectTimes(0.25, 0.5);
    QTest::mouseMove(&transport, QPoint(5, 12));
    ExpectTimes(0.25, 0.25);
    QTest::mouseMove(&transport, QPoint(300, 12));
    ExpectTimes(0.25, 1);
    EXPECT_EQ(spy.count(), 3);
    Release(300);
}

TEST_F(TransportTest, DraggingTheBarKeepsItsWidthAndStopsAtTheLeftEnd) {
    Drag(128, 100);
    EXPECT_EQ(transport.DraggedPart(), TransportPart::MiddleBar);
    ExpectTimes(0.125, 0.625);
    QTest::mouseMove(&transport, QPoint(-40, 12));
    ExpectTimes(0, 0.5);
    EXPECT_EQ(spy.count(), 2);
    Release(-40);
}

TEST_F(TransportTest, AClickOutsideTheHandlesAndTheBarStartsNoDrag) {
    for (const int x : {20, 72, 183, 230}) {
        Drag(x, x + 30);
        EXPECT_FALSE(transport.DraggedPart()) << x;
        Release(x + 30);
    }
    ExpectTimes(0.25, 0.75);
    EXPECT_EQ(spy.count(), 0);
}

TEST_F(TransportTest, TheDraggedPartIsPaintedInTheSelectedColour) {
    const auto orange = [](const QColor& c) { return c.red() > c.blue() + 60; };
    EXPECT_FALSE(orange(PixelAt(transport.Render(), 68, 16)));
    Drag(64, 64);
    EXPECT_TRUE(orange(PixelAt(transport.Render(), 68, 16))) << "start handle";
    EXPECT_FALSE(orange(PixelAt(transport.Render(), 120, 16))) << "bar";
    Release(64);
    Drag(128, 128);
    EXPECT_TRUE(orange(PixelAt(transport.Render(), 120, 16))) << "bar";
    EXPECT_FALSE(orange(PixelAt(transport.Render(), 68, 16))) << "start handle";
    Release(128);
    EXPECT_FALSE(orange(PixelAt(transport.Render(), 120, 16)));
}

TEST_F(TransportTest, TheGrooveIsDarkerThanTheBackgroundAndItsEndsAreRound) {
    const QImage image = transport.Render();
    const QColor background(0x46, 0x46, 0x46);
    EXPECT_EQ(PixelAt(image, 0, 0), background) << "outside the groove's rounded end";
    EXPECT_LT(PixelAt(image, 230, 12).red(), background.red() - 20) << "inside the groove";
    // On the rounded end's edge the groove blends into the background: lighter than the groove at that
    // height.
    const int rim = PixelAt(image, 4, 4).red();
    EXPECT_LT(rim, background.red());
    EXPECT_GT(rim, PixelAt(image, 30, 4).red());
}

}  // namespace
}  // namespace motivra
