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

// Behaviours B {T1}, C {T1, T2} and D, the tag files agreeing with the tag databases.
struct Tagged : test::DialogLibrary {
    Tagged() {
        for (const char* name : {"B", "C", "D"}) WriteBehaviour(name, std::string("the ") + name);
        Write("tagdb/B.tdb", "T1\r\n");
        Write("tagdb/C.tdb", "T1\r\nT2\r\n");
        Write("tags/T1.tag", "B\r\nC\r\n");
        Write("tags/T2.tag", "C\r\n");
        Write("tags/T3.tag");
    }
};

struct EditTagsTest : ::testing::Test {
    EditTagsTest() {
        dialog.SetReporter(messages.Reporter());
        dialog.SetConfirmer(questions.Confirmer());
        test::ShowDialog(dialog);
    }
    Tagged library;
    EditTagsDialog dialog;
    test::Messages messages;
    test::Questions questions;
};

TEST_F(EditTagsTest, TagClicksOnAPickedBehaviourRewriteItsTagsAtOnceAndOkKeepsThem) {
    EXPECT_EQ(test::Shown(dialog.Grid()), (Names{"B", "C", "D"})) << "every behaviour is shown";
    test::ClickCell(dialog.Grid(), 0);
    EXPECT_EQ(dialog.Model().State().picked, "B");
    EXPECT_TRUE(dialog.Preview().IsRunning());
    EXPECT_EQ(dialog.Tags().Table().SelectedTagsText(), "T1");
    for (const char* tag : {"T2", "T3", "T1"}) test::ClickTag(dialog.Tags(), tag);
    EXPECT_EQ(library.Read("tagdb/B.tdb"), "T1\r\n");
    const QPoint emptySpace(dialog.Tags().width() - 4, dialog.Tags().height() - 4);
    QTest::mouseClick(&dialog.Tags(), Qt::LeftButton, {}, emptySpace);
    EXPECT_EQ(dialog.Tags().Table().SelectedTagsText(), "T1") << "a stray click keeps B's tags";
    EXPECT_EQ(library.Read("tagdb/B.tdb"), "T1\r\n");
    EXPECT_EQ(library.Read("tags/T2.tag"), "C\r\n");
    EXPECT_EQ(library.Read("tags/T3.tag"), "");
    test::ClickButton(dialog, kOk);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(library.Read("tags/T1.tag"), "C\r\nB\r\n") << "of the three tags only T1 links B";
    EXPECT_EQ(library.Read("tags/T2.tag"), "C\r\n");
    EXPECT_EQ(library.Read("tags/T3.tag"), "");
    EXPECT_TRUE(messages.shown.empty()) << messages.All();
}

// The filter's rules are the core's; here, that this dialog shows every behaviour when nothing is chosen.
TEST_F(EditTagsTest, WithNothingPickedTagsFilterTheGridAndSubtractionAloneShowsAll) {
    test::ClickTag(dialog.Tags(), "T1");
    EXPECT_EQ(test::Shown(dialog.Grid()), (Names{"B", "C"}));
    test::ClickTag(dialog.Tags(), "T1", Qt::AltModifier);
    EXPECT_EQ(test::Shown(dialog.Grid()), (Names{"B", "C", "D"}));
}

TEST_F(EditTagsTest, DeletingTheLastShownBehaviourAsksThenDeletesAndLeavesTheMode) {
    const QColor normal = test::Background(dialog.Grid());
    test::ClickTag(dialog.Tags(), "T2");
    ASSERT_EQ(test::Shown(dialog.Grid()), Names{"C"});
    test::ClickButton(dialog, kDeleteBehaviour);
    EXPECT_TRUE(dialog.Model().State().deleteBehaviourMode);
    EXPECT_GT(test::Background(dialog.Grid()).red(), normal.red() + 40) << "the cells lie on a reddish tint";

    questions.answer = false;
    test::ClickCell(dialog.Grid(), 0);
    ASSERT_EQ(questions.asked.size(), 1u);
    EXPECT_NE(questions.asked[0].find("\"the C (C)\""), std::string::npos) << questions.asked[0];
    EXPECT_TRUE(library.Exists("C.vmr")) << "the user said no";
    EXPECT_EQ(dialog.Grid().GetSelected(), -1);

    questions.answer = true;
    test::ClickCell(dialog.Grid(), 0);
    for (const char* file : {"C.vmr", "tagdb/C.tdb"}) EXPECT_FALSE(library.Exists(file)) << file;
    EXPECT_EQ(library.Read("tags/T1.tag"), "B\r\n") << "unlinked at once";
    EXPECT_EQ(library.Read("tags/T2.tag"), "");
    EXPECT_TRUE(test::Shown(dialog.Grid()).empty());
    EXPECT_FALSE(dialog.Model().State().deleteBehaviourMode) << "nothing left to delete: the mode ends";
    EXPECT_EQ(test::Background(dialog.Grid()), normal);

    test::ClickButton(dialog, kOk);
    for (const char* tag : {"T1", "T2", "T3"}) {
        EXPECT_EQ(library.Read(std::string("tags/") + tag + ".tag").find("C"), std::string::npos) << tag;
    }
    EXPECT_TRUE(messages.shown.empty()) << messages.All();
}

TEST_F(EditTagsTest, DeleteTagTintsTheTagListUntilItIsClickedAgain) {
    const QColor normal = test::Background(dialog.Tags());
    test::ClickButton(dialog, kDeleteTag);
    EXPECT_GT(test::Background(dialog.Tags()).red(), normal.red() + 40);
    test::ClickButton(dialog, kDeleteTag);
    EXPECT_EQ(test::Background(dialog.Tags()), normal);
}

TEST_F(EditTagsTest, ReconstructTagLinksRewritesTheTagFilesFromTheTagDatabases) {
    library.Write("tags/T3.tag", "B\r\nD\r\n");
    library.Write("tagdb/D.tdb", "T2\r\nnew\r\n");
    test::ClickCell(dialog.Grid(), 2);
    test::ClickButton(dialog, kRebuild);
    EXPECT_EQ(library.Read("tags/T1.tag"), "B\r\nC\r\n");
    EXPECT_EQ(library.Read("tags/T2.tag"), "C\r\nD\r\n");
    EXPECT_EQ(library.Read("tags/T3.tag"), "");
    EXPECT_EQ(library.Read("tags/new.tag"), "D\r\n");
    EXPECT_EQ(dialog.Tags().Table().SelectedTagsText(), "T2  new") << "D stays picked with its tags shown";
    ASSERT_EQ(messages.shown.size(), 1u) << messages.All();
    EXPECT_EQ(
        messages.shown[0],
        "Reconstruct Tag Links wrote 3 tag files with 3 links, from the tag databases of 3 behaviours.");
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

TEST_F(EditTagsTest, AnAddedTagIsWrittenAtOnceAndClosingWritesNothing) {
    test::TypeInto(*FindControl<QLineEdit>(dialog, kNewTag), QStringLiteral("later"));
    test::ClickButton(dialog, kAddTag);
    EXPECT_TRUE(library.Exists("tags/later.tag"));
    const auto before = test::FolderSnapshot(library.folder);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(test::FolderSnapshot(library.folder), before);
}

}  // namespace
}  // namespace motivra
