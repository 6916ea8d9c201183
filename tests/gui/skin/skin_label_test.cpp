#include "gui/skin/skin_label.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include "gui/skin/skin_button.h"
#include "gui/skin/skin_check_box.h"
#include "gui/skin/skin_control_factory.h"
#include "gui/skin/skin_group_box.h"
#include "gui/skin/skin_test_support.h"

namespace motivra {
namespace {

using test::Grey;
using test::Picture;

TEST(SkinLabel, TakesTheWindowTextOnTheFirstPaintOnly) {
    test::Host host;
    auto* label = host.Add(new SkinLabel, QRect(10, 10, 100, 16));
    label->setText("Alpha:");
    const QImage first = Picture(*label);
    EXPECT_EQ(label->ShownText(), "Alpha:");
    label->setText("Zoom:");
    EXPECT_EQ(Picture(*label), first) << "the window text alone does not change the label";
    label->SetText("Zoom:");
    EXPECT_NE(Picture(*label), first);
}

TEST(SkinLabel, DrawsInTheFlippedButtonTextAndHalfwayWhenDisabled) {
    test::Host host;
    auto* label = host.Add(new SkinLabel, QRect(10, 10, 100, 16));
    label->setText("HIIIH");
    const QImage normal = Picture(*label);
    // The stems' most covered pixels come within a few levels of the text colour, never past it.
    EXPECT_NEAR(test::Brightest(normal, normal.rect()), 198, 12) << "grey 198 on the default background";
    label->SetEnabled(false);
    const QImage disabled = Picture(*label);
    EXPECT_NEAR(test::Brightest(disabled, disabled.rect()), 134, 8) << "halfway from 70 to 198";
}

TEST(SkinLabel, AClickIsReportedLikeAButtonClick) {
    test::Host host;
    auto* label = host.Add(new SkinLabel, QRect(10, 10, 100, 16));
    host.Show();
    QSignalSpy clicks(label, &SkinLabel::clicked);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(SkinControlFactory, TemplateItemsBecomeSkinnedControlsFoundById) {
    const DialogItem items[] = {
        {1016, DialogControlKind::Label, "X Position:", {7, 40, 50, 8}},
        {1, DialogControlKind::Button, "OK", {7, 3, 50, 14}},
        {1019, DialogControlKind::CheckBox, "Smooth", {60, 40, 40, 10}},
        {1090, DialogControlKind::GroupBox, "Edit Behaviours", {2, 30, 200, 100}},
        {1094, DialogControlKind::Custom, "", {210, 30, 100, 100}},
    };
    QWidget dialog;
    QWidget* custom = nullptr;
    BuildSkinDialog(dialog, 320, 140, items, [&custom](const DialogItem& item, QWidget* parent) {
        custom = new QWidget(parent);
        EXPECT_EQ(item.id, 1094);
        return custom;
    });
    ASSERT_NE(FindControl<SkinLabel>(dialog, 1016), nullptr);
    EXPECT_EQ(FindControl<SkinLabel>(dialog, 1016)->text(), "X Position:");
    EXPECT_EQ(FindControl<SkinButton>(dialog, 1)->text(), "OK");
    EXPECT_EQ(FindControl<SkinCheckBox>(dialog, 1019)->text(), "Smooth");
    EXPECT_EQ(FindControl<SkinGroupBox>(dialog, 1090)->title(), "Edit Behaviours");
    EXPECT_EQ(FindControl(dialog, 1094), custom);
    EXPECT_EQ(custom->geometry(), QRect(315, 49, 150, 162));
}

}  // namespace
}  // namespace motivra
