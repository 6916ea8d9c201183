// What a replacement keeps of the file it replaces, and what it refuses.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/io/file_io.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;

const std::vector<std::uint8_t> kOld = {'o', 'l', 'd'};
const std::vector<std::uint8_t> kNew = {'n', 'e', 'w', '!'};

struct stat Status(const fs::path& path) {
    struct stat status {};
    ::lstat(path.c_str(), &status);
    return status;
}

// Giving a file to another user needs root; as anyone else only the mode is checked. The temporary name does
// not grow with the file's, so a name of the system's full length still saves.
TEST(AtomicWrite, TheReplacedFileKeepsItsModeAndOwnerWhateverTheLengthOfItsName) {
    const bool root = ::geteuid() == 0;
    for (const auto& [mode, length] :
         {std::pair<mode_t, std::size_t>{0600, 1}, {0640, 250}, {0604, 255}, {0755, 1}}) {
        test::TempDir dir;
        const fs::path file = dir.Path() / std::string(length, 'n');
        test::WriteBytes(file, kOld);
        ::chmod(file.c_str(), mode);
        ASSERT_TRUE(!root || ::chown(file.c_str(), 65534, 65534) == 0);
        ASSERT_TRUE(WriteFileAtomically(file.string(), kNew)) << length;
        EXPECT_EQ(Status(file).st_mode & 07777, mode) << std::oct << mode;
        EXPECT_EQ(test::ReadBytes(file), kNew);
        EXPECT_EQ(test::TreeOf(dir.Path()).size(), 1u) << "no temporary file left";
        if (!root) continue;
        EXPECT_EQ(std::pair(Status(file).st_uid, Status(file).st_gid), std::pair(65534u, 65534u));
    }
}

// A link stays a link and its target, wherever the chain of links ends, gets the content; what cannot be
// replaced is refused and leaves nothing behind.
TEST(AtomicWrite, ALinkIsWrittenThroughToItsTargetAndWhatCannotBeReplacedIsRefused) {
    test::TempDir dir;
    fs::create_directory(dir.Path() / "real");
    const fs::path target = dir.Path() / "real" / "palette.vmp";
    test::WriteBytes(target, kOld);
    fs::create_symlink("real/palette.vmp", dir.Path() / "relative");
    fs::create_symlink(dir.Path() / "relative", dir.Path() / "chained");
    for (const char* link : {"relative", "chained"}) {
        ASSERT_TRUE(WriteFileAtomically((dir.Path() / link).string(), kNew)) << link;
        EXPECT_TRUE(fs::is_symlink(dir.Path() / link)) << link;
        EXPECT_EQ(test::ReadBytes(target), kNew) << link;
        test::WriteBytes(target, kOld);
    }
    EXPECT_EQ(test::TreeOf(dir.Path() / "real"), std::vector<std::string>{"palette.vmp"});

    fs::create_symlink("loop", dir.Path() / "loop");
    const std::pair<const char*, std::string> cases[] = {{"loop", "open: Too many levels of symbolic links"},
                                                         {"real", "open: Is a directory"},
                                                         {"missing/f", "create: No such file or directory"}};
    const std::vector<std::string> before = test::TreeOf(dir.Path());
    for (const auto& [name, reason] : cases) {
        std::string error;
        EXPECT_FALSE(WriteFileAtomically((dir.Path() / name).string(), kNew, &error)) << name;
        EXPECT_EQ(error, reason) << name;
    }
    EXPECT_EQ(test::TreeOf(dir.Path()), before);
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "loop"));
}

}  // namespace
}  // namespace motivra
