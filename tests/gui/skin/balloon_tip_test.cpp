#include "gui/skin/balloon_tip.h"

#include <QScreen>

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

    explicit TipFixture(QPoint at = QPoint(10, 10)) {
        host.move(at);
        button = host.Add(new SkinButton, QRect(0, 0, 80, 22));
        button->SetToolTipText("Shows the help pages");
        tip = button->ToolTip();
        tip->SetPointerSource([this] { return pointer; });
        host.Show();
    }
    void MoveTo(QPoint local) {
        pointer = button->mapToGlobal(local);
        test::MoveMouse(button, local);
    }
};

TEST(BalloonTip, AppearsAfterARestInsideAboveThePointerGoesOnAMoveOrPressAndFlipsAtTheEdge) {
    TipFixture f;
    f.MoveTo(QPoint(40, 10));
    const QPoint inside = f.pointer;
    EXPECT_EQ(f.tip->RestDelay(), 1000);
    f.pointer = QPoint(0, 0);  // gone before the rest ended
    f.tip->RestElapsed();
    EXPECT_FALSE(f.tip->isVisible());
    EXPECT_TRUE(f.tip->IsArmed()) << "keeps waiting";
    f.pointer = inside;
    f.tip->RestElapsed();
    ASSERT_TRUE(f.tip->isVisible());
    EXPECT_EQ(f.tip->WatchInterval(), 250);
    EXPECT_EQ(f.tip->geometry().bottom() + 1, inside.y() + 20) << "the stem's tip 10 below the pointer";
    EXPECT_EQ(f.tip->x(), inside.x() - 12);
    EXPECT_EQ(f.tip->grab().toImage().pixel(20, 5), qRgb(254, 251, 218)) << "light yellow";

    f.pointer += QPoint(1, 0);  // moved without the owner relaying it
    f.tip->WatchElapsed();
    EXPECT_FALSE(f.tip->isVisible()) << "the watch tick hides it";
    f.MoveTo(QPoint(40, 10));
    f.tip->RestElapsed();
    f.MoveTo(QPoint(41, 10));
    EXPECT_FALSE(f.tip->IsShown()) << "a relayed move hides it at once";
    EXPECT_TRUE(f.tip->IsArmed()) << "and waits for the next rest";
    f.tip->RestElapsed();
    ASSERT_TRUE(f.tip->IsShown());
    QTest::mouseClick(f.button, Qt::LeftButton, {}, QPoint(41, 10));
    EXPECT_FALSE(f.tip->IsShown()) << "a press hides it";

    TipFixture right(QPoint(QGuiApplication::primaryScreen()->virtualGeometry().right() - 100, 100));
    right.MoveTo(QPoint(60, 10));
    right.tip->RestElapsed();
    ASSERT_TRUE(right.tip->FlipsLeft()) << "near the screen's right edge";
    EXPECT_EQ(right.tip->geometry().right() + 1, right.pointer.x() + 12)
        << "stem on the right, under the pointer";
}

}  // namespace
}  // namespace motivra
