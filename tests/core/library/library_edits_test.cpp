// The library's changes made onto the files as they are on disk: each writes only what it changes, keeps
// every other byte, and two writers at once lose nothing.
#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "core/library/library_edits.h"
#include "core/library/library_lock.h"
#include "core/library/text_file.h"
#include "library_fixture.h"

namespace motivra::test {
namespace {

// Three behaviours, two tags; lines written by someone else: a bare LF and no line end at the end.
void Populate(const TempLibrary& library) {
    library.Write({"b-0000.vmr", "vmrk-1000.vmr", "vmrk-10000.vmr"}, "vmr");
    library.Write({"thumbs/b-0000.bmp"}, "bmp");
    library.Write({"tagdb/b-0000.tdb"}, "wave\r\ncalm");
    library.Write({"tagdb/vmrk-1000.tdb"}, "wave\r\n");
    library.Write({"tags/wave.tag"}, "b-0000\nvmrk-10000\r\nvmrk-1000");
    library.Write({"tags/calm.tag"}, "b-0000\r\n");
}

// A library of its own for each case of a table.
struct Sample : TempLibrary {
    Sample() { Populate(*this); }
};

class LibraryEdits : public LibraryTest {
protected:
    LibraryEdits() { Populate(*this); }
};

TEST_F(LibraryEdits, EachChangeWritesOnlyWhatItChanges) {
    struct Case {
        const char* name;
        std::function<LibraryChange(const std::string&)> change;
        std::vector<std::pair<std::string, std::string>> files;  // relative path, bytes ("-" for gone)
    };
    const Case cases[] = {
        {"retag",
         [](const std::string& l) {
             return RetagBehaviour(l, "vmrk-1000", {"calm", "new"}, {"wave"});
         },
         {{"tagdb/vmrk-1000.tdb", "calm\r\nnew\r\n"},
          {"tags/wave.tag", "b-0000\nvmrk-10000\r\n"},
          {"tags/calm.tag", "b-0000\r\nvmrk-1000\r\n"},
          {"tags/new.tag", "vmrk-1000\r\n"}}},
        {"delete",
         [](const std::string& l) { return RemoveBehaviour(l, "b-0000"); },
         {{"b-0000.vmr", "-"},
          {"thumbs/b-0000.bmp", "-"},
          {"tagdb/b-0000.tdb", "-"},
          {"tags/wave.tag", "vmrk-10000\r\nvmrk-1000"},
          {"tags/calm.tag", ""}}},
        {"delete tag",
         [](const std::string& l) { return DeleteLibraryTag(l, "wave"); },
         {{"tags/wave.tag", "-"}, {"tagdb/b-0000.tdb", "calm"}, {"tagdb/vmrk-1000.tdb", ""}}},
        {"add tag", [](const std::string& l) { return AddLibraryTag(l, "fresh"); }, {{"tags/fresh.tag", ""}}},
        {"rebuild",
         [](const std::string& l) { return RebuildTagLinks(l); },
         {{"tags/wave.tag", "b-0000\r\nvmrk-1000\r\n"}, {"tags/calm.tag", "b-0000\r\n"}}},
    };
    for (const Case& c : cases) {
        Sample fresh;
        const Names before = fresh.Tree();
        const LibraryChange change = c.change(fresh.Library());
        EXPECT_EQ(English(change.failure), "") << c.name;
        Names after = before;
        for (const auto& [path, bytes] : c.files) {
            if (bytes == "-") {
                EXPECT_FALSE(std::filesystem::exists(fresh.library / path)) << c.name << " " << path;
                std::erase(after, "behaviours/" + path);
            } else {
                EXPECT_EQ(fresh.Read(path), bytes) << c.name << " " << path;
                after.push_back("behaviours/" + path);
            }
        }
        after.push_back("behaviours/.motivra-lock");
        std::sort(after.begin(), after.end());
        after.erase(std::unique(after.begin(), after.end()), after.end());
        EXPECT_EQ(fresh.Tree(), after) << c.name;
    }
}

TEST_F(LibraryEdits, SaveAsNumbersUnderTheLockAndLinksItsTags) {
    Write({"thumbs/vmrk-0003.bmp"});
    std::string name;
    const LibraryChange change =
        SaveNewBehaviour(Library(), {"vmrk", "vmr bytes", "bmp bytes", {"calm", "new"}}, &name);
    ASSERT_EQ(English(change.failure), "");
    EXPECT_EQ(name, "vmrk-0004");
    EXPECT_EQ(Read("vmrk-0004.vmr") + Read("thumbs/vmrk-0004.bmp"), "vmr bytesbmp bytes");
    EXPECT_EQ(Read("tagdb/vmrk-0004.tdb"), "calm\r\nnew\r\n");
    EXPECT_EQ(Read("tags/calm.tag") + Read("tags/new.tag"), "b-0000\r\nvmrk-0004\r\nvmrk-0004\r\n");
}

TEST_F(LibraryEdits, RefusalsChangeNothing) {
    std::filesystem::create_directory(library / "tagdb/vmrk-10000.tdb");
    const Names before = Tree();
    EXPECT_NE(English(RetagBehaviour(Library(), "vmrk-10000", {"calm"}, {}).failure)
                  .find("10000.tdb: cannot be read"),
              std::string::npos);
    EXPECT_NE(English(RemoveBehaviour(Library(), "gone").failure), "");
    EXPECT_NE(English(RetagBehaviour(Library(), "..", {"calm"}, {}).failure), "");
    EXPECT_NE(English(AddLibraryTag(Library(), "..").failure), "");
    EXPECT_NE(English(SaveNewBehaviour(Library(), {"a/b", "", "", {}}, nullptr).failure), "");
    Names after = Tree();
    std::erase(after, "behaviours/.motivra-lock");
    EXPECT_EQ(after, before);
}

TEST_F(LibraryEdits, AHeldLockMakesAChangeWaitThenGiveUp) {
    const auto held = LibraryLock::Take(Library());
    ASSERT_TRUE(held);
    UserText why;
    EXPECT_FALSE(LibraryLock::Take(Library(), &why, std::chrono::milliseconds(30)));
    EXPECT_NE(English(why).find("another program is changing the library"), std::string::npos)
        << English(why);
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
    const std::vector<std::string> links = DecodeLines(Read("tags/calm.tag"));
    EXPECT_EQ(links.size(), 2u * kEach + 1);
}

}  // namespace
}  // namespace motivra::test
