#include "gui/engine/preview_window.h"

#include <gtest/gtest.h>

#include <QSet>

#include "core/engine/behaviour_file.h"
#include "gui/engine/engine_test_support.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

using S = ParameterSlot;
using test::Edit;
using test::PixelAt;

const QColor kBlack(0, 0, 0);
const QColor kMiddle(40, 40, 40);
const QColor kStartPen(90, 90, 90);
const QColor kEndPen(120, 40, 40);
const QColor kCurrentPen(90, 255, 90);

// 300 x 240: thirds of 100 and 80, so the middle third is (100, 80)-(200, 160).
QImage RenderPreview(PreviewWindow& preview) {
    preview.resize(300, 240);
    return preview.Render();
}

TEST(PreviewWindow, FreshBehaviourDrawsTheCurrentPoseOverTheOthersOnTheMiddleThird) {
    PreviewWindow preview;
    const QImage image = RenderPreview(preview);
    ASSERT_EQ(image.size(), QSize(300, 240));
    EXPECT_EQ(PixelAt(image, 10, 10), kBlack);
    EXPECT_EQ(PixelAt(image, 120, 100), kMiddle);
    for (const QPoint corner : {QPoint(100, 80), QPoint(200, 80), QPoint(100, 160), QPoint(200, 160)}) {
        EXPECT_EQ(PixelAt(image, corner.x(), corner.y()), kCurrentPen) << corner.x() << "," << corner.y();
    }
    EXPECT_EQ(PixelAt(image, 150, 120), kCurrentPen) << "the cross through the centre";
    EXPECT_EQ(PixelAt(image, 150, 100), kCurrentPen);
    EXPECT_EQ(PixelAt(image, 120, 120), kCurrentPen);
    EXPECT_EQ(PixelAt(image, 201, 120), kBlack) << "nothing outside the outline";
}

TEST(PreviewWindow, EachPoseHasItsOwnPen) {
    PreviewWindow preview;
    Edit(preview.Tracks(), S::XPosition, 1, 3);  // stored -1 to 1: start a third left, end a third right
    const QImage image = RenderPreview(preview);
    EXPECT_EQ(PixelAt(image, 50, 80), kStartPen);
    EXPECT_EQ(PixelAt(image, 0, 120), kStartPen);
    EXPECT_EQ(PixelAt(image, 250, 160), kEndPen);
    EXPECT_EQ(PixelAt(image, 150, 80), kCurrentPen);  // halfway at t = 0.5

    preview.Tracks().SetTime(0);
    EXPECT_EQ(PixelAt(RenderPreview(preview), 50, 80), kCurrentPen)
        << "the current pose drawn last, at the start";
}

TEST(PreviewWindow, AlphaColoursTheCurrentPen) {
    struct AlphaCase {
        double alpha;
        QColor pen;
    };
    for (const AlphaCase& c : {AlphaCase{255, QColor(127, 255, 127)}, AlphaCase{0, QColor(0, 43, 0)}}) {
        PreviewWindow preview;
        Edit(preview.Tracks(), S::Alpha, c.alpha, c.alpha);
        const QImage image = RenderPreview(preview);
        EXPECT_EQ(PixelAt(image, 100, 80), c.pen) << c.alpha;
        EXPECT_EQ(PixelAt(image, 200, 160), c.pen) << c.alpha;
    }
}

TEST(PreviewWindow, DrawsWithoutAntiAliasing) {
    // A turned, sheared picture has slanted edges; only the five colours of the preview may appear.
    PreviewWindow preview;
    Edit(preview.Tracks(), S::Degrees, 1.1, 0.8);
    Edit(preview.Tracks(), S::XShear, 1.2, 0.9);
    Edit(preview.Tracks(), S::Zoom, 1.4, 0.7);
    const QImage image = RenderPreview(preview);
    const QSet<QRgb> allowed{kBlack.rgb(), kMiddle.rgb(), kStartPen.rgb(), kEndPen.rgb(), kCurrentPen.rgb()};
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) seen.insert(image.pixel(x, y) | 0xFF000000);
    }
    EXPECT_TRUE(seen.contains(kStartPen.rgb()) && seen.contains(kEndPen.rgb()));
    for (const QRgb colour : seen) EXPECT_TRUE(allowed.contains(colour)) << std::hex << colour;
}

TEST(PreviewWindow, LoadingAFileCompletesItSoTracksReadBackInEditorForm) {
    test::TempDir dir;
    TrackStore written;
    Edit(written, S::XPosition, 3, 1);
    Edit(written, S::Degrees, 1.25, 0.5);
    ASSERT_TRUE(SaveBehaviourFile(written, dir.Folder(), "b", "text", BehaviourFlags{1, 0, 1, 0}));

    PreviewWindow preview;
    preview.LoadBehaviourFile(dir.File("b.vmr"));
    EXPECT_TRUE(preview.Tracks().IsLoaded());
    EXPECT_DOUBLE_EQ(preview.Tracks().GetTrack(0).start, 3);
    EXPECT_DOUBLE_EQ(preview.Tracks().GetTrack(2).start, 1.25);
    EXPECT_DOUBLE_EQ(preview.Tracks().GetTrack(2).end, 0.5);
    EXPECT_EQ(preview.Tracks().Time(), 0);
    EXPECT_EQ(preview.Tracks().ThumbnailText(), "text");
    EXPECT_EQ(preview.Tracks().Flags(), (BehaviourFlags{1, 0, 1, 0}));
}

}  // namespace
}  // namespace motivra
