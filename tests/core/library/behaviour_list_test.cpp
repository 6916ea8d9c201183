#include "core/library/behaviour_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "library_fixture.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class BehaviourListTest : public ::testing::Test {
protected:
    void Behaviours(std::initializer_list<const char*> files) {
        for (const char* f : files) library.Write(f, "");
    }
    BehaviourList Loaded() {
        BehaviourList list;
        list.SetFolder(library.Library(), "/nowhere/motivra");
        list.Load();
        return list;
    }

    test::LibraryFixture library;
};

TEST_F(BehaviourListTest, ListsTheFolderThenSubfoldersByBareName) {
    fs::create_directories(library.Root() / "behaviours" / "old");
    Behaviours(
        {"b.vmr", "A.vmr", "a.vmr", "notes.txt", "thumbs/a.bmp", "old/z.vmr", "old/a.vmr", "tagdb/x.vmr"});
    const Names names = ListBehaviourNames(library.Library());
    ASSERT_EQ(names.size(), 6u);
    EXPECT_EQ(Names(names.begin(), names.begin() + 3), (Names{"A", "a", "b"}));
    // Subfolders follow in the file system's order, each sorted among itself.
    const Names rest(names.begin() + 3, names.end());
    EXPECT_TRUE(rest == (Names{"a", "z", "x"}) || rest == (Names{"x", "a", "z"}))
        << ::testing::PrintToString(rest);
}

TEST_F(BehaviourListTest, NoBehaviourInTheFolderItselfMeansNone) {
    Behaviours({"thumbs/x.vmr", "tags/y.vmr"});
    EXPECT_TRUE(ListBehaviourNames(library.Library()).empty());
    EXPECT_TRUE(ListBehaviourNames(library.Library() + "/missing").empty());
}

TEST_F(BehaviourListTest, NamesThatCannotBeLinesOfATagFileAreLeftOut) {
    Behaviours({"ok.vmr", ".vmr", "two\nlines.vmr", "a..b.vmr"});
    EXPECT_EQ(ListBehaviourNames(library.Library()), (Names{"a..b", "ok"}));
}

TEST_F(BehaviourListTest, LoadShowsEverythingAndShowNamesFollowsTheGivenOrder) {
    Behaviours({"a.vmr", "b.vmr", "c.vmr"});
    BehaviourList list = Loaded();
    EXPECT_EQ(list.AllNames(), (Names{"a", "b", "c"}));
    EXPECT_EQ(list.ShownNames(), list.AllNames());

    list.ShowNames({"b", "a", "b", "unknown"});
    EXPECT_EQ(list.ShownNames(), (Names{"b", "a", "b"}));
    EXPECT_EQ(list.ShownToAll(0), 1);
    EXPECT_EQ(list.ShownToAll(1), 0);
    EXPECT_EQ(list.ShownToAll(2), 1);

    list.RemoveShown(0);
    EXPECT_EQ(list.ShownName(0), "a");
    EXPECT_EQ(list.ShownName(1), "b");
    EXPECT_EQ(list.ShownName(2), "");
    EXPECT_EQ(list.ShownName(-1), "");
    list.RemoveShown(7);
    EXPECT_EQ(list.ShownCount(), 2);
    EXPECT_EQ(list.GetAllCount(), 3);  // the full list keeps a removed behaviour until the next Load

    list.ShowNames({});
    EXPECT_EQ(list.ShownCount(), 0);
    list.ShowAll();
    EXPECT_EQ(list.ShownNames(), (Names{"a", "b", "c"}));
}

TEST_F(BehaviourListTest, ANameKnownTwiceIsShownTwice) {
    fs::create_directories(library.Root() / "behaviours" / "copy");
    Behaviours({"a.vmr", "b.vmr", "copy/a.vmr"});
    BehaviourList list = Loaded();
    ASSERT_EQ(list.AllNames(), (Names{"a", "b", "a"}));
    list.ShowNames({"a"});
    EXPECT_EQ(list.ShownNames(), (Names{"a", "a"}));
    EXPECT_EQ(list.ShownToAll(1), 2);
}

TEST_F(BehaviourListTest, WithoutALibraryLoadKeepsWhatWasShown) {
    Behaviours({"a.vmr"});
    BehaviourList list = Loaded();
    list.SetFolder("no-such-folder", "/nowhere/motivra");
    EXPECT_EQ(list.Folder(), "");
    list.Load();
    EXPECT_EQ(list.AllNames(), Names{"a"});
}

}  // namespace
}  // namespace motivra
