#include "gui/skin/skin_group_box.h"

#include <gtest/gtest.h>

#include "gui/platform/settings.h"
#include "gui/skin/file_image.h"
#include "gui/skin/skin_header.h"
#include "gui/skin/skin_test_support.h"

namespace motivra {
namespace {

using test::Grey;
using test::Picture;

TEST(SkinGroupBox, CaptionFlipsToGrey223OnTheDefaultTitle) {
    WriteSchemeDword("TextColour", 0x202020);
    test::Host host;
    auto* group = host.Add(new SkinGroupBox, QRect(10, 10, 200, 100));
    WriteSchemeDword("TextColour", 0xAAAAAA);
    group->setTitle("Edit Behaviours");
    EXPECT_EQ(group->Colours().textColour, 0xDFDFDFu);
    EXPECT_GE(test::Brightest(Picture(*group), QRect(5, 2, 100, 12)), 215);
}

TEST(SkinGroupBox, TitleBandFrameAndBody) {
    test::Host host;
    auto* group = host.Add(new SkinGroupBox, QRect(10, 10, 200, 100));
    group->SetCaption("");
    QImage image = Picture(*group);
    EXPECT_TRUE(test::Near(image.pixel(150, 8), Grey(30), 1)) << "band in the title colour";
    EXPECT_LT(qGreen(image.pixel(150, 16)), 30) << "shaded towards its bottom";
    EXPECT_GT(qGreen(image.pixel(150, 1)), 30) << "gloss at its top";
    EXPECT_EQ(image.pixel(100, 50), Grey(70)) << "body";
    EXPECT_EQ(image.pixel(0, 50), Grey(30)) << "left frame";
    EXPECT_EQ(image.pixel(199, 50), Grey(30)) << "right frame";
    EXPECT_EQ(image.pixel(100, 99), Grey(30)) << "bottom frame";
    group->SetTitleBar(false);
    image = Picture(*group);
    EXPECT_EQ(image.pixel(150, 8), Grey(70)) << "no band";
    EXPECT_EQ(image.pixel(0, 8), Grey(30)) << "the frame stays";
}

TEST(SkinGroupBox, RedrawTitleShowsANewCaption) {
    test::Host host;
    auto* group = host.Add(new SkinGroupBox, QRect(10, 10, 200, 100));
    group->setTitle("Behaviour: Zoom");
    host.Show();
    const QImage before = Picture(*group);
    group->SetCaption("Behaviour: X Position");
    group->RedrawTitle();
    const QImage after = Picture(*group);
    EXPECT_NE(before.copy(0, 0, 200, 17), after.copy(0, 0, 200, 17));
    EXPECT_EQ(before.copy(0, 17, 200, 83), after.copy(0, 17, 200, 83));
}

TEST(SkinHeader, BandImageIconsAndVeil) {
    test::Host host;
    auto* header = host.Add(new SkinHeader, QRect(10, 10, 300, 26));
    header->setText("Save Behaviour");
    QImage image = Picture(*header);
    EXPECT_TRUE(test::Near(image.pixel(0, 8), Grey(30), 1)) << "band starts in the title colour";
    EXPECT_TRUE(test::Near(image.pixel(299, 8), Grey(70 - (70 - 30) * 0x40 / 255), 2))
        << "fades to alpha 0x40";
    EXPECT_EQ(image.pixel(40, 2), Grey(70)) << "background above the band";

    header->SetImageFromResource(145);
    EXPECT_EQ(header->GetIconKind(), SkinHeader::kResourceIcon);
    image = Picture(*header);
    ResourceImage expected;
    ASSERT_TRUE(expected.Load(145));
    EXPECT_EQ(image.pixel(20, 10), expected.Image().pixel(20, 10));

    header->SetIconKind(SkinHeader::kStrokesIcon);
    image = Picture(*header);
    int coloured = 0;
    for (int y = 0; y < 26; ++y)
        for (int x = 0; x < 17; ++x)
            if (std::abs(qRed(image.pixel(x, y)) - qBlue(image.pixel(x, y))) > 60) ++coloured;
    EXPECT_GT(coloured, 10) << "coloured strokes in the icon area";

    header->SetEnabled(false);
    image = Picture(*header);
    EXPECT_TRUE(test::Near(image.pixel(150, 2), Grey(70), 1)) << "the veil is the background colour";
    EXPECT_TRUE(test::Near(image.pixel(299, 8), Grey(60 + (70 - 60) * 0xAA / 255), 2)) << "veiled band";

    test::MessageBoxCatcher catcher;
    header->SetImageFromResource(999);
    EXPECT_EQ(catcher.Text(), "Header can't find some resources\nContact Velmora");
    EXPECT_EQ(header->GetIconKind(), SkinHeader::kNoIcon);
    header->SetImageFromFile("/nonexistent.png");
    EXPECT_EQ(header->GetIconKind(), SkinHeader::kNoIcon) << "silently";
}

}  // namespace
}  // namespace motivra
