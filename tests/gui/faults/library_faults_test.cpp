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
using ::testing::HasSubstr;

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
            {
                const test::FaultScope scope(fault, library.folder / folder);
                editor.Click(editor.Button(kSave));
            }
            ASSERT_EQ(messages.shown.size(), 1u) << messages.All();
            EXPECT_THAT(messages.shown[0], HasSubstr("could not be saved"));
            EXPECT_THAT(messages.shown[0], HasSubstr("kept as they were"));
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
    const struct {
        std::string fault, reason;
    } faults[] = {{"write", "write: No space left on device"},
                  {"flush", "sync to disk"},
                  {"close", "close: Input/output error"},
                  {"fsync", "sync to disk"},
                  {"rename", "rename: Input/output error"}};
    for (const auto& c : faults) {
        SCOPED_TRACE(c.fault);
        messages.shown.clear();
        drive = [this, &c](QDialog& d) {
            test::ClickTag(static_cast<SaveBehaviourDialog&>(d).Tags(), "W");
            {
                const test::FaultScope scope(c.fault, library.folder);
                test::ClickButton(d, kOk);
            }
            EXPECT_TRUE(d.isVisible()) << "OK has not saved, so the dialog stays";
            QTest::keyClick(&d, Qt::Key_Escape);
        };
        editor.Click(editor.Button(kSaveAs));
        EXPECT_TRUE(State() == state);
        EXPECT_EQ(test::FolderSnapshot(library.folder), before);
        ASSERT_EQ(messages.shown.size(), 1u) << messages.All();
        EXPECT_THAT(messages.shown[0], HasSubstr("Nothing was saved"));
        EXPECT_THAT(messages.shown[0], HasSubstr(c.reason));
    }
}

// Behaviours B {T1, T2} and C {T1}, the tag files agreeing with the tag databases.
struct Tagged : test::DialogLibrary {
    Tagged() {
        WriteBehaviour("B", "the B");
        WriteBehaviour("C", "the C");
        Write("thumbs/B.bmp", "B picture");
        Write("tagdb/B.tdb", "T1\r\nT2\r\n");
        Write("tagdb/C.tdb", "T1\r\n");
        Write("tags/T1.tag", "B\r\nC\r\n");
        Write("tags/T2.tag", "B\r\n");
    }
};

// The Edit Tags dialog over Tagged, its messages collected and every question answered yes.
struct TagsDialog {
    TagsDialog() {
        dialog.SetReporter(messages.Reporter());
        dialog.SetConfirmer([](const QString&, const QString&) { return true; });
        test::ShowDialog(dialog);
    }
    void DeleteFirstBehaviour() {
        test::ClickButton(dialog, edit_tags_id::kDeleteBehaviour);
        test::ClickCell(dialog.Grid(), 0);
    }

    Tagged library;
    EditTagsDialog dialog;
    test::Messages messages;
};

struct EditTagsFaultsTest : ::testing::Test, TagsDialog {};

TEST_F(EditTagsFaultsTest, ATagChangeThatCannotBeWrittenKeepsTheTagDatabaseAndShowsTheOldTags) {
    const auto before = test::FolderSnapshot(library.folder);
    test::ClickCell(dialog.Grid(), 0);
    {
        const test::FaultScope scope("write", library.folder);
        test::ClickTag(dialog.Tags(), "T1");
    }
    ASSERT_EQ(messages.shown.size(), 1u) << messages.All();
    EXPECT_THAT(messages.shown[0], HasSubstr("No space left on device"));
    EXPECT_EQ(dialog.Tags().Table().SelectedTagsText(), "T1  T2") << "the tags it really has";
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
        TagsDialog run;
        const auto before = test::FolderSnapshot(run.library.folder);
        {
            const test::FaultScope scope(fault, run.library.folder / folder);
            run.DeleteFirstBehaviour();
        }
        ASSERT_EQ(run.messages.shown.size(), 1u) << run.messages.All();
        EXPECT_THAT(run.messages.shown[0], HasSubstr("B was not deleted"));
        EXPECT_EQ(test::Shown(run.dialog.Grid()), (std::vector<std::string>{"B", "C"}));
        run.dialog.accept();
        EXPECT_EQ(test::FolderSnapshot(run.library.folder), before);
    }
    // Without a fault the same deletion rewrites the tag files and removes the files.
    DeleteFirstBehaviour();
    EXPECT_TRUE(messages.shown.empty()) << messages.All();
    EXPECT_FALSE(library.Exists("B.vmr"));
    EXPECT_FALSE(library.Exists("thumbs/B.bmp"));
    EXPECT_EQ(library.Read("tags/T1.tag"), "C\r\n");
    EXPECT_EQ(library.Read("tags/T2.tag"), "");
}

TEST_F(EditTagsFaultsTest, ARebuildThatFailsLeavesEveryTagFileWholeAndSaysWhy) {
    library.Write("tags/T1.tag", "stale\r\n");  // the rebuild has something to change in each file
    library.Write("tags/T2.tag", "");
    for (const std::string& fault : test::kSaveFaults) {
        messages.shown.clear();
        {
            const test::FaultScope scope(fault, library.folder / "tags");
            test::ClickButton(dialog, edit_tags_id::kRebuild);
        }
        ASSERT_EQ(messages.shown.size(), 1u) << fault << messages.All();
        EXPECT_THAT(messages.shown[0], HasSubstr("The tag links were not rebuilt"));
        EXPECT_EQ(library.Read("tags/T1.tag"), "stale\r\n") << fault << ": the first write failed";
        EXPECT_EQ(library.Read("tags/T2.tag"), "") << fault;
    }
    messages.shown.clear();
    test::ClickButton(dialog, edit_tags_id::kRebuild);
    ASSERT_EQ(messages.shown.size(), 1u) << messages.All();
    EXPECT_THAT(messages.shown[0], HasSubstr("wrote 2 tag files with 3 links"));
    EXPECT_EQ(library.Read("tags/T1.tag"), "B\r\nC\r\n");
    EXPECT_EQ(library.Read("tags/T2.tag"), "B\r\n");
}

}  // namespace
}  // namespace motivra
