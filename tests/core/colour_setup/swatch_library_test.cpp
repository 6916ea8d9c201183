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

RawSwatch Raw(std::uint32_t id, std::uint32_t base = 0) {
    return {id, {base + 1, base + 2, base + 3, base + 4, base + 5, base + 6}};
}

std::vector<RawSwatch> Many(int n) {
    std::vector<RawSwatch> swatches;
    for (int i = 0; i < n; ++i)
        swatches.push_back(Raw(static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(i) << 8));
    return swatches;
}

std::vector<std::uint32_t> Ids(const SwatchLibrary& library) {
    std::vector<std::uint32_t> ids;
    for (const SwatchRecord& s : library.Swatches()) ids.push_back(s.id);
    return ids;
}

class SwatchLibraryTest : public ::testing::Test {
protected:
    // Opens the library file as the dialog does: reset, folder, file "test", load.
    void Open(const std::vector<std::uint8_t>& bytes) {
        test::WriteBytes(file, bytes);
        library.Reset();
        library.SetFolder(dir.Path().string());
        ASSERT_TRUE(library.SetFile("test"));
        library.Load();
    }

    test::TempDir dir;
    fs::path file = dir.Path() / "test.vmw";
    SwatchLibrary library;
};

TEST_F(SwatchLibraryTest, RoundTripIsByteExact) {
    const auto bytes = SwatchBytes(2, 9, {Raw(3, 0x323200), Raw(8, 0xF07800)});
    Open(bytes);
    ASSERT_EQ(library.Count(), 2);
    EXPECT_EQ(library.NextId(), 9u);
    EXPECT_EQ(library.SwatchAt(1),
              (SwatchRecord{8, {0xF07801, 0xF07802, 0xF07803, 0xF07804, 0xF07805, 0xF07806}}));
    EXPECT_EQ(EncodeSwatchFile(library.Swatches(), library.NextId()), bytes);
    // The magic is ignored when read and written as 6994.
    auto otherMagic = bytes;
    otherMagic[0] = 0x34;
    Open(otherMagic);
    EXPECT_EQ(library.Count(), 2);
    EXPECT_EQ(EncodeSwatchFile(library.Swatches(), library.NextId()), bytes);
}

TEST_F(SwatchLibraryTest, CountsAreLimitedTo255AndNegativeCountsLoadNone) {
    struct Case {
        const char* what;
        unsigned countWord;
        int records;
        int loaded;
    };
    const Case cases[] = {
        {"count 300, 300 records", 300, 300, 255},
        {"count 0xFFFF", 0xFFFF, 3, 0},
        {"count 0x8000", 0x8000, 3, 0},
        {"count 0", 0, 3, 0},
        {"count 5, two records", 5, 2, 2},
        {"count 0x7FFF, four records", 0x7FFF, 4, 4},
    };
    for (const Case& c : cases) {
        Open(SwatchBytes(c.countWord, 77, Many(c.records)));
        EXPECT_EQ(library.Count(), c.loaded) << c.what;
        EXPECT_EQ(library.NextId(), 77u) << c.what;
        EXPECT_FALSE(library.IsChanged()) << c.what;
    }
}

TEST_F(SwatchLibraryTest, ALibraryOf300SavesAs255) {
    Open(SwatchBytes(300, 300, Many(300)));
    ASSERT_TRUE(library.Delete(254));
    ASSERT_TRUE(library.Add({1, 2, 3, 4, 5, 6}));
    ASSERT_TRUE(library.Save());
    const auto saved = test::ReadBytes(file);
    ASSERT_EQ(saved.size(), 8u + 255u * 28u);
    EXPECT_EQ(saved[2], 255);
    EXPECT_EQ(saved[3], 0);
    Open(saved);
    EXPECT_EQ(library.Count(), 255);
    EXPECT_EQ(library.SwatchAt(254).id, 300u);
    EXPECT_EQ(library.NextId(), 301u);
    EXPECT_FALSE(library.Add({}));
}

TEST_F(SwatchLibraryTest, DeletingKeepsIdsAndIdsAreNeverReused) {
    Open(SwatchBytes(3, 3, {Raw(0), Raw(1), Raw(2)}));
    ASSERT_TRUE(library.Delete(1));
    EXPECT_EQ(Ids(library), (std::vector<std::uint32_t>{0, 2}));
    EXPECT_EQ(library.NextId(), 3u);
    ASSERT_TRUE(library.Add({0x323232, 0x464646, 0x1E1E1E, 0x9B9B9B, 0xAAAAAA, 0xF07800}));
    EXPECT_EQ(Ids(library), (std::vector<std::uint32_t>{0, 2, 3}));
    EXPECT_EQ(library.NextId(), 4u);
    EXPECT_FALSE(library.Delete(3));
    EXPECT_FALSE(library.Delete(-1));
    EXPECT_EQ(library.SwatchAt(3), (SwatchRecord{kNoSwatchId, {}}));

    ASSERT_TRUE(library.Save());
    EXPECT_EQ(test::ReadBytes(file),
              SwatchBytes(
                  3, 4, {Raw(0), Raw(2), {3, {0x323232, 0x464646, 0x1E1E1E, 0x9B9B9B, 0xAAAAAA, 0xF07800}}}));
}

TEST_F(SwatchLibraryTest, SaveOnlyWhenChangedAndOnlyOverAnExistingFile) {
    const auto bytes = SwatchBytes(1, 1, {Raw(0)});
    Open(bytes);
    EXPECT_FALSE(library.Save());
    ASSERT_TRUE(library.Add({}));
    fs::remove(file);
    EXPECT_FALSE(library.Save());
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(library.IsChanged());

    fs::create_directory(file);
    EXPECT_FALSE(library.Save());
    EXPECT_TRUE(fs::is_directory(file));
    fs::remove(file);

    test::WriteBytes(file, bytes);
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_FALSE(library.Save());
    EXPECT_EQ(test::ReadBytes(file), bytes);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(library.Save());
    EXPECT_FALSE(library.IsChanged());
    EXPECT_EQ(test::ReadBytes(file).size(), 8u + 2u * 28u);
}

TEST_F(SwatchLibraryTest, MissingOrHostileFilesLoadNothing) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"empty", {}},
        {"half a header", {0x52, 0x1B, 3}},
        {"header only, count 3", SwatchBytes(3, 5, {})},
    };
    for (const Case& c : cases) {
        Open(c.bytes);
        EXPECT_EQ(library.Count(), 0) << c.what;
    }

    // Without a file, or with a directory in its place, the library stays as it was.
    Open(SwatchBytes(1, 1, {Raw(0)}));
    fs::remove(file);
    library.Load();
    EXPECT_EQ(library.Count(), 1);
    fs::create_directory(file);
    library.Load();
    EXPECT_EQ(library.Count(), 1);
    library.SetFolder("");
    EXPECT_EQ(library.FilePath(), "");
}

TEST_F(SwatchLibraryTest, FileNamesAndItemSizes) {
    struct NameCase {
        std::string given;
        bool accepted;
        const char* name;
    };
    const NameCase names[] = {
        {"test", true, "test.vmw"},
        {"Mine.VMW", true, "Mine.VMW"},
        {"a.vmp", true, "a.vmp.vmw"},
        {"../test", false, ""},
        {"", false, ""},
        {std::string("t\0x", 3), false, ""},
    };
    for (const NameCase& c : names) {
        EXPECT_EQ(library.SetFile(c.given), c.accepted) << c.given;
        EXPECT_EQ(library.FileName(), c.name) << c.given;
    }

    EXPECT_EQ(library.GetItemSize(), (ItemSize{45, 90}));
    for (const int refused : {20, 100, -5}) EXPECT_FALSE(library.SetItemSize(refused)) << refused;
    EXPECT_EQ(library.GetItemSize(), (ItemSize{45, 90}));
    ASSERT_TRUE(library.SetItemSize(21));
    EXPECT_EQ(library.GetItemSize(), (ItemSize{21, 42}));
    ASSERT_TRUE(library.SetItemSize(99));
    EXPECT_EQ(library.GetItemSize(), (ItemSize{99, 198}));
}

}  // namespace
}  // namespace motivra
