// The editor's file commands and the library dialogs under injected file-system faults (a full disk, failing
// syncs, closes and renames): a save, a tag change, a deletion or a rebuild that fails leaves every file of
// the library as it was and says why, and closing the dialog afterwards writes nothing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "gui/editor/editor_files_support.h"
#include "gui/library/edit_tags_dialog.h"
#include "gui/library/edit_tags_template.h"
#include "gui/library/save_behaviour_dialog.h"
#include "support/fault_injection.h"

namespace motivra {
namespace {

using namespace editor_id;
using library_dialog_id::kOk;
using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Runs the action with the fault armed for the folder.
void WithFault(const std::string& fault, const std::filesystem::path& folder,
               const std::function<void()>& action) {
    const test::FaultScope scope(fault, folder);
    action();
}

// The editor with "wave" loaded from a temporary library and its Zoom row changed since.
struct EditorFaultsTest : ::testing::Test, test::EditorFiles {
    EditorFaultsTest() {
        library.WriteBehaviour("wave", "wave", 3.5);
        library.Write("thumbs/wave.bmp", "the previous picture");
        library.Write("tags/W.tag", "wave\r\n");
        PickWithTag("W");
        editor.Click(editor.Button(kLoad));
        editor.Drag(editor.Row(test::kZoom).startSlider, 30);
    }
};

TEST_F(EditorFaultsTest, AFailedSaveKeepsEveryFileAndTheEditorAndSaysSo) {
    ASSERT_EQ(State().currentPath, library.Path("wave.vmr"));
    const auto before = test::FolderSnapshot(library.folder);
    const EditorState state = State();
    // Each fault in the behaviour's folder or the thumbnails' one, the folder's sync included.
    for (const char* folder : {"", "thumbs"}) {
        for (const std::string fault : {"write", "flush", "close", "fsync", "rename", "foldersync"}) {
            SCOPED_TRACE(fault + " in '" + folder + "'");
            messages.shown.clear();
            WithFault(fault, library.folder / folder, [this] { editor.Click(editor.Button(kSave)); });
            EXPECT_THAT(messages.shown,
                        ElementsAre(AllOf(HasSubstr("could not be saved"), HasSubstr("kept as they were"))));
            EXPECT_EQ(test::FolderSnapshot(library.folder), before);
            EXPECT_TRUE(State() == state) << "the editor keeps its rows and its path";
            EXPECT_TRUE(editor.Button(kSave)->isEnabled());
        }
    }
    messages.shown.clear();
    editor.Click(editor.Button(kSave));
    EXPECT_TRUE(messages.shown.empty()) << messages.All();
    EXPECT_NE(library.Read("wave.vmr"), before.at("wave.vmr")) << "without a fault the save goes through";
    EXPECT_NE(library.Read("thumbs/wave.bmp"), "the previous picture");
}

TEST_F(EditorFaultsTest, ASaveAsThatFailsSaysWhyAndLeavesTheEditorOnItsFileAfterCancel) {
    const auto before = test::FolderSnapshot(library.folder);
    const EditorState state = State();
    // Each fault and the reason the message gives.
    const std::pair<std::string, std::string> faults[] = {{"write", "write: No space left on device"},
                                                          {"flush", "sync to disk"},
                                                          {"close", "close: Input/output error"},
                                                          {"fsync", "sync to disk"},
                                                          {"rename", "rename: Input/output error"}};
    for (const auto& [fault, reason] : faults) {
        SCOPED_TRACE(fault);
        messages.shown.clear();
        drive = [this, &armed = fault](QDialog& d) {
            test::ClickTag(static_cast<SaveBehaviourDialog&>(d).Tags(), "W");
            WithFault(armed, library.folder, [&d] { test::ClickButton(d, kOk); });
            EXPECT_TRUE(d.isVisible()) << "OK has not saved, so the dialog stays";
            QTest::keyClick(&d, Qt::Key_Escape);
        };
        editor.Click(editor.Button(kSaveAs));
        EXPECT_TRUE(State() == state);
        EXPECT_EQ(test::FolderSnapshot(library.folder), before);
        EXPECT_THAT(messages.shown, ElementsAre(AllOf(HasSubstr("Nothing was saved"), HasSubstr(reason))));
    }
}

struct EditTagsFaultsTest : ::testing::Test, test::TagsDialog {};

void DeleteFirstBehaviour(test::TagsDialog& run) {
    test::ClickButton(run.dialog, edit_tags_id::kDeleteBehaviour);
    test::ClickCell(run.dialog.Grid(), 0);
}

TEST_F(EditTagsFaultsTest, ATagChangeThatCannotBeWrittenKeepsTheTagDatabaseAndShowsTheOldTags) {
    const auto before = test::FolderSnapshot(library.folder);
    test::ClickCell(dialog.Grid(), 0);
    WithFault("write", library.folder, [this] { test::ClickTag(dialog.Tags(), "T2"); });
    EXPECT_THAT(messages.shown, ElementsAre(HasSubstr("No space left on device")));
    EXPECT_EQ(dialog.Tags().Table().SelectedTagsText(), "T1") << "the tags it really has";
    dialog.accept();
    EXPECT_EQ(test::FolderSnapshot(library.folder), before);
}

TEST_F(EditTagsFaultsTest, ADeletionThatFailsKeepsTheBehaviourAndItsLinksAndClosingWritesNothing) {
    // The deletion writes in the library folder (its journal) and in tags; the other folders only lose files.
    std::vector<std::pair<std::string, std::string>> faults{{"foldersync", "thumbs"}};
    for (const char* folder : {"", "tags"}) {
        for (const std::string& fault : test::kSaveFaults) faults.emplace_back(fault, folder);
    }
    for (const auto& [fault, folder] : faults) {
        SCOPED_TRACE(fault + " " + folder);
        test::TagsDialog run;
        const auto before = test::FolderSnapshot(run.library.folder);
        WithFault(fault, run.library.folder / folder, [&run] { DeleteFirstBehaviour(run); });
        EXPECT_THAT(run.messages.shown, ElementsAre(HasSubstr("B was not deleted")));
        EXPECT_EQ(test::Shown(run.dialog.Grid()), (std::vector<std::string>{"B", "C", "D"}));
        run.dialog.accept();
        EXPECT_EQ(test::FolderSnapshot(run.library.folder), before);
    }
    // Without a fault the same deletion rewrites the tag files and removes the files.
    DeleteFirstBehaviour(*this);
    EXPECT_TRUE(messages.shown.empty()) << messages.All();
    for (const char* file : {"B.vmr", "thumbs/B.bmp"}) EXPECT_FALSE(library.Exists(file)) << file;
    EXPECT_EQ(library.Read("tags/T1.tag"), "C\r\n");
}

TEST_F(EditTagsFaultsTest, ARebuildThatFailsLeavesEveryTagFileWholeAndSaysWhy) {
    library.Write("tags/T1.tag", "stale\r\n");  // the rebuild has something to change in each file
    library.Write("tags/T2.tag", "");
    for (const std::string& fault : test::kSaveFaults) {
        messages.shown.clear();
        WithFault(fault, library.folder / "tags",
                  [this] { test::ClickButton(dialog, edit_tags_id::kRebuild); });
        EXPECT_THAT(messages.shown, ElementsAre(HasSubstr("The tag links were not rebuilt"))) << fault;
        EXPECT_EQ(library.Read("tags/T1.tag") + library.Read("tags/T2.tag"), "stale\r\n")
            << fault << ": the first write failed";
    }
    messages.shown.clear();
    test::ClickButton(dialog, edit_tags_id::kRebuild);
    EXPECT_THAT(messages.shown, ElementsAre(HasSubstr("wrote 2 tag files with 3 links")));
    EXPECT_EQ(library.Read("tags/T1.tag") + library.Read("tags/T2.tag"), "B\r\nC\r\nC\r\n");
}

}  // namespace
}  // namespace motivra
