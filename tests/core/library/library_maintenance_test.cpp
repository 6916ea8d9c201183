#include "core/library/library_maintenance.h"

#include <gtest/gtest.h>

#include "core/library/behaviour_list.h"
#include "library_fixture.h"

namespace motivra {
namespace {

using Names = std::vector<std::string>;

class LibraryMaintenanceTest : public ::testing::Test {
protected:
    TagTable Loaded() {
        TagTable table;
        table.SetTagFolder(library.TagFolder());
        table.LoadTags();
        return table;
    }

    test::LibraryFixture library;
};

TEST_F(LibraryMaintenanceTest, RebuildMakesTagFilesMatchTheTagDatabases) {
    for (const char* b : {"vmrk-0000", "vmrk-0001", "vmrk-0002", "vmrk-0003"})
        library.Write(std::string(b) + ".vmr", "");
    library.Write("tagdb/vmrk-0000.tdb", "wave\r\nspin\r\n");
    library.Write("tagdb/vmrk-0002.tdb", "spin\r\nnew\r\n");
    library.Write("tagdb/vmrk-0003.tdb", "");
    library.Write("tagdb/gone.tdb", "wave\r\n");  // no behaviour file: not listed, not linked
    library.Write("tags/wave.tag", "vmrk-0001\r\nvmrk-0000\r\n");  // vmrk-0001 is a stale link
    library.Write("tags/spin.tag", "vmrk-0002\r\n");
    library.Write("tags/empty.tag", "vmrk-0003\r\n");

    TagTable table = Loaded();
    table.SetState(0, TagState::Selected);
    ReconstructTagLinks(table, library.Library(), ListBehaviourNames(library.Library()));

    EXPECT_EQ(library.Read("tags/wave.tag"), "vmrk-0000\r\n");
    EXPECT_EQ(library.Read("tags/spin.tag"), "vmrk-0000\r\nvmrk-0002\r\n");
    EXPECT_EQ(library.Read("tags/new.tag"), "vmrk-0002\r\n");
    EXPECT_EQ(library.Read("tags/empty.tag"), "");
    ASSERT_EQ(table.Count(), 4);
    EXPECT_EQ(table.Entry(1).name, "new");
    EXPECT_EQ(table.Entry(2).weight, 2);
    EXPECT_EQ(table.CountSelected(), 0);
    EXPECT_EQ(table.MaxWeight(), 2);
}

TEST_F(LibraryMaintenanceTest, DeletingABehaviourTakesItsCompanionsAndLinks) {
    for (const char* f : {"vmrk-1000.vmr", "thumbs/vmrk-1000.bmp", "tagdb/vmrk-1000.tdb", "vmrk-1001.vmr",
                          "thumbs/vmrk-1001.bmp"}) {
        library.Write(f, "");
    }
    library.Write("tags/wave.tag", "vmrk-1001\r\nvmrk-1000\r\nvmrk-1000\r\n");
    TagTable table = Loaded();
    ASSERT_TRUE(DeleteBehaviour(table, library.Library(), "vmrk-1000"));
    for (const char* f : {"vmrk-1000.vmr", "thumbs/vmrk-1000.bmp", "tagdb/vmrk-1000.tdb"})
        EXPECT_FALSE(library.Exists(f)) << f;
    EXPECT_TRUE(library.Exists("vmrk-1001.vmr"));
    EXPECT_EQ(table.Entry(0).links, Names{"vmrk-1001"});
    EXPECT_EQ(library.Read("tags/wave.tag"), "vmrk-1001\r\nvmrk-1000\r\nvmrk-1000\r\n");  // until SaveAllTags
    table.SaveAllTags();
    EXPECT_EQ(library.Read("tags/wave.tag"), "vmrk-1001\r\n");
}

TEST_F(LibraryMaintenanceTest, HostileBehaviourNamesTouchNothing) {
    library.Write("tags/wave.tag", "x\r\n");
    test::WriteText(library.Root() / "victim.vmr", "");
    const Names before = library.Tree();
    TagTable table = Loaded();
    for (const char* name : {"../victim", "..", "", "/etc/passwd"}) {
        EXPECT_FALSE(DeleteBehaviour(table, library.Library(), name)) << name;
    }
    EXPECT_EQ(table.Entry(0).links, Names{"x"});
    EXPECT_EQ(library.Tree(), before);
}

}  // namespace
}  // namespace motivra
