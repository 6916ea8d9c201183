// The library never loses what it could not read, and multi-file changes say exactly what they did.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/library/behaviour_list.h"
#include "core/library/behaviour_naming.h"
#include "core/library/library_edits.h"
#include "core/library/library_fixture.h"
#include "core/library/text_file.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using test::Names;
using test::Summary;
using ::testing::HasSubstr;

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
    Write({"x.vmr", "y.vmr", "thumbs/x.bmp", "tagdb/x.tdb"});
    Write({"tags/wave.tag"}, "x\r\ny\r\n");
    const TagTable table = Tags();
    EXPECT_EQ(Summary(table), "fifo= huge= loop= wave=x,y");
    EXPECT_EQ(table.UnreadableTags(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(table.ReadError(0), "not a regular file");
    EXPECT_EQ(table.ReadError(1), "File too large");
    EXPECT_EQ(table.ReadError(2), "Too many levels of symbolic links");
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
    ExpectUnreadableTagsUntouched();
    EXPECT_EQ(Read("tags/wave.tag"), "y\r\n");
    EXPECT_FALSE(fs::exists(library / "x.vmr"));
}

// A rebuild from part of the tag databases would drop the links of the others; one that agrees writes nothing.
TEST_F(LibrarySafetyTest, RebuildChangesNothingWhenATagDatabaseCannotBeReadOrAllAgree) {
    Write({"a.vmr", "b.vmr"});
    Write({"tagdb/a.tdb"}, "wave\r\n");
    Write({"tags/wave.tag"}, "a\r\nb\r\n");
    const auto expectRefused = [&](const std::string& reason) {
        Write({".motivra-lock"});  // the lock stays behind, as every writer leaves it
        const Names before = Tree();
        const LibraryChange change = RebuildTagLinks(Library());
        EXPECT_TRUE(change.done.empty());
        EXPECT_EQ(English(change.failure), reason);
        EXPECT_EQ(Tree(), before);
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
}

// What a listing shows, deleting can remove, and names starting with '*' are names like any other.
TEST_F(LibrarySafetyTest, ListingNumberingAndDeletingAgreeOnOddNames) {
    Write({"*wave.vmr", "thumbs/*-0000.bmp", "tagdb/*wave.tdb"});
    Write({"tags/*x.tag"}, "*wave\r\n");
    fs::create_symlink("self.vmr", library / "self.vmr");
    EXPECT_EQ(ListBehaviourNames(Library()), (Names{"*wave", "self"}));
    EXPECT_EQ(NextBehaviourName("*", ThumbsFolder(Library())), "*-0001");
    EXPECT_EQ(Tags().FindTag("*x"), 0);
    EXPECT_TRUE(RemoveBehaviour(Library(), "*wave").Complete());
    EXPECT_EQ(Read("tags/*x.tag"), "");
    EXPECT_TRUE(RemoveBehaviour(Library(), "self").Complete());
    EXPECT_EQ(ListBehaviourNames(Library()), Names{});
}

}  // namespace
}  // namespace motivra
