#include "gui/skin/skin_button.h"

#include <tuple>

#include "gui/skin/dialog_template.h"
#include "gui/skin/skin_check_box.h"
#include "gui/skin/skin_label.h"
#include "gui/skin/skin_message_box.h"
#include "gui/skin/skin_test_support.h"

namespace motivra {
namespace {

using test::Grey;
using test::Picture;

// The default scheme: button 155 grey, background 70; a 80 x 22 button has top 0, midY 11 and B 21.
constexpr QRect kRect(10, 10, 80, 22);

TEST(SkinButton, ShowsItsWindowTextUntilGivenOneAndAgainAfterNoneAndIgnoresABadTextOffset) {
    test::Host host;
    auto* button = host.Add(new SkinButton, kRect);
    button->setText("Reset");
    Picture(*button);
    button->setText("Later");
    Picture(*button);
    EXPECT_EQ(button->ShownText(), "Reset") << "the caption is taken once";
    button->SetText("NONE");
    const QImage image = Picture(*button);
    EXPECT_EQ(button->ShownText(), "Later");
    // The caption is drawn in the button text colour (57) on a face no darker than 105.
    EXPECT_LT(test::GreyRange(image, QRect(20, 3, 40, 16)).first, 70);
    for (const int offset : {11, -1}) {
        button->SetTextOffset(offset);
        EXPECT_EQ(Picture(*button), image) << offset;
    }
    button->SetTextOffset(10);
    EXPECT_NE(Picture(*button), image);
}

TEST(SkinButton, FaceEndsPerStyleLatchedDarkAndDisabled) {
    // The face runs from row top + 2 = 2 to B - 3 = 18 under the outline at row 0; vista splits at midY = 11.
    using Set = void (*)(SkinButton&);
    const std::tuple<const char*, Set, int, int, int, int> cases[] = {
        {"vista: light to the face, then darker", [](SkinButton& b) { b.SetFaceStyle(0); }, 180, 135, 105,
         26},
        {"ramp: one run from light to dark", [](SkinButton& b) { b.SetFaceStyle(1); }, 180, 140, 105, 26},
        {"flat: light to the face", [](SkinButton& b) { b.SetFaceStyle(2); }, 180, 167, 155, 26},
        {"dark face", [](SkinButton& b) { b.SetDarkFace(true); }, 150, 105, 75, 26},
        {"latched: dC down to dB", [](SkinButton& b) { b.SetLatched(true); }, 25, 74, 95, 26},
        {"disabled: a quarter of the way from the background", [](SkinButton& b) { b.setEnabled(false); },
         116, 71, 45, 59},
    };
    for (const auto& [name, set, first, belowSplit, last, outline] : cases) {
        test::Host host;
        auto* button = host.Add(new SkinButton, kRect);
        set(*button);
        const QImage image = Picture(*button);
        EXPECT_EQ(image.pixel(40, 2), Grey(first)) << name;
        EXPECT_NEAR(qGreen(image.pixel(40, 11)), belowSplit, 3) << name;
        EXPECT_NEAR(qGreen(image.pixel(40, 18)), last, 6) << name;
        EXPECT_EQ(image.pixel(40, 0), Grey(outline)) << name;
        EXPECT_EQ(image.pixel(0, 0), Grey(70)) << "corner cut, " << name;
    }
}

TEST(SkinButton, PressedLooksSelectedWhileInsideAnArrowPressIsReportedBeforeTheClickAndImagesMayBeMissing) {
    test::Host host;
    auto* button = host.Add(new SkinButton, QRect(10, 10, 70, 32));
    auto* plain = host.Add(new SkinButton, QRect(100, 10, 70, 32));
    button->SetArrows(2);
    host.Show();
    EXPECT_EQ(Picture(*button).pixel(57, 10), Grey(57)) << "the up arrow in the text colour";
    QTest::mousePress(plain, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_EQ(Picture(*plain).pixel(30, 2), qRgb(255, 145, 25)) << "the selection orange, lightened";
    test::MoveMouse(plain, QPoint(120, 10));
    EXPECT_EQ(Picture(*plain).pixel(30, 2), Grey(180)) << "outside: the normal face";
    QTest::mouseRelease(plain, Qt::LeftButton, {}, QPoint(120, 10));

    std::vector<std::string> order;
    QObject::connect(button, &SkinButton::arrowPressed,
                     [&](QPoint p) { order.push_back(p == QPoint(60, 8) ? "arrow" : "?"); });
    QObject::connect(button, &QAbstractButton::clicked, [&] { order.push_back("click"); });
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(60, 8));
    EXPECT_EQ(order, (std::vector<std::string>{"arrow", "click"}));
    QSignalSpy arrows(plain, &SkinButton::arrowPressed);
    QSignalSpy clicks(plain, &QAbstractButton::clicked);
    QTest::mouseClick(plain, Qt::LeftButton, {}, QPoint(60, 8));
    EXPECT_EQ(arrows.count(), 0) << "no arrows, no arrow signal";
    EXPECT_EQ(clicks.count(), 1);

    plain->SetImageFromResource(145);
    EXPECT_EQ(plain->ImageWidth(), 29);
    ResourceImage expected;
    ASSERT_TRUE(expected.Load(145));
    // The image is drawn at (2, top + 2); an opaque pixel of it shows unchanged.
    EXPECT_EQ(Picture(*plain).pixel(2 + 20, 2 + 10), expected.Image().pixel(20, 10));
    EXPECT_EQ(test::MessageBoxText([&] { plain->SetImageFromResource(999); }),
              "Button can't find some resources");
    EXPECT_EQ(plain->ImageWidth(), 0);
    EXPECT_EQ(test::MessageBoxText([&] { plain->SetImageFromFile("/nonexistent/face.png"); }),
              "Button can't find the image:\n/nonexistent/face.png");
    EXPECT_EQ(plain->ImageWidth(), 0);
}

// A check box 120 x 30: the box is 13 x 13 at the top-left, the label wraps from x = 15.
// A label 100 x 16 below it.
TEST(SkinCheckBoxAndLabel, TheBoxTogglesOnReleaseOnItsRowThenReportsTheClickAndTheLabelTakesItsFirstText) {
    test::Host host;
    auto* box = host.Add(new SkinCheckBox, QRect(10, 10, 120, 30));
    box->setText("Smooth");
    auto* label = host.Add(new SkinLabel, QRect(10, 100, 100, 16));
    label->setText("HIIIH");
    host.Show();
    const QImage clear = Picture(*box);
    int stateAtClick = -1;
    QObject::connect(box, &QAbstractButton::clicked, [&] { stateAtClick = box->GetCheck(); });
    QSignalSpy clicks(box, &QAbstractButton::clicked);
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(6, 6));
    const QRgb pressed = Picture(*box).pixel(6, 10);
    EXPECT_GT(qRed(pressed), qBlue(pressed) + 30) << "orange fill while pressed";
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(stateAtClick, 1) << "the owner reads the new state in its click handler";
    test::Drag(box, QPoint(6, 6), QPoint(6, 20));
    EXPECT_EQ(box->GetCheck(), 1) << "released below the box's row: no toggle";
    EXPECT_EQ(clicks.count(), 2) << "still inside the window: the click follows";
    test::Drag(box, QPoint(6, 6), QPoint(6, 60));
    EXPECT_EQ(box->GetCheck(), 1);
    EXPECT_EQ(clicks.count(), 2) << "outside the window: no click";

    const QImage checked = Picture(*box);
    // The glyph's stroke covers (5, 8) and (9, 4) in the text colour 0xAA; the box is a translucent fill.
    EXPECT_EQ(checked.pixel(5, 8), Grey(0xAA));
    EXPECT_EQ(checked.pixel(9, 4), Grey(0xAA));
    EXPECT_EQ(checked.pixel(9, 8), clear.pixel(9, 8)) << "under the long arm is the box";
    EXPECT_EQ(clear.pixel(5, 8), clear.pixel(9, 8)) << "no glyph when clear";
    // Box fill: the button colour at alpha 0x8C over the background at the top, fading towards 0x50.
    EXPECT_NEAR(qGreen(clear.pixel(6, 1)), 70 + (155 - 70) * 0x8C / 255, 3);
    EXPECT_EQ(clear.pixel(0, 0), Grey(70)) << "corners are open";
    EXPECT_GT(test::GreyRange(clear, QRect(15, 0, 100, 14)).second, 150) << "label drawn";
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(60, 6));
    EXPECT_EQ(box->GetCheck(), 0) << "anywhere across the box's row";

    // The label takes the window text on its first paint only and draws it flipped, or halfway when disabled.
    const QImage first = Picture(*label);
    // The stems' most covered pixels come within a few levels of the text colour, never past it.
    EXPECT_NEAR(test::GreyRange(first, label->rect()).second, 198, 12) << "flipped";
    label->setText("Zoom:");
    EXPECT_EQ(Picture(*label), first) << "the window text alone does not change the label";
    label->SetText("Zoom:");
    label->SetEnabled(false);
    EXPECT_NEAR(test::GreyRange(Picture(*label), label->rect()).second, 134, 8) << "halfway from 70 to 198";
    QSignalSpy labelClicks(label, &SkinLabel::clicked);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(labelClicks.count(), 1);
}

// Answers the box that Ask is about to show with the action, once it is up.
int AnswerWith(SkinMessageBox& box, const std::function<void(QWidget&)>& action) {
    QTimer::singleShot(0, &box, [&box, action] { action(box); });
    return box.Ask();
}

TEST(SkinMessageBox, ALongPathWrapsInsideTheBoxAndEachAnswerIsTold) {
    const QString path = QStringLiteral("/home/someone/") + QString(60, QLatin1Char('a')) +
                         QStringLiteral("/") + QString(60, QLatin1Char('b')) + QStringLiteral("/wave.vmr");
    SkinMessageBox box(nullptr, QStringLiteral("Motivra"), QStringLiteral("Could not save ") + path,
                       {QStringLiteral("Delete"), QStringLiteral("Cancel")});
    box.show();
    const auto* label = box.findChild<SkinLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_LT(box.width(), 520) << "the path wraps rather than widening the box";
    EXPECT_GE(label->height(), 3 * label->fontMetrics().height()) << "three lines at least";
    EXPECT_EQ(box.Text(), QStringLiteral("Could not save ") + path);

    EXPECT_EQ(AnswerWith(box, [](QWidget& w) { QTest::keyClick(&w, Qt::Key_Return); }), 0) << "the default";
    EXPECT_EQ(AnswerWith(box, [](QWidget& w) { QTest::keyClick(&w, Qt::Key_Escape); }), -1);
    EXPECT_EQ(
        AnswerWith(box, [](QWidget& w) { QTest::mouseClick(FindControl<QWidget>(w, 2), Qt::LeftButton); }),
        1);
}

}  // namespace
}  // namespace motivra
