// The library dialogs on 10,000 behaviours with damaged thumbnails, tag files and tag databases mixed in:
// they open, filter, scroll through every page painting each, and play a picked behaviour, without a crash
// or a hang; the sanitizer build runs this too.
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

#include "damaged_library.h"
#include "gui/engine/preview_window.h"
#include "gui/library/behaviour_grid.h"
#include "gui/library/dialog_preview.h"
#include "gui/library/edit_tags_dialog.h"
#include "gui/library/edit_tags_template.h"
#include "gui/library/load_behaviour_dialog.h"
#include "gui/library/load_behaviour_template.h"
#include "gui/library/tag_list_control.h"
#include "gui/data/program_location.h"
#include "gui/skin/skin_test_support.h"
#include "support/library_dialog_support.h"

namespace motivra {
namespace {

using test::DamagedLibrary;
using test::kBehaviours;

class LibraryStressTest : public ::testing::Test {
protected:
    // Made once: 30,000 files take a while to write.
    static void SetUpTestSuite() { library = new DamagedLibrary; }
    static void TearDownTestSuite() {
        delete library;
        library = nullptr;
    }

    // Presses the scroll bar below the thumb until the last page is shown, painting every page; the number
    // of pages shown. Once the thumb reaches the bar's end the last rows come with the wheel.
    static int PageToTheEnd(BehaviourGrid& grid) {
        int pages = 1;
        grid.repaint();
        while (grid.GetTopRow() < grid.Layout().MaxTopRow()) {
            const int top = grid.GetTopRow();
            const int belowThumb = grid.Layout().thumb.bottom;
            if (belowThumb < grid.height()) {
                QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(grid.width() - 10, belowThumb));
            } else {
                WheelDown(grid);
            }
            if (grid.GetTopRow() == top) break;  // the grid stopped scrolling: the check below fails
            grid.repaint();
            ++pages;
        }
        EXPECT_EQ(grid.GetTopRow(), grid.Layout().MaxTopRow());
        return pages;
    }
    static void WheelDown(QWidget& widget) {
        const QPointF at(widget.width() / 2.0, widget.height() / 2.0);
        QWheelEvent wheel(at, widget.mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&widget, &wheel);
    }
    // Clicks the cell of the last behaviour shown, on the last page.
    static void ClickLast(BehaviourGrid& grid) {
        const int k = grid.GetCount() - 1 - grid.GetTopRow() * grid.GetColumns();
        ASSERT_GE(k, 0);
        ASSERT_LT(k, grid.GetVisibleCount());
        QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.CellRect(k).center());
    }
    static void ExpectPlaying(QDialog& dialog, DialogPreview& preview, int previewId) {
        EXPECT_TRUE(preview.IsRunning());
        auto* window = FindControl<PreviewWindow>(dialog, previewId);
        EXPECT_EQ(window->Tracks().GetTrack(0).end, DamagedLibrary::kXEnd);
        for (int i = 0; i < 25; ++i) preview.Tick();  // past the end and round again
        window->repaint();
    }

    static DamagedLibrary* library;
    DataProgramPathOverride program{library->Program()};
    test::Messages messages;
};

DamagedLibrary* LibraryStressTest::library = nullptr;

TEST_F(LibraryStressTest, TheLoadDialogFiltersScrollsToTheEndAndPlaysThePickedBehaviour) {
    LoadBehaviourDialog dialog;
    dialog.SetReporter(messages.Reporter());
    test::ShowDialog(dialog);
    TagListControl& tags = dialog.Tags();
    EXPECT_GE(tags.Table().Count(), 500);
    tags.repaint();

    test::ClickTag(tags, "chosen");
    EXPECT_EQ(dialog.Grid().GetCount(), kBehaviours / 2);
    test::ClickTag(tags, "also", Qt::ControlModifier);
    test::ClickTag(tags, "minus", Qt::AltModifier);
    // Even, below 5,000 and not i % 4 < 2: i % 4 == 2.
    EXPECT_EQ(dialog.Grid().GetCount(), kBehaviours / 8);
    EXPECT_EQ(dialog.Grid().GetShownName(0), "vmrk-0002");

    test::ClickTag(tags, "chosen");
    BehaviourGrid& grid = dialog.Grid();
    // Dragging the thumb to the bottom reaches the end at once.
    const QPoint thumb((grid.Layout().thumb.left + grid.Layout().thumb.right) / 2,
                       (grid.Layout().thumb.top + grid.Layout().thumb.bottom) / 2);
    test::Drag(&grid, thumb, QPoint(thumb.x(), grid.height() + 50));
    EXPECT_EQ(grid.GetTopRow(), grid.Layout().MaxTopRow());
    grid.repaint();

    ClickLast(grid);
    EXPECT_EQ(dialog.ChosenPath(), BehaviourPath(library->Library(), test::BehaviourName(kBehaviours - 2)));
    ExpectPlaying(dialog, dialog.Preview(), load_dialog_id::kPreview);
    dialog.accept();
}

TEST_F(LibraryStressTest, TheEditTagsDialogPaintsEveryPageShowsTagsAndFiltersByThem) {
    EditTagsDialog dialog;
    dialog.SetReporter(messages.Reporter());
    test::ShowDialog(dialog);
    BehaviourGrid& grid = dialog.Grid();
    ASSERT_EQ(grid.GetCount(), kBehaviours);
    EXPECT_NE(messages.All().find(test::OtherTag(2) + ".tag"), std::string::npos)
        << "the tag file that is a folder is named: " << messages.All();

    const int pages = PageToTheEnd(grid);
    EXPECT_GT(pages, kBehaviours / grid.GetVisibleCount() / 2);
    int good = 0;
    for (int i = 0; i < kBehaviours; ++i) good += DamagedLibrary::HasGoodThumbnail(i) ? 1 : 0;
    EXPECT_EQ(grid.Thumbnails().LoadedCount(), good) << "every good thumbnail was painted, no damaged one";

    ClickLast(grid);
    EXPECT_EQ(dialog.Model().State().picked, test::BehaviourName(kBehaviours - 1));
    const std::vector<std::string> expected = test::TagsOf(kBehaviours - 1);
    EXPECT_EQ(dialog.Tags().Table().CountSelected(), static_cast<int>(expected.size()));
    for (const std::string& tag : expected)
        EXPECT_EQ(dialog.Tags().Table().Entry(dialog.Tags().Table().FindTag(tag)).state, TagState::Selected)
            << tag;
    ExpectPlaying(dialog, dialog.Preview(), edit_tags_id::kPreview);

    // Letting the behaviour go, tags filter the grid again.
    ClickLast(grid);
    EXPECT_TRUE(dialog.Model().State().picked.empty());
    test::ClickTag(dialog.Tags(), "minus");
    EXPECT_EQ(grid.GetCount(), kBehaviours / 2);
    PageToTheEnd(grid);

    // Behaviours whose tag databases are damaged are picked like the others; one that cannot be read is said.
    test::ClickTag(dialog.Tags(), "minus", Qt::ControlModifier);  // nothing selected: every behaviour again
    EXPECT_EQ(grid.GetCount(), kBehaviours);
    messages.shown.clear();
    for (const int i : {11, 13, 15}) {
        grid.ShowItem(i);
        const int k = i - grid.GetTopRow() * grid.GetColumns();
        QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.CellRect(k).center());
        EXPECT_EQ(dialog.Model().State().picked, test::BehaviourName(i));
        dialog.Tags().repaint();
    }
    EXPECT_NE(messages.All().find(test::BehaviourName(13) + ".tdb"), std::string::npos) << messages.All();
    dialog.reject();
}

}  // namespace
}  // namespace motivra
