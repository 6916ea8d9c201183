// The library never loses what it could not read, and multi-file changes say exactly what they did.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "core/io/byte_stream.h"
#include "core/library/behaviour_list.h"
#include "core/library/behaviour_naming.h"
#include "core/library/disk_object.h"
#include "core/library/library_edits.h"
#include "core/library/library_fixture.h"
#include "core/library/library_folder.h"
#include "core/library/library_lock.h"
#include "core/library/text_file.h"
#include "core/library/thumbnail_file.h"
#include "core/library/thumbnail_fit.h"
#include "core/library/user_data_copy.h"
#include "support/printers.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using test::Names;
using test::Summary;
using ::testing::AnyOf;
using ::testing::HasSubstr;

using LibrarySafetyTest = test::LibraryTest;

// Tag files no reader can use: a FIFO (reading would block), one past the size of any line file, and a link
// that points at itself. None of them may ever be rewritten.
TEST_F(LibrarySafetyTest, UnreadableTagFilesAreRecordedAndNeverRewritten) {
    ASSERT_EQ(mkfifo((library / "tags/fifo.tag").c_str(), 0600), 0);
    Write({"tags/huge.tag"});
    fs::resize_file(library / "tags/huge.tag", TextFile::kMaxTextFileBytes + 1);
    fs::create_symlink("loop.tag", library / "tags/loop.tag");
    Write({"x.vmr", "y.vmr", "thumbs/x.bmp", "tagdb/x.tdb"});
    Write({"tags/wave.tag"}, "x\r\ny\r\n");
    const TagTable table = Tags();
    EXPECT_EQ(Summary(table), "fifo= huge= loop= wave=x,y");
    EXPECT_EQ(table.UnreadableTags(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(table.ReadError(0) + ", " + table.ReadError(1), "not a regular file, File too large");
    EXPECT_FALSE(table.ExceedsLimits());

    for (const char* tag : {"fifo", "huge", "loop"}) {
        EXPECT_THAT(English(RetagBehaviour(Library(), "y", {tag}, {}).failure),
                    HasSubstr(tag + std::string(".tag: cannot be read")));
    }
    EXPECT_NE(English(RebuildTagLinks(Library()).failure), "");
    const LibraryChange removal = RemoveBehaviour(Library(), "x");
    const std::string tags = Library() + "/tags/";
    EXPECT_EQ(English(removal.failure), "");
    EXPECT_EQ(removal.skipped, (Names{tags + "fifo.tag: cannot be read: not a regular file",
                                      tags + "huge.tag: cannot be read: File too large",
                                      tags + "loop.tag: cannot be read: Too many levels of symbolic links"}));
    EXPECT_FALSE(removal.Complete());
    EXPECT_TRUE(fs::is_fifo(library / "tags/fifo.tag"));
    EXPECT_EQ(fs::file_size(library / "tags/huge.tag"), TextFile::kMaxTextFileBytes + 1);
    EXPECT_EQ(fs::read_symlink(library / "tags/loop.tag"), "loop.tag");
    EXPECT_EQ(Read("tags/wave.tag"), "y\r\n");
    EXPECT_FALSE(fs::exists(library / "x.vmr"));
}

// A rebuild from part of the tag databases would drop the links of the others; one that agrees writes
// nothing.
TEST_F(LibrarySafetyTest, RebuildChangesNothingWhenATagDatabaseCannotBeReadOrAllAgree) {
    Write({"a.vmr", "b.vmr"});
    Write({"tagdb/a.tdb"}, "wave\r\n");
    Write({"tags/wave.tag"}, "a\r\nb\r\n");
    const auto expectRefused = [&](const std::string& reason) {
        const auto before = Snapshot();
        const LibraryChange change = RebuildTagLinks(Library());
        EXPECT_TRUE(change.done.empty());
        EXPECT_EQ(English(change.failure), reason);
        EXPECT_EQ(Snapshot(), before);
    };
    ASSERT_EQ(mkfifo((library / "tagdb/b.tdb").c_str(), 0600), 0);
    expectRefused(Library() + "/tagdb/b.tdb: cannot be read: not a regular file");
    fs::remove(library / "tagdb/b.tdb");
    fs::create_symlink("gone.tdb", library / "tagdb/b.tdb");
    expectRefused(Library() + "/tagdb/b.tdb: cannot be read: No such file or directory");
    fs::remove(library / "tagdb/b.tdb");

    EXPECT_EQ(RebuildTagLinks(Library()).done, Names{"wrote " + Library() + "/tags/wave.tag"});
    EXPECT_EQ(Read("tags/wave.tag"), "a\r\n");
    struct stat before {};
    ::stat((library / "tags/wave.tag").c_str(), &before);
    EXPECT_EQ(RebuildTagLinks(Library()).done, Names{});
    struct stat after {};
    ::stat((library / "tags/wave.tag").c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino);
}

// Memory follows the bytes read: the tag files together are limited, and the limit is checked before lines
// are made, so a file of millions of empty lines costs its bytes only.
TEST_F(LibrarySafetyTest, ALibraryPastTheLimitsIsMarkedAndNotRebuilt) {
    Write({"tags/a.tag"}, "x\r\n");
    Write({"tags/lines.tag"}, std::string(TagTable::kMaxTotalLinks, '\n'));
    Write({"tags/z.tag"}, "y\r\n");
    const TagTable table = Tags();
    EXPECT_TRUE(table.ExceedsLimits());
    EXPECT_EQ(Summary(table), "a=x lines= z=");
    EXPECT_EQ(table.UnreadableTags(), (std::vector<int>{1, 2}));
    EXPECT_EQ(table.ReadError(2), "the library's tag files hold more than 64 MiB or 2000000 links together");
    EXPECT_THAT(English(RebuildTagLinks(Library()).failure), HasSubstr("more than 64 MiB"));
    EXPECT_EQ(Read("tags/a.tag"), "x\r\n");

    fs::resize_file(library / "tags/lines.tag", 0);
    EXPECT_FALSE(Tags().ExceedsLimits());
    fs::resize_file(library / "tags/z.tag", TagTable::kMaxTotalTagBytes);  // a and z together are too large
    EXPECT_TRUE(Tags().ExceedsLimits());

    // Exactly at the limit is still within it: every tag file is read and loses its link.
    fs::resize_file(library / "tags/z.tag", TagTable::kMaxTotalTagBytes - 3);
    Write({"x.vmr"});
    const LibraryChange removal = RemoveBehaviour(Library(), "x");
    EXPECT_EQ(removal.skipped, Names{});
    EXPECT_EQ(Read("tags/a.tag"), "");
}

// What a listing shows, deleting can remove, and names starting with '*' are names like any other (a core
// name's wildcards are the numbering's test).
TEST_F(LibrarySafetyTest, ListingNumberingAndDeletingAgreeOnOddNames) {
    Write({"*wave.vmr", "tagdb/*wave.tdb"});
    Write({"tags/*x.tag"}, "*wave\r\n");
    fs::create_symlink("self.vmr", library / "self.vmr");
    EXPECT_EQ(ListBehaviourNames(Library()), (Names{"*wave", "self"}));
    EXPECT_TRUE(RemoveBehaviour(Library(), "*wave").Complete());
    EXPECT_EQ(Read("tags/*x.tag"), "");
    EXPECT_TRUE(RemoveBehaviour(Library(), "self").Complete());
    EXPECT_EQ(ListBehaviourNames(Library()), Names{});
}

// The library's changes made onto the files as they are on disk: each writes only what it changes, keeps
// every other byte, and two writers at once lose nothing.
class LibraryEdits : public ::testing::Test, public test::SampleLibrary {};

TEST(LibraryChanges, EachChangeWritesOnlyWhatItChangesUnderTheLock) {
    for (const test::SampleChange& c : test::SampleChanges()) {
        const test::SampleLibrary fresh;
        auto expected = fresh.Snapshot();
        for (const auto& [path, bytes] : c.files) {
            if (bytes == "-") {
                EXPECT_EQ(expected.erase("behaviours/" + path), 1u) << c.name << " " << path;
            } else {
                expected["behaviours/" + path] = bytes;
            }
        }
        EXPECT_EQ(English(c.change(fresh.Library()).failure), "") << c.name;
        EXPECT_EQ(fresh.Snapshot(), expected) << c.name;
        EXPECT_TRUE(fs::is_regular_file(fresh.library / ".motivra-lock")) << c.name;
    }
}

// A held lock makes a change wait, then give up.
TEST_F(LibraryEdits, RefusalsChangeNothing) {
    fs::create_directory(library / "tagdb/vmrk-10000.tdb");
    const auto before = Snapshot();
    EXPECT_THAT(English(RetagBehaviour(Library(), "vmrk-10000", {"calm"}, {}).failure),
                HasSubstr("10000.tdb: cannot be read"));
    EXPECT_NE(English(RemoveBehaviour(Library(), "gone").failure), "");
    EXPECT_NE(English(AddLibraryTag(Library(), "..").failure), "");
    const auto held = LibraryLock::Take(Library());
    ASSERT_TRUE(held);
    UserText why;
    EXPECT_FALSE(LibraryLock::Take(Library(), &why, std::chrono::milliseconds(30)));
    EXPECT_THAT(English(why), HasSubstr("another program is changing the library"));
    EXPECT_EQ(Snapshot(), before);
}

// Every writer applies its own change to the file as it is at that moment, so no link is lost.
TEST_F(LibraryEdits, WritersAtOnceLoseNoLink) {
    constexpr int kEach = 40;
    for (int i = 0; i < 2 * kEach; ++i) Write({"t-" + std::to_string(i) + ".vmr"}, "vmr");
    const auto tagAll = [&](int first) {
        for (int i = first; i < first + kEach; ++i)
            RetagBehaviour(Library(), "t-" + std::to_string(i), {"calm"}, {});
    };
    std::thread other(tagAll, 0);
    tagAll(kEach);
    other.join();
    EXPECT_EQ(DecodeLines(Read("tags/calm.tag")).size(), 2u * kEach + 1);
}

// Makes the blank-separated folders in dir.
void MakeFolders(const test::TempDir& dir, const std::string& list) {
    std::istringstream folders(list);
    for (std::string f; folders >> f;) fs::create_directories(dir.Path() / f);
}

// The build tree keeps the data beside bin/, Debian's layout in share/motivra; both are found from the
// program, the library beside it first, then above it. Where help is then found is the help path's test.
TEST(FindLibraryFolder, LooksBesideTheProgramThenAboveItOrInShareMotivra) {
    // The folders made under X, blank-separated; the program and the two libraries found, relative to X, ""
    // for none.
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"app/behaviours behaviours", "app/motivra", "app/behaviours", "app/behaviours"},
        {"app behaviours", "app/motivra", "behaviours", "behaviours"},
        {"app/bin app/behaviours", "app/bin/motivra", "app/behaviours", "app/behaviours"},
        {"app/bin/behaviours app/behaviours", "app/bin/motivra", "app/behaviours", "app/bin/behaviours"},
        {"app/BIN/behaviours app/behaviours", "app/BIN/motivra", "app/behaviours", "app/BIN/behaviours"},
        {"cabin/behaviours", "cabin/motivra", "cabin/behaviours", "cabin/behaviours"},
        {"app/bin", "app/bin/motivra", "", ""},
        {"build/bin build/behaviours", "build/bin/motivra", "build/behaviours", "build/behaviours"},
        {"usr/bin usr/share/motivra/behaviours", "usr/bin/motivra", "usr/share/motivra/behaviours",
         "usr/share/motivra/behaviours"},
        {"usr/bin usr/share/other usr/behaviours", "usr/bin/motivra", "usr/behaviours", "usr/behaviours"},
        {"app/share/motivra/behaviours", "app/motivra", "", ""}};  // no bin/: as it is
    for (const auto& [folders, program, tagList, grid] : cases) {
        SCOPED_TRACE(folders);
        const test::TempDir dir;
        MakeFolders(dir, folders);
        const auto expected = [&](const char* rel) { return *rel ? dir.File(rel) : std::string(); };
        const std::string lookup = DataHomeProgramPath(dir.File(program));
        EXPECT_EQ(FindLibraryFolder(kLibraryFolderName, LibrarySearch::TagList, lookup), expected(tagList));
        EXPECT_EQ(FindLibraryFolder(kLibraryFolderName, LibrarySearch::Grid, lookup), expected(grid));
    }
}

// A program named without a folder is looked up in PATH, an empty entry of it passed over.
TEST(FindLibraryFolder, TakesOnlyAFolderResolvesTheCurrentFolderFirstAndFindsTheProgramInPath) {
    const test::TempDir dir;
    test::WriteText(dir.Path() / "motivra-cli", "#!/bin/sh\n");
    fs::permissions(dir.Path() / "motivra-cli", fs::perms::owner_all);
    const std::string saved = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", ("/nonexistent::" + dir.Path().string()).c_str(), 1);
    EXPECT_EQ(RunningProgramPath("motivra-cli"), fs::canonical(dir.Path() / "motivra-cli").string());
    EXPECT_EQ(RunningProgramPath("no-such-program"), "");
    setenv("PATH", saved.c_str(), 1);

    MakeFolders(dir, "Behaviours app/bin app/Behaviours");
    test::WriteText(dir.Path() / "app/behaviours", "a file");
    const std::string program = dir.File("app/bin/motivra");
    EXPECT_EQ(FindLibraryFolder(kLibraryFolderName, LibrarySearch::TagList, program), "");
    EXPECT_EQ(FindLibraryFolder(kLibraryFolderName, LibrarySearch::TagList, "motivra"), "");
    test::CurrentFolder here(dir.Path());
    EXPECT_EQ(ResolveLibraryFolder("Behaviours", LibrarySearch::TagList, program), "Behaviours");
    EXPECT_EQ(ResolveLibraryFolder("Elsewhere", LibrarySearch::Grid, program), "");
    fs::remove(dir.Path() / "Behaviours");
    EXPECT_EQ(ResolveLibraryFolder("Behaviours", LibrarySearch::TagList, program),
              dir.File("app/Behaviours"));
}

using LibraryFolderTest = test::LibraryTest;

TEST_F(LibraryFolderTest, NextBehaviourNameNumbersFromTheHighestThumbnailOfTheCore) {
    const auto next = [&](const std::string& core = "vmrk") {
        return NextBehaviourName(core, ThumbsFolder(Library()));
    };
    EXPECT_EQ(next(), "vmrk-0000");
    Write({"thumbs/vmrk-0003.bmp", "thumbs/vmrk-0010.bmp"});
    EXPECT_EQ(next(), "vmrk-0011");
    fs::remove(library / "thumbs/vmrk-0010.bmp");
    EXPECT_EQ(next(), "vmrk-0004");  // the highest number is free again; lower gaps stay
    Write({"thumbs/vmrk-9999.bmp"});
    EXPECT_EQ(next(), "vmrk-10000");
    Write({"thumbs/vmrk-10000.bmp"});
    EXPECT_EQ(next(), "vmrk-10001");
    Write({"thumbs/K.bmp", "thumbs/K2-0005.bmp", "thumbs/K-0000x3.bmp", "thumbs/k-0090.bmp"});
    EXPECT_EQ(next("K"), "K-0001");  // K.bmp is 0, "-0005" negative, "0000x3" 0; other cores do not count
    Write({"thumbs/K_0007.bmp", "thumbs/v?-0002.bmp", "thumbs/vx-0009.bmp", "thumbs/K-9.BMP"});
    EXPECT_EQ(next("K"), "K-0008");
    EXPECT_EQ(next("v?"), "v?-0003");  // wildcard characters in the core are literal
    EXPECT_EQ(next("v*"), "v*-0000");
    Write({"thumbs/vmrk-99999999999999999999.bmp"});
    EXPECT_EQ(next(), "");  // no number follows the highest one
    fs::remove_all(library / "thumbs");
    EXPECT_EQ(next("K"), "");  // hostile cores are the hostile names' test
}

// Showing part of the list is the behaviour grid's test.
TEST_F(LibraryFolderTest, BehavioursAreListedFolderFirstSortedByFileNameAndShownByName) {
    Write({"thumbs/a.vmr"});
    EXPECT_TRUE(ListBehaviourNames(Library()).empty());  // none in the folder itself
    Write({"b.vmr", "A.vmr", "a.vmr", "notes.txt", ".vmr", "two\nlines.vmr", "a..b.vmr"});
    BehaviourList list;
    list.SetFolder(Library(), "/nowhere/motivra");
    list.Load();
    ASSERT_EQ(list.ShownNames(), (Names{"A", "a..b", "a", "b", "a"}));
    list.SetFolder("no-such-folder", "/nowhere/motivra");
    list.Load();  // without a library, what was listed stays
    EXPECT_EQ(list.GetAllCount(), 5);
}

void Touch(const fs::path& folder, const Names& files) {
    for (const std::string& f : files) test::WriteText(folder / f, "x");
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
    const std::tuple<Names, std::string, Names> cases[] = {
        {{"Zeta.tag", "alpha.tag", "Beta.tag"}, "*.*", {"Beta.tag", "Zeta.tag", "alpha.tag"}},
        {{"b.vmr", "A.vmr", "a.vmr", "a.VMR", "b.vmrk", "noext"}, "*.vmr", {"A.vmr", "a.vmr", "b.vmr"}},
        {{"vmrk-1.bmp", "vmrk.bmp", "vmrk2.bmp"}, "vmrk?*.bmp", {"vmrk-1.bmp", "vmrk2.bmp"}},
        {{"aXbYbZc", "aXbYc.", "ac"}, "a*b*c", {"aXbYbZc"}},
        {{"\xc3\xa9.tag", "zoo.tag", "Zoo.tag"}, "*.tag", {"Zoo.tag", "zoo.tag", "\xc3\xa9.tag"}},
        // A '*' or '?' in a name is an ordinary character of it.
        {{"*x.tag", "?.tag", "*.vmr"}, "*.tag", {"*x.tag", "?.tag"}},
        {{"a*b", "a*", "b*a"}, "a*", {"a*", "a*b"}}};
    for (const auto& [files, pattern, expected] : cases) {
        test::TempDir dir;
        Touch(dir.Path(), files);
        fs::create_directory(dir.Path() / "folder.vmr");  // folders are never listed
        DiskObject disk;
        Names bare;
        ASSERT_TRUE(disk.ListFiles(pattern, dir.Path().string(), bare, false));
        EXPECT_EQ(bare, expected);
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
    EXPECT_THAT(list,
                AnyOf(Names{"A.vmr", "b.vmr", "s/c.vmr", "s/m.vmr", "s/z.vmr", "s/i/a.vmr", "n/b/m.vmr"},
                      Names{"A.vmr", "b.vmr", "n/b/m.vmr", "s/c.vmr", "s/m.vmr", "s/z.vmr", "s/i/a.vmr"}));
    EXPECT_THAT(folders, AnyOf(Names{"s/", "s/i/", "n/", "n/b/"}, Names{"n/", "n/b/", "s/", "s/i/"}));
}

TEST(TextFile, WritesCrLfReadsCrLfOrLfKeepingEmptyAndUnendedLinesAndFailsChangingNothing) {
    test::TempDir dir;
    TextFile file;
    const std::pair<Names, std::string> cases[] = {
        {{"a", "b"}, "a\r\nb\r\n"}, {{}, ""}, {{"", "two\nlines"}, "\r\ntwo\r\nlines\r\n"}};
    for (const auto& [lines, bytes] : cases) {
        ASSERT_TRUE(file.WriteLines(dir.File("t.tag"), lines));
        EXPECT_EQ(test::ReadText(dir.File("t.tag")), bytes);
    }
    test::WriteText(dir.Path() / "t.tag", "a\nb\r\n\r\ncr\ralone\r\r\nlast");
    Names lines{"old"};
    ASSERT_TRUE(file.ReadLines(dir.File("t.tag"), lines));
    EXPECT_EQ(lines, (Names{"a", "b", "", "cr\ralone\r", "last"}));

    // Failures leave the list and the disk as they were; a pipe and an oversized file are the library
    // safety test's.
    const std::pair<std::string, std::string> failures[] = {{"missing", "No such file or directory"},
                                                            {"", "Is a directory"}};
    for (const auto& [name, error] : failures) {
        Names kept{"kept"};
        EXPECT_FALSE(file.ReadLines(dir.File(name), kept));
        EXPECT_EQ(kept, Names{"kept"});
        EXPECT_EQ(file.ErrorText(), error);
    }
    EXPECT_FALSE(file.WriteLines(dir.File("missing/t.tag"), {"a"}));
    EXPECT_EQ(file.ErrorText(), "create: No such file or directory");
    EXPECT_EQ(test::TreeOf(dir.Path()), Names{"t.tag"});
}

// The fields of a bitmap's headers, written out as the file holds them; pixels are zero bytes.
struct Bitmap {
    std::uint16_t magic = 0x4D42;  // "BM"
    std::uint32_t headerBytes = 40;
    std::int32_t width = 96, height = 72;
    std::uint16_t planes = 1, bits = 24;
    std::uint32_t compression = 0, dataBytes = 0, dataOffset = 54;
    std::size_t pixelBytes = 96 * 3 * 72;  // rows of 288 bytes, a multiple of 4 already

    std::vector<std::uint8_t> Bytes() const {
        ByteWriter out;
        out.WriteU16(magic);
        out.WriteZeros(8);  // the file's size and the reserved words
        out.WriteU32(dataOffset);
        out.WriteU32(headerBytes);
        const bool core = headerBytes == 12;  // 16-bit sizes, and nothing after the depth
        for (const std::int32_t size : {width, height}) {
            core ? out.WriteU16(static_cast<std::uint16_t>(size))
                 : out.WriteU32(static_cast<std::uint32_t>(size));
        }
        out.WriteU16(planes);
        out.WriteU16(bits);
        if (!core) {
            out.WriteU32(compression);
            out.WriteU32(dataBytes);
        }
        if (headerBytes > 24) out.WriteZeros(headerBytes - 24);
        if (dataOffset > out.Bytes().size()) out.WriteZeros(dataOffset - out.Bytes().size());
        out.WriteZeros(pixelBytes);
        return out.Take();
    }
};

TEST(ThumbnailFile, AcceptsCompleteBitmapsOfAcceptableSizeOnly) {
    const std::optional<BitmapSize> thumb = BitmapSize{96, 72}, refused;
    const std::pair<Bitmap, std::optional<BitmapSize>> cases[] = {
        {{}, thumb},
        {{.height = -72}, thumb},  // rows stored top first
        {{.bits = 32, .pixelBytes = 96 * 4 * 72}, thumb},
        {{.width = 5, .height = 2, .pixelBytes = 16 * 2}, BitmapSize{5, 2}},  // rows padded to 4 bytes
        {{.width = 5, .height = 2, .pixelBytes = 16 * 2 - 1}, refused},       // the last row short
        {{.headerBytes = 12, .dataOffset = 26}, thumb},                       // a core header
        {{.headerBytes = 124, .dataOffset = 138}, thumb},                     // a version 5 header
        // Run-length data: present, cut, without a data size, of the wrong depth.
        {{.bits = 8, .compression = 1, .dataBytes = 100, .dataOffset = 54 + 1024, .pixelBytes = 100}, thumb},
        {{.bits = 8, .compression = 1, .dataBytes = 100, .dataOffset = 54 + 1024, .pixelBytes = 99}, refused},
        {{.bits = 8, .compression = 1}, refused},
        {{.compression = 2, .dataBytes = 10}, refused},
        {{.pixelBytes = 96 * 3 * 72 - 1}, refused},
        {{.magic = 0x4D43}, refused},
        {{.headerBytes = 20, .dataOffset = 34}, refused},
        {{.dataOffset = 40}, refused},  // pixels inside the header
        {{.width = 0}, refused},
        {{.width = -96}, refused},
        {{.height = INT32_MIN, .pixelBytes = 0}, refused},
        {{.planes = 2}, refused},
        {{.bits = 7}, refused},
        {{.compression = 4}, refused},  // a JPEG inside
        {{.width = 60000, .height = 60000}, refused},
        {{.width = 4097, .height = 4097}, refused},
        {{.width = 8192, .height = 2048, .bits = 1, .pixelBytes = 1024 * 2048}, BitmapSize{8192, 2048}}};
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(CheckThumbnailBitmap(cases[i].first.Bytes()), cases[i].second) << "case " << i;
    const std::vector<std::uint8_t> whole = Bitmap{}.Bytes();
    for (std::size_t cut : {0, 1, 2, 14, 17, 30, 53})
        EXPECT_EQ(CheckThumbnailBitmap(std::span(whole).first(cut)), std::nullopt) << "cut at " << cut;
}

TEST(ThumbnailFit, ScalesIntoTheAreaKeepingTheAspectAndCentres) {
    // Wide: full width, 24 high; tall: full height, 36 wide; 96 x 71.04 truncated and centred by whole
    // pixels; never below one pixel; nothing for no size. Each case: width, height, then the box.
    const int cases[][6] = {{96, 72, 0, 0, 96, 72},     {192, 144, 0, 0, 96, 72},   {48, 36, 0, 0, 96, 72},
                            {200, 50, 0, 24, 96, 48},   {36, 72, 30, 0, 66, 72},    {100, 74, 0, 0, 96, 71},
                            {1, 100000, 47, 0, 48, 72}, {100000, 1, 0, 35, 96, 36}, {0, 72, 0, 0, 0, 0},
                            {96, -1, 0, 0, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(FitThumbnail(c[0], c[1]), (PixelBox{c[2], c[3], c[4], c[5]})) << c[0] << "x" << c[1];
}

struct UserDataCopyTest : ::testing::Test, test::InstalledData {};

// A user folder that cannot be made (a file stands in the way) leaves the installation read as it is. What
// the copy holds is the fault tests' concern; here, that the program then works on it. A copy interrupted
// earlier left its temporary folder: it is not the user's library.
TEST_F(UserDataCopyTest, OnlyAReadOnlyInstallIsCopiedOnceAndEveryLookupThenFindsTheCopy) {
    const Names tree = test::TreeOf(root.Path());
    EXPECT_TRUE(FolderAcceptsFiles(root.Path().string()));
    EXPECT_FALSE(FolderAcceptsFiles(Program())) << "a file";
    EXPECT_FALSE(FolderAcceptsFiles(User())) << "missing";
    EXPECT_EQ(test::TreeOf(root.Path()), tree) << "the probe leaves nothing behind";
    const WritableProbe everywhere = [](const std::string&) { return true; };
    EXPECT_FALSE(NeedsUserDataCopy(Program(), everywhere));
    EXPECT_EQ(PrepareDataLookupPath(Program(), User(), everywhere), Program());
    EXPECT_FALSE(fs::exists(user));

    // One folder the program writes into is enough to need the copy.
    const fs::path tags = prefix / "behaviours/tags";
    const WritableProbe allButTags = [&](const std::string& folder) { return fs::path(folder) != tags / ""; };
    EXPECT_TRUE(NeedsUserDataCopy(Program(), allButTags));

    test::WriteText(root.Path() / "blocked", "");
    EXPECT_EQ(PrepareDataLookupPath(Program(), (root.Path() / "blocked/zenthar").string(), readOnlyInstall),
              Program());
    EXPECT_EQ(PrepareDataLookupPath(Program(), "", readOnlyInstall), Program());

    // A read-only installation.
    ASSERT_TRUE(NeedsUserDataCopy(Program(), readOnlyInstall));
    fs::create_directories(user / ".behaviours.partial/half");
    EXPECT_EQ(DataLookupPath(Program(), User(), readOnlyInstall), Program());
    const std::string lookup = Prepare();
    EXPECT_EQ(lookup, User() + "/bin/motivra");
    EXPECT_FALSE(fs::exists(user / ".behaviours.partial"));
    EXPECT_FALSE(fs::exists(user / "behaviours/half"));
    EXPECT_NE(fs::status(user / "palettes/warm.vmp").permissions() & fs::perms::owner_write, fs::perms::none)
        << "the copies are the user's to change";

    // Every data lookup now finds the copy.
    const std::string library = FindLibraryFolder(kLibraryFolderName, LibrarySearch::TagList, lookup);
    EXPECT_EQ(library, User() + "/behaviours");
    EXPECT_EQ(FindLibraryFolder("palettes", LibrarySearch::Grid, lookup), User() + "/palettes");
    EXPECT_EQ(NextBehaviourName("vmrk", ThumbsFolder(library)), "vmrk-0001");

    // Later starts keep what the user did: a deleted sample stays deleted, a changed file stays changed.
    fs::remove(user / "behaviours/vmrk-0000.vmr");
    test::WriteText(user / "palettes/warm.vmp", "the user's palette");
    EXPECT_EQ(Prepare(), lookup);
    EXPECT_FALSE(fs::exists(user / "behaviours/vmrk-0000.vmr"));
    EXPECT_EQ(test::ReadText(user / "palettes/warm.vmp"), "the user's palette");
}

}  // namespace
}  // namespace motivra
