// The library never loses what it could not read, and multi-file changes say exactly what they did.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/library/behaviour_list.h"
#include "core/library/behaviour_naming.h"
#include "core/library/library_fixture.h"
#include "core/library/text_file.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using test::Names;
using test::Summary;

class LibrarySafetyTest : public test::LibraryTest {
protected:
    // Tag files no reader can use: a FIFO (reading would block), one past the size of any line file, and a
    // link that points at itself. None of them may ever be rewritten.
    void WriteUnreadableTags() {
        ASSERT_EQ(mkfifo((library / "tags/fifo.tag").c_str(), 0600), 0);
        Write({"tags/huge.tag"});
        fs::resize_file(library / "tags/huge.tag", TextFile::kMaxTextFileBytes + 1);
        fs::create_symlink("loop.tag", library / "tags/loop.tag");
    }
    void ExpectUnreadableTagsUntouched() const {
        EXPECT_TRUE(fs::is_fifo(library / "tags/fifo.tag"));
        EXPECT_EQ(fs::file_size(library / "tags/huge.tag"), TextFile::kMaxTextFileBytes + 1);
        EXPECT_EQ(fs::read_symlink(library / "tags/loop.tag"), "loop.tag");
    }
};

TEST_F(LibrarySafetyTest, UnreadableTagFilesAreRecordedAndNeverRewritten) {
    WriteUnreadableTags();
    Write({"tags/wave.tag"}, "x\r\n");
    TagTable table = Tags();
    EXPECT_EQ(Summary(table), "fifo= huge= loop= wave=x");
    EXPECT_EQ(table.UnreadableTags(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(table.ReadError(0), "not a regular file");
    EXPECT_EQ(table.ReadError(1), "File too large");
    EXPECT_EQ(table.ReadError(2), "Too many levels of symbolic links");
    EXPECT_FALSE(table.ExceedsLimits());

    for (int i = 0; i < 3; ++i) table.SetState(i, TagState::Selected);
    table.LinkSelected("y");  // what the Save dialog does; the links cannot reach those files
    const auto failures = table.SaveAllTags();
    ASSERT_EQ(failures.size(), 3u);
    const std::pair<std::string, std::string> huge("huge", "skipped, it could not be read: File too large");
    EXPECT_EQ(failures[1], huge);
    ExpectUnreadableTagsUntouched();
    EXPECT_EQ(Read("tags/wave.tag"), "x\r\n");
}

TEST_F(LibrarySafetyTest, DeletingSkipsUnreadableTagFilesAndSaysSo) {
    WriteUnreadableTags();
    Write({"x.vmr", "y.vmr", "thumbs/x.bmp", "tagdb/x.tdb"});
    Write({"tags/wave.tag"}, "x\r\ny\r\n");
    Write({"tags/other.tag"}, "y\r\n");
    TagTable table = Tags();
    const LibraryChange change = RemoveBehaviour(table, Library(), "x");
    const std::string tags = table.TagFolder();
    EXPECT_EQ(change.done,
              (Names{"rewrote " + tags + "wave.tag", "removed " + Library() + "/x.vmr",
                     "removed " + Library() + "/tagdb/x.tdb", "removed " + Library() + "/thumbs/x.bmp"}));
    EXPECT_EQ(change.skipped,
              (Names{tags + "fifo.tag: skipped, it could not be read: not a regular file",
                     tags + "huge.tag: skipped, it could not be read: File too large",
                     tags + "loop.tag: skipped, it could not be read: Too many levels of symbolic links"}));
    EXPECT_TRUE(change.failure.empty());
    EXPECT_FALSE(change.Complete());
    ExpectUnreadableTagsUntouched();
    EXPECT_EQ(Read("tags/wave.tag"), "y\r\n");
    EXPECT_EQ(Read("tags/other.tag"), "y\r\n");
}

// Every save syncs to disk, so a tag file that would get its own bytes again is left alone (same inode).
TEST_F(LibrarySafetyTest, OnlyTagFilesThatChangeAreRewritten) {
    Write({"tags/same.tag"}, "x\r\n");
    Write({"tags/trimmed.tag"}, "x \r\n");
    const auto inode = [&](const char* file) {
        struct stat status {};
        ::stat((library / "tags" / file).c_str(), &status);
        return status.st_ino;
    };
    const auto same = inode("same.tag");
    const auto trimmed = inode("trimmed.tag");
    TagTable table = Tags();
    EXPECT_TRUE(table.SaveAllTags().empty());
    EXPECT_EQ(inode("same.tag"), same);
    EXPECT_NE(inode("trimmed.tag"), trimmed);
    EXPECT_EQ(Read("tags/trimmed.tag"), "x\r\n");
}

// A rebuild from part of the tag databases would drop the links of the others.
TEST_F(LibrarySafetyTest, RebuildChangesNothingWhenATagDatabaseOrTagFileCannotBeRead) {
    Write({"a.vmr", "b.vmr"});
    Write({"tagdb/a.tdb"}, "wave\r\n");
    Write({"tags/wave.tag"}, "a\r\nb\r\n");
    const auto expectRefused = [&](const std::string& reason) {
        const Names before = Tree();
        TagTable table = Tags();
        const LibraryChange change = ReconstructTagLinks(table, Library(), ListBehaviourNames(Library()));
        EXPECT_TRUE(change.refused);
        EXPECT_TRUE(change.done.empty());
        EXPECT_EQ(change.failure, reason + "; nothing was changed");
        EXPECT_EQ(Read("tags/wave.tag"), "a\r\nb\r\n");
        EXPECT_EQ(Tree(), before);
    };
    ASSERT_EQ(mkfifo((library / "tagdb/b.tdb").c_str(), 0600), 0);
    expectRefused(Library() + "/tagdb/b.tdb: cannot be read: not a regular file");
    fs::remove(library / "tagdb/b.tdb");
    fs::create_symlink("gone.tdb", library / "tagdb/b.tdb");
    expectRefused(Library() + "/tagdb/b.tdb: cannot be read: No such file or directory");
    fs::remove(library / "tagdb/b.tdb");
    ASSERT_EQ(mkfifo((library / "tags/fifo.tag").c_str(), 0600), 0);
    expectRefused(Library() + "/tags/fifo.tag: cannot be read: not a regular file");
    fs::remove(library / "tags/fifo.tag");

    TagTable table = Tags();
    const LibraryChange change = ReconstructTagLinks(table, Library(), ListBehaviourNames(Library()));
    EXPECT_TRUE(change.Complete()) << change.failure;
    EXPECT_EQ(change.done, Names{"rewrote " + Library() + "/tags/wave.tag"});
    EXPECT_EQ(Read("tags/wave.tag"), "a\r\n");
}

// Memory follows the bytes read: the tag files together are limited, and the limit is checked before lines
// are made, so a file of millions of empty lines costs its bytes only.
TEST_F(LibrarySafetyTest, ALibraryPastTheLimitsIsMarkedAndNeverRewritten) {
    Write({"tags/a.tag"}, "x\r\n");
    Write({"tags/lines.tag"}, std::string(TagTable::kMaxTotalLinks, '\n'));
    Write({"tags/z.tag"}, "y\r\n");
    TagTable table = Tags();
    EXPECT_TRUE(table.ExceedsLimits());
    EXPECT_EQ(Summary(table), "a=x lines= z=");
    EXPECT_EQ(table.UnreadableTags(), (std::vector<int>{1, 2}));
    EXPECT_EQ(table.ReadError(2), "the library's tag files hold more than 64 MiB or 2000000 links together");
    Write({"x.vmr"});
    const LibraryChange change = RemoveBehaviour(table, Library(), "x");
    EXPECT_TRUE(change.refused);
    EXPECT_TRUE(fs::exists(library / "x.vmr"));
    EXPECT_EQ(Read("tags/a.tag"), "x\r\n");

    fs::resize_file(library / "tags/lines.tag", 0);
    EXPECT_FALSE(Tags().ExceedsLimits());
    fs::resize_file(library / "tags/z.tag", TagTable::kMaxTotalTagBytes);  // a and z together are too large
    EXPECT_TRUE(Tags().ExceedsLimits());
}

// What a listing shows, deleting can remove, and names starting with '*' are names like any other.
TEST_F(LibrarySafetyTest, ListingNumberingAndDeletingAgreeOnOddNames) {
    Write({"*wave.vmr", "thumbs/*-0000.bmp", "tagdb/*wave.tdb"});
    Write({"tags/*x.tag"}, "*wave\r\n");
    fs::create_symlink("self.vmr", library / "self.vmr");
    EXPECT_EQ(ListBehaviourNames(Library()), (Names{"*wave", "self"}));
    EXPECT_EQ(NextBehaviourName("*", ThumbsFolder(Library())), "*-0001");
    TagTable table = Tags();
    EXPECT_EQ(table.FindTag("*x"), 0);
    EXPECT_TRUE(RemoveBehaviour(table, Library(), "*wave").Complete());
    EXPECT_EQ(Read("tags/*x.tag"), "");
    EXPECT_TRUE(RemoveBehaviour(table, Library(), "self").Complete());
    EXPECT_EQ(ListBehaviourNames(Library()), Names{});
}

}  // namespace
}  // namespace motivra
