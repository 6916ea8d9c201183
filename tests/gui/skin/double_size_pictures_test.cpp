#include "gui/skin/file_image.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <cstdlib>
#include <functional>
#include <string>
#include <utility>

#include "gui/skin/program_resources.h"
#include "gui/engine/timeline_control.h"

namespace motivra {
namespace {

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

int DifferingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

// Mean difference per channel (alpha included), 0..255.
double MeanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * a.width() * a.height());
}

TEST(DoubleSizePictures, AtTwoDevicePixelsPerPixelEachIsDrawnAtTwiceItsSizeNotBlownUpFromItsOneXPicture) {
    const std::pair<std::string, Picture> cases[] = {
        {"banner 130", [](qreal dpr) { return ResourceBitmap(130, dpr).toImage(); }},
        {"header picture 145", HeaderPicture},
        {"timeline marker 129", TimelineMarker},
        {"icon 131 at 16", ProgramIconAt(16)},
        {"icon 131 at 24", ProgramIconAt(24)},
        {"icon 131 at 32", ProgramIconAt(32)},
        {"icon 131 at 48", ProgramIconAt(48)},
        {"icon 131 at 64", ProgramIconAt(64)},
        {"icon 131 at 128", ProgramIconAt(128)},
        {"icon 131 at 256", ProgramIconAt(256)},
    };
    for (const auto& [name, picture] : cases) {
        const QImage small = Argb(picture(1));
        const QImage big = Argb(picture(2));
        EXPECT_EQ(big.devicePixelRatio(), 2) << name;
        if (small.isNull() || big.size() != small.size() * 2) {
            ADD_FAILURE() << name << ": " << big.width() << " x " << big.height() << " at ratio 2, "
                          << small.width() << " x " << small.height() << " at 1";
            continue;
        }
        // A 1x picture painted at ratio 2 comes out as this, each pixel a 2 x 2 block.
        const QImage blownUp = small.scaled(big.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        EXPECT_GT(DifferingPixels(big, blownUp), big.width() * big.height() / 100) << name << " is blown up";
        // Halved again, it is the 1x picture within a few levels: the same picture at twice the size.
        const QImage halved = big.scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(MeanDifference(halved, small), 4) << name << " is another picture";
    }
}

}  // namespace
}  // namespace motivra
