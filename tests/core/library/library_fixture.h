#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/library/library_edits.h"
#include "core/library/tag_table.h"
#include "core/library/user_data_copy.h"
#include "support/temp_dir.h"

namespace motivra::test {

using Names = std::vector<std::string>;

// The table on one line: each tag as name=link,link..., '+' in front when Selected, '-' when Subtracted.
inline std::string Summary(const TagTable& table) {
    std::string text;
    for (const TagEntry& e : table.Entries()) {
        text += std::string(text.empty() ? "" : " ") + (e.state == TagState::Selected ? "+" : "") +
                (e.state == TagState::Subtracted ? "-" : "") + e.name + "=";
        for (std::size_t i = 0; i < e.links.size(); ++i) text += (i ? "," : "") + e.links[i];
    }
    return text;
}

// Changes the current folder for the object's lifetime.
struct CurrentFolder {
    explicit CurrentFolder(const std::filesystem::path& folder) { std::filesystem::current_path(folder); }
    ~CurrentFolder() {
        std::error_code ignored;
        std::filesystem::current_path(previous, ignored);
    }
    const std::filesystem::path previous = std::filesystem::current_path();
};

// A library folder "behaviours" with its thumbs, tagdb and tags subfolders inside a temporary folder.
struct TempLibrary {
    TempLibrary() {
        for (const char* sub : {"thumbs", "tagdb", "tags"})
            std::filesystem::create_directories(library / sub);
    }

    // Writes each file, relative to the library folder, with the same bytes.
    void Write(std::initializer_list<std::string> files, const std::string& bytes = "") const {
        for (const std::string& file : files) WriteText(library / file, bytes);
    }
    std::string Library() const { return library.string(); }
    std::string Read(const std::string& relative) const { return ReadText(library / relative); }
    // Every file's bytes by its path under the temporary folder, the lock left out.
    std::map<std::string, std::string> Snapshot() const { return FolderSnapshot(root.Path()); }
    TagTable Tags() const { return LoadLibraryTags(Library()); }

    TempDir root;
    const std::filesystem::path library = root.Path() / "behaviours";
};

class LibraryTest : public ::testing::Test, public TempLibrary {};

// Three tagged behaviours, two tags; lines written by someone else: a bare LF and no line end at the end.
// vmrk-0004 lost its thumbnail and vmrk-0005 is only a tag database: Save As passes over both.
struct SampleLibrary : TempLibrary {
    SampleLibrary() {
        Write({"b-0000.vmr", "vmrk-1000.vmr", "vmrk-10000.vmr"}, "vmr");
        Write({"thumbs/b-0000.bmp"}, "bmp");
        Write({"tagdb/b-0000.tdb"}, "wave\r\ncalm");
        Write({"tagdb/vmrk-1000.tdb"}, "wave\r\n");
        Write({"tags/wave.tag"}, "b-0000\nvmrk-10000\r\nvmrk-1000");
        Write({"tags/calm.tag"}, "b-0000\r\n");
        Write({"thumbs/vmrk-0003.bmp", "tagdb/vmrk-0005.tdb"});
        Write({"vmrk-0004.vmr"}, "months of work");
    }
};

// Each change of the library, made on a SampleLibrary, with the files it writes there: relative path and
// bytes, "-" for a file it removes. Every other file keeps its bytes.
struct SampleChange {
    const char* name;
    std::function<LibraryChange(const std::string&)> change;
    std::vector<std::pair<std::string, std::string>> files;
};

inline const std::vector<SampleChange>& SampleChanges() {
    static const std::vector<SampleChange> changes = {
        {"save as",
         [](const std::string& l) {
             return SaveNewBehaviour(l, {"vmrk", "v", "b", {"calm", "new"}}, nullptr);
         },
         {{"vmrk-0006.vmr", "v"},
          {"thumbs/vmrk-0006.bmp", "b"},
          {"tagdb/vmrk-0006.tdb", "calm\r\nnew\r\n"},
          {"tags/calm.tag", "b-0000\r\nvmrk-0006\r\n"},
          {"tags/new.tag", "vmrk-0006\r\n"}}},
        {"resave",
         [](const std::string& l) { return ResaveBehaviour(l, "b-0000", "v2", "b2"); },
         {{"b-0000.vmr", "v2"}, {"thumbs/b-0000.bmp", "b2"}}},
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
         {{"tags/wave.tag", "b-0000\r\nvmrk-1000\r\n"}, {"tags/calm.tag", "b-0000\r\n"}}}};
    return changes;
}

// An installation in prefix/ (program in bin/, help and data beside it, each file holding its own name but
// the tag file) and a user's data folder elsewhere. Whether the installation may be written is up to the
// probe, as the tests may run as a user who can write anywhere.
struct InstalledData {
    InstalledData() {
        // Read-only, as a package may lay its files out.
        for (const char* file : {"bin/motivra", "help/welcome.htm", "behaviours/vmrk-0000.vmr",
                                 "behaviours/thumbs/vmrk-0000.bmp", "behaviours/tagdb/vmrk-0000.tdb",
                                 "behaviours/tags/spin.tag", "palettes/warm.vmp", "swatches/test.vmw"}) {
            std::filesystem::create_directories((prefix / file).parent_path());
            WriteText(prefix / file, std::string(file).ends_with(".tag") ? "vmrk-0000\r\n" : file);
            std::filesystem::permissions(prefix / file, std::filesystem::perms::owner_read);
        }
    }
    std::string Program() const { return (prefix / "bin/motivra").string(); }
    std::string User() const { return user.string(); }
    std::string Prepare() const { return PrepareDataLookupPath(Program(), User(), readOnlyInstall); }

    TempDir root;
    const std::filesystem::path prefix = root.Path() / "prefix";
    const std::filesystem::path user = root.Path() / "home/.local/share/Velmora/zenthar";
    const WritableProbe readOnlyInstall = [this](const std::string& folder) {
        return folder.rfind(prefix.string(), 0) != 0 && FolderAcceptsFiles(folder);
    };
};

}  // namespace motivra::test
