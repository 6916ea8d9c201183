#include "core/library/tag_table.h"

#include <gtest/gtest.h>

#include "core/library/behaviour_list.h"
#include "core/library/library_maintenance.h"
#include "library_fixture.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using test::Names;
using test::Summary;
using TagFilesTest = test::LibraryTest;

void Select(TagTable& table, const Names& selected, const Names& subtracted = {}) {
    table.ClearStates();
    for (const std::string& n : selected) table.SetState(table.FindTag(n), TagState::Selected);
    for (const std::string& n : subtracted) table.SetState(table.FindTag(n), TagState::Subtracted);
    table.CaptureSelection();
}

// A table without a tag folder, its tags given as name -> links (set through the link operations).
TagTable TableOf(const std::vector<std::pair<std::string, Names>>& tags) {
    TagTable table;
    for (const auto& [name, links] : tags) {
        EXPECT_TRUE(table.AddTag(name));
        Select(table, {name});
        for (const std::string& link : links) table.LinkSelectedAll(link);
    }
    Select(table, {});
    return table;
}

TEST(TagTable, FilterIntersectsInTheFirstTagsOrderThenSubtracts) {
    TagTable table =
        TableOf({{"A", {"x", "y", "z"}}, {" B", {"z", "x"}}, {"D", {"x"}}, {"R", {"y", "q", "y"}}});
    struct Case {
        Names selected, subtracted, expected;
    };
    const Case cases[] = {
        {{"A", " B"}, {}, {"x", "z"}}, {{"A", " B"}, {"D"}, {"z"}},  {{}, {"D"}, {}},
        {{" B"}, {}, {"z", "x"}},      {{"R"}, {}, {"y", "q", "y"}},  // repeats of the first tag stay
        {{"R", "A"}, {}, {"y"}},  // the table's order, not the choosing order, decides the first tag
        {{"A", " B", "D"}, {}, {"x"}},
    };
    for (const Case& c : cases) {
        Select(table, c.selected, c.subtracted);
        EXPECT_EQ(table.TagFilter(), c.expected) << Summary(table);
    }
    Select(table, {" B"});
    EXPECT_EQ(table.SelectedTagsText(), "B");
    table.SetState(0, TagState::Selected);  // counted and shown at once, filtered only once captured
    EXPECT_EQ(table.SelectedTagsText(), "A   B");
    EXPECT_EQ(table.CountSelected(), 2);
    EXPECT_EQ(table.TagFilter(), (Names{"z", "x"}));
    table.CaptureSelection();
    EXPECT_EQ(table.TagFilter(), (Names{"x", "z"}));
}

TEST(TagTable, LinkingAndUnlinkingMatchTheWholeTrimmedName) {
    TagTable table = TableOf({{"A", {"vmrk-1000", "vmrk-10000", "vmrk-1000.", "vmrk-100"}},
                              {"B", {"vmrk-10", "wave"}},
                              {"C", {}}});
    table.UnlinkBehaviour("vmrk-1000");
    EXPECT_EQ(Summary(table), "A=vmrk-10000,vmrk-100 B=vmrk-10,wave C=");
    Select(table, {"A", "C"});
    table.LinkSelected("vmrk-10");  // A holds vmrk-100 and vmrk-10000, neither of them vmrk-10
    table.LinkSelected("vmrk-100 ");
    table.LinkSelected("bad/name");
    EXPECT_EQ(Summary(table), "+A=vmrk-10000,vmrk-100,vmrk-10 B=vmrk-10,wave +C=vmrk-10,vmrk-100 ");
    table.SetState(2, TagState::Unselected);
    table.UnlinkDeselected("vmrk-10");  // only from tags captured Selected and clear now
    EXPECT_EQ(Summary(table), "+A=vmrk-10000,vmrk-100,vmrk-10 B=vmrk-10,wave C=vmrk-100 ");
}

TEST(TagTable, WeightsGiveTheFontBuckets) {
    TagTable table;
    for (const int weight : {10, 0, 1, 9}) table.AddEntry("t" + std::to_string(weight), weight);
    EXPECT_DOUBLE_EQ(table.FontStep(), 11.0 / 6);
    for (const auto& [index, bucket] : {std::pair{0, 5}, {1, 0}, {2, 0}, {3, 4}})
        EXPECT_EQ(table.FontBucket(index), bucket) << index;
    table.RemoveTag(0);
    EXPECT_EQ(table.MaxWeight(), 9);
    table.ClearAllLinks();
    EXPECT_DOUBLE_EQ(table.FontStep(), 1.0 / 6);
}

TEST_F(TagFilesTest, LoadTagsReadsEveryTagFileInListingOrder) {
    Write({"tags/Zeta.tag"}, "b1\r\nb2\r\n");
    Write({"tags/alpha.tag"});
    Write({"tags/Beta.tag"}, "b1\nlast");
    Write({"tags/wave.tag.tmp12", "tags/readme.txt", "tags/.tag"}, "not a tag");
    fs::create_directory(library / "tags" / "folder.tag");
    const TagTable table = Tags();
    EXPECT_EQ(Summary(table), "Beta=b1,last Zeta=b1,b2 alpha=");
    EXPECT_EQ(table.Entry(0).weight, 2);
}

TEST_F(TagFilesTest, TagFilesHoldTrimmedLinksAndGoWithTheirTags) {
    TagTable table = Tags();
    for (const char* name : {"wave", "fade", "slow"}) table.AddTag(name);
    table.SetState(0, TagState::Selected);
    for (const char* link : {"vmrk-0001 ", "wave(2).", "in side.x]", "..."}) table.LinkSelectedAll(link);
    ASSERT_TRUE(table.WriteTagFile(0));
    EXPECT_EQ(Read("tags/wave.tag"), "vmrk-0001\r\nwave(2)\r\nin side.x]\r\n\r\n");
    EXPECT_EQ(Summary(table), "+wave=vmrk-0001,wave(2),in side.x], fade= slow=");
    EXPECT_FALSE(table.WriteTagFile(3));
    table.SaveAllTags();
    EXPECT_EQ(Summary(Tags()), "fade= slow= wave=vmrk-0001,wave(2),in side.x],");

    table.SetState(2, TagState::Subtracted);
    table.RemoveMarkedTags();
    EXPECT_EQ(Summary(Tags()), "fade=");
    EXPECT_EQ(table.FindTag("fade"), 0);
}

TEST_F(TagFilesTest, TagDatabasesHoldTheSelectedTagsAndSelectThemAgain) {
    TagTable table = Tags();
    for (const char* name : {"spin", "fade", "slow"}) table.AddTag(name);
    Select(table, {"slow", "spin"}, {"fade"});
    ASSERT_TRUE(table.WriteTagDb((library / "tagdb/").string(), "vmrk-0003"));
    EXPECT_EQ(Read("tagdb/vmrk-0003.tdb"), "spin\r\nslow\r\n");
    Write({"tagdb/other.tdb"}, "fade\r\nnew one\r\n\r\nbad/tag\r\n");
    table.ReadTagDb((library / "tagdb/other.tdb").string());
    EXPECT_EQ(Summary(table), "spin= +fade= slow= +new one=");
    table.ReadTagDb((library / "tagdb/missing.tdb").string());
    EXPECT_EQ(table.CountSelected(), 0);
}

// Hostile names are tests/core/library/hostile_names_test.cpp's.
TEST_F(TagFilesTest, WithoutATagFolderNothingIsWrittenAndNamesStayUnique) {
    Write({"tags/fine.tag"}, "x\r\n");
    const Names before = Tree();
    TagTable table = Tags();
    EXPECT_FALSE(table.AddTag("fine"));
    EXPECT_TRUE(table.AddTag(" slow..fast "));
    table.SetState(0, TagState::Selected);
    table.SetTagFolder((library / "missing/").string());
    table.SaveAllTags();
    table.LoadTags();
    EXPECT_FALSE(table.WriteTagDb((library / "missing/").string(), "b"));
    table.RemoveMarkedTags();
    EXPECT_EQ(Summary(table), " slow..fast =");
    EXPECT_EQ(Tree(), before);
}

TEST_F(TagFilesTest, RebuildMakesTagFilesMatchTheTagDatabases) {
    Write({"vmrk-0000.vmr", "vmrk-0001.vmr", "vmrk-0002.vmr", "vmrk-0003.vmr", "tagdb/vmrk-0003.tdb"});
    Write({"tagdb/vmrk-0000.tdb"}, "wave\r\nspin\r\n");
    Write({"tagdb/vmrk-0002.tdb"}, "spin\r\nnew\r\n");
    Write({"tagdb/gone.tdb"}, "wave\r\n");                   // no behaviour file: not listed, not linked
    Write({"tags/wave.tag"}, "vmrk-0001\r\nvmrk-0000\r\n");  // vmrk-0001 is a stale link
    Write({"tags/empty.tag"}, "vmrk-0003\r\n");
    TagTable table = Tags();
    table.SetState(0, TagState::Selected);
    ReconstructTagLinks(table, Library(), ListBehaviourNames(Library()));
    EXPECT_EQ(Summary(table), "empty= new=vmrk-0002 spin=vmrk-0000,vmrk-0002 wave=vmrk-0000");
    EXPECT_EQ(Summary(Tags()), Summary(table));
    EXPECT_EQ(table.Entry(2).weight, 2);
}

TEST_F(TagFilesTest, DeletingABehaviourTakesItsCompanionsAndLinks) {
    Write({"vmrk-1000.vmr", "thumbs/vmrk-1000.bmp", "vmrk-1001.vmr"});
    fs::create_directory(library / "tagdb/vmrk-1000.tdb");  // a folder in place of a file stays
    Write({"tags/wave.tag"}, "vmrk-1001\r\nvmrk-1000\r\nvmrk-1000\r\n");
    TagTable table = Tags();
    ASSERT_TRUE(DeleteBehaviour(table, Library(), "vmrk-1000"));
    EXPECT_EQ(Read("tags/wave.tag"), "vmrk-1001\r\nvmrk-1000\r\nvmrk-1000\r\n");  // until SaveAllTags
    table.SaveAllTags();
    EXPECT_EQ(Summary(Tags()), "wave=vmrk-1001");
    EXPECT_EQ(Tree(),
              (Names{"behaviours", "behaviours/tagdb", "behaviours/tagdb/vmrk-1000.tdb", "behaviours/tags",
                     "behaviours/tags/wave.tag", "behaviours/thumbs", "behaviours/vmrk-1001.vmr"}));
}

}  // namespace
}  // namespace motivra
