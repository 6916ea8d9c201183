#include <QPaintEvent>

#include "gui/library/load_behaviour_dialog.h"
#include "gui/library/load_behaviour_template.h"
#include "gui/skin/balloon_tip.h"
#include "gui/skin/skin_edit.h"
#include "gui/skin/skin_label.h"
#include "library_widget_support.h"
#include "support/run_cli.h"

namespace motivra {
namespace {

using Names = std::vector<std::string>;

// The rectangles of the paint events a widget receives.
struct PaintLog : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) rects.push_back(static_cast<QPaintEvent*>(event)->rect());
        return false;
    }
    std::vector<QRect> rects;
};

QImage CellPicture(BehaviourGrid& grid, int k) { return test::Picture(grid).copy(grid.CellRect(k)); }

// Listed as Turn, fade-0001, spin-0001, spin-0002 (upper case first), the spins known as "whirl"; only
// spin-0001 has a tag.
struct Browsable : test::DialogLibrary {
    Browsable() {
        for (const auto& [name, text] : {std::pair{"fade-0001", "fade"},
                                         {"spin-0001", "whirl"},
                                         {"spin-0002", "whirl fast"},
                                         {"Turn", "turn"}})
            WriteBehaviour(name, text);
        Write("tagdb/spin-0001.tdb", "fast\r\n");
        Write("tags/fast.tag", "spin-0001\r\n");
    }
};

struct BrowsingTest : ::testing::Test {
    void ShowGrid() {
        grid.SetFolder(library.Folder());
        grid.Load();
        table = LoadLibraryTags(library.Folder());
        grid.SetTagTable(&table);
        test::ShowAt(grid, 400, 300);
    }
    Browsable library;
    TagTable table;
    BehaviourGrid grid;
};

TEST_F(BrowsingTest, TheCellUnderThePointerPlaysAfterItsRestAloneUntilThePointerLeaves) {
    ShowGrid();
    const QImage still = CellPicture(grid, 2);
    QTest::mouseMove(&grid, grid.CellRect(2).center());
    EXPECT_EQ(grid.HoverItem(), 2);
    EXPECT_TRUE(grid.IsWaitingToPlay());
    EXPECT_EQ(grid.PlayingItem(), -1) << "not before the rest";
    EXPECT_EQ(grid.ToolTip()->Text(), "whirl (spin-0001)\nTags: fast");
    ASSERT_TRUE(QTest::qWaitFor([&] { return grid.PlayingItem() == 2; }, 2000));
    const QImage first = CellPicture(grid, 2);
    EXPECT_NE(first, still);

    PaintLog log;
    grid.installEventFilter(&log);
    for (int tick = 0; tick < 3; ++tick) {
        grid.Tick();
        QApplication::processEvents();
    }
    grid.removeEventFilter(&log);
    EXPECT_DOUBLE_EQ(grid.PlayingTime(), 0.15);
    ASSERT_FALSE(log.rects.empty());
    for (const QRect& rect : log.rects) EXPECT_EQ(rect, grid.CellRect(2)) << "only the playing cell repaints";
    EXPECT_NE(CellPicture(grid, 2), first) << "the behaviour moves";

    QTest::mouseMove(&grid, grid.CellRect(4).center());
    EXPECT_EQ(grid.HoverItem(), -1) << "the empty cell after the last behaviour holds none";
    EXPECT_EQ(grid.PlayingItem(), -1) << "moving on stops it";
    EXPECT_EQ(CellPicture(grid, 2), still);
    QTest::mouseMove(&grid, grid.CellRect(3).center());
    EXPECT_EQ(grid.ToolTip()->Text(), "whirl fast (spin-0002)\nNo tags");
    ASSERT_TRUE(grid.IsWaitingToPlay());
    QTest::mouseMove(&grid, QPoint(-20, -20));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&grid, &leave);
    EXPECT_FALSE(grid.IsWaitingToPlay());
    QTest::qWait(BehaviourGrid::kRestMs + 100);
    EXPECT_EQ(grid.PlayingItem(), -1);
}

TEST_F(BrowsingTest, KeysMoveTheSelectionIntoViewAndSpacePlaysIt) {
    for (int i = 0; i < 30; ++i) library.WriteBehaviour("many-" + std::to_string(100 + i), "m");
    ShowGrid();
    QSignalSpy moved(&grid, &BehaviourGrid::selectionMoved);
    grid.setFocus();
    // Where each key moves the selection is the core's; here, that the keys and the page reach it.
    QTest::keyClick(&grid, Qt::Key_Right);
    EXPECT_EQ(grid.GetSelected(), 0) << "the first key selects the first behaviour";
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.GetSelected(), grid.GetColumns()) << "a row down: the key is given the page's columns";
    QTest::keyClick(&grid, Qt::Key_End);
    EXPECT_EQ(grid.GetSelected(), grid.GetCount() - 1);
    EXPECT_GT(grid.GetTopRow(), 0) << "scrolled into view";
    QTest::keyClick(&grid, Qt::Key_Space);
    EXPECT_EQ(grid.PlayingItem(), grid.GetCount() - 1);
    QTest::keyClick(&grid, Qt::Key_Space);
    EXPECT_EQ(grid.PlayingItem(), -1);
    QTest::keyClick(&grid, Qt::Key_Home);
    EXPECT_EQ(grid.GetTopRow(), 0);
    EXPECT_EQ(moved.count(), 4);
}

TEST(LoadBrowsing, SearchAndUntaggedNarrowTheGridAndEnterLoadsTheSelection) {
    Browsable library;
    LoadBehaviourDialog dialog;
    test::ShowDialog(dialog);
    auto& search = *FindControl<SkinEdit>(dialog, load_dialog_id::kSearch);
    TagListControl& tags = dialog.Tags();
    const QPoint untagged = test::TagCentre(tags, tags.UntaggedIndex());  // at the end of the cloud

    test::TypeInto(search, "WHIRL");
    EXPECT_EQ(test::Shown(dialog.Grid()), (Names{"spin-0001", "spin-0002"})) << "by the thumbnail's text";
    QTest::mouseClick(&tags, Qt::LeftButton, {}, untagged);
    EXPECT_EQ(test::Shown(dialog.Grid()), Names{"spin-0002"});
    const test::CliResult cli = test::RunCli(
        {"library", "--library", library.Folder(), "list", "--untagged", "--name-contains", "WHIRL"});
    EXPECT_EQ(cli.out, "spin-0002\n") << "the command-line tool lists the same: " << cli.err;
    test::TypeInto(search, "");
    EXPECT_EQ(test::Shown(dialog.Grid()), (Names{"Turn", "fade-0001", "spin-0002"}));
    test::ClickTag(tags, "fast");
    EXPECT_EQ(test::Shown(dialog.Grid()), Names{"spin-0001"});

    QTest::mouseClick(&tags, Qt::LeftButton, {}, untagged);
    dialog.Grid().setFocus();
    QTest::keyClick(&dialog.Grid(), Qt::Key_End);
    EXPECT_EQ(FindControl<SkinLabel>(dialog, load_dialog_id::kSelectedName)->ShownText(),
              "whirl fast (spin-0002)");
    EXPECT_EQ(dialog.ChosenPath(), library.Path("spin-0002.vmr"));
    QTest::keyClick(&dialog.Grid(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace motivra
