#include "core/library/behaviour_naming.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "library_fixture.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;

TEST(ReadLeadingInteger, ReadsAsTextToIntegerConversionDoes) {
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    const std::pair<const char*, std::int64_t> cases[] = {
        {"0011", 11},
        {"10000", 10000},
        {"-0005", -5},
        {"  +42x", 42},
        {"\t\n7", 7},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"- 5", 0},
        {"0003-copy", 3},
        {"12 34", 12},
        {"99999999999999999999", kMax},
        {"-99999999999999999999", kMin},
        {"9223372036854775807", kMax},
        {"-9223372036854775808", kMin},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(ReadLeadingInteger(text), value) << '"' << text << '"';
}

class NextBehaviourNameTest : public ::testing::Test {
protected:
    void Thumbnails(std::initializer_list<const char*> names) {
        for (const char* n : names) library.Write(std::string("thumbs/") + n, "");
    }
    std::string Next(const std::string& core = "vmrk") {
        return NextBehaviourName(core, library.Library() + "/thumbs");
    }

    test::LibraryFixture library;
};

TEST_F(NextBehaviourNameTest, NumbersFromTheHighestThumbnail) {
    EXPECT_EQ(Next(), "vmrk-0000");
    Thumbnails({"vmrk-0000.bmp"});
    EXPECT_EQ(Next(), "vmrk-0001");

    Thumbnails({"vmrk-0003.bmp", "vmrk-0010.bmp"});
    EXPECT_EQ(Next(), "vmrk-0011");
    fs::remove(library.Root() / "behaviours/thumbs/vmrk-0010.bmp");
    EXPECT_EQ(Next(), "vmrk-0004");  // the highest number is free again; lower gaps stay

    Thumbnails({"vmrk-9999.bmp"});
    EXPECT_EQ(Next(), "vmrk-10000");
    Thumbnails({"vmrk-10000.bmp"});
    EXPECT_EQ(Next(), "vmrk-10001");
}

TEST_F(NextBehaviourNameTest, OnlyTheTailAfterCoreAndOneCharacterCounts) {
    Thumbnails({"K.bmp"});
    EXPECT_EQ(Next("K"), "K-0001");  // K.bmp counts as number 0
    Thumbnails({"K2-0005.bmp", "K-0000x3.bmp", "wave-0050.bmp", "k-0090.bmp"});
    EXPECT_EQ(Next("K"), "K-0001");  // "-0005" is negative; "0000x3" reads 0; other cores do not count
    Thumbnails({"K_0007.bmp", "K-0002.BMP", "K-0009.bmp.tmp"});
    EXPECT_EQ(Next("K"), "K-0008");  // any separator character; only ".bmp" files
    EXPECT_EQ(Next("wave"), "wave-0051");
}

TEST_F(NextBehaviourNameTest, WildcardCharactersInTheCoreAreLiteral) {
    Thumbnails({"vmrk-0007.bmp", "v?-0002.bmp"});
    EXPECT_EQ(Next("v?"), "v?-0003");
    EXPECT_EQ(Next("v*"), "v*-0000");
}

TEST_F(NextBehaviourNameTest, GivesNothingWithoutThumbsOrForAHostileCore) {
    EXPECT_EQ(NextBehaviourName("vmrk", library.Library() + "/missing"), "");
    for (const char* core : {"", "../x", "a/b", "..", "a..b", "x\\y", "line\nbreak"}) {
        EXPECT_EQ(Next(core), "") << core;
    }
    EXPECT_EQ(Next(std::string("nul\0x", 5)), "");
    Thumbnails({"vmrk-99999999999999999999.bmp"});
    EXPECT_EQ(Next(), "");  // no number follows the highest one
}

}  // namespace
}  // namespace motivra
