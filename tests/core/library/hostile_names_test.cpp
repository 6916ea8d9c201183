// Hostile names (separators, "..", NUL, 4,000 bytes, invalid UTF-8, line breaks) given as tag names, core
// names and behaviour names never make the library read, write or delete anything outside the folder the
// name belongs in, and never crash. Each operation runs every name in a library whose surroundings hold a
// file at every place a hostile name could reach; afterwards only files the operation may change differ.
#include <gtest/gtest.h>

#include <functional>

#include "core/library/behaviour_list.h"
#include "core/library/behaviour_naming.h"
#include "core/library/library_edits.h"
#include "core/library/library_fixture.h"
#include "core/library/library_folder.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using test::Names;

// Names a user could type or a damaged file could hold. "keep\0" ends early when the system reads it, so it
// would name the file "keep" beside the one meant.
Names HostileNames() {
    Names names = {
        "../outside", "../../outside", "sub/../../outside", "/outside", "..",      ".",
        "",           "keep\0"s,       "keep\0/../x"s,      "\xff\xfe", "caf\xc3", "a\\..\\outside",
        "a..b",       "x\\y",          "two\nlines",        "cr\r",     "wave."};
    std::string up;
    while (up.size() < 4000) up += "../";
    names.insert(names.end(), {std::string(4000, 'n'), up + "outside"});
    return names;
}
const Names kHostileNames = HostileNames();

class HostileNamesTest : public test::LibraryTest {
protected:
    // A file at every place the names could reach: above the library and in each of its folders, under the
    // names the library's files have (except the folder's own kind, which would be one of its files).
    HostileNamesTest() {
        const std::pair<fs::path, const char*> folders[] = {{root.Path(), ""},
                                                            {library, ".vmr"},
                                                            {library / "tags", ".tag"},
                                                            {library / "tagdb", ".tdb"},
                                                            {library / "thumbs", ".bmp"}};
        for (const auto& [folder, own] : folders) {
            for (const std::string name :
                 {"outside.vmr", "outside.tag", "outside.tdb", "outside.bmp", "keep"}) {
                if (!name.ends_with(own) || *own == '\0') test::WriteText(folder / name, "untouched");
            }
        }
    }

    // Runs the operation for each name, then checks that only files directly inside folder (relative to the
    // library) and ending with the extension were made, changed or removed.
    void ExpectConfined(const std::string& folder, const std::string& extension,
                        const std::function<void(const std::string&)>& operation,
                        const Names& names = kHostileNames) {
        const std::string inside = "behaviours/" + folder;
        const auto others = [&] {
            auto files = Snapshot();
            std::erase_if(files, [&](const auto& file) {
                return file.first.starts_with(inside) &&
                       file.first.find('/', inside.size()) == std::string::npos &&
                       file.first.ends_with(extension);
            });
            return files;
        };
        for (const std::string& name : names) {
            const auto before = others();
            operation(name);
            EXPECT_EQ(others(), before) << "\"" << name.substr(0, 40) << "\"";
        }
    }
};

// Tags added, given to a behaviour (its tag database and the tag file) and deleted.
TEST_F(HostileNamesTest, TagNamesStayInTheTagFolderAndNeverSplitTheLinesOfATagDatabase) {
    Write({"b.vmr", "tagdb/b.tdb"});
    ExpectConfined("tags/", ".tag", [&](const std::string& name) {
        AddLibraryTag(Library(), name);
        RetagBehaviour(Library(), "b", {name}, {});
        RetagBehaviour(Library(), "b", {}, {name});
        DeleteLibraryTag(Library(), name);
        EXPECT_EQ(Tags().Count(), 0) << name.substr(0, 40);
        EXPECT_EQ(Read("tagdb/b.tdb"), "") << name.substr(0, 40);
    });
    // Names that are file names work as any other: the tag has its file in the tag folder.
    for (const char* name : {"\xff\xfe", "wave.", "a\\..\\outside"})
        EXPECT_EQ(English(AddLibraryTag(Library(), name).failure), "") << name;
    // A tag database lists the tags one a line: a tag name holding a line break would come back as other
    // tags, so such names are never tags, whether typed or found as tag file names.
    Write({"tags/two\nlines.tag", "tags/cr\r.tag", "tags/...tag", "tags/..tag"});
    EXPECT_EQ(test::Summary(Tags()), "a\\..\\outside= wave.= \xff\xfe=");
    for (const char* name : {"two\nlines", "cr\r", "..", "."})
        EXPECT_NE(English(RetagBehaviour(Library(), "b", {name}, {}).failure), "") << name;
}

// Core names: the name given to a new behaviour stays a file name of the library, and Save As refuses core
// names that would leave their folder.
TEST_F(HostileNamesTest, CoreNamesNeverNameAFileOutsideTheLibrary) {
    const auto before = Snapshot();
    for (const std::string& core : kHostileNames) {
        const bool fileName =
            core == "\xff\xfe" || core == "caf\xc3" || core == "wave." || core.size() == 4000;
        EXPECT_EQ(NextBehaviourName(core, ThumbsFolder(Library())), fileName ? core + "-0000" : "")
            << core.substr(0, 40);
        if (!fileName) {
            EXPECT_NE(English(SaveNewBehaviour(Library(), {core, "vmr", "bmp", {}}, nullptr).failure), "")
                << core.substr(0, 40);
        }
    }
    EXPECT_EQ(Snapshot(), before);
    std::string name;
    ASSERT_EQ(English(SaveNewBehaviour(Library(), {"\xff\xfe", "vmr", "bmp", {}}, &name).failure), "");
    EXPECT_TRUE(fs::is_regular_file(library / "\xff\xfe-0000.vmr"));
}

// Behaviour names reach the disk when a behaviour is deleted or retagged; nothing that is not a behaviour of
// the library is deleted, and a name ending early never deletes "keep".
TEST_F(HostileNamesTest, BehaviourNamesDeleteAndWriteOnlyTheirOwnFiles) {
    const std::string real = "\xff\xfe-0";
    Write({real + ".vmr", "thumbs/" + real + ".bmp", "tagdb/" + real + ".tdb"});
    Write({"tags/wave.tag"}, real + "\r\nb\r\n");
    ExpectConfined("", "", [&](const std::string& name) {
        EXPECT_NE(English(RemoveBehaviour(Library(), name).failure), "") << name.substr(0, 40);
        EXPECT_NE(English(RetagBehaviour(Library(), name, {"wave"}, {}).failure), "") << name.substr(0, 40);
    });
    EXPECT_TRUE(RemoveBehaviour(Library(), real).Complete());
    EXPECT_EQ(test::ReadText(library / "tags/wave.tag"), "b\r\n");
    EXPECT_FALSE(fs::exists(library / (real + ".vmr")));
}

// Links are behaviour names read from tag files: filtering shows only behaviours the library lists, and a
// rebuild reads only the tag databases of the library's behaviours.
TEST_F(HostileNamesTest, LinksShowOnlyListedBehavioursAndRebuildReadsOnlyTheLibrary) {
    Write({"b.vmr", "\xff\xfe.vmr"});
    std::string links;
    for (const std::string& name : kHostileNames) links += name + "\r\n";
    Write({"tags/wave.tag"}, links + "b\r\n");
    TagTable table = Tags();
    table.SetState(table.FindTag("wave"), TagState::Selected);
    table.CaptureSelection();
    BehaviourList list;
    list.SetFolder(Library(), "");
    list.Load();
    list.ShowNames(table.TagFilter());
    EXPECT_EQ(list.ShownNames(), (Names{"\xff\xfe", "b"}));

    Write({"tagdb/b.tdb"}, "wave\r\n");
    Write({"outside.tdb", "keep", "tagdb/keep", "../outside.tdb"}, "leaked\r\n");
    ExpectConfined("tags/", ".tag",
                   [&](const std::string&) { EXPECT_EQ(English(RebuildTagLinks(Library()).failure), ""); },
                   {"once"});
    EXPECT_EQ(test::Summary(Tags()), "wave=b");
}

}  // namespace
}  // namespace motivra
