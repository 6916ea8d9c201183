// The two windows that draw poses: the live preview and the still thumbnail with its bitmap.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>

#include <filesystem>

#include "core/engine/behaviour_file.h"
#include "gui/engine/preview_window.h"
#include "gui/engine/thumbnail_bitmap.h"
#include "gui/engine/thumbnail_view.h"
#include "support/engine_test_support.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using S = ParameterSlot;

// Writes the view's thumbnail bitmap, giving the failures it would show.
QStringList SaveThumbnail(ThumbnailView& view, const fs::path& folder, const QString& name) {
    return WriteThumbnailBitmap(view.Render(), view.size(), QString::fromStdString(folder.string()), name);
}

TEST(ThumbnailView, TheBitmapIsTheAntiAliasedPictureAndQtAndImageMagickReadIt) {
    test::TempDir dir;
    ThumbnailView view;
    view.resize(96, 72);
    view.Tracks() = test::Edited({{S::Degrees, 1.1, 0.9}, {S::XPosition, 2, 2.5}});
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

    const QString identify = QStandardPaths::findExecutable("identify");
    if (identify.isEmpty()) GTEST_SKIP() << "ImageMagick is not installed";
    QProcess process;
    process.start(identify, {"-format", "%w x %h", QString::fromStdString(file.string())});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(process.readAllStandardOutput().trimmed().toStdString(), "96 x 72");
}

TEST(ThumbnailView, ABehaviourSavedFromTheViewLoadsIntoThePreviewInEditorForm) {
    test::TempDir dir;
    ThumbnailView view;
    view.Tracks() = test::Edited({{S::Degrees, 1.25, 0.5}, {S::XPosition, 3, 1}, {S::Alpha, 255, 0}});
    ASSERT_TRUE(SaveBehaviourFile(view.Tracks(), dir.Folder(), "b", "wave", BehaviourFlags{1, 0, 0, 1}));

    PreviewWindow preview;
    preview.LoadBehaviourFile(dir.File("b.vmr"));
    EXPECT_EQ(preview.Tracks().ThumbnailText(), "wave");
    EXPECT_EQ(preview.Tracks().Flags(), (BehaviourFlags{1, 0, 0, 1}));
    for (int slot : {0, 2, 11})
        EXPECT_EQ(preview.Tracks().GetTrack(slot), view.Tracks().GetTrack(slot)) << slot;
}

TEST(ThumbnailView, AMissingFolderWritesNothingSilentlyAndEachFailingStepIsReportedOnce) {
    test::TempDir dir;
    ThumbnailView view;
    view.resize(96, 72);
    EXPECT_EQ(SaveThumbnail(view, dir.Path() / "thumbs", "x"), QStringList{});
    EXPECT_TRUE(fs::is_empty(dir.Path()));

    fs::create_directories(dir.Path() / "taken.bmp" / "inside");
    // A failed write names the file and the system's reason.
    EXPECT_EQ(SaveThumbnail(view, dir.Path(), "taken"),
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
