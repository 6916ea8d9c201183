#include "core/library/disk_object.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/library/text_file.h"
#include "library_fixture.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using test::Names;

void Touch(const fs::path& folder, std::initializer_list<const char*> files) {
    for (const char* f : files) test::WriteText(folder / f, "x");
}

TEST(DiskObject, QualifyCompletesRelativePathsAgainstTheCurrentFolder) {
    test::TempDir dir;
    fs::create_directories(dir.Path() / "work" / "deep");
    const std::string root = fs::canonical(dir.Path()).string();
    test::CurrentFolder here(dir.Path() / "work" / "deep");
    DiskObject disk;
    const std::pair<std::string, std::string> cases[] = {
        {"lib", root + "/work/deep/lib"}, {"../../x/", root + "/x/"}, {"/abs/olute", "/abs/olute"}};
    for (const auto& [path, qualified] : cases) EXPECT_EQ(disk.QualifyFile(path), qualified);
    EXPECT_EQ(disk.QualifyPath("lib"), root + "/work/deep/lib/");
    EXPECT_EQ(disk.QualifyPath(""), "");
    test::CurrentFolder top("/");
    EXPECT_EQ(disk.QualifyFile("../../etc"), "/etc");  // climbing above the root stays there
}

TEST(DiskObject, ListsFilesSortedByteWiseUpperCaseFirst) {
    struct Case {
        std::initializer_list<const char*> files;
        std::string pattern;
        Names expected;
    };
    const Case cases[] = {
        {{"Zeta.tag", "alpha.tag", "Beta.tag"}, "*.*", {"Beta.tag", "Zeta.tag", "alpha.tag"}},
        {{"b.vmr", "A.vmr", "a.vmr", "a.VMR", "b.vmrk", "noext"}, "*.vmr", {"A.vmr", "a.vmr", "b.vmr"}},
        {{"vmrk-1.bmp", "vmrk.bmp", "vmrk2.bmp"}, "vmrk?*.bmp", {"vmrk-1.bmp", "vmrk2.bmp"}},
        {{"aXbYbZc", "aXbYc.", "ac"}, "a*b*c", {"aXbYbZc"}},
        {{"\xc3\xa9.tag", "zoo.tag", "Zoo.tag"}, "*.tag", {"Zoo.tag", "zoo.tag", "\xc3\xa9.tag"}},
        // A '*' or '?' in a name is an ordinary character of it.
        {{"*x.tag", "?.tag", "*.vmr"}, "*.tag", {"*x.tag", "?.tag"}},
        {{"a*b", "a*", "b*a"}, "a*", {"a*", "a*b"}},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        Touch(dir.Path(), c.files);
        fs::create_directory(dir.Path() / "folder.vmr");  // folders are never listed
        DiskObject disk;
        Names bare;
        ASSERT_TRUE(disk.ListFiles(c.pattern, dir.Path().string(), bare, false));
        EXPECT_EQ(bare, c.expected);
    }
}

TEST(DiskObject, ListingsMergeAfterEqualNamesOrFailLeavingTheList) {
    test::TempDir dir;
    Touch(dir.Path(), {"b", "d", "a"});
    DiskObject disk;
    Names sorted{"a", "c", "e"};
    ASSERT_TRUE(disk.ListFiles(dir.Path().string(), sorted, false));
    EXPECT_EQ(sorted, (Names{"a", "a", "b", "c", "d", "e"}));
    Names unsorted{"z", "c"};  // each name goes before the first greater one, walking from the start
    ASSERT_TRUE(disk.ListFiles(dir.Path().string(), unsorted, false));
    EXPECT_EQ(unsorted, (Names{"a", "b", "d", "z", "c"}));

    Names list{"kept"};
    EXPECT_FALSE(disk.ListFiles("*.tag", dir.File("missing"), list, false));
    EXPECT_EQ(disk.ErrorText(), "No such file or directory " + dir.File("missing") + "/*.tag");
    EXPECT_FALSE(disk.ListFiles("*.tag", dir.Path().string(), list, false));  // nothing matches
    EXPECT_EQ(disk.ErrorText(), "No such file or directory " + dir.Folder() + "*.tag");
    fs::create_directory(dir.Path() / "empty");  // "*.*" matches "." there: success, nothing added
    EXPECT_TRUE(disk.ListFiles(dir.File("empty"), list, false));
    EXPECT_EQ(list, Names{"kept"});
}

TEST(DiskObject, RecursiveListingsGoDepthFirstAndNeedAMatchInTheFolderItself) {
    test::TempDir dir;
    for (const char* f : {"s/i", "n/b"}) fs::create_directories(dir.Path() / f);
    fs::create_directory_symlink("..", dir.Path() / "s" / "up");  // never followed
    Touch(dir.Path(), {"s/c.vmr", "s/z.vmr", "s/m.vmr", "s/i/a.vmr", "n/b/m.vmr", "x.bmp"});
    DiskObject disk;
    Names list, folders;
    EXPECT_FALSE(disk.ListFilesRecursive("*.vmr", dir.Path().string(), list));
    EXPECT_TRUE(list.empty());
    Touch(dir.Path(), {"b.vmr", "A.vmr"});
    ASSERT_TRUE(disk.ListFilesRecursive("*.vmr", dir.Path().string(), list));
    ASSERT_TRUE(disk.ListFolders(dir.Path().string(), folders));
    for (std::string& name : list) name.erase(0, dir.Folder().size());
    for (std::string& name : folders) name.erase(0, dir.Folder().size());
    // Sibling folders come in the file system's order; each folder's files, sorted, then its subtree.
    EXPECT_TRUE(list ==
                    Names({"A.vmr", "b.vmr", "s/c.vmr", "s/m.vmr", "s/z.vmr", "s/i/a.vmr", "n/b/m.vmr"}) ||
                list == Names({"A.vmr", "b.vmr", "n/b/m.vmr", "s/c.vmr", "s/m.vmr", "s/z.vmr", "s/i/a.vmr"}))
        << ::testing::PrintToString(list);
    EXPECT_TRUE(folders == Names({"s/", "s/i/", "n/", "n/b/"}) ||
                folders == Names({"n/", "n/b/", "s/", "s/i/"}))
        << ::testing::PrintToString(folders);
}

TEST(TextFile, WritesCrLfAndReadsCrLfOrLfKeepingEmptyAndUnendedLines) {
    test::TempDir dir;
    TextFile file;
    const std::pair<Names, std::string> cases[] = {
        {{"a", "b"}, "a\r\nb\r\n"}, {{}, ""}, {{"", "two\nlines"}, "\r\ntwo\r\nlines\r\n"}};
    for (const auto& [lines, bytes] : cases) {
        ASSERT_TRUE(file.WriteLines(dir.File("t.tag"), lines));
        EXPECT_EQ(test::ReadText(dir.File("t.tag")), bytes);
    }
    EXPECT_EQ(test::TreeOf(dir.Path()), Names{"t.tag"});  // no temporary file left
    test::WriteText(dir.Path() / "t.tag", "a\nb\r\n\r\ncr\ralone\r\r\nlast");
    Names lines{"old"};
    ASSERT_TRUE(file.ReadLines(dir.File("t.tag"), lines));
    EXPECT_EQ(lines, (Names{"a", "b", "", "cr\ralone\r", "last"}));
}

TEST(TextFile, FailuresLeaveTheListAndTheDiskAsTheyWere) {
    test::TempDir dir;
    ASSERT_EQ(mkfifo(dir.File("pipe").c_str(), 0600), 0);  // would block a plain read for ever
    test::WriteText(dir.Path() / "huge", "");
    fs::resize_file(dir.Path() / "huge", TextFile::kMaxTextFileBytes + 1);
    const Names before = test::TreeOf(dir.Path());
    TextFile file;
    const std::pair<std::string, std::string> cases[] = {{"missing", "No such file or directory"},
                                                         {"", "Is a directory"},
                                                         {"huge", "File too large"},
                                                         {"pipe", "not a regular file"}};
    for (const auto& [name, error] : cases) {
        Names lines{"kept"};
        EXPECT_FALSE(file.ReadLines(dir.File(name), lines));
        EXPECT_EQ(lines, Names{"kept"});
        EXPECT_EQ(file.ErrorText(), error);
    }
    EXPECT_FALSE(file.WriteLines(dir.File("missing/t.tag"), {"a"}));
    EXPECT_EQ(file.ErrorText(), "create: No such file or directory");
    EXPECT_EQ(test::TreeOf(dir.Path()), before);
}

}  // namespace
}  // namespace motivra
