#include "core/library/user_data_copy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/engine/behaviour_file.h"
#include "core/engine/track_store.h"
#include "core/library/behaviour_naming.h"
#include "core/library/library_folder.h"
#include "library_fixture.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using test::Names;
using test::ReadText;
using test::TreeOf;
using test::WriteText;

struct UserDataCopyTest : ::testing::Test, test::InstalledData {};

// What the copy holds is the fault tests' concern; here, that the program then works on it.
TEST_F(UserDataCopyTest, AReadOnlyInstallIsCopiedOnceAndABehaviourSavedThroughTheLookupLandsInTheCopy) {
    ASSERT_TRUE(NeedsUserDataCopy(Program(), readOnlyInstall));
    const std::string lookup = Prepare();
    EXPECT_EQ(lookup, User() + "/bin/motivra");
    EXPECT_NE(fs::status(user / "palettes/warm.vmp").permissions() & fs::perms::owner_write, fs::perms::none)
        << "the copies are the user's to change";

    // Every data lookup now finds the copy.
    const std::string library = FindLibraryFolder(kLibraryFolderName, LibrarySearch::TagList, lookup);
    EXPECT_EQ(library, User() + "/behaviours");
    EXPECT_EQ(FindLibraryFolder("palettes", LibrarySearch::Grid, lookup), User() + "/palettes");

    const std::string name = NextBehaviourName("vmrk", ThumbsFolder(library));
    EXPECT_EQ(name, "vmrk-0001");
    TrackStore store;
    ASSERT_TRUE(SaveBehaviourFile(store, library + "/", name, "saved", BehaviourFlags{1, 1, 0, 0}));
    EXPECT_TRUE(fs::is_regular_file(user / "behaviours/vmrk-0001.vmr"));
    EXPECT_FALSE(fs::exists(prefix / "behaviours/vmrk-0001.vmr"));

    // Later starts keep what the user did: a deleted sample stays deleted, a changed file stays changed.
    fs::remove(user / "behaviours/vmrk-0000.vmr");
    WriteText(user / "palettes/warm.vmp", "the user's palette");
    EXPECT_EQ(Prepare(), lookup);
    EXPECT_FALSE(fs::exists(user / "behaviours/vmrk-0000.vmr"));
    EXPECT_EQ(ReadText(user / "palettes/warm.vmp"), "the user's palette");
    EXPECT_TRUE(fs::exists(user / "behaviours/vmrk-0001.vmr"));
}

TEST_F(UserDataCopyTest, AWritableInstallIsUsedAsItIsAndNothingIsCopied) {
    const WritableProbe everywhere = [](const std::string&) { return true; };
    EXPECT_FALSE(NeedsUserDataCopy(Program(), everywhere));
    EXPECT_EQ(PrepareDataLookupPath(Program(), User(), everywhere), Program());
    EXPECT_FALSE(fs::exists(user));

    // One folder the program writes into is enough to need the copy.
    const fs::path tags = prefix / "behaviours/tags";
    const WritableProbe allButTags = [&](const std::string& folder) { return fs::path(folder) != tags / ""; };
    EXPECT_TRUE(NeedsUserDataCopy(Program(), allButTags));
}

TEST_F(UserDataCopyTest, AnUnfinishedOrImpossibleCopyLeavesTheLookupOnTheInstallation) {
    // A copy interrupted earlier left its temporary folder: it is not the user's library.
    fs::create_directories(user / ".behaviours.partial/half");
    EXPECT_EQ(DataLookupPath(Program(), User(), readOnlyInstall), Program());
    EXPECT_EQ(Prepare(), User() + "/bin/motivra");
    EXPECT_FALSE(fs::exists(user / ".behaviours.partial"));
    EXPECT_FALSE(fs::exists(user / "behaviours/half"));

    // A user folder that cannot be made (a file stands in the way): the installation is read as it is.
    const fs::path blocked = root.Path() / "blocked";
    WriteText(blocked, "");
    EXPECT_EQ(PrepareDataLookupPath(Program(), (blocked / "zenthar").string(), readOnlyInstall), Program());
    EXPECT_EQ(PrepareDataLookupPath(Program(), "", readOnlyInstall), Program());
}

TEST(FolderAcceptsFiles, AnswersForFoldersOnlyAndLeavesNothingBehind) {
    test::TempDir dir;
    WriteText(dir.Path() / "file", "");
    EXPECT_TRUE(FolderAcceptsFiles(dir.Path().string()));
    EXPECT_FALSE(FolderAcceptsFiles(dir.File("file")));
    EXPECT_FALSE(FolderAcceptsFiles(dir.File("missing")));
    EXPECT_EQ(TreeOf(dir.Path()), (Names{"file"}));
}

}  // namespace
}  // namespace motivra
