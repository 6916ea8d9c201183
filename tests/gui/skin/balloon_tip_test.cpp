#include "gui/skin/balloon_tip.h"

#include <QScreen>

#include <gtest/gtest.h>

#include "gui/skin/skin_button.h"
#include "gui/skin/skin_test_support.h"

namespace motivra {
namespace {

// A button with a tooltip whose pointer the test moves; time is driven through the timers' ticks.
struct TipFixture {
    test::Host host;
    SkinButton* button;
    BalloonTip* tip;
    QPoint pointer;

    explicit TipFixture(const QString& text = "Shows the help pages", QPoint at = QPoint(10, 10)) {
        host.Window().move(at);
        button = host.Add(new SkinButton, QRect(0, 0, 80, 22));
        button->SetToolTipText(text);
        tip = button->ToolTip();
        tip->SetPointerSource([this] { return pointer; });
        host.Show();
    }
    void MoveTo(QPoint local) {
        pointer = button->mapToGlobal(local);
        test::MoveMouse(button, local);
    }
};

TEST(BalloonTip, AppearsAfterTheRestAndGoesOnAMove) {
    TipFixture f;
    f.MoveTo(QPoint(40, 10));
    ASSERT_TRUE(f.tip->IsArmed());
    EXPECT_EQ(f.tip->RestDelay(), 1000);
    EXPECT_FALSE(f.tip->IsShown());
    f.tip->RestElapsed();
    ASSERT_TRUE(f.tip->IsShown());
    EXPECT_TRUE(f.tip->isVisible());
    EXPECT_TRUE(f.tip->IsWatching());
    EXPECT_EQ(f.tip->WatchInterval(), 250);
    // Above the pointer: the stem's tip 10 pixels below it, and the window 10 pixels below the tip.
    const QPoint pointer = f.button->mapToGlobal(QPoint(40, 10));
    EXPECT_EQ(f.tip->geometry().bottom() + 1, pointer.y() + 20);
    EXPECT_EQ(f.tip->x(), pointer.x() - 12);
    EXPECT_FALSE(f.tip->FlipsLeft());

    // A pointer that leaves its anchor without the owner relaying it: the watch tick hides the balloon.
    f.pointer += QPoint(1, 0);
    f.tip->WatchElapsed();
    EXPECT_FALSE(f.tip->IsShown());
    EXPECT_FALSE(f.tip->isVisible());

    // A relayed move hides at once and arms again.
    f.MoveTo(QPoint(40, 10));
    f.tip->RestElapsed();
    ASSERT_TRUE(f.tip->IsShown());
    f.MoveTo(QPoint(41, 10));
    EXPECT_FALSE(f.tip->IsShown());
    EXPECT_TRUE(f.tip->IsArmed());
}

TEST(BalloonTip, WaitsWhileThePointerIsOutsideAndHidesOnAPress) {
    TipFixture f;
    f.MoveTo(QPoint(40, 10));
    f.pointer = QPoint(0, 0);  // gone before the rest ended
    f.tip->RestElapsed();
    EXPECT_FALSE(f.tip->IsShown());
    EXPECT_TRUE(f.tip->IsArmed()) << "keeps waiting";
    f.pointer = f.button->mapToGlobal(QPoint(40, 10));
    f.tip->RestElapsed();
    ASSERT_TRUE(f.tip->IsShown());
    QTest::mousePress(f.button, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_FALSE(f.tip->IsShown());
    QTest::mouseRelease(f.button, Qt::LeftButton, {}, QPoint(40, 10));
}

TEST(BalloonTip, OpensToTheLeftNearTheScreensRightEdge) {
    const int right = QGuiApplication::primaryScreen()->virtualGeometry().right();
    TipFixture f("Shows the help pages", QPoint(right - 100, 100));
    f.MoveTo(QPoint(60, 10));
    f.tip->RestElapsed();
    ASSERT_TRUE(f.tip->IsShown());
    EXPECT_TRUE(f.tip->FlipsLeft());
    const QPoint pointer = f.button->mapToGlobal(QPoint(60, 10));
    EXPECT_EQ(f.tip->geometry().right() + 1, pointer.x() + 12) << "stem on the right side, under the pointer";
}

TEST(BalloonTip, PaddingOnlyWithoutTextAndTextOnlyWithoutIcon) {
    {
        TipFixture empty("");
        empty.MoveTo(QPoint(40, 10));
        empty.tip->RestElapsed();
        ASSERT_TRUE(empty.tip->IsShown());
        EXPECT_EQ(empty.tip->size(), QSize(24, 45));
    }

    // Windows apart, so that each pointer move lands in its own.
    TipFixture missingIcon("", QPoint(0, 0));
    missingIcon.button->SetToolTipText("Help", 4242);
    TipFixture plain("", QPoint(0, 300));
    plain.button->SetToolTipText("Help");
    for (TipFixture* f : {&missingIcon, &plain}) {
        f->MoveTo(QPoint(40, 10));
        f->tip->RestElapsed();
        ASSERT_TRUE(f->tip->IsShown());
    }
    EXPECT_EQ(missingIcon.tip->size(), plain.tip->size()) << "an icon id with no icon gives text only";
    // Light yellow inside a black rim.
    const QImage image = plain.tip->grab().toImage();
    EXPECT_EQ(image.pixel(20, 5) & 0xFFFFFF, qRgb(254, 251, 218) & 0xFFFFFF);
    EXPECT_EQ(image.pixel(20, 0) & 0xFFFFFF, 0u);
}

}  // namespace
}  // namespace motivra
