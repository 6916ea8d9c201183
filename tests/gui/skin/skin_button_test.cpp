#include "gui/skin/skin_button.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include "gui/platform/settings.h"
#include "gui/skin/file_image.h"
#include "gui/skin/skin_test_support.h"

namespace motivra {
namespace {

using test::Count;
using test::Grey;
using test::Near;
using test::Picture;

// The default scheme: button 155 grey, background 70; a 80 x 22 button has top 0, midY 11 and B 21.
constexpr QRect kRect(10, 10, 80, 22);

TEST(SkinButton, ShowsItsWindowTextUntilGivenOneAndAgainAfterNone) {
    test::Host host;
    auto* button = host.Add(new SkinButton, kRect);
    button->setText("Reset");
    Picture(*button);
    EXPECT_EQ(button->ShownText(), "Reset");
    button->setText("Later");
    Picture(*button);
    EXPECT_EQ(button->ShownText(), "Reset") << "the caption is taken once";
    button->SetText("Play");
    Picture(*button);
    EXPECT_EQ(button->ShownText(), "Play");
    button->SetText("NONE");
    const QImage image = Picture(*button);
    EXPECT_EQ(button->ShownText(), "Later");
    // The caption is drawn in the button text colour (57) on a face no darker than 105.
    EXPECT_GT(test::CountDarker(image, QRect(20, 3, 40, 16), 90), 20);
    button->SetDrawText(false);
    EXPECT_EQ(test::CountDarker(Picture(*button), QRect(20, 3, 40, 16), 90), 0);
}

TEST(SkinButton, TextOffsetOutsideZeroToTenChangesNothing) {
    test::Host host;
    auto* button = host.Add(new SkinButton, kRect);
    button->setText("OK");
    const QImage before = Picture(*button);
    for (const int offset : {11, -1}) {
        button->SetTextOffset(offset);
        EXPECT_EQ(button->TextOffset(), 0);
        EXPECT_EQ(Picture(*button), before) << offset;
    }
    button->SetTextOffset(10);
    EXPECT_NE(Picture(*button), before);
}

TEST(SkinButton, FaceGradientEndsPerStyle) {
    // Rows: top + 2 = 2 starts every face; the last face row is B - 3 = 18; vista splits at midY = 11.
    struct Case {
        int style;
        int first, beforeSplit, afterSplit, last;
    };
    const Case cases[] = {
        {0, 180, 155, 135, 105},  // vista: light to face, then darker
        {1, 180, -1, -1, 105},    // ramp: one run from light to dark
        {2, 180, -1, -1, 155},    // flat: light to the face
    };
    for (const Case& c : cases) {
        test::Host host;
        auto* button = host.Add(new SkinButton, kRect);
        button->SetFaceStyle(c.style);
        button->SetDrawText(false);
        const QImage image = Picture(*button);
        EXPECT_TRUE(Near(image.pixel(40, 2), Grey(c.first), 0)) << "style " << c.style;
        EXPECT_TRUE(Near(image.pixel(40, 18), Grey(c.last), 6)) << "style " << c.style;
        if (c.beforeSplit >= 0) {
            EXPECT_TRUE(Near(image.pixel(40, 10), Grey(c.beforeSplit), 6)) << "style " << c.style;
            EXPECT_TRUE(Near(image.pixel(40, 11), Grey(c.afterSplit), 0)) << "style " << c.style;
        }
        // The outline (bgDark, 26) with its cut corners, the light line under the top edge.
        EXPECT_EQ(image.pixel(40, 0), Grey(26));
        EXPECT_EQ(image.pixel(0, 11), Grey(26));
        EXPECT_EQ(image.pixel(0, 0), Grey(70)) << "corner cut";
        EXPECT_EQ(image.pixel(40, 1), Grey(205));
        EXPECT_EQ(image.pixel(40, 21), Grey(90)) << "reflection under the bottom edge";
    }
}

TEST(SkinButton, LatchedIsShadedHeldDown) {
    test::Host host;
    auto* button = host.Add(new SkinButton, kRect);
    button->SetDrawText(false);
    button->SetLatched(true);
    const QImage image = Picture(*button);
    EXPECT_EQ(image.pixel(40, 2), Grey(25)) << "dC at the top";
    EXPECT_EQ(image.pixel(40, 4), Grey(55)) << "dA";
    EXPECT_TRUE(Near(image.pixel(40, 18), Grey(95), 4)) << "towards dB";
    EXPECT_EQ(image.pixel(1, 10), Grey(25)) << "dark inner frame";
}

TEST(SkinButton, DisabledIsBlendedAQuarterOfTheWayFromTheBackground) {
    test::Host host;
    auto* button = host.Add(new SkinButton, kRect);
    button->SetDrawText(false);
    button->setEnabled(false);
    const QImage image = Picture(*button);
    EXPECT_EQ(image.pixel(40, 2), Grey(116)) << "l25 of the face 91";
    EXPECT_EQ(image.pixel(40, 0), Grey(59)) << "outline";
    EXPECT_EQ(image.pixel(0, 0), Grey(70)) << "the same shape";
}

TEST(SkinButton, EdgesJoinNeighbours) {
    test::Host host;
    auto* open = host.Add(new SkinButton, kRect);
    open->SetDrawText(false);
    open->SetEdges(ButtonEdge::Open, ButtonEdge::Closed);
    QImage image = Picture(*open);
    EXPECT_EQ(image.pixel(0, 2), Grey(180)) << "the face runs to the border";
    EXPECT_EQ(image.pixel(0, 0), Grey(26)) << "the top edge too";
    auto* divided = host.Add(new SkinButton, kRect);
    divided->SetDrawText(false);
    divided->SetEdges(ButtonEdge::Divider, ButtonEdge::Divider);
    image = Picture(*divided);
    EXPECT_EQ(image.pixel(0, 11), Grey(26)) << "divider at x = 0";
    EXPECT_EQ(image.pixel(79, 11), Grey(26)) << "divider at the right border";
    EXPECT_EQ(image.pixel(1, 2), Grey(180));
}

TEST(SkinButton, PressedLooksSelectedWhileThePointerIsInside) {
    test::Host host;
    auto* button = host.Add(new SkinButton, kRect);
    button->SetDrawText(false);
    host.Show();
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_EQ(Picture(*button).pixel(40, 2), qRgb(255, 145, 25)) << "the selection orange, lightened";
    test::MoveMouse(button, QPoint(120, 10));
    EXPECT_EQ(Picture(*button).pixel(40, 2), Grey(180)) << "outside: the normal face";
    test::MoveMouse(button, QPoint(40, 10));
    EXPECT_EQ(Picture(*button).pixel(40, 2), qRgb(255, 145, 25));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_EQ(Picture(*button).pixel(40, 2), Grey(180));
}

TEST(SkinButton, ArrowPressIsReportedBeforeTheClick) {
    test::Host host;
    auto* button = host.Add(new SkinButton, QRect(10, 10, 70, 32));
    button->SetArrows(2);
    host.Show();
    std::vector<std::string> order;
    QPoint pressedAt;
    QObject::connect(button, &SkinButton::arrowPressed, [&](QPoint p) {
        order.push_back("arrow");
        pressedAt = p;
    });
    QObject::connect(button, &QAbstractButton::clicked, [&] { order.push_back("click"); });
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(60, 8));
    EXPECT_EQ(order, (std::vector<std::string>{"arrow", "click"}));
    EXPECT_EQ(pressedAt, QPoint(60, 8));

    auto* plain = host.Add(new SkinButton, QRect(100, 10, 70, 32));
    plain->show();
    QSignalSpy arrows(plain, &SkinButton::arrowPressed);
    QSignalSpy clicks(plain, &QAbstractButton::clicked);
    QTest::mouseClick(plain, Qt::LeftButton, {}, QPoint(60, 8));
    EXPECT_EQ(arrows.count(), 0) << "no arrows, no arrow signal";
    EXPECT_EQ(clicks.count(), 1) << "a click is reported once";
}

TEST(SkinButton, ArrowsAreDrawnInTheTextColour) {
    test::Host host;
    auto* button = host.Add(new SkinButton, QRect(10, 10, 70, 32));
    button->SetDrawText(false);
    button->SetArrows(1);
    const QImage image = Picture(*button);
    // The down arrow's box is (49, 8)-(65, 25): wide at the top, pointed at the bottom.
    EXPECT_EQ(image.pixel(57, 10), Grey(57));
    EXPECT_NE(image.pixel(50, 22), Grey(57));
}

TEST(SkinButton, ImagesFromResourceOrFileAndTheMessagesWhenMissing) {
    test::Host host;
    auto* button = host.Add(new SkinButton, QRect(10, 10, 96, 32));
    button->SetImageFromResource(145);
    EXPECT_EQ(button->ImageWidth(), 29);
    ResourceImage expected;
    ASSERT_TRUE(expected.Load(145));
    const QImage image = Picture(*button);
    // The image is drawn at (2, top + 2); an opaque pixel of it shows unchanged.
    EXPECT_EQ(image.pixel(2 + 20, 2 + 10), expected.Image().pixel(20, 10));

    test::MessageBoxCatcher missingResource;
    button->SetImageFromResource(999);
    EXPECT_EQ(missingResource.Text(), "Button can't find some resources");
    EXPECT_EQ(button->ImageWidth(), 0);

    test::MessageBoxCatcher missingFile;
    button->SetImageFromFile("/nonexistent/face.png");
    EXPECT_EQ(missingFile.Text(), "Button can't find the image:\n/nonexistent/face.png");
    EXPECT_EQ(button->ImageWidth(), 0);
}

TEST(SkinButton, LoadColoursReadsTheSchemeAndFaceStyleAgain) {
    test::Host host;
    auto* button = host.Add(new SkinButton, kRect);
    WriteSchemeDword("ButtonColour", 0x000000);
    WriteSchemeDword("ButtonFace", 2);
    button->LoadColours();
    WriteSchemeDword("ButtonColour", 0x9B9B9B);
    WriteSchemeDword("ButtonFace", 0);
    EXPECT_EQ(button->FaceStyleValue(), 2);
    EXPECT_EQ(button->Colours().buttonTextColour, 0x606060u);
}

}  // namespace
}  // namespace motivra
