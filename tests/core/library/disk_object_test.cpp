#include "core/library/disk_object.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "library_fixture.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

void Touch(const fs::path& path) { test::WriteText(path, "x"); }

TEST(CDiskObject, QualifyCompletesRelativePathsAgainstTheCurrentFolder) {
    test::TempDir dir;
    fs::create_directories(dir.Path() / "work" / "deep");
    const std::string root = fs::canonical(dir.Path()).string();
    test::CurrentFolder here(dir.Path() / "work" / "deep");
    CDiskObject disk;
    struct Case {
        std::string in, file, path;
    };
    const Case cases[] = {
        {"behaviours", root + "/work/deep/behaviours", root + "/work/deep/behaviours/"},
        {"../x", root + "/work/x", root + "/work/x/"},
        {"../../x/", root + "/x/", root + "/x/"},
        {"./y", root + "/work/deep/./y", root + "/work/deep/./y/"},
        {"/abs/olute", "/abs/olute", "/abs/olute/"},
        {"/abs/", "/abs/", "/abs/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(disk.QualifyFile(c.in), c.file);
        EXPECT_EQ(disk.QualifyPath(c.in), c.path);
        EXPECT_EQ(disk.ErrorText(), "");
    }
    EXPECT_EQ(disk.QualifyPath(""), "");
    EXPECT_EQ(disk.ErrorText(), "CDiskObject internal error");
}

TEST(CDiskObject, ClimbingAboveTheRootStaysAtTheRoot) {
    test::CurrentFolder here("/");
    CDiskObject disk;
    EXPECT_EQ(disk.QualifyFile("../../etc"), "/etc");
}

TEST(CDiskObject, ListsFilesSortedByteWiseUpperCaseFirst) {
    struct Case {
        Names files;
        std::string pattern;
        Names expected;
    };
    const Case cases[] = {
        {{"Zeta.tag", "alpha.tag", "Beta.tag"}, "*.*", {"Beta.tag", "Zeta.tag", "alpha.tag"}},
        {{"b.vmr", "A.vmr", "a.vmr"}, "*.vmr", {"A.vmr", "a.vmr", "b.vmr"}},
        {{"a.vmr", "a.VMR", "b.vmrk", "c.bmp", "noext"}, "*.vmr", {"a.vmr"}},
        {{"noext", ".hidden", "x.y"}, "*.*", {".hidden", "noext", "x.y"}},
        {{"vmrk-0001.bmp", "vmrk.bmp", "vmrk2.bmp", "wave.bmp"},
         "vmrk?*.bmp",
         {"vmrk-0001.bmp", "vmrk2.bmp"}},
        // Bytes above 127 sort after every ASCII letter.
        {{"\xc3\xa9t\xc3\xa9.tag", "zoo.tag", "Zoo.tag"},
         "*.tag",
         {"Zoo.tag", "zoo.tag", "\xc3\xa9t\xc3\xa9.tag"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern + " " + c.files.front());
        test::TempDir dir;
        for (const std::string& f : c.files) Touch(dir.Path() / f);
        fs::create_directory(dir.Path() / "folder.vmr");  // folders are never listed
        CDiskObject disk;
        Names bare;
        ASSERT_TRUE(disk.ListFiles(c.pattern, dir.Path().string(), bare, false));
        EXPECT_EQ(bare, c.expected);
        Names full;
        ASSERT_TRUE(disk.ListFiles(c.pattern, dir.Path().string(), full, true));
        Names expectedFull;
        for (const std::string& n : c.expected) expectedFull.push_back(dir.Folder() + n);
        EXPECT_EQ(full, expectedFull);
    }
}

TEST(CDiskObject, NewNamesMergeIntoTheListAfterEqualOnes) {
    test::TempDir dir;
    for (const char* f : {"b", "d", "a"}) Touch(dir.Path() / f);
    CDiskObject disk;
    Names sorted{"a", "c", "e"};
    ASSERT_TRUE(disk.ListFiles(dir.Path().string(), sorted, false));
    EXPECT_EQ(sorted, (Names{"a", "a", "b", "c", "d", "e"}));
    // An unsorted list takes each name before the first greater element, walking from its start.
    Names unsorted{"z", "c"};
    ASSERT_TRUE(disk.ListFiles(dir.Path().string(), unsorted, false));
    EXPECT_EQ(unsorted, (Names{"a", "b", "d", "z", "c"}));
}

TEST(CDiskObject, FailedListingsLeaveTheListAndSayWhy) {
    test::TempDir dir;
    Touch(dir.Path() / "a.bmp");
    CDiskObject disk;
    Names list{"kept"};
    EXPECT_FALSE(disk.ListFiles("*.tag", dir.File("missing"), list, false));
    EXPECT_EQ(list, Names{"kept"});
    EXPECT_EQ(disk.ErrorText(), "No such file or directory " + dir.File("missing") + "/*.tag");

    EXPECT_FALSE(disk.ListFiles("*.tag", dir.Path().string(), list, false));  // nothing matches
    EXPECT_EQ(disk.ErrorText(), "No such file or directory " + dir.Folder() + "*.tag");

    EXPECT_FALSE(disk.ListFiles("*.bmp", "", list, false));
    EXPECT_EQ(disk.ErrorText(), "CDiskObject internal error");

    EXPECT_TRUE(disk.ListFiles("*.bmp", dir.Path().string(), list, false));
    EXPECT_EQ(disk.ErrorText(), "");
    EXPECT_EQ(list, (Names{"a.bmp", "kept"}));

    // "*.*" finds "." in an empty folder, so the lookup succeeds with nothing to add.
    fs::create_directory(dir.Path() / "empty");
    Names empty;
    EXPECT_TRUE(disk.ListFiles(dir.File("empty"), empty, false));
    EXPECT_TRUE(empty.empty());
}

TEST(CDiskObject, ListsFoldersDepthFirstEachBeforeItsOwn) {
    test::TempDir dir;
    for (const char* f : {"a/x/deep", "a/y", "b", "c/z"}) fs::create_directories(dir.Path() / f);
    Touch(dir.Path() / "a" / "file");
    fs::create_directory_symlink("..", dir.Path() / "a" / "up");  // a link back up is not followed
    CDiskObject disk;
    Names list;
    ASSERT_TRUE(disk.ListFolders(dir.Path().string(), list));
    ASSERT_EQ(list.size(), 7u);
    const auto position = [&](const std::string& rel) {
        return std::find(list.begin(), list.end(), dir.Folder() + rel) - list.begin();
    };
    for (const char* f : {"a/", "a/x/", "a/x/deep/", "a/y/", "b/", "c/", "c/z/"}) {
        EXPECT_LT(position(f), 7) << f;
    }
    // Enumeration order is the file system's, so only the shape is certain: a's subtree follows a, unbroken.
    for (const char* f : {"a/x/", "a/y/"}) {
        EXPECT_GT(position(f), position("a/")) << f;
        EXPECT_LE(position(f), position("a/") + 3) << f;
    }
    EXPECT_EQ(position("a/x/deep/"), position("a/x/") + 1);
    EXPECT_EQ(position("c/z/"), position("c/") + 1);
    EXPECT_FALSE(disk.ListFolders(dir.File("missing"), list));
}

TEST(CDiskObject, RecursiveListingTakesTheFolderFirstThenSubfoldersSortedEach) {
    test::TempDir dir;
    fs::create_directories(dir.Path() / "sub" / "inner");
    fs::create_directories(dir.Path() / "nothing" / "below");
    for (const char* f : {"b.vmr", "A.vmr", "x.bmp", "sub/z.vmr", "sub/c.vmr", "sub/inner/a.vmr",
                          "nothing/below/m.vmr", "nothing/n.bmp"}) {
        Touch(dir.Path() / f);
    }
    CDiskObject disk;
    Names list;
    ASSERT_TRUE(disk.ListFilesRecursive("*.vmr", dir.Path().string(), list));
    ASSERT_EQ(list.size(), 6u);
    EXPECT_EQ(Names(list.begin(), list.begin() + 2), (Names{dir.Folder() + "A.vmr", dir.Folder() + "b.vmr"}));
    const auto at = [&](const std::string& rel) {
        return std::find(list.begin(), list.end(), dir.Folder() + rel) - list.begin();
    };
    EXPECT_EQ(at("sub/z.vmr"), at("sub/c.vmr") + 1);
    EXPECT_EQ(at("sub/inner/a.vmr"), at("sub/z.vmr") + 1);
    EXPECT_LT(at("nothing/below/m.vmr"), 6);  // a folder without matches is skipped, its subfolders are not
}

TEST(CDiskObject, RecursiveListingStopsWhenTheFolderItselfHasNoMatch) {
    test::TempDir dir;
    fs::create_directory(dir.Path() / "sub");
    Touch(dir.Path() / "sub" / "a.vmr");
    Touch(dir.Path() / "x.bmp");
    CDiskObject disk;
    Names list;
    EXPECT_FALSE(disk.ListFilesRecursive("*.vmr", dir.Path().string(), list));
    EXPECT_TRUE(list.empty());
}

TEST(CDiskObject, FileAndFolderNamesSplitAtTheLastSeparator) {
    EXPECT_EQ(CDiskObject::GetFileName("/lib/behaviours/vmrk-0001.vmr"), "vmrk-0001.vmr");
    EXPECT_EQ(CDiskObject::GetFolderName("/lib/behaviours/vmrk-0001.vmr"), "/lib/behaviours");
    EXPECT_EQ(CDiskObject::GetFileName("/lib/behaviours/"), "");
}

TEST(Wildcard, MatchesAsFolderListingsDo) {
    struct Case {
        const char* pattern;
        const char* name;
        bool matches;
    };
    const Case cases[] = {
        {"*.*", "noext", true},     {"*", "", true},
        {"*.vmr", ".vmr", true},    {"*.vmr", "a.vmrx", false},
        {"a*b*c", "aXbYbZc", true}, {"a*b*c", "aXbYc.", false},
        {"?.tag", "ab.tag", false}, {"v*k*", "vmrk-1", true},
        {"*.VMR", "a.vmr", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchesWildcard(c.pattern, c.name), c.matches) << c.pattern << " " << c.name;
}

}  // namespace
}  // namespace motivra
