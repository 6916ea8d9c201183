#include "core/colour_setup/swatch_library.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/colour_setup/colour_file_bytes.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using test::colour::RawSwatch;
using test::colour::SwatchBytes;

std::vector<RawSwatch> Blank(std::size_t n) { return std::vector<RawSwatch>(n); }

class SwatchLibraryTest : public ::testing::Test {
protected:
    // Opens the library file as the dialog does (reset, folder, file "test", load); gives the swatch count.
    int Open(const std::vector<std::uint8_t>& bytes) {
        test::WriteBytes(file, bytes);
        library.Reset();
        library.SetFolder(dir.Path().string());
        EXPECT_TRUE(library.SetFile("test"));
        library.Load();
        return library.Count();
    }

    test::TempDir dir;
    fs::path file = dir.Path() / "test.vmw";
    SwatchLibrary library;
};

TEST_F(SwatchLibraryTest, CountsAreLimitedTo255AndHostileHeadersLoadNone) {
    const std::pair<std::vector<std::uint8_t>, int> cases[] = {{SwatchBytes(300, 77, Blank(300)), 255},
                                                               {SwatchBytes(0xFFFF, 77, Blank(3)), 0},
                                                               {SwatchBytes(0x8000, 77, Blank(3)), 0},
                                                               {SwatchBytes(5, 77, Blank(2)), 2},
                                                               {{0x52, 0x1B, 3}, 0},
                                                               {{}, 0}};
    for (const auto& [bytes, loaded] : cases) EXPECT_EQ(Open(bytes), loaded) << bytes.size();
    Open(SwatchBytes(300, 300, Blank(300)));
    ASSERT_TRUE(library.Delete(254));
    ASSERT_TRUE(library.Add({1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(library.Add({}));
    ASSERT_TRUE(library.Save());
    EXPECT_EQ(test::ReadBytes(file).size(), 8u + 255u * 28u);
    EXPECT_EQ(Open(test::ReadBytes(file)), 255);
    EXPECT_EQ(library.NextId(), 301u);
}

TEST_F(SwatchLibraryTest, DeletingKeepsIdsAndIdsAreNeverReused) {
    const std::vector<RawSwatch> three = {{0, {1}}, {1, {2}}, {2, {3}}};
    auto bytes = SwatchBytes(3, 3, three);
    bytes[0] = 0x34;  // the magic is not checked, and is written as 6994
    Open(bytes);
    ASSERT_TRUE(library.Delete(1));
    EXPECT_FALSE(library.Delete(2));
    ASSERT_TRUE(library.Add({7, 7, 7, 7, 7, 7}));
    ASSERT_TRUE(library.Save());
    EXPECT_EQ(test::ReadBytes(file), SwatchBytes(3, 4, {three[0], three[2], {3, {7, 7, 7, 7, 7, 7}}}));
}

TEST_F(SwatchLibraryTest, SavesOnlyAChangedLibraryOverAWritableFile) {
    const auto bytes = SwatchBytes(1, 1, {{0, {5}}});
    Open(bytes);
    EXPECT_FALSE(library.Save());
    ASSERT_TRUE(library.Add({}));
    fs::remove(file);
    EXPECT_FALSE(library.Save());  // a library file is never created
    EXPECT_FALSE(fs::exists(file));
    fs::create_directory(file);
    library.Load();  // a directory in its place loads nothing and takes no save
    EXPECT_FALSE(library.Save());
    EXPECT_EQ(library.Count(), 2);
    fs::remove(file);

    test::WriteBytes(file, bytes);
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_FALSE(library.Save());
    EXPECT_EQ(test::ReadBytes(file), bytes);
}

TEST_F(SwatchLibraryTest, FileNamesAndItemSizes) {
    EXPECT_TRUE(library.SetFile("Mine"));
    EXPECT_EQ(library.FileName(), "Mine.vmw");
    EXPECT_FALSE(library.SetFile("../test"));
    EXPECT_EQ(library.FileName(), "");
    EXPECT_FALSE(library.SetItemSize(100));
    ASSERT_TRUE(library.SetItemSize(21));
    EXPECT_EQ(library.GetItemSize(), (ItemSize{21, 42}));
}

}  // namespace
}  // namespace motivra
