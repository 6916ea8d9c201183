#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPushButton>

#include <gtest/gtest.h>

#include "gui/skin/dialog_template.h"
#include "gui/skin/file_image.h"
#include "gui/skin/gradient_rect.h"
#include "gui/skin/memory_dc.h"
#include "gui/skin/skin_font.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

QImage Canvas(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

// Channels within one step of each other: gradients are interpolated through a colour table.
::testing::AssertionResult Near(QRgb actual, QRgb expected, int tolerance = 2) {
    const int d =
        std::max({std::abs(qRed(actual) - qRed(expected)), std::abs(qGreen(actual) - qGreen(expected)),
                  std::abs(qBlue(actual) - qBlue(expected))});
    if (d <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << QColor(actual).name().toStdString() << " is not near " << QColor(expected).name().toStdString();
}

constexpr Colour kRed = 0x0000FF;  // GDI form: b0 is red
constexpr Colour kBlue = 0xFF0000;

TEST(GradientRect, EachAngleRunsFromColour1ToColour2) {
    struct Case {
        int angle;
        QPoint first, last;
    };
    // Rectangle (10, 5)-(110, 45): colour1 lands exactly on its first pixel, colour2 nearly on its last.
    const Case cases[] = {
        {0, {10, 20}, {109, 20}}, {180, {10, 20}, {109, 20}}, {90, {50, 5}, {50, 44}},
        {45, {10, 5}, {109, 44}}, {135, {109, 5}, {10, 44}},
    };
    for (const Case& c : cases) {
        QImage image = Canvas(120, 50);
        QPainter painter(&image);
        EXPECT_EQ(GradientRect(painter, 10, 5, 110, 45, kRed, kBlue, c.angle), 1);
        painter.end();
        EXPECT_TRUE(Near(image.pixel(c.first), qRgb(255, 0, 0), 2)) << "angle " << c.angle;
        EXPECT_TRUE(Near(image.pixel(c.last), qRgb(0, 0, 255), 8)) << "angle " << c.angle;
        EXPECT_EQ(image.pixel(9, 20), qRgb(255, 255, 255)) << "left of the rectangle, angle " << c.angle;
        EXPECT_EQ(image.pixel(110, 20), qRgb(255, 255, 255)) << "right edge is excluded, angle " << c.angle;
        EXPECT_EQ(image.pixel(50, 45), qRgb(255, 255, 255)) << "bottom edge is excluded, angle " << c.angle;
    }
}

TEST(GradientRect, DiagonalGivesTheOtherCornersTheMidColour) {
    QImage image = Canvas(100, 20);
    QPainter painter(&image);
    GradientRect(painter, 0, 0, 100, 20, kRed, kBlue, 45);
    painter.end();
    // The last column and row are one pixel short of the far edges: 99/100 across, 19/20 down.
    EXPECT_TRUE(Near(image.pixel(99, 0), qRgb(129, 0, 126)));
    EXPECT_TRUE(Near(image.pixel(0, 19), qRgb(134, 0, 121)));
}

TEST(GradientRect, OtherAnglesDrawNothing) {
    for (const int angle : {30, -90, -45, 91}) {
        QImage image = Canvas(20, 20);
        QPainter painter(&image);
        EXPECT_EQ(GradientRect(painter, 0, 0, 20, 20, kRed, kBlue, angle), 0) << angle;
        painter.end();
        EXPECT_EQ(image, Canvas(20, 20)) << angle;
    }
}

TEST(MemoryDC, CopiesItsRectangleOnceInTheTargetsCoordinates) {
    QImage target = Canvas(40, 30);
    {
        MemoryDC dc(target, QRect(10, 10, 20, 10));
        EXPECT_EQ(target.pixel(15, 15), qRgb(255, 255, 255)) << "nothing reaches the target before the copy";
        dc->fillRect(QRect(0, 0, 40, 30), Qt::green);  // clipped to the rectangle by the surface's size
        dc->fillRect(QRect(12, 12, 2, 2), Qt::red);
        EXPECT_EQ(target.pixel(15, 15), qRgb(255, 255, 255));
    }
    EXPECT_EQ(target.pixel(12, 12), qRgb(255, 0, 0));
    EXPECT_EQ(target.pixel(20, 15), qRgb(0, 255, 0));
    EXPECT_EQ(target.pixel(9, 15), qRgb(255, 255, 255));
    EXPECT_EQ(target.pixel(30, 15), qRgb(255, 255, 255));
    EXPECT_EQ(target.pixel(15, 20), qRgb(255, 255, 255));
}

TEST(MemoryDC, AZeroSizedRectangleCopiesNothing) {
    QImage target = Canvas(10, 10);
    MemoryDC dc(target, QRect(3, 3, 0, 5));
    EXPECT_TRUE(dc.Finish().isNull());
    EXPECT_EQ(target, Canvas(10, 10));
}

TEST(MemoryDC, APictureWithoutTargetStartsBlack) {
    MemoryDC dc(QSize(8, 4));
    dc->fillRect(QRect(0, 0, 4, 4), Qt::white);
    const QImage picture = dc.Finish();
    ASSERT_EQ(picture.size(), QSize(8, 4));
    EXPECT_EQ(picture.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(6, 1), qRgb(0, 0, 0));
}

TEST(Images, ResourceAndFileImagesLoadOrStayEmpty) {
    ResourceImage resource;
    ASSERT_TRUE(resource.Load(145));
    EXPECT_EQ(resource.GetWidth(), 29);
    EXPECT_EQ(resource.GetHeight(), 26);
    EXPECT_FALSE(resource.Load(146)) << "no such resource";
    EXPECT_TRUE(resource.IsEmpty());
    EXPECT_EQ(resource.GetWidth(), 0);

    test::TempDir dir;
    const QString png = QString::fromStdString(dir.File("face.png"));
    Canvas(7, 3).save(png);
    FileImage file;
    ASSERT_TRUE(file.LoadFromFile(png));
    EXPECT_EQ(file.GetWidth(), 7);
    const QString junk = QString::fromStdString(dir.File("junk.png"));
    test::WriteBytes(dir.File("junk.png"), {0x89, 'P', 'N', 'G', 0, 1, 2});
    EXPECT_FALSE(file.LoadFromFile(junk)) << "a truncated file is refused";
    EXPECT_TRUE(file.IsEmpty());
    EXPECT_FALSE(file.LoadFromFile(png + ".missing"));
}

TEST(SkinFont, CellHeightsFitAndWeightsMap) {
    for (const int height : {10, 12, 15}) {
        const QFont font = SkinFont(FontFace::MsSansSerif, height);
        EXPECT_LE(QFontMetrics(font).height(), height);
        EXPECT_GE(QFontMetrics(font).height(), height - 3);
    }
    EXPECT_EQ(SkinFont(FontFace::Verdana, -11).pixelSize(), 11);
    EXPECT_TRUE(ControlFont(700).bold());
    EXPECT_FALSE(SkinFont(FontFace::MsSansSerif, 12, 100).bold());
    EXPECT_EQ(QFontMetrics(SkinFont(FontFace::MsSansSerif, 12, 100)).height(),
              QFontMetrics(SkinFont(FontFace::MsSansSerif, 12, 400)).height())
        << "a thin caption draws as normal";
    const QString family = QFontInfo(ControlFont()).family();
    EXPECT_TRUE(family == "Liberation Sans" || family == "DejaVu Sans") << family.toStdString();
}

TEST(DialogTemplate, ControlsArePlacedInPixelsAndFoundById) {
    const DialogItem items[] = {
        {1, DialogControlKind::Button, "OK", {7, 3, 50, 14}},
        {2, DialogControlKind::CheckBox, "Smooth", {7, 20, 40, 10}},
        {1094, DialogControlKind::Custom, "", {60, 3, 100, 80}},
    };
    QWidget dialog;
    BuildDialog(dialog, 581, 378, items, [](const DialogItem& item, QWidget* parent) -> QWidget* {
        switch (item.kind) {
            case DialogControlKind::Button:
                return new QPushButton(QString::fromUtf8(item.text), parent);
            case DialogControlKind::CheckBox:
                return new QCheckBox(QString::fromUtf8(item.text), parent);
            default:
                return nullptr;
        }
    });
    EXPECT_EQ(dialog.size(), QSize(872, 614));
    auto* ok = FindControl<QPushButton>(dialog, 1);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(ok->geometry(), QRect(11, 5, 75, 23));
    EXPECT_EQ(FindControl<QPushButton>(dialog, 2), nullptr) << "id 2 is a check box";
    EXPECT_NE(FindControl<QCheckBox>(dialog, 2), nullptr);
    EXPECT_EQ(FindControl(dialog, 1094), nullptr) << "the factory left the custom item out";
}

}  // namespace
}  // namespace motivra
