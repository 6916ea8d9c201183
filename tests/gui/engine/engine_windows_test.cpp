// The engine's windows: the timeline and transport controls, the live preview and the still thumbnail with
// its bitmap.
#include <gtest/gtest.h>

#include <QImage>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>

#include "core/engine/behaviour_file.h"
#include "gui/engine/preview_window.h"
#include "gui/engine/thumbnail_bitmap.h"
#include "gui/engine/thumbnail_view.h"
#include "gui/engine/timeline_control.h"
#include "gui/engine/transport_control.h"
#include "support/engine_test_support.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using S = ParameterSlot;

// A control shown in the default scheme and driven by real mouse events along one row, its change signal
// counted.
template <typename Control>
struct Shown {
    template <typename Signal>
    Shown(QSize size, int row, Signal changed) : y(row), spy(&control, changed) {
        control.resize(size);
        control.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&control));
    }
    void Press(int x) { QTest::mousePress(&control, Qt::LeftButton, {}, QPoint(x, y)); }
    void Move(int x) { QTest::mouseMove(&control, QPoint(x, y)); }
    void Release(int x) { QTest::mouseRelease(&control, Qt::LeftButton, {}, QPoint(x, y)); }
    // Whether the pixel is painted far redder than it is blue, as the dragged marker or part is.
    bool RedAt(int x, int row) const {
        const QColor c = control.Render().pixelColor(x, row);
        return c.red() > c.blue() + 60;
    }

    Control control;
    int y;
    QSignalSpy spy;
};

// The graph shows the curve, the default value and the time line; only the pressed marker drags, following
// the mouse to either end in red and notifying.
TEST(TimelineControl, TheGraphShowsTheCurveAndOnlyThePressedMarkerDragsToEitherEndInRedAndNotifying) {
    // 201 x 116: a time axis of 200 pixels, the marker at x 100 for t = 0.5.
    Shown<TimelineControl> t({201, 116}, 5, &TimelineControl::timeChanged);
    t.control.LoadMarkerImages(129, 13);
    t.control.SetRange(0, 4);
    t.control.SetStart(4);
    t.control.SetEnd(0);
    t.control.SetDefaultValue(1);
    const QImage image = t.control.Render();
    EXPECT_EQ(image.pixelColor(50, 40), QColor(Qt::black))
        << "the curve from the start value down to the end";
    EXPECT_EQ(image.pixelColor(30, 90), QColor(0x5A, 0x5A, 0x5A)) << "the default value's line";
    EXPECT_EQ(image.pixelColor(100, 60), QColor(255, 55, 55)) << "the time line at t = 0.5";

    const auto markerRed = [&] { return t.RedAt(static_cast<int>(t.control.GetTime() * 200), 6); };
    for (const int x : {93, 106}) {  // just beside the marker
        t.Press(x);
        t.Move(x + 20);
        t.Release(x + 20);
    }
    EXPECT_FALSE(markerRed());
    t.Press(103);  // three pixels right of the time line
    EXPECT_TRUE(markerRed());
    t.Move(153);
    EXPECT_DOUBLE_EQ(t.control.GetTime(), 0.75);
    t.Move(400);
    EXPECT_DOUBLE_EQ(t.control.GetTime(), 1);
    t.Move(-60);
    EXPECT_DOUBLE_EQ(t.control.GetTime(), 0);
    EXPECT_EQ(t.spy.count(), 3) << "one notification after each move, clamped or not";
    t.Release(-60);
    EXPECT_FALSE(markerRed()) << "released";
}

TEST(TransportControl, EachPartDragsFromWhereItWasGrabbedInTheSelectedColourAndAClickBesideThemDoesNot) {
    // The editor's 258 x 24 bar: handles 16 wide, a track of 224 pixels. With times 0.25 and 0.75 the start
    // handle spans x 57..71, the bar 73..182 and the end handle 184..199.
    struct Transport : Shown<TransportControl> {
        Transport() : Shown({258, 24}, 12, &TransportControl::timesChanged) { control.SetTimes(0.25, 0.75); }
    };
    struct DragCase {
        int from, to;
        std::optional<TransportPart> part;
        double start, end;
    };
    const DragCase cases[] = {
        {64, 120, TransportPart::StartHandle, 0.5, 0.75},  // centre to x 120: the start at 112 / 224
        {196, 140, TransportPart::EndHandle, 0.25, 0.5},   // grabbed 4 right of the centre, which goes to 136
        {128, 100, TransportPart::MiddleBar, 0.125, 0.625},
        {72, 102, {}, 0.25, 0.75},   // between the start handle and the bar
        {183, 213, {}, 0.25, 0.75},  // between the bar and the end handle
    };
    for (const DragCase& c : cases) {
        Transport t;
        t.Press(c.from);
        EXPECT_EQ(t.control.DraggedPart(), c.part) << c.from;
        EXPECT_EQ(t.RedAt(c.from, 16), c.part.has_value()) << "the dragged part turns orange, " << c.from;
        t.Move(c.to);
        EXPECT_DOUBLE_EQ(t.control.GetStartTime(), c.start) << c.from << " to " << c.to;
        EXPECT_DOUBLE_EQ(t.control.GetEndTime(), c.end) << c.from << " to " << c.to;
        EXPECT_EQ(t.spy.count(), c.part ? 1 : 0);
        t.Release(c.to);
        EXPECT_FALSE(t.RedAt(c.to, 16));
    }
}

// Writes the view's thumbnail bitmap, giving the failures it would show.
QStringList SaveThumbnail(ThumbnailView& view, const fs::path& folder, const QString& name) {
    return WriteThumbnailBitmap(view.Render(), view.size(), QString::fromStdString(folder.string()), name);
}

// A missing folder writes nothing, silently, and each failing step is reported once; the view's bitmap is
// its anti-aliased picture, and the behaviour saved from it loads into the preview in editor form.
TEST(ThumbnailView, EachFailingStepIsReportedOnceAndTheBitmapIsTheAntiAliasedPicture) {
    test::TempDir dir;
    ThumbnailView view;
    view.resize(96, 72);
    EXPECT_EQ(SaveThumbnail(view, dir.Path() / "thumbs", "x"), QStringList{});
    EXPECT_TRUE(fs::is_empty(dir.Path()));

    fs::create_directories(dir.Path() / "taken.bmp" / "inside");
    // A failed write names the file and the system's reason.
    EXPECT_EQ(
        SaveThumbnail(view, dir.Path(), "taken"),
        QStringList{"CreateFile\nError\n" + QString::fromStdString((dir.Path() / "taken.bmp").string()) +
                    ": open: Is a directory"});
    EXPECT_TRUE(fs::is_directory(dir.Path() / "taken.bmp" / "inside"));

    view.resize(0, 0);
    EXPECT_EQ(SaveThumbnail(view, dir.Path(), "empty"), QStringList{"error\nError"});
    EXPECT_FALSE(fs::exists(dir.Path() / "empty.bmp"));

    // A picture that could not be allocated has no pixels to read; the old thumbnail stays.
    test::WriteBytes(dir.Path() / "old.bmp", {1, 2, 3});
    EXPECT_EQ(
        WriteThumbnailBitmap(QImage(), QSize(96, 72), QString::fromStdString(dir.Path().string()), "old"),
        (QStringList{"GlobalAlloc\nError", "GetDIBits\nError"}));
    EXPECT_EQ(test::ReadBytes(dir.Path() / "old.bmp"), (std::vector<std::uint8_t>{1, 2, 3}));

    view.resize(96, 72);
    view.Tracks() = test::Edited({{S::Degrees, 1.1, 0.9}, {S::XPosition, 2, 2.5}, {S::Alpha, 255, 0}});
    view.SetThumbnailText("turn");
    EXPECT_EQ(SaveThumbnail(view, dir.Path(), "turn-0001"), QStringList{});
    const fs::path file = dir.Path() / "turn-0001.bmp";
    EXPECT_EQ(fs::file_size(file), 54u + 96 * 4 * 72) << "32 bits a pixel, no colour table";
    const QImage picture = view.Render().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(QImage(QString::fromStdString(file.string())).convertToFormat(QImage::Format_RGB32), picture);
    QSet<QRgb> colours;
    for (int y = 10; y < 72; ++y) {
        for (int x = 0; x < 96; ++x) colours.insert(picture.pixel(x, y));
    }
    EXPECT_GT(colours.size(), 20) << "the poses' slanted edges are anti-aliased";

    ASSERT_TRUE(SaveBehaviourFile(view.Tracks(), dir.Folder(), "b", "wave", BehaviourFlags{1, 0, 0, 1}));
    PreviewWindow preview;
    preview.LoadBehaviourFile(dir.File("b.vmr"));
    EXPECT_EQ(preview.Tracks().ThumbnailText(), "wave");
    EXPECT_EQ(preview.Tracks().Flags(), (BehaviourFlags{1, 0, 0, 1}));
    for (int slot : {0, 2, 11})
        EXPECT_EQ(preview.Tracks().GetTrack(slot), view.Tracks().GetTrack(slot)) << slot;
}

// 300 x 240: thirds of 100 and 80, so the middle third is (100, 80)-(200, 160).
QImage RenderPreview(const TrackStore& tracks) {
    PreviewWindow preview;
    preview.Tracks() = tracks;
    preview.resize(300, 240);
    return preview.Render();
}

// Exact pen colours on the outlines' corners also show that nothing is anti-aliased.
TEST(PreviewWindow, EachPoseHasItsOwnPenAndAlphaColoursTheCurrentOne) {
    // Stored X Position -1 to 1: start a third left, end a third right, current in the middle at t = 0.5.
    const QImage image = RenderPreview(test::Edited({{S::XPosition, 1, 3}}));
    EXPECT_EQ(image.pixelColor(10, 10), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(120, 100), QColor(40, 40, 40)) << "the middle third";
    EXPECT_EQ(image.pixelColor(50, 80), QColor(90, 90, 90)) << "the start pen";
    EXPECT_EQ(image.pixelColor(250, 160), QColor(120, 40, 40)) << "the end pen";
    EXPECT_EQ(image.pixelColor(150, 80), QColor(90, 255, 90)) << "the current pen";
    EXPECT_EQ(image.pixelColor(150, 120), QColor(90, 255, 90)) << "the cross through its centre";

    const QImage faded = RenderPreview(test::Edited({{S::XPosition, 1, 3}, {S::Alpha, 0, 0}}));
    EXPECT_EQ(faded.pixelColor(100, 80), QColor(0, 43, 0));
    EXPECT_EQ(faded.pixelColor(200, 160), QColor(0, 43, 0));
}

}  // namespace
}  // namespace motivra
