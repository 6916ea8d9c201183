// The library dialogs under injected file-system faults (a full disk, failing syncs, closes and renames):
// the user is told what failed and the library keeps every byte it had.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "gui/engine/thumbnail_view.h"
#include "gui/library/edit_tags_dialog.h"
#include "gui/library/edit_tags_template.h"
#include "gui/library/save_behaviour_dialog.h"
#include "support/fault_injection.h"
#include "support/library_dialog_support.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using library_dialog_id::kOk;

struct Tagged : test::DialogLibrary {
    Tagged() {
        WriteBehaviour("vmrk-0000", "first");
        Write("thumbs/vmrk-0000.bmp", "picture");
        Write("tagdb/vmrk-0000.tdb", "T1\r\n");
        Write("tags/T1.tag", "vmrk-0000\r\n");
        Write("tags/T2.tag");
    }
};

TEST(LibraryDialogFaults, ASaveThatCannotWriteSaysWhyAndChangesNothing) {
    Tagged library;
    const auto before = test::FolderSnapshot(library.folder);
    const std::pair<std::string, std::string> faults[] = {{"write", "write: No space left on device"},
                                                          {"flush", "sync to disk"},
                                                          {"close", "close: Input/output error"},
                                                          {"fsync", "sync to disk"},
                                                          {"rename", "rename: Input/output error"}};
    for (const auto& [fault, reason] : faults) {
        test::Messages messages;
        SaveBehaviourDialog dialog;
        dialog.SetReporter(messages.Reporter());
        dialog.Thumbnail().Tracks().SetTrack(0, test::DialogLibrary::Track(0, 3.5));
        test::ShowDialog(dialog);
        test::ClickTag(dialog.Tags(), "T2");
        {
            const test::FaultScope scope(fault, library.folder);
            test::ClickButton(dialog, kOk);
        }
        EXPECT_TRUE(dialog.isVisible()) << fault << ": OK has not saved, so the dialog stays";
        ASSERT_EQ(messages.shown.size(), 1u) << fault << messages.All();
        EXPECT_NE(messages.shown[0].find("Nothing was saved"), std::string::npos) << messages.shown[0];
        EXPECT_NE(messages.shown[0].find(reason), std::string::npos) << messages.shown[0];
        dialog.reject();
        EXPECT_EQ(test::FolderSnapshot(library.folder), before) << fault;
    }
}

TEST(LibraryDialogFaults, ATagChangeThatCannotBeWrittenKeepsTheTagDatabaseAndShowsTheOldTags) {
    Tagged library;
    const auto before = test::FolderSnapshot(library.folder);
    test::Messages messages;
    EditTagsDialog dialog;
    dialog.SetReporter(messages.Reporter());
    test::ShowDialog(dialog);
    test::ClickCell(dialog.Grid(), 0);
    {
        const test::FaultScope scope("write", library.folder);
        test::ClickTag(dialog.Tags(), "T2");
    }
    ASSERT_EQ(messages.shown.size(), 1u) << messages.All();
    EXPECT_NE(messages.shown[0].find("No space left on device"), std::string::npos) << messages.shown[0];
    EXPECT_EQ(dialog.Tags().Table().SelectedTagsText(), "T1") << "the tags it really has";
    dialog.accept();
    EXPECT_EQ(test::FolderSnapshot(library.folder), before);
}

}  // namespace
}  // namespace motivra
