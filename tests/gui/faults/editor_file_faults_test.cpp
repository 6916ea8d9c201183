// The editor's file commands and the Edit Tags dialog's library changes under injected file-system faults: a
// save, a deletion or a rebuild that fails leaves every file of the library as it was and says so, and
// closing the dialog afterwards writes nothing.
#include <gtest/gtest.h>

#include <map>

#include "gui/editor/editor_files_support.h"
#include "gui/library/edit_tags_dialog.h"
#include "gui/library/edit_tags_template.h"
#include "gui/library/save_behaviour_dialog.h"
#include "support/fault_injection.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using namespace editor_id;
using library_dialog_id::kOk;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
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

// Each fault in the behaviour's folder or the thumbnails' one, the folder's sync included.
std::vector<std::pair<std::string, std::string>> EveryFault() {
    std::vector<std::pair<std::string, std::string>> faults;
    for (const char* folder : {"", "thumbs"}) {
        for (const std::string& fault : test::kSaveFaults) faults.emplace_back(fault, folder);
        faults.emplace_back("foldersync", folder);
    }
    return faults;
}

TEST_F(EditorFaultsTest, AFailedSaveKeepsEveryFileAndTheEditorAndSaysSo) {
    ASSERT_EQ(State().currentPath, library.Path("wave.vmr"));
    const auto before = test::FolderSnapshot(library.folder);
    const EditorState state = State();
    for (const auto& [fault, folder] : EveryFault()) {
        messages.shown.clear();
        {
            const test::FaultScope scope(fault, library.folder / folder);
            editor.Click(editor.Button(kSave));
        }
        ASSERT_EQ(messages.shown.size(), 1u) << fault << " " << folder << messages.All();
        EXPECT_TRUE(Contains(messages.shown[0], "could not be saved")) << messages.shown[0];
        EXPECT_TRUE(Contains(messages.shown[0], "kept as they were")) << messages.shown[0];
        EXPECT_EQ(test::FolderSnapshot(library.folder), before) << fault << " " << folder;
        EXPECT_TRUE(State() == state) << fault << ": the editor keeps its rows and its path";
        EXPECT_TRUE(editor.Button(kSave)->isEnabled()) << fault;
    }
    messages.shown.clear();
    editor.Click(editor.Button(kSave));
    EXPECT_TRUE(messages.shown.empty()) << messages.All();
    EXPECT_NE(library.Read("wave.vmr"), before.at("wave.vmr")) << "without a fault the save goes through";
    EXPECT_NE(library.Read("thumbs/wave.bmp"), "the previous picture");
}

TEST_F(EditorFaultsTest, ASaveAsThatFailsLeavesTheEditorOnItsFileAfterCancel) {
    const auto before = test::FolderSnapshot(library.folder);
    const EditorState state = State();
    drive = [this](QDialog& d) {
        {
            const test::FaultScope scope("write", library.folder);
            test::ClickButton(d, kOk);
        }
        EXPECT_TRUE(d.isVisible());
        QTest::keyClick(&d, Qt::Key_Escape);
    };
    editor.Click(editor.Button(kSaveAs));
    EXPECT_TRUE(State() == state);
    EXPECT_EQ(test::FolderSnapshot(library.folder), before);
    ASSERT_EQ(messages.shown.size(), 1u) << messages.All();
    EXPECT_TRUE(Contains(messages.shown[0], "Nothing was saved")) << messages.shown[0];
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

TEST(EditTagsFaults, ADeletionThatFailsKeepsTheBehaviourAndItsLinksAndClosingWritesNothing) {
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
        EXPECT_TRUE(Contains(run.messages.shown[0], "B was not deleted")) << run.messages.All();
        EXPECT_EQ(test::Shown(run.dialog.Grid()), (std::vector<std::string>{"B", "C"}));
        run.dialog.accept();
        EXPECT_EQ(test::FolderSnapshot(run.library.folder), before);
    }
}

// The check on the test above: without a fault the same deletion goes through.
TEST_F(EditTagsFaultsTest, WithoutAFaultTheDeletionRewritesTheTagFilesAndRemovesTheFiles) {
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
        EXPECT_TRUE(Contains(messages.shown[0], "The tag links were not rebuilt")) << messages.shown[0];
        EXPECT_EQ(library.Read("tags/T1.tag"), "stale\r\n") << fault << ": the first write failed";
        EXPECT_EQ(library.Read("tags/T2.tag"), "") << fault;
    }
    messages.shown.clear();
    test::ClickButton(dialog, edit_tags_id::kRebuild);
    ASSERT_EQ(messages.shown.size(), 1u) << messages.All();
    EXPECT_TRUE(Contains(messages.shown[0], "wrote 2 tag files with 3 links")) << messages.shown[0];
    EXPECT_EQ(library.Read("tags/T1.tag"), "B\r\nC\r\n");
    EXPECT_EQ(library.Read("tags/T2.tag"), "B\r\n");
}

}  // namespace
}  // namespace motivra
