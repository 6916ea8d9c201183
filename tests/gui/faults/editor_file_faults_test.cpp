// The editor's file commands and the Edit Tags dialog's library changes under injected file-system faults:
// a save that fails keeps the previous file and the editor as they were and says so; a deletion or a rebuild
// that fails leaves every file whole, and closing the dialog afterwards loses no link.
#include <gtest/gtest.h>

#include <map>

#include "gui/editor/editor_file_commands.h"
#include "gui/editor/editor_test_support.h"
#include "gui/library/edit_tags_dialog.h"
#include "gui/library/edit_tags_template.h"
#include "gui/library/load_behaviour_dialog.h"
#include "gui/library/save_behaviour_dialog.h"
#include "support/fault_injection.h"
#include "support/library_dialog_support.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using namespace editor_id;
using library_dialog_id::kOk;

std::map<std::string, std::string> Contents(const test::DialogLibrary& library) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(library.folder)) {
        const std::string relative = fs::relative(entry.path(), library.folder).string();
        files[relative] = entry.is_regular_file() ? library.Read(relative) : "(folder)";
    }
    return files;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The editor with "wave" loaded from a temporary library and its Zoom row changed since.
struct EditorFaultsTest : ::testing::Test {
    EditorFaultsTest() {
        library.WriteBehaviour("wave", "wave", 3.5);
        library.Write("thumbs/wave.bmp", "the previous picture");
        library.Write("tags/W.tag", "wave\r\n");
        Commands().SetReporter([this](const QString& m) { messages.shown.push_back(m.toStdString()); });
        Commands().SetDialogRunner([this](QDialog& dialog) {
            if (auto* shown = qobject_cast<LibraryDialog*>(&dialog)) shown->SetReporter(messages.Reporter());
            test::ShowDialog(dialog);
            if (drive) drive(dialog);
            return dialog.result();
        });
        drive = [](QDialog& d) {
            auto& load = static_cast<LoadBehaviourDialog&>(d);
            test::ClickTag(load.Tags(), "W");
            test::ClickCell(load.Grid(), 0);
            test::ClickButton(load, kOk);
        };
        editor.Click(editor.Button(kLoad));
        editor.Drag(editor.Row(test::kZoom).startSlider, 30);
    }
    EditorFileCommands& Commands() { return editor.window.FileCommands(); }
    const EditorState& State() const { return editor.window.Model().State(); }

    test::DialogLibrary library;
    test::ShownEditor editor;
    test::Messages messages;
    std::function<void(QDialog&)> drive;
};

TEST_F(EditorFaultsTest, AFailedSaveKeepsTheFileAndTheEditorAndSaysSo) {
    ASSERT_EQ(State().currentPath, library.Path("wave.vmr"));
    const auto before = Contents(library);
    const EditorState state = State();
    for (const std::string& fault : test::kSaveFaults) {
        messages.shown.clear();
        {
            const test::FaultScope scope(fault, library.folder);
            editor.Click(editor.Button(kSave));
        }
        ASSERT_EQ(messages.shown.size(), 1u) << fault << messages.All();
        EXPECT_TRUE(Contains(messages.shown[0], "could not be saved")) << messages.shown[0];
        EXPECT_TRUE(Contains(messages.shown[0], "kept as it was")) << messages.shown[0];
        EXPECT_EQ(Contents(library), before) << fault;
        EXPECT_TRUE(State() == state) << fault << ": the editor keeps its rows and its path";
        EXPECT_TRUE(editor.Button(kSave)->isEnabled()) << fault;
    }
    // Only the thumbnail's folder failing: the behaviour is saved and the old picture stays whole.
    messages.shown.clear();
    {
        const test::FaultScope scope("write", library.folder / "thumbs");
        editor.Click(editor.Button(kSave));
    }
    ASSERT_EQ(messages.shown.size(), 1u) << messages.All();
    EXPECT_TRUE(Contains(messages.shown[0], "its thumbnail could not be written")) << messages.shown[0];
    EXPECT_NE(library.Read("wave.vmr"), before.at("wave.vmr"));
    EXPECT_EQ(library.Read("thumbs/wave.bmp"), "the previous picture");
}

// The file is replaced before the folder's sync fails: the user must not be told it was kept.
TEST_F(EditorFaultsTest, ASaveWhoseFolderCannotBeSyncedSaysTheFileIsInPlace) {
    const std::string previous = library.Read("wave.vmr");
    {
        const test::FaultScope scope("foldersync", library.folder);
        editor.Click(editor.Button(kSave));
    }
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_FALSE(Contains(messages.All(), "kept as it was")) << messages.All();
    EXPECT_TRUE(Contains(messages.shown[0], "was saved to")) << messages.shown[0];
    EXPECT_TRUE(Contains(messages.shown[0], "could not be synced")) << messages.shown[0];
    EXPECT_NE(library.Read("wave.vmr"), previous);
    EXPECT_NE(library.Read("thumbs/wave.bmp"), "the previous picture") << "the thumbnail follows it";
}

TEST_F(EditorFaultsTest, ASaveAsThatFailsLeavesTheEditorOnItsFileAfterCancel) {
    const auto before = Contents(library);
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
    EXPECT_EQ(Contents(library), before);
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

struct EditTagsFaultsTest : ::testing::Test {
    EditTagsFaultsTest() {
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

TEST(EditTagsFaults, ADeletionThatCannotRewriteATagFileKeepsTheBehaviourAndItsLinksAfterClosing) {
    for (const std::string& fault : test::kSaveFaults) {
        SCOPED_TRACE(fault);
        Tagged fresh;
        EditTagsDialog edit;
        test::Messages told;
        edit.SetReporter(told.Reporter());
        edit.SetConfirmer([](const QString&, const QString&) { return true; });
        test::ShowDialog(edit);
        {
            const test::FaultScope scope(fault, fresh.folder / "tags");
            test::ClickButton(edit, edit_tags_id::kDeleteBehaviour);
            test::ClickCell(edit.Grid(), 0);
        }
        ASSERT_FALSE(told.shown.empty());
        EXPECT_TRUE(Contains(told.shown[0], "Deleting B stopped")) << told.All();
        EXPECT_TRUE(fresh.Exists("B.vmr"));
        EXPECT_EQ(test::Shown(edit.Grid()), (std::vector<std::string>{"B", "C"}));
        edit.accept();
        // Whatever was written before the failure, B is still in the library: no tag file may lose B
        // at the close while B stays.
        EXPECT_TRUE(fresh.Exists("B.vmr"));
        EXPECT_EQ(fresh.Read("tags/T1.tag"), "B\r\nC\r\n");
        EXPECT_EQ(fresh.Read("tags/T2.tag"), "B\r\n");
        EXPECT_EQ(fresh.Read("tagdb/B.tdb"), "T1\r\nT2\r\n");
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
    dialog.accept();
    EXPECT_EQ(library.Read("tags/T1.tag"), "C\r\n");
}

TEST_F(EditTagsFaultsTest, ARebuildThatFailsLeavesEveryTagFileWholeAndSaysHowFarItGot) {
    library.Write("tags/T1.tag", "stale\r\n");  // the rebuild has something to change in each file
    library.Write("tags/T2.tag", "");
    for (const std::string& fault : test::kSaveFaults) {
        messages.shown.clear();
        {
            const test::FaultScope scope(fault, library.folder / "tags");
            test::ClickButton(dialog, edit_tags_id::kRebuild);
        }
        ASSERT_EQ(messages.shown.size(), 1u) << fault << messages.All();
        EXPECT_TRUE(Contains(messages.shown[0], "Rebuilding the tag links stopped")) << messages.shown[0];
        EXPECT_EQ(library.Read("tags/T1.tag"), "stale\r\n") << fault << ": the first write failed";
        EXPECT_EQ(library.Read("tags/T2.tag"), "") << fault;
    }
    messages.shown.clear();
    test::ClickButton(dialog, edit_tags_id::kRebuild);
    EXPECT_TRUE(messages.shown.empty()) << messages.All();
    dialog.accept();
    EXPECT_EQ(library.Read("tags/T1.tag"), "B\r\nC\r\n");
    EXPECT_EQ(library.Read("tags/T2.tag"), "B\r\n");
}

}  // namespace
}  // namespace motivra
