#include "gui/library/edit_tags_dialog.h"

#include "gui/engine/preview_window.h"
#include "gui/library/dialog_preview.h"
#include "gui/library/edit_tags_template.h"
#include "library_widget_support.h"

namespace motivra {
namespace {

using namespace edit_tags_id;
using library_dialog_id::kOk;
using Names = std::vector<std::string>;
using Files = std::map<std::string, std::string>;

struct EditTagsTest : ::testing::Test, test::TagsDialog {
    Files TagFiles() const { return test::FolderSnapshot(library.folder / "tags"); }
};

TEST_F(EditTagsTest, TagClicksOnAPickedBehaviourRewriteItsTagsAtOnceAndOkKeepsThem) {
    EXPECT_EQ(test::Shown(dialog.Grid()), (Names{"B", "C", "D"})) << "every behaviour is shown";
    test::ClickCell(dialog.Grid(), 0);
    EXPECT_EQ(dialog.Model().State().picked, "B");
    EXPECT_TRUE(dialog.Preview().IsRunning());
    EXPECT_EQ(dialog.Tags().Table().SelectedTagsText(), "T1");
    for (const char* tag : {"T2", "T3", "T1"}) test::ClickTag(dialog.Tags(), tag);
    const QPoint emptySpace(dialog.Tags().width() - 4, dialog.Tags().height() - 4);
    QTest::mouseClick(&dialog.Tags(), Qt::LeftButton, {}, emptySpace);
    EXPECT_EQ(dialog.Tags().Table().SelectedTagsText(), "T1") << "a stray click keeps B's tags";
    EXPECT_EQ(library.Read("tagdb/B.tdb"), "T1\r\n");
    const Files linked{{"T1.tag", "C\r\nB\r\n"}, {"T2.tag", "C\r\n"}, {"T3.tag", ""}};
    EXPECT_EQ(TagFiles(), linked) << "written at once: of the three tags only T1 links B";
    test::ClickButton(dialog, kOk);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(TagFiles(), linked);
    EXPECT_TRUE(messages.shown.empty()) << messages.All();
}

TEST_F(EditTagsTest, DeletingTheLastShownBehaviourAsksThenDeletesAndLeavesTheMode) {
    EXPECT_TRUE(dialog.Tags().IsUntaggedShown());
    test::ClickCell(dialog.Grid(), 0);
    EXPECT_FALSE(dialog.Tags().IsUntaggedShown()) << "a picked behaviour's tags are edited, not filtered";
    test::ClickCell(dialog.Grid(), 0);
    const QColor normal = test::Background(dialog.Grid());
    test::ClickTag(dialog.Tags(), "T2");
    ASSERT_EQ(test::Shown(dialog.Grid()), Names{"C"});
    test::ClickButton(dialog, kDeleteBehaviour);
    EXPECT_TRUE(dialog.Grid().hasFocus()) << "the keys go to the grid at once";
    EXPECT_GT(test::Background(dialog.Grid()).red(), normal.red() + 40) << "the cells lie on a reddish tint";

    questions.answer = false;
    test::ClickCell(dialog.Grid(), 0);
    ASSERT_EQ(questions.asked.size(), 1u);
    EXPECT_NE(questions.asked[0].find("\"the C (C)\""), std::string::npos) << questions.asked[0];
    EXPECT_TRUE(library.Exists("C.vmr")) << "the user said no";
    EXPECT_EQ(dialog.Grid().GetSelected(), -1);

    questions.answer = true;
    QTest::keyClick(&dialog.Grid(), Qt::Key_Right);
    EXPECT_EQ(dialog.Grid().GetSelectedName(), "C") << "a key only selects";
    EXPECT_EQ(questions.asked.size(), 1u);
    QTest::keyClick(&dialog.Grid(), Qt::Key_Delete);
    EXPECT_EQ(questions.asked.size(), 2u);
    for (const char* file : {"C.vmr", "tagdb/C.tdb"}) EXPECT_FALSE(library.Exists(file)) << file;
    EXPECT_EQ(TagFiles(), (Files{{"T1.tag", "B\r\n"}, {"T2.tag", ""}, {"T3.tag", ""}})) << "unlinked at once";
    EXPECT_TRUE(test::Shown(dialog.Grid()).empty());
    EXPECT_EQ(test::Background(dialog.Grid()), normal) << "nothing left to delete: the mode ends";
    EXPECT_TRUE(messages.shown.empty()) << messages.All();
}

TEST_F(EditTagsTest, DeleteTagTintsTheTagListUntilItIsClickedAgain) {
    const QColor normal = test::Background(dialog.Tags());
    test::ClickButton(dialog, kDeleteTag);
    EXPECT_GT(test::Background(dialog.Tags()).red(), normal.red() + 40);
    test::ClickButton(dialog, kDeleteTag);
    EXPECT_EQ(test::Background(dialog.Tags()), normal);

    // An added tag is written at once, and closing writes nothing.
    test::TypeInto(*FindControl<QLineEdit>(dialog, kNewTag), QStringLiteral("later"));
    test::ClickButton(dialog, kAddTag);
    EXPECT_TRUE(library.Exists("tags/later.tag"));
    const auto before = test::FolderSnapshot(library.folder);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(test::FolderSnapshot(library.folder), before);
}

TEST_F(EditTagsTest, ReconstructTagLinksRewritesTheTagFilesFromTheTagDatabases) {
    library.Write("tags/T3.tag", "B\r\nD\r\n");
    library.Write("tagdb/D.tdb", "T2\r\nnew\r\n");
    test::ClickCell(dialog.Grid(), 2);
    test::ClickButton(dialog, kRebuild);
    EXPECT_EQ(
        TagFiles(),
        (Files{{"T1.tag", "B\r\nC\r\n"}, {"T2.tag", "C\r\nD\r\n"}, {"T3.tag", ""}, {"new.tag", "D\r\n"}}));
    EXPECT_EQ(dialog.Tags().Table().SelectedTagsText(), "T2  new") << "D stays picked with its tags shown";
    EXPECT_EQ(messages.shown, Names{"Reconstruct Tag Links wrote 3 tag files with 3 links, from the tag "
                                    "databases of 3 behaviours."});
}

// Another writer adds a behaviour listed before the picked one and a tag: both show, and the pick stays on C.
TEST_F(EditTagsTest, AChangeMadeByAnotherWriterIsShownAndThePickKeepsItsBehaviour) {
    test::ClickCell(dialog.Grid(), 1);
    library.WriteBehaviour("A", "the A");
    library.Write("tags/T9.tag", "A\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return test::Shown(dialog.Grid()).size() == 4; }, 5000));
    EXPECT_EQ(dialog.Model().State().picked, "C");
    EXPECT_EQ(dialog.Grid().GetSelectedName(), "C");
    EXPECT_GE(dialog.Tags().Table().FindTag("T9"), 0);
    EXPECT_EQ(dialog.Tags().Table().SelectedTagsText(), "T1  T2") << "C's tags, still shown";
}

}  // namespace
}  // namespace motivra
