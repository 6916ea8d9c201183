#include "gui/library/behaviour_grid.h"

#include <sys/stat.h>

#include "gui/skin/skin_colour.h"
#include "library_widget_support.h"

namespace motivra {
namespace {

using test::Describe;
using test::Near;
using test::Picture;
using Names = std::vector<std::string>;

const QColor kOrange(0xFF, 0x80, 0x40);  // the box shown for a missing or unreadable thumbnail
const QColor kBlue(20, 40, 220);
const QColor kGreen(30, 200, 60);

struct BehaviourGridTest : ::testing::Test {
    // Loads the library into a 400 x 300 grid.
    void Show() {
        grid.SetFolder(library.Folder());
        grid.Load();
        test::ShowAt(grid, 400, 300);
    }
    // The colour in the middle of the thumbnail area of page cell k.
    QColor Middle(int k) { return Picture(grid).pixelColor(grid.CellRect(k).center()); }

    test::DialogLibrary library;
    BehaviourGrid grid;
};

TEST_F(BehaviourGridTest, ShowsEachThumbnailFittedAndAnOrangeBoxWhereOneIsMissing) {
    for (const char* file : {"a.vmr", "b.vmr", "wide.vmr"}) library.Write(file);
    library.WriteThumbnail("a", kBlue);
    library.WriteThumbnail("wide", kBlue, {200, 50});  // fitted to 96 x 24, centred
    Show();
    EXPECT_TRUE(Near(Middle(0), kBlue)) << Describe(Middle(0));
    EXPECT_EQ(Middle(1), kOrange);
    // The whole thumbnail area is covered, corner to corner, and the shadow darkens the pixels beside it.
    const QRect cell = grid.CellRect(1);
    const QImage picture = Picture(grid);
    EXPECT_EQ(picture.pixelColor(cell.left() + 3, cell.top() + 3), kOrange);
    EXPECT_EQ(picture.pixelColor(cell.right() - 3, cell.bottom() - 3), kOrange);
    const QColor background = SchemeQColor(grid.Colours().fillColour);
    EXPECT_EQ(picture.pixelColor(cell.left() + 2, cell.top() + 40), background);
    EXPECT_LT(picture.pixelColor(cell.right() - 2, cell.top() + 40).value(), background.value());
    EXPECT_LT(picture.pixelColor(cell.left() + 40, cell.bottom() - 1).value(), background.value());
    const QRect wide = grid.CellRect(2).adjusted(3, 3, -3, -3);
    EXPECT_TRUE(Near(picture.pixelColor(wide.left(), wide.top() + 24), kBlue));
    EXPECT_EQ(picture.pixelColor(wide.center().x(), wide.top() + 10), background);

    // A missing thumbnail is looked for again at the next paint; a shown one is kept until the next Load.
    library.WriteThumbnail("b", kGreen);
    std::filesystem::remove(ThumbnailPath(library.Folder(), "a"));
    EXPECT_TRUE(Near(Middle(1), kGreen)) << Describe(Middle(1));
    EXPECT_TRUE(Near(Middle(0), kBlue));
    grid.Load();
    EXPECT_EQ(Middle(0), kOrange);
}

// Thumbnails that are not bitmaps a grid may decode (the header rules are the core's): each shows the orange
// box and the grid goes on.
TEST_F(BehaviourGridTest, DamagedOrHostileBitmapsShowThePlaceholder) {
    for (const char* name : {"huge", "png", "folder", "pipe"}) library.Write(std::string(name) + ".vmr");
    // A header claiming 60000 x 60000 pixels, which an image reader would try to allocate, and a PNG, which
    // it would take.
    library.WriteThumbnail("huge", kBlue);
    std::string huge = library.Read("thumbs/huge.bmp").substr(0, 54);
    for (int at : {18, 22}) huge.replace(at, 3, "\x60\xEA\0", 3);
    library.Write("thumbs/huge.bmp", huge + std::string(4096, '\x7F'));
    QImage png(96, 72, QImage::Format_RGB32);
    png.fill(kBlue);
    ASSERT_TRUE(png.save(QString::fromStdString(ThumbnailPath(library.Folder(), "png")), "PNG"));
    std::filesystem::create_directory(library.folder / "thumbs" / "folder.bmp");
    ASSERT_EQ(mkfifo(ThumbnailPath(library.Folder(), "pipe").c_str(), 0600), 0);
    Show();
    ASSERT_EQ(grid.GetAllCount(), 4);
    const QImage picture = Picture(grid);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(picture.pixelColor(grid.CellRect(k).center()), kOrange) << grid.GetShownName(k);
    EXPECT_EQ(grid.Thumbnails().LoadedCount(), 0);
}

TEST_F(BehaviourGridTest, ClicksAndRemovalsWorkOnShownPositionsAndEveryReleaseIsReported) {
    for (const char* file : {"a.vmr", "b.vmr", "c.vmr"}) library.Write(file);
    library.WriteThumbnail("a", kBlue);
    Show();
    QSignalSpy clicks(&grid, &GridControl::clicked);
    std::string nameAtClick;
    QObject::connect(&grid, &GridControl::clicked, [&] { nameAtClick = grid.GetSelectedName(); });
    test::ClickCell(grid, 1);
    EXPECT_EQ(nameAtClick, "b");
    test::ClickCell(grid, 5);
    EXPECT_EQ(nameAtClick, "");
    QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(390, 100));
    EXPECT_EQ(test::Shown(grid), (Names{"a", "b", "c"}));
    grid.ShowNames({"b", "a", "x", "b"});
    EXPECT_EQ(test::Shown(grid), (Names{"b", "a", "b"}));
    EXPECT_TRUE(Near(Middle(1), kBlue)) << "a's thumbnail in a's shown position";
    EXPECT_EQ(Middle(0), kOrange);

    test::ClickCell(grid, 1);
    ASSERT_EQ(grid.GetSelectedName(), "a") << "the choice stays after the release";
    EXPECT_TRUE(grid.hasFocus());
    EXPECT_EQ(clicks.count(), 4) << "once for every release, the scroll bar's too";
    grid.RemoveShown(0);
    EXPECT_EQ(test::Shown(grid), (Names{"a", "b"}));
    EXPECT_EQ(grid.GetSelected(), 0) << "the choice follows a";
    EXPECT_TRUE(Near(Middle(0), kBlue));
    grid.RemoveSelected();
    EXPECT_EQ(test::Shown(grid), (Names{"b"}));
    EXPECT_EQ(grid.GetSelectedName(), "");
    grid.RemoveShown(5);
    EXPECT_EQ(grid.GetAllCount(), 3) << "the full list keeps them until the next Load";
    EXPECT_EQ(grid.GetAllName(2), "c");
    EXPECT_EQ(grid.GetAllName(3), "");

    grid.ShowAll();
    EXPECT_EQ(test::Shown(grid), (Names{"a", "b", "c"}));
    grid.ShowNone();
    EXPECT_EQ(Middle(0), SchemeQColor(grid.Colours().fillColour));
}

TEST_F(BehaviourGridTest, WithoutALibraryTheGridAndTheTagCloudShowNothingAndClicksChangeNothing) {
    const std::string nowhere = (library.root.Path() / "nowhere").string();
    grid.SetFolder(nowhere);
    grid.Load();
    test::ShowAt(grid, 400, 300);
    EXPECT_EQ(grid.Folder(), "");
    EXPECT_EQ(grid.GetAllCount(), 0);
    test::ClickCell(grid, 0);
    EXPECT_EQ(grid.GetSelectedName(), "");

    TagListControl tags;
    tags.SetFolder(nowhere);
    tags.Table().LoadTags();
    test::ShowAt(tags, 200, 60);
    EXPECT_EQ(tags.Table().TagFolder(), "");
    EXPECT_EQ(tags.Count(), 0);
    QSignalSpy clicks(&tags, &TagListControl::clicked);
    QTest::mouseClick(&tags, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(Picture(tags).pixelColor(10, 10), SchemeQColor(tags.Colours().bgColour));
}

}  // namespace
}  // namespace motivra
