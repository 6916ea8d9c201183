// Hostile names (separators, "..", NUL, 4,000 bytes, invalid UTF-8, line breaks) given as tag names, core
// names and behaviour names never make the library read, write or delete anything outside the folder the
// name belongs in, and never crash. Each operation runs every name in a library whose surroundings hold a
// file at every place a hostile name could reach; afterwards only files the operation may change differ.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "core/engine/behaviour_file.h"
#include "core/engine/bitmap_file.h"
#include "core/engine/track_store.h"
#include "core/library/behaviour_list.h"
#include "core/library/behaviour_naming.h"
#include "core/library/library_fixture.h"
#include "core/library/library_folder.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using test::Names;

// Names a user could type or a damaged file could hold. "keep\0" ends early when the system reads it, so it
// would name the file "keep" beside the one meant.
const Names kHostileNames = {
    "../outside",
    "../../outside",
    "sub/../../outside",
    "/outside",
    "..",
    ".",
    "",
    "keep\0"s,
    "keep\0/../x"s,
    std::string(4000, 'n'),
    [] {
        std::string up;
        while (up.size() < 4000) up += "../";
        return up + "outside";
    }(),
    "\xff\xfe",
    "caf\xc3",
    "a\\..\\outside",
    "two\nlines",
    "cr\r",
    "wave.",
};

// Every file under the folder by relative path, with its bytes.
using Files = std::map<std::string, std::string>;

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

    Files Snapshot() const {
        Files files;
        for (const auto& entry : fs::recursive_directory_iterator(root.Path())) {
            if (entry.is_regular_file())
                files[fs::relative(entry.path(), library).string()] = test::ReadText(entry.path());
        }
        return files;
    }

    // Runs the operation for each name, then checks that only files directly inside folder (relative to the
    // library) and ending with the extension were made, changed or removed.
    void ExpectConfined(const std::string& folder, const std::string& extension,
                        const std::function<void(const std::string&)>& operation,
                        const Names& names = kHostileNames) {
        for (const std::string& name : names) {
            const Files before = Snapshot();
            operation(name);
            const Files after = Snapshot();
            Files paths = before;
            paths.insert(after.begin(), after.end());
            for (const auto& [path, unused] : paths) {
                const bool mayChange = path.starts_with(folder) &&
                                       path.find('/', folder.size()) == std::string::npos &&
                                       path.ends_with(extension);
                const auto was = before.find(path);
                const auto is = after.find(path);
                const bool same = (was == before.end()) == (is == after.end()) &&
                                  (was == before.end() || was->second == is->second);
                EXPECT_TRUE(mayChange || same) << "\"" << name.substr(0, 40) << "\" changed " << path;
            }
        }
    }
};

// Tags added from a tag database or typed in a dialog, then saved, written to a tag database and deleted.
TEST_F(HostileNamesTest, TagNamesStayInTheTagFolder) {
    ExpectConfined("tags/", ".tag", [&](const std::string& name) {
        TagTable table = Tags();
        table.AddTag(name);
        for (int i = 0; i < table.Count(); ++i) table.SetState(i, TagState::Selected);
        table.LinkSelectedAll("b");
        table.SaveAllTags();
        table.RemoveMarkedTags();
        EXPECT_EQ(Tags().Count(), 0) << name.substr(0, 40);
    });
    // Names that are file names work as any other: the tag has its file in the tag folder.
    for (const char* name : {"..", ".", "\xff\xfe", "wave.", "a\\..\\outside"}) {
        TagTable table = Tags();
        ASSERT_TRUE(table.AddTag(name)) << name;
        EXPECT_TRUE(table.WriteTagFile(table.Count() - 1)) << name;
        EXPECT_TRUE(fs::is_regular_file(library / "tags" / (std::string(name) + ".tag"))) << name;
    }
}

// A tag database lists the selected tags one a line: a tag name holding a line break would come back as
// other tags, so such names are never tags, whether typed or found as tag file names.
TEST_F(HostileNamesTest, TagNamesNeverSplitTheLinesOfATagDatabase) {
    ExpectConfined("tagdb/", ".tdb", [&](const std::string& name) {
        TagTable table = Tags();
        table.AddTag(name);
        for (int i = 0; i < table.Count(); ++i) table.SetState(i, TagState::Selected);
        ASSERT_TRUE(table.WriteTagDb((library / "tagdb/").string(), "b"));
        TagTable again = Tags();
        again.ReadTagDb((library / "tagdb/b.tdb").string());
        for (const TagEntry& entry : again.Entries())
            EXPECT_EQ(entry.state == TagState::Selected, table.FindTag(entry.name) >= 0) << entry.name;
    });
    Write({"tags/two\nlines.tag", "tags/cr\r.tag", "tags/\xff\xfe.tag", "tags/...tag"});
    EXPECT_EQ(test::Summary(Tags()), "..= \xff\xfe=");
}

// Core names: the name given to a new behaviour stays a file name of the library, and the behaviour and
// thumbnail writers refuse names that would leave their folder.
TEST_F(HostileNamesTest, CoreNamesNeverNameAFileOutsideTheLibrary) {
    for (const std::string& core : kHostileNames) {
        const std::string name = NextBehaviourName(core, ThumbsFolder(Library()));
        EXPECT_TRUE(name.empty() ||
                    (name.find('/') == std::string::npos && name.find('\0') == std::string::npos &&
                     name.find("..") == std::string::npos))
            << name.substr(0, 40);
    }
    ExpectConfined("", ".vmr", [&](const std::string& name) {
        TrackStore store;
        SaveBehaviourFile(store, Library() + "/", name, "text", {});
    });
    const auto bitmap = DeviceBitmapFromRgb32(1, 1, std::vector<std::uint32_t>{0xFF0000});
    ASSERT_TRUE(bitmap);
    ExpectConfined("thumbs/", ".bmp",
                   [&](const std::string& name) { SaveBitmapFile(ThumbsFolder(Library()), name, *bitmap); });
    TrackStore store;
    ASSERT_TRUE(SaveBehaviourFile(store, Library() + "/", "\xff\xfe-0000", "", {}));
    EXPECT_TRUE(fs::is_regular_file(library / "\xff\xfe-0000.vmr"));
}

// Behaviour names reach the disk when a behaviour is deleted and when its tag database is written; nothing
// that is not a behaviour of the library is deleted, and a name ending early never deletes "keep".
TEST_F(HostileNamesTest, BehaviourNamesDeleteAndWriteOnlyTheirOwnFiles) {
    const std::string real = "\xff\xfe-0";
    Write({real + ".vmr", "thumbs/" + real + ".bmp", "tagdb/" + real + ".tdb"});
    Write({"tags/wave.tag"}, real + "\r\nb\r\n");
    ExpectConfined("tags/", ".tag", [&](const std::string& name) {
        TagTable table = Tags();
        EXPECT_TRUE(RemoveBehaviour(table, Library(), name).refused) << name.substr(0, 40);
        DeleteBehaviour(table, Library(), name);  // "\xff\xfe" unlinks the real one by prefix, as promised
        table.SaveAllTags();
    });
    ExpectConfined("tagdb/", ".tdb",
                   [&](const std::string& name) { Tags().WriteTagDb((library / "tagdb/").string(), name); });
    TagTable table = Tags();
    EXPECT_TRUE(RemoveBehaviour(table, Library(), real).Complete());
    EXPECT_EQ(test::ReadText(library / "tags/wave.tag"), "b\r\n");
    EXPECT_FALSE(fs::exists(library / (real + ".vmr")));
}

// Links are behaviour names read from tag files: linking them writes lines that read back as the same links,
// an empty name unlinks nothing, and filtering shows only behaviours the library lists.
TEST_F(HostileNamesTest, LinksReadBackAsWrittenAndShowOnlyListedBehaviours) {
    Write({"b.vmr", "\xff\xfe.vmr"});
    Write({"tags/wave.tag"}, "b\r\n");
    ExpectConfined("tags/", ".tag", [&](const std::string& name) {
        TagTable table = Tags();
        table.SetState(table.FindTag("wave"), TagState::Selected);
        table.LinkSelected(name);
        table.LinkSelectedAll(name);
        table.SaveAllTags();
        EXPECT_EQ(Tags().Entry(table.FindTag("wave")).links, table.Entry(table.FindTag("wave")).links);
        table.UnlinkBehaviour(name);
        table.SaveAllTags();
        EXPECT_NE(Tags().Entry(table.FindTag("wave")).links, Names{}) << "an empty name unlinks nothing";
        // The same for a tag taken away from a picked behaviour in Edit Tags.
        table.CaptureSelection();
        table.SetState(table.FindTag("wave"), TagState::Unselected);
        table.UnlinkDeselected(name);
        table.SaveAllTags();
        EXPECT_NE(Tags().Entry(table.FindTag("wave")).links, Names{}) << "an empty name unlinks nothing";
    });

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
}

// "Reconstruct Tag Links" reads the tag databases of the behaviours it is given: a hostile name among them
// reads none, so a tag database outside the tagdb folder never adds its tags.
TEST_F(HostileNamesTest, RebuildReadsOnlyTheTagDatabasesOfTheLibrary) {
    Write({"b.vmr"});
    Write({"tagdb/b.tdb"}, "wave\r\n");
    for (const char* outside : {"outside.tdb", "keep", "tagdb/keep"}) Write({outside}, "leaked\r\n");
    Write({"../outside.tdb"}, "leaked\r\n");
    Names behaviours = kHostileNames;
    behaviours.push_back("b");
    ExpectConfined("tags/", ".tag",
                   [&](const std::string&) {
                       TagTable table = Tags();
                       EXPECT_TRUE(ReconstructTagLinks(table, Library(), behaviours).Complete());
                   },
                   {"once"});
    EXPECT_EQ(test::Summary(Tags()), "wave=b");
}

}  // namespace
}  // namespace motivra
