#include "gui/skin/skin_edit.h"

#include <QScreen>

#include "gui/skin/balloon_tip.h"
#include "gui/skin/file_image.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_button.h"
#include "gui/skin/skin_group_box.h"
#include "gui/skin/skin_header.h"
#include "gui/skin/skin_test_support.h"
#include "support/printers.h"

namespace motivra {
namespace {

using test::Grey;
using test::Picture;

TEST(SkinEdit, FirstLineNotificationEnterEscapeAndTheBevelledField) {
    test::Host host;
    auto* edit = host.Add(new SkinEdit, QRect(10, 10, 160, 22));
    host.Show();
    edit->setFocus();
    edit->setText("  Rock  ");
    EXPECT_EQ(edit->GetFirstLine(), "rock");
    edit->setText("   ");
    edit->SetNotifyOnChange(true);
    QSignalSpy changes(edit, &SkinEdit::firstLineChanged);
    QTest::keyClicks(edit, "rock");
    EXPECT_EQ(changes.count(), 4);
    // Select the last letter and type it again in the other case: the same line in lower case.
    QTest::keyClick(edit, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClicks(edit, "K");
    QTest::keyClick(edit, Qt::Key_Space);
    EXPECT_EQ(changes.count(), 4) << "neither a case change nor a trailing space is a change";
    QTest::keyClick(edit, Qt::Key_S);
    EXPECT_EQ(changes.count(), 5);

    edit->SetNotifyOnChange(false);
    edit->clear();
    QSignalSpy enters(edit, &SkinEdit::enterNotified);
    std::vector<bool> enterAtChange;
    const auto watch = QObject::connect(edit, &QLineEdit::textChanged,
                                        [&] { enterAtChange.push_back(edit->WasEnterPressed()); });
    QTest::keyClicks(edit, "ab");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->text(), "ab ");
    QTest::keyClick(edit, Qt::Key_C);
    EXPECT_EQ(enterAtChange, (std::vector<bool>{false, false, true, false})) << "only Enter's own change";
    QObject::disconnect(watch);
    edit->SetEnterNotifies(true);
    QTest::keyClick(edit, Qt::Key_Enter);
    EXPECT_EQ(enters.count(), 1);
    EXPECT_EQ(edit->text(), "ab c") << "a reported Enter types nothing";
    edit->SetNotifyOnChange(true);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(enters.count(), 1) << "not while changes are reported";
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(edit, &escape);
    EXPECT_TRUE(escape.isAccepted()) << "the dialog does not close";

    edit->clearFocus();
    const QImage image = test::Picture(*edit);
    EXPECT_EQ(image.pixel(120, 12), Grey(145)) << "the field";
    // The bevel: a dark top, the inner top, light sides and the bottom.
    const test::Pixel bevel[] = {
        {{80, 0}, Grey(35)}, {{80, 1}, Grey(100)}, {{159, 10}, Grey(130)}, {{80, 21}, Grey(100)}};
    test::ExpectPixels(image, bevel);
    EXPECT_LT(test::GreyRange(image, QRect(2, 2, 40, 18)).first, 40) << "black text on the light field";
}

TEST(SkinGroupBoxAndHeader, TitleBandFrameBodyTheCaptionFlippedToGrey223RedrawTitleAndTheHeadersBandAndVeil) {
    WriteSchemeNumber("TextColour", 0x202020);
    test::Host host;
    auto* group = host.Add(new SkinGroupBox, QRect(10, 10, 200, 100));
    WriteSchemeNumber("TextColour", 0xAAAAAA);
    auto* header = host.Add(new SkinHeader, QRect(10, 120, 300, 26));
    group->setTitle("Behaviour: Zoom");
    host.Show();
    const QImage image = Picture(*group);
    // Grey 32 lies within 100 of the title 0x1E1E1E: the caption is flipped.
    EXPECT_GE(test::GreyRange(image, QRect(5, 2, 100, 12)).second, 215);
    EXPECT_NEAR(qGreen(image.pixel(150, 8)), 30, 1) << "band in the title colour";
    EXPECT_LT(qGreen(image.pixel(150, 16)), 30) << "shaded towards its bottom";
    EXPECT_GT(qGreen(image.pixel(150, 1)), 30) << "gloss at its top";
    const test::Pixel bodyAndFrame[] = {
        {{100, 50}, Grey(70)}, {{0, 50}, Grey(30)}, {{199, 50}, Grey(30)}, {{100, 99}, Grey(30)}};
    test::ExpectPixels(image, bodyAndFrame);

    group->SetCaption("Behaviour: X Position");
    group->RedrawTitle();
    const QImage redrawn = Picture(*group);
    EXPECT_NE(redrawn.copy(0, 0, 200, 17), image.copy(0, 0, 200, 17));
    EXPECT_EQ(redrawn.copy(0, 17, 200, 83), image.copy(0, 17, 200, 83)) << "the body stays";
    group->SetTitleBar(false);
    EXPECT_EQ(Picture(*group).pixel(150, 8), Grey(70)) << "no band";
    EXPECT_EQ(Picture(*group).pixel(0, 8), Grey(30)) << "the frame stays";

    // A header's band, image, icons and veil.
    header->setText("Save Behaviour");
    QImage band = Picture(*header);
    EXPECT_NEAR(qGreen(band.pixel(0, 8)), 30, 1) << "band starts in the title colour";
    EXPECT_NEAR(qGreen(band.pixel(299, 8)), 70 - (70 - 30) * 0x40 / 255, 2) << "and fades to alpha 0x40";
    header->SetImageFromResource(145);
    ResourceImage expected;
    ASSERT_TRUE(expected.Load(145));
    EXPECT_EQ(Picture(*header).pixel(20, 10), expected.Image().pixel(20, 10));
    header->SetIconKind(SkinHeader::kStrokesIcon);
    EXPECT_NE(Picture(*header).copy(0, 0, 17, 26), band.copy(0, 0, 17, 26)) << "strokes in the icon area";
    header->SetEnabled(false);
    band = Picture(*header);
    EXPECT_NEAR(qGreen(band.pixel(150, 2)), 70, 1) << "the veil is the background colour";
    EXPECT_NEAR(qGreen(band.pixel(299, 8)), 60 + (70 - 60) * 0xAA / 255, 2) << "veiled band";

    EXPECT_EQ(test::MessageBoxText([&] { header->SetImageFromResource(999); }),
              "Header can't find some resources\nContact Velmora");
    EXPECT_EQ(header->GetIconKind(), SkinHeader::kNoIcon);
    header->SetImageFromFile("/nonexistent.png");
    EXPECT_EQ(header->GetIconKind(), SkinHeader::kNoIcon) << "silently";
}

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
    f.pointer = QPoint(0, 0);  // gone before the rest ended
    f.tip->RestElapsed();
    EXPECT_FALSE(f.tip->isVisible());
    EXPECT_TRUE(f.tip->IsArmed()) << "keeps waiting";
    f.pointer = inside;
    f.tip->RestElapsed();
    ASSERT_TRUE(f.tip->isVisible());
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
    EXPECT_EQ(right.tip->geometry().right() + 1, right.pointer.x() + 12) << "stem on the right";
}

}  // namespace
}  // namespace motivra
