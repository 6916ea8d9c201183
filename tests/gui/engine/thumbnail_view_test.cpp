#include "gui/engine/thumbnail_view.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QStandardPaths>

#include <filesystem>

#include "gui/engine/engine_test_support.h"
#include "gui/engine/preview_window.h"
#include "gui/engine/thumbnail_bitmap.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

using S = ParameterSlot;
using test::Edit;
using test::PixelAt;

std::uint32_t U32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

// A thumbnail view at the library's size whose failures are collected instead of shown.
struct Fixture {
    Fixture() {
        view.resize(96, 72);
        view.SetFailureReporter([this](const QString& message) { messages << message; });
    }
    ThumbnailView view;
    QStringList messages;
};

QImage Rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

TEST(ThumbnailView, BitmapHeaderFollowsTheRulesAndThePixelsAreThePicture) {
    test::TempDir dir;
    Fixture f;
    Edit(f.view.Tracks(), S::Degrees, 1.1, 0.9);
    Edit(f.view.Tracks(), S::XPosition, 2, 2.5);
    f.view.SetThumbnailText("turn");
    f.view.SaveThumbnailBitmap(QString::fromStdString(dir.Path().string()), "turn-0001");
    EXPECT_TRUE(f.messages.isEmpty()) << f.messages.join(", ").toStdString();

    const auto bytes = test::ReadBytes(dir.Path() / "turn-0001.bmp");
    ASSERT_EQ(bytes.size(), 27702u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(U32At(bytes, 2), 27702u);
    EXPECT_EQ(U32At(bytes, 6), 0u);
    EXPECT_EQ(U32At(bytes, 10), 54u);
    EXPECT_EQ(U32At(bytes, 14), 40u);
    EXPECT_EQ(U32At(bytes, 18), 96u);
    EXPECT_EQ(U32At(bytes, 22), 72u);
    EXPECT_EQ(U32At(bytes, 26), 1u | (32u << 16));  // planes 1, 32 bits per pixel
    EXPECT_EQ(U32At(bytes, 30), 0u);
    EXPECT_EQ(U32At(bytes, 34), 96u * 4 * 72);
    EXPECT_EQ(U32At(bytes, 46), 0u);

    // Qt reads it back as exactly the picture: rows bottom first, blue-green-red order.
    const QImage read(QString::fromStdString((dir.Path() / "turn-0001.bmp").string()));
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(read.size(), QSize(96, 72));
    EXPECT_EQ(Rgb(read), Rgb(f.view.Render()));
}

TEST(ThumbnailView, ImageMagickReadsTheBitmap) {
    const QString identify = QStandardPaths::findExecutable("identify");
    if (identify.isEmpty()) GTEST_SKIP() << "ImageMagick is not installed";
    test::TempDir dir;
    Fixture f;
    f.view.SaveThumbnailBitmap(QString::fromStdString(dir.Path().string()), "fresh");
    QProcess process;
    process.start(identify,
                  {"-format", "%w x %h", QString::fromStdString((dir.Path() / "fresh.bmp").string())});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(process.readAllStandardOutput().trimmed().toStdString(), "96 x 72");
}

TEST(ThumbnailView, MissingFolderWritesNothingAndSaysNothing) {
    test::TempDir dir;
    Fixture f;
    f.view.SaveThumbnailBitmap(QString::fromStdString((dir.Path() / "thumbs").string()), "x");
    EXPECT_TRUE(f.messages.isEmpty());
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(ThumbnailView, EachFailingStepIsReportedOnceWithItsText) {
    test::TempDir dir;
    {
        Fixture f;
        std::filesystem::create_directories(dir.Path() / "taken.bmp" / "inside");
        f.view.SaveThumbnailBitmap(QString::fromStdString(dir.Path().string()), "taken");
        EXPECT_EQ(f.messages, QStringList{"CreateFile\nError"});
        EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "taken.bmp" / "inside"));
    }
    {
        Fixture f;
        f.view.resize(0, 0);
        f.view.SaveThumbnailBitmap(QString::fromStdString(dir.Path().string()), "empty");
        EXPECT_EQ(f.messages, QStringList{"error\nError"});
        EXPECT_FALSE(std::filesystem::exists(dir.Path() / "empty.bmp"));
    }
    // A picture that could not be allocated has no pixels to read; the old thumbnail stays.
    test::WriteBytes(dir.Path() / "old.bmp", {1, 2, 3});
    EXPECT_EQ(
        WriteThumbnailBitmap(QImage(), QSize(96, 72), QString::fromStdString(dir.Path().string()), "old"),
        (QStringList{"GlobalAlloc\nError", "GetDIBits\nError"}));
    EXPECT_EQ(test::ReadBytes(dir.Path() / "old.bmp"), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST(ThumbnailView, FreshBehaviourFillsTheFrameWithTheWhiteStartPose) {
    Fixture f;
    const QImage image = f.view.Render();
    EXPECT_EQ(PixelAt(image, 20, 50), QColor(250, 250, 250)) << "inside the start pose, below the gloss";
    EXPECT_EQ(PixelAt(image, 70, 60), QColor(250, 250, 250));
    // The end pose's cross runs through the middle, in its dark red.
    const QColor cross = PixelAt(image, 30, 36);
    EXPECT_GT(cross.red(), cross.green() + 40);
    EXPECT_LT(cross.red(), 200);
}

TEST(ThumbnailView, ACollapsedPictureShowsOnlyTheFrameAndTheReferenceRectangle) {
    Fixture f;
    Edit(f.view.Tracks(), S::XScale, 0, 0);
    Edit(f.view.Tracks(), S::YScale, 0, 0);
    const QImage image = f.view.Render();
    EXPECT_EQ(PixelAt(image, 20, 50), QColor(0, 0, 0)) << "no start pose";
    int dashes = 0;
    for (int y = 12; y < 60; ++y) dashes += PixelAt(image, 0, y) == QColor(96, 96, 96) ? 1 : 0;
    EXPECT_GT(dashes, 20) << "the dashed reference rectangle along the left edge";
    EXPECT_LT(dashes, 48) << "dashed, not solid";
}

TEST(ThumbnailView, PosesAreAntiAliasedAndTheTextSitsUnderThePicture) {
    Fixture f;
    Edit(f.view.Tracks(), S::Degrees, 1.1, 0.95);
    const QImage plain = Rgb(f.view.Render());
    QSet<QRgb> colours;
    for (int y = 10; y < 72; ++y) {
        for (int x = 0; x < 96; ++x) colours.insert(plain.pixel(x, y));
    }
    EXPECT_GT(colours.size(), 20) << "slanted edges blend into their background";

    f.view.SetThumbnailText("Zoom");
    const QImage text = Rgb(f.view.Render());
    int changed = 0;
    for (int y = 0; y < 72; ++y) {
        for (int x = 0; x < 96; ++x) {
            if (text.pixel(x, y) == plain.pixel(x, y)) continue;
            ++changed;
            EXPECT_GE(y, 56) << "text pixel at " << x << "," << y;
        }
    }
    EXPECT_GT(changed, 20);
}

TEST(ThumbnailView, BehaviourFilesAreWrittenFromTheViewsTracks) {
    test::TempDir dir;
    Fixture f;
    Edit(f.view.Tracks(), S::YPosition, 1.5, 2.5);
    ASSERT_TRUE(f.view.SaveBehaviourFile(dir.Folder(), "slide-0000", "slide", BehaviourFlags{0, 1, 0, 1}));
    PreviewWindow preview;
    preview.LoadBehaviourFile(dir.File("slide-0000.vmr"));
    EXPECT_EQ(preview.Tracks().GetTrack(1).start, 1.5);
    EXPECT_EQ(preview.Tracks().GetTrack(1).end, 2.5);
    EXPECT_EQ(preview.Tracks().ThumbnailText(), "slide");
    EXPECT_FALSE(f.view.SaveBehaviourFile(dir.Folder() + "missing/", "x", "", {}));
}

}  // namespace
}  // namespace motivra
