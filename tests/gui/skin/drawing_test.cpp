#include <QFontInfo>
#include <QFontMetrics>

#include "gui/skin/file_image.h"
#include "gui/skin/gradient_rect.h"
#include "gui/skin/offscreen_picture.h"
#include "gui/skin/skin_button.h"
#include "gui/skin/skin_check_box.h"
#include "gui/skin/skin_control_factory.h"
#include "gui/skin/skin_font.h"
#include "gui/skin/skin_test_support.h"
#include "support/printers.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

QImage Canvas(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

TEST(GradientRect, EachAngleRunsFromColour1ToColour2AndOthersDrawNothing) {
    // Rectangle (10, 5)-(110, 45), red to blue: red exactly on the first pixel, blue nearly on the last and,
    // on a diagonal, half of each in the two other corners whatever the rectangle's aspect.
    const std::tuple<int, QPoint, QPoint, QPoint> cases[] = {
        {0, {10, 20}, {109, 20}, {60, 5}},  {180, {10, 20}, {109, 20}, {60, 44}},
        {90, {50, 5}, {50, 44}, {10, 25}},  {45, {10, 5}, {109, 44}, {109, 5}},
        {135, {109, 5}, {10, 44}, {10, 5}}, {30, {}, {}, {}},
    };
    for (const auto& [angle, first, last, mid] : cases) {
        QImage image = Canvas(120, 50);
        QPainter painter(&image);
        EXPECT_EQ(GradientRect(painter, 10, 5, 110, 45, 0x0000FF_scheme, 0xFF0000_scheme, angle),
                  angle == 30 ? 0 : 1);
        painter.end();
        if (angle == 30) {
            EXPECT_EQ(image, Canvas(120, 50));
            continue;
        }
        EXPECT_NEAR(qRed(image.pixel(first)), 255, 2) << "angle " << angle;
        EXPECT_NEAR(qBlue(image.pixel(last)), 255, 8) << "angle " << angle;
        EXPECT_NEAR(qRed(image.pixel(mid)), 128, 8) << "angle " << angle;
        EXPECT_EQ(image.pixel(110, 20), qRgb(255, 255, 255)) << "right edge is excluded, angle " << angle;
        EXPECT_EQ(image.pixel(50, 45), qRgb(255, 255, 255)) << "bottom edge is excluded, angle " << angle;
    }
}

TEST(OffscreenPicture, CopiesItsRectangleOnceInTheTargetsCoordinates) {
    QImage target = Canvas(40, 30);
    {
        OffscreenPicture dc(target, QRect(10, 10, 20, 10));
        dc->fillRect(QRect(0, 0, 40, 30), Qt::red);  // clipped to the rectangle by the surface's size
        EXPECT_EQ(target.pixel(15, 15), qRgb(255, 255, 255)) << "nothing reaches the target before the copy";
    }
    for (const QPoint p : {QPoint(10, 10), QPoint(29, 19), QPoint(9, 15), QPoint(30, 15), QPoint(15, 20)})
        EXPECT_EQ(target.pixel(p), QRect(10, 10, 20, 10).contains(p) ? qRgb(255, 0, 0) : qRgb(255, 255, 255));
    EXPECT_TRUE(OffscreenPicture(target, QRect(3, 3, 0, 5)).Finish().isNull()) << "a zero-sized rectangle";
}

TEST(FileImage, LoadsAPictureAndRefusesTruncatedFilesFoldersAndMissingFiles) {
    test::TempDir dir;
    const auto path = [&dir](const char* name) { return QString::fromStdString(dir.File(name)); };
    Canvas(7, 3).save(path("face.png"));
    test::WriteBytes(dir.File("junk.png"), {0x89, 'P', 'N', 'G', 0, 1, 2});
    FileImage file;
    ASSERT_TRUE(file.LoadFromFile(path("face.png")));
    EXPECT_EQ(file.GetWidth(), 7);
    for (const char* bad : {"junk.png", "", "missing.png"}) {
        EXPECT_FALSE(file.LoadFromFile(path(bad))) << bad;
        EXPECT_TRUE(file.IsEmpty()) << bad;
    }
}

TEST(SkinFont, TheControlFontFitsItsCellOnAFaceEveryDesktopHas) {
    EXPECT_NEAR(QFontMetrics(ControlFont()).height(), 13.5, 1.5) << "cell height 15 at most";
    const QString family = QFontInfo(ControlFont()).family();
    EXPECT_TRUE(family == "Liberation Sans" || family == "DejaVu Sans") << family.toStdString();
}

TEST(DialogTemplate, ItemsBecomeSkinnedControlsPlacedInPixelsAndFoundById) {
    const DialogItem items[] = {
        {1, DialogControlKind::Button, "OK", {7, 3, 50, 14}},
        {1019, DialogControlKind::CheckBox, "Smooth", {60, 40, 40, 10}},
        {1094, DialogControlKind::Custom, "", {210, 30, 100, 100}},
    };
    QWidget dialog;
    QWidget* custom = nullptr;
    BuildSkinDialog(dialog, 581, 378, items,
                    [&](const DialogItem&, QWidget* parent) { return custom = new QWidget(parent); });
    EXPECT_EQ(dialog.size(), QSize(872, 614));
    ASSERT_NE(FindControl<SkinButton>(dialog, 1), nullptr);
    EXPECT_EQ(FindControl<SkinButton>(dialog, 1)->geometry(), QRect(11, 5, 75, 23));
    EXPECT_EQ(FindControl<SkinButton>(dialog, 1019), nullptr) << "id 1019 is a check box";
    EXPECT_EQ(FindControl<SkinCheckBox>(dialog, 1019)->text(), "Smooth");
    EXPECT_EQ(FindControl(dialog, 1094), custom);
}

}  // namespace
}  // namespace motivra
