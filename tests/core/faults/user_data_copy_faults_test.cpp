// The per-user copy of a read-only installation's data folders under injected file-system faults: a copy
// that fails part way leaves no folder that could be taken for the user's data, the program keeps reading
// the installation, and the next start makes the whole copy.
#include <gtest/gtest.h>

#include "core/library/library_fixture.h"
#include "core/library/user_data_copy.h"
#include "support/fault_injection.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using test::Names;
using test::TreeOf;
using test::WriteText;

struct UserCopyFaultsTest : ::testing::Test {
    UserCopyFaultsTest() {
        for (const char* folder :
             {"bin", "behaviours/thumbs", "behaviours/tagdb", "behaviours/tags", "palettes", "swatches"}) {
            fs::create_directories(prefix / folder);
        }
        WriteText(prefix / "bin/motivra", "");
        WriteText(prefix / "behaviours/vmrk-0000.vmr", "behaviour");
        WriteText(prefix / "behaviours/thumbs/vmrk-0000.bmp", "thumbnail");
        WriteText(prefix / "behaviours/tagdb/vmrk-0000.tdb", "spin\r\n");
        WriteText(prefix / "behaviours/tags/spin.tag", "vmrk-0000\r\n");
        WriteText(prefix / "palettes/warm.vmp", "palette");
        WriteText(prefix / "swatches/test.vmw", "swatches");
        fs::create_directories(user);
    }
    std::string Program() const { return (prefix / "bin/motivra").string(); }
    std::string Prepare() const { return PrepareDataLookupPath(Program(), user.string(), readOnlyInstall); }

    test::TempDir root;
    const fs::path prefix = root.Path() / "prefix";
    const fs::path user = root.Path() / "home/zenthar";
    const WritableProbe readOnlyInstall = [this](const std::string& folder) {
        return folder.rfind(prefix.string(), 0) != 0 && FolderAcceptsFiles(folder);
    };
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
