#include <gtest/gtest.h>

#include <filesystem>

#include "core/library/tag_table.h"
#include "library_fixture.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class TagFilesTest : public ::testing::Test {
protected:
    TagTable Loaded() {
        TagTable table;
        table.SetTagFolder(library.TagFolder());
        table.LoadTags();
        return table;
    }

    test::LibraryFixture library;
};

TEST_F(TagFilesTest, LoadTagsReadsEveryTagFileInListingOrder) {
    library.Write("tags/Zeta.tag", "b1\r\nb2\r\n");
    library.Write("tags/alpha.tag", "");
    library.Write("tags/Beta.tag", "b1\nlast");
    library.Write("tags/wave.tag.tmp12", "stray temporary file");
    library.Write("tags/readme.txt", "not a tag");
    library.Write("tags/.tag", "no name");
    fs::create_directory(library.Root() / "behaviours" / "tags" / "folder.tag");
    const TagTable table = Loaded();
    ASSERT_EQ(table.Count(), 3);
    const std::pair<const char*, Names> expected[] = {
        {"Beta", {"b1", "last"}}, {"Zeta", {"b1", "b2"}}, {"alpha", {}}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(table.Entry(i).name, expected[i].first);
        EXPECT_EQ(table.Entry(i).links, expected[i].second);
        EXPECT_EQ(table.Entry(i).weight, static_cast<int>(expected[i].second.size()));
        EXPECT_EQ(table.Entry(i).state, TagState::Unselected);
    }
    EXPECT_EQ(table.MinWeight(), 0);
    EXPECT_EQ(table.MaxWeight(), 2);
}

TEST_F(TagFilesTest, WithoutATagFolderTheTableStaysAsItWas) {
    TagTable table;
    table.AddTag("kept");
    table.SetTagFolder(library.Library() + "/missing/");
    table.LoadTags();
    EXPECT_EQ(table.Count(), 1);
    table.SetState(0, TagState::Selected);
    table.LinkSelected("b1");
    EXPECT_FALSE(table.WriteTagFile(0));
    table.SaveAllTags();
    table.SetTagFolder("");
    table.LoadTags();
    table.SaveAllTags();
    table.RemoveTag(0);
    EXPECT_EQ(table.Count(), 0);
    EXPECT_EQ(library.Tree(),
              (Names{"behaviours", "behaviours/tagdb", "behaviours/tags", "behaviours/thumbs"}));
}

TEST_F(TagFilesTest, WritingATagFileTrimsItsLinksOnDiskAndInMemory) {
    TagTable table = Loaded();
    table.AddTag("wave");
    table.SetState(0, TagState::Selected);
    for (const char* link : {"vmrk-0001 ", "wave(2).", "in side.x]", "...", "ok{}"})
        table.LinkSelectedAll(link);
    ASSERT_TRUE(table.WriteTagFile(0));
    EXPECT_EQ(library.Read("tags/wave.tag"), "vmrk-0001\r\nwave(2)\r\nin side.x]\r\n\r\nok{}\r\n");
    EXPECT_EQ(table.Entry(0).links, (Names{"vmrk-0001", "wave(2)", "in side.x]", "", "ok{}"}));
    EXPECT_FALSE(table.WriteTagFile(1));
    EXPECT_FALSE(table.WriteTagFile(-1));
}

TEST_F(TagFilesTest, SaveAllThenLoadRoundTrips) {
    TagTable table = Loaded();
    for (const char* name : {"spin", "fade", "slow"}) table.AddTag(name);
    table.SetState(0, TagState::Selected);
    table.SetState(2, TagState::Selected);
    table.LinkSelected("vmrk-0000");
    table.LinkSelected("vmrk-0001");
    table.SaveAllTags();
    EXPECT_EQ(library.Read("tags/fade.tag"), "");
    const TagTable again = Loaded();
    ASSERT_EQ(again.Count(), 3);
    EXPECT_EQ(again.Entry(0).name, "fade");
    EXPECT_EQ(again.Entry(1).links, (Names{"vmrk-0000", "vmrk-0001"}));
    EXPECT_EQ(again.Entry(2).weight, 2);
}

TEST_F(TagFilesTest, TagDatabasesHoldTheSelectedTagsAndSelectThemAgain) {
    TagTable table = Loaded();
    for (const char* name : {"spin", "fade", "slow"}) table.AddTag(name);
    table.SetState(2, TagState::Selected);
    table.SetState(0, TagState::Selected);
    table.SetState(1, TagState::Subtracted);
    const std::string tagdb = library.Library() + "/tagdb/";
    ASSERT_TRUE(table.WriteTagDb(tagdb, "vmrk-0003"));
    EXPECT_EQ(library.Read("tagdb/vmrk-0003.tdb"), "spin\r\nslow\r\n");
    EXPECT_FALSE(table.WriteTagDb(library.Library() + "/missing/", "vmrk-0003"));

    library.Write("tagdb/other.tdb", "fade\r\nnew one\r\n\r\nbad/tag\r\n");
    table.ReadTagDb(tagdb + "other.tdb");
    ASSERT_EQ(table.Count(), 4);
    EXPECT_EQ(table.Entry(3).name, "new one");
    const TagState expected[] = {TagState::Unselected, TagState::Selected, TagState::Unselected,
                                 TagState::Selected};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(table.Entry(i).state, expected[i]) << i;
    EXPECT_EQ(table.Entry(3).weight, 0);

    table.ReadTagDb(tagdb + "missing.tdb");
    EXPECT_EQ(table.CountSelected(), 0);
    table.SetState(0, TagState::Selected);
    table.ReadTagDb("");
    EXPECT_EQ(table.CountSelected(), 0);
}

TEST_F(TagFilesTest, RemovingTagsDeletesTheirFiles) {
    for (const char* name : {"a", "b", "c"}) library.Write(std::string("tags/") + name + ".tag", "x\r\n");
    TagTable table = Loaded();
    table.SetState(0, TagState::Selected);
    table.SetState(2, TagState::Subtracted);
    table.RemoveMarkedTags();
    ASSERT_EQ(table.Count(), 1);
    EXPECT_EQ(table.Entry(0).name, "b");
    EXPECT_FALSE(library.Exists("tags/a.tag"));
    EXPECT_FALSE(library.Exists("tags/c.tag"));
    table.RemoveTag(0);
    EXPECT_FALSE(library.Exists("tags/b.tag"));
}

TEST_F(TagFilesTest, HostileNamesWriteNothingAnywhere) {
    TagTable table = Loaded();
    for (const char* tag : {"../escape", "/abs", "a/../../b", "", "line\nbreak"})
        EXPECT_FALSE(table.AddTag(tag));
    library.Write("tagdb/evil.tdb", "../../outside\r\n/etc/evil\r\n");
    table.ReadTagDb(library.Library() + "/tagdb/evil.tdb");
    EXPECT_EQ(table.Count(), 0);
    table.AddTag("fine");
    table.SetState(0, TagState::Selected);
    for (const char* behaviour : {"../b", "..", "x/y", ""}) {
        EXPECT_FALSE(table.WriteTagDb(library.Library() + "/tagdb/", behaviour));
        table.LinkSelected(behaviour);
        table.LinkSelectedAll(behaviour);
    }
    table.SaveAllTags();
    EXPECT_EQ(library.Read("tags/fine.tag"), "");
    EXPECT_EQ(library.Tree(), (Names{"behaviours", "behaviours/tagdb", "behaviours/tagdb/evil.tdb",
                                     "behaviours/tags", "behaviours/tags/fine.tag", "behaviours/thumbs"}));
}

}  // namespace
}  // namespace motivra
