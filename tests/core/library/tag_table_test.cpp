#include "core/library/tag_table.h"

#include <gtest/gtest.h>

#include "library_fixture.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using test::Names;
using test::Summary;
using TagTableTest = test::LibraryTest;

void Select(TagTable& table, const Names& selected, const Names& subtracted = {}) {
    table.ClearStates();
    for (const std::string& n : selected) table.SetState(table.FindTag(n), TagState::Selected);
    for (const std::string& n : subtracted) table.SetState(table.FindTag(n), TagState::Subtracted);
    table.CaptureSelection();
}

TEST_F(TagTableTest, FilterIntersectsInTheFirstTagsOrderThenSubtracts) {
    Write({"tags/A.tag"}, "x\r\ny\r\nz\r\n");
    Write({"tags/B.tag"}, "z\r\nx\r\n");
    Write({"tags/D.tag"}, "x\r\n");
    Write({"tags/R.tag"}, "y\r\nq\r\ny\r\n");
    TagTable table = Tags();
    struct Case {
        Names selected, subtracted, expected;
    };
    const Case cases[] = {
        {{"A", "B"}, {}, {"x", "z"}}, {{"A", "B"}, {"D"}, {"z"}},   {{}, {"D"}, {}},
        {{"B"}, {}, {"z", "x"}},      {{"R"}, {}, {"y", "q", "y"}},  // repeats of the first tag stay
        {{"R", "A"}, {}, {"y"}},  // the table's order, not the choosing order, decides the first tag
        {{"A", "B", "D"}, {}, {"x"}},
    };
    for (const Case& c : cases) {
        Select(table, c.selected, c.subtracted);
        EXPECT_EQ(table.TagFilter(), c.expected) << Summary(table);
    }
    Select(table, {"B"});
    table.SetState(0, TagState::Selected);  // counted and shown at once, filtered only once captured
    EXPECT_EQ(table.SelectedTagsText(), "A  B");
    EXPECT_EQ(table.CountSelected(), 2);
    EXPECT_EQ(table.TagFilter(), (Names{"z", "x"}));
    table.CaptureSelection();
    EXPECT_EQ(table.TagFilter(), (Names{"x", "z"}));
}

TEST(TagTable, LinksNameABehaviourByTheirWholeTrimmedName) {
    struct Case {
        const char* link;
        const char* behaviour;
        bool names;
    };
    const Case cases[] = {
        {"vmrk-1000", "vmrk-1000", true},   {"vmrk-1000 ", "vmrk-1000", true},
        {"vmrk-1000.", "vmrk-1000", true},  {"vmrk-10000", "vmrk-1000", false},
        {"vmrk-1000", "vmrk-10000", false}, {"vmrk-100", "vmrk-1000", false},
    };
    for (const Case& c : cases) EXPECT_EQ(LinkNames(c.link, c.behaviour), c.names) << c.link << " " << c.behaviour;
}

TEST(TagTable, WeightsGiveTheFontBuckets) {
    TagTable table;
    for (const int weight : {10, 0, 1, 9}) table.AddEntry("t" + std::to_string(weight), weight);
    EXPECT_DOUBLE_EQ(table.FontStep(), 11.0 / 6);
    for (const auto& [index, bucket] : {std::pair{0, 5}, {1, 0}, {2, 0}, {3, 4}})
        EXPECT_EQ(table.FontBucket(index), bucket) << index;
    EXPECT_FALSE(table.AddEntry("t0", 3)) << "names stay unique";
    EXPECT_FALSE(table.AddEntry("a/b", 3));
}

TEST_F(TagTableTest, LoadTagsReadsEveryTagFileInListingOrder) {
    Write({"tags/Zeta.tag"}, "b1\r\nb2\r\n");
    Write({"tags/alpha.tag"});
    Write({"tags/Beta.tag"}, "b1\nlast");
    Write({"tags/wave.tag.tmp12", "tags/readme.txt", "tags/.tag", "tags/.mtv-wave.tag.tmp"}, "not a tag");
    fs::create_directory(library / "tags" / "folder.tag");
    const TagTable table = Tags();
    EXPECT_EQ(Summary(table), "Beta=b1,last Zeta=b1,b2 alpha=");
    EXPECT_EQ(table.Entry(0).weight, 2);
}

TEST_F(TagTableTest, TagDatabasesSelectTheirTagsAndARefreshKeepsTheStates) {
    Write({"tags/spin.tag", "tags/fade.tag"});
    Write({"tagdb/other.tdb"}, "fade\r\nnew one\r\n\r\nbad/tag\r\n");
    TagTable table = Tags();
    EXPECT_TRUE(table.ReadTagDb((library / "tagdb/other.tdb").string()));
    EXPECT_EQ(Summary(table), "+fade= spin= +new one=");
    table.ReadTagDb((library / "tagdb/missing.tdb").string());
    EXPECT_EQ(table.CountSelected(), 0);

    Select(table, {"spin"}, {"fade"});
    Write({"tags/fade.tag"}, "x\r\n");
    Write({"tags/added.tag"});
    fs::remove(library / "tags/spin.tag");
    table.Refresh();
    EXPECT_EQ(Summary(table), "added= -fade=x");
    EXPECT_EQ(table.CapturedSubtracted(), Names{"fade"});
}

TEST_F(TagTableTest, WithoutATagFolderNothingIsRead) {
    Write({"tags/fine.tag"}, "x\r\n");
    TagTable table = Tags();
    table.SetTagFolder((library / "missing/").string());
    table.LoadTags();
    EXPECT_EQ(Summary(table), "fine=x");
}

}  // namespace
}  // namespace motivra
