#include "gui/library/load_behaviour_dialog.h"

#include "gui/engine/preview_window.h"
#include "gui/library/dialog_preview.h"
#include "gui/library/load_behaviour_template.h"
#include "library_widget_support.h"

namespace motivra {
namespace {

using library_dialog_id::kCancel;
using library_dialog_id::kOk;
using Names = std::vector<std::string>;

// Behaviours a, b, c, d; tags A = {c, a, b}, B = {a, c}, D = {c}.
struct Behaviours : test::DialogLibrary {
    Behaviours() {
        for (const auto& [name, end] : {std::pair{"a", 2.5}, {"b", 3.0}, {"c", 3.5}, {"d", 4.0}})
            WriteBehaviour(name, name, end);
        Write("tags/A.tag", "c\r\na\r\nb\r\n");
        Write("tags/B.tag", "a\r\nc\r\n");
        Write("tags/D.tag", "c\r\n");
    }
};

struct LoadDialogTest : ::testing::Test {
    LoadDialogTest() { test::ShowDialog(dialog); }
    PreviewWindow& Preview() const { return *FindControl<PreviewWindow>(dialog, load_dialog_id::kPreview); }

    Behaviours library;  // made before the dialog that reads it
    LoadBehaviourDialog dialog;
};

// The filter's rules are the core's; here, that the dialog opens with every tag and no behaviour shown and
// filters at each click.
TEST_F(LoadDialogTest, APickPlaysAndStaysTheResultThroughFilteringUntilItIsLetGoAndADoubleClickAccepts) {
    EXPECT_EQ(dialog.Tags().Count(), 3);
    EXPECT_EQ(dialog.Grid().GetAllCount(), 4);
    EXPECT_EQ(dialog.Grid().GetCount(), 0) << "behaviours appear once tags are chosen";
    test::ClickTag(dialog.Tags(), "A");
    EXPECT_EQ(test::Shown(dialog.Grid()), (Names{"c", "a", "b"}));
    const QImage reset = Preview().Render();
    test::ClickCell(dialog.Grid(), 2);
    EXPECT_EQ(dialog.ChosenPath(), library.Path("b.vmr"));
    EXPECT_TRUE(dialog.Preview().IsRunning());
    EXPECT_EQ(Preview().Tracks().GetTrack(0).end, 3.0) << "b's X Position";

    test::ClickTag(dialog.Tags(), "D");
    EXPECT_EQ(test::Shown(dialog.Grid()), Names{"c"});
    EXPECT_EQ(dialog.ChosenPath(), library.Path("b.vmr")) << "no longer shown, still chosen";
    test::ClickButton(dialog, kOk);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenPath(), library.Path("b.vmr"));

    test::ShowDialog(dialog);
    test::ClickCell(dialog.Grid(), 0);
    EXPECT_EQ(dialog.ChosenPath(), library.Path("c.vmr"));
    test::ClickCell(dialog.Grid(), 0);
    EXPECT_EQ(dialog.ChosenPath(), "") << "a second click lets it go";
    EXPECT_EQ(Preview().Render(), reset) << "and resets the preview";
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    // The first click of a double click lets the picked behaviour go; the second picks it again and accepts.
    test::ShowDialog(dialog);
    test::ClickCell(dialog.Grid(), 0);
    const QPoint at = dialog.Grid().CellRect(0).center();
    QTest::mouseClick(&dialog.Grid(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(&dialog.Grid(), Qt::LeftButton, {}, at);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenPath(), library.Path("c.vmr"));
}

// Another writer's change keeps the pick while its behaviour is still shown, and lets it go once it is not.
TEST_F(LoadDialogTest, AChangeToTheLibraryLetsThePickGoOnlyWhenItIsNoLongerShown) {
    test::ClickTag(dialog.Tags(), "A");
    test::ClickCell(dialog.Grid(), 2);
    library.WriteBehaviour("e", "e");
    library.Write("tags/A.tag", "c\r\na\r\nb\r\ne\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return test::Shown(dialog.Grid()).size() == 4; }, 5000));
    EXPECT_EQ(dialog.Grid().GetSelectedName(), "b");
    EXPECT_EQ(dialog.ChosenPath(), library.Path("b.vmr"));

    std::filesystem::remove(library.folder / "b.vmr");
    ASSERT_TRUE(QTest::qWaitFor([&] { return test::Shown(dialog.Grid()).size() == 3; }, 5000));
    EXPECT_EQ(dialog.ChosenPath(), "");
    EXPECT_EQ(Preview().Tracks().GetTrack(0).enabled, 0) << "the preview shows the reset state";
}

TEST_F(LoadDialogTest, EnterIsOkAndSubtractionAloneResetsThePreview) {
    test::ClickTag(dialog.Tags(), "A");
    test::ClickCell(dialog.Grid(), 0);
    test::ClickTag(dialog.Tags(), "A", Qt::AltModifier);
    EXPECT_TRUE(test::Shown(dialog.Grid()).empty());
    EXPECT_EQ(Preview().Tracks().GetTrack(0).enabled, 0) << "the preview shows the reset state";
    QTest::keyClick(&dialog.Tags(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenPath(), library.Path("c.vmr"));
}

TEST(LoadDialogWithoutLibrary, ShowsNothingAndGivesNothing) {
    test::TempDir root;
    DataProgramPathOverride program((root.Path() / "bin" / "motivra").string());
    LoadBehaviourDialog dialog;
    test::ShowDialog(dialog);
    EXPECT_EQ(dialog.Library(), "");
    EXPECT_EQ(dialog.Tags().Count(), 0);
    EXPECT_EQ(dialog.Grid().GetAllCount(), 0);
    test::ClickButton(dialog, kOk);
    EXPECT_EQ(dialog.ChosenPath(), "");
}

}  // namespace
}  // namespace motivra
