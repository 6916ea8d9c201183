#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "gui/engine/timeline_control.h"
#include "gui/skin/file_image.h"
#include "gui/skin/gradient_rect.h"
#include "gui/skin/offscreen_picture.h"
#include "gui/skin/program_resources.h"
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

// A picture as the program shows it on a device of `dpr` pixels per logical pixel, in device pixels.
using Picture = std::function<QImage(qreal dpr)>;

QImage PaintedAt(QSize logical, qreal dpr, const std::function<void(QPainter&)>& paint) {
    QImage image(logical * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::black);
    QPainter painter(&image);
    paint(painter);
    return image;
}

QImage HeaderPicture(qreal dpr) {
    ResourceImage header;
    header.Load(145);
    return PaintedAt({29, 26}, dpr, [&](QPainter& p) { header.Draw(p, 0, 0); });
}

// The resting marker: at t = 0.5 on a 201 pixel wide timeline it covers x 94..106, y 1..15.
QImage TimelineMarker(qreal dpr) {
    TimelineControl timeline;
    timeline.resize(201, 116);
    timeline.LoadMarkerImages(129, 13);
    const QImage whole = PaintedAt(timeline.size(), dpr, [&](QPainter& p) { timeline.Paint(p); });
    return whole.copy(QRectF(94 * dpr, 1 * dpr, 13 * dpr, 15 * dpr).toRect());
}

// The picture QIcon::addFile adds for icon 131 at `size` on a screen of that ratio.
Picture ProgramIconAt(int size) {
    return [size](qreal dpr) {
        UseProgramResources();
        const QString name = QStringLiteral(":/ICON/131/%1").arg(size);
        return QImage(dpr > 1 ? DoubleSizeName(name) : name);
    };
}

QImage Argb(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); }

// How many pixels differ, and the mean difference per channel (alpha included), 0..255.
std::pair<int, double> Difference(const QImage& a, const QImage& b) {
    int differing = 0;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            differing += p != q;
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return {differing, sum / (4.0 * a.width() * a.height())};
}

TEST(DoubleSizePictures, AtTwoDevicePixelsPerPixelEachIsDrawnAtTwiceItsSizeNotBlownUpFromItsOneXPicture) {
    std::vector<std::pair<std::string, Picture>> cases = {
        {"banner 130", [](qreal dpr) { return ResourceBitmap(130, dpr).toImage(); }},
        {"header picture 145", HeaderPicture},
        {"timeline marker 129", TimelineMarker}};
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        cases.emplace_back("icon 131 at " + std::to_string(size), ProgramIconAt(size));
    for (const auto& [name, picture] : cases) {
        const QImage small = Argb(picture(1));
        const QImage big = Argb(picture(2));
        EXPECT_EQ(big.devicePixelRatio(), 2) << name;
        EXPECT_FALSE(small.isNull()) << name;
        EXPECT_EQ(big.size(), small.size() * 2) << name;
        if (small.isNull() || big.size() != small.size() * 2) continue;
        // A 1x picture painted at ratio 2 comes out as this, each pixel a 2 x 2 block.
        const QImage blownUp = small.scaled(big.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        EXPECT_GT(Difference(big, blownUp).first, big.width() * big.height() / 100) << name << " is blown up";
        // Halved again, it is the 1x picture within a few levels: the same picture at twice the size.
        const QImage halved = big.scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(Difference(halved, small).second, 4) << name << " is another picture";
    }
}

}  // namespace
}  // namespace motivra
