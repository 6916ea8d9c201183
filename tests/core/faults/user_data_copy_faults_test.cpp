// The per-user copy of a read-only installation's data folders under injected file-system faults: a copy
// that fails part way leaves no folder that could be taken for the user's data, the program keeps reading
// the installation, and the next start makes the whole copy.
#include <gtest/gtest.h>

#include "core/library/library_fixture.h"
#include "support/fault_injection.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using test::Names;
using test::TreeOf;

struct UserCopyFaultsTest : ::testing::Test, test::InstalledData {
    UserCopyFaultsTest() { fs::create_directories(user); }
};

TEST_F(UserCopyFaultsTest, ACopyThatFailsLeavesNoFolderForTheUsersDataAndTheNextStartCompletesIt) {
    const Names whole{"behaviours",
                      "behaviours/tagdb",
                      "behaviours/tagdb/vmrk-0000.tdb",
                      "behaviours/tags",
                      "behaviours/tags/spin.tag",
                      "behaviours/thumbs",
                      "behaviours/thumbs/vmrk-0000.bmp",
                      "behaviours/vmrk-0000.vmr",
                      "palettes",
                      "palettes/warm.vmp",
                      "swatches",
                      "swatches/test.vmw"};
    // Faults at the rename are of the folder's own rename too, so every step of the copy is met.
    for (const std::string& fault : test::kSaveFaults) {
        SCOPED_TRACE(fault);
        fs::remove_all(user);
        fs::create_directories(user);
        std::string lookup;
        {
            const test::FaultScope scope(fault, user);
            lookup = Prepare();
        }
        EXPECT_EQ(lookup, Program()) << "the installation is read as it is";
        EXPECT_EQ(TreeOf(user), Names{}) << "nothing half made is left";
        EXPECT_EQ(Prepare(), (user / "bin/motivra").string());
        EXPECT_EQ(TreeOf(user), whole);
        EXPECT_EQ(test::ReadText(user / "behaviours/tags/spin.tag"), "vmrk-0000\r\n");
    }
}

// A folder of the copy holding no file is synced on its own, or a crash could lose it after the rename.
TEST_F(UserCopyFaultsTest, AnEmptyFolderOfTheCopyMustReachTheDiskToo) {
    fs::remove(prefix / "palettes/warm.vmp");
    {
        const test::FaultScope scope("foldersync", user);
        EXPECT_EQ(Prepare(), Program());
    }
    EXPECT_EQ(TreeOf(user), Names{});
    EXPECT_EQ(Prepare(), (user / "bin/motivra").string());
    EXPECT_TRUE(fs::is_directory(user / "palettes"));
}

}  // namespace
}  // namespace motivra
