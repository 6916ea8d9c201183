#include "gui/skin/skin_group_box.h"

#include "gui/skin/file_image.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_header.h"
#include "gui/skin/skin_test_support.h"
#include "support/printers.h"

namespace motivra {
namespace {

using test::Grey;
using test::Picture;

TEST(SkinGroupBox, TitleBandFrameBodyTheCaptionFlippedToGrey223AndRedrawTitle) {
    WriteSchemeNumber("TextColour", 0x202020);
    test::Host host;
    auto* group = host.Add(new SkinGroupBox, QRect(10, 10, 200, 100));
    WriteSchemeNumber("TextColour", 0xAAAAAA);
    EXPECT_EQ(group->Colours().textColour, 0xDFDFDF_scheme)
        << "grey 32 lies within 100 of the title 0x1E1E1E";
    group->setTitle("Behaviour: Zoom");
    host.Show();
    const QImage image = Picture(*group);
    EXPECT_GE(test::GreyRange(image, QRect(5, 2, 100, 12)).second, 215);
    EXPECT_NEAR(qGreen(image.pixel(150, 8)), 30, 1) << "band in the title colour";
    EXPECT_LT(qGreen(image.pixel(150, 16)), 30) << "shaded towards its bottom";
    EXPECT_GT(qGreen(image.pixel(150, 1)), 30) << "gloss at its top";
    EXPECT_EQ(image.pixel(100, 50), Grey(70)) << "body";
    for (const QPoint frame : {QPoint(0, 50), QPoint(199, 50), QPoint(100, 99)})
        EXPECT_EQ(image.pixel(frame), Grey(30));

    group->SetCaption("Behaviour: X Position");
    group->RedrawTitle();
    const QImage redrawn = Picture(*group);
    EXPECT_NE(redrawn.copy(0, 0, 200, 17), image.copy(0, 0, 200, 17));
    EXPECT_EQ(redrawn.copy(0, 17, 200, 83), image.copy(0, 17, 200, 83)) << "the body stays";
    group->SetTitleBar(false);
    EXPECT_EQ(Picture(*group).pixel(150, 8), Grey(70)) << "no band";
    EXPECT_EQ(Picture(*group).pixel(0, 8), Grey(30)) << "the frame stays";
}

TEST(SkinHeader, BandImageIconsAndVeil) {
    test::Host host;
    auto* header = host.Add(new SkinHeader, QRect(10, 10, 300, 26));
    header->setText("Save Behaviour");
    QImage image = Picture(*header);
    EXPECT_NEAR(qGreen(image.pixel(0, 8)), 30, 1) << "band starts in the title colour";
    EXPECT_NEAR(qGreen(image.pixel(299, 8)), 70 - (70 - 30) * 0x40 / 255, 2) << "and fades to alpha 0x40";
    header->SetImageFromResource(145);
    ResourceImage expected;
    ASSERT_TRUE(expected.Load(145));
    EXPECT_EQ(Picture(*header).pixel(20, 10), expected.Image().pixel(20, 10));
    header->SetIconKind(SkinHeader::kStrokesIcon);
    EXPECT_NE(Picture(*header).copy(0, 0, 17, 26), image.copy(0, 0, 17, 26)) << "strokes in the icon area";
    header->SetEnabled(false);
    image = Picture(*header);
    EXPECT_NEAR(qGreen(image.pixel(150, 2)), 70, 1) << "the veil is the background colour";
    EXPECT_NEAR(qGreen(image.pixel(299, 8)), 60 + (70 - 60) * 0xAA / 255, 2) << "veiled band";

    EXPECT_EQ(test::MessageBoxText([&] { header->SetImageFromResource(999); }),
              "Header can't find some resources\nContact Velmora");
    EXPECT_EQ(header->GetIconKind(), SkinHeader::kNoIcon);
    header->SetImageFromFile("/nonexistent.png");
    EXPECT_EQ(header->GetIconKind(), SkinHeader::kNoIcon) << "silently";
}

}  // namespace
}  // namespace motivra
