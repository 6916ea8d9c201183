#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

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
    Names Tree() const { return TreeOf(root.Path()); }
    TagTable Tags() const { return LoadLibraryTags(Library()); }

    TempDir root;
    const std::filesystem::path library = root.Path() / "behaviours";
};

class LibraryTest : public ::testing::Test, public TempLibrary {};

// An installation in prefix/ (program in bin/, help and data beside it, each file holding its own name but
// the tag file) and a user's data folder elsewhere. Whether the installation may be written is up to the
// probe, as the tests may run as a user who can write anywhere.
struct InstalledData {
    InstalledData() {
        for (const char* folder : {"bin", "help", "behaviours/thumbs", "behaviours/tagdb", "behaviours/tags",
                                   "palettes", "swatches"}) {
            std::filesystem::create_directories(prefix / folder);
        }
        // Read-only, as a package may lay its files out.
        for (const char* file : {"bin/motivra", "help/welcome.htm", "behaviours/vmrk-0000.vmr",
                                 "behaviours/thumbs/vmrk-0000.bmp", "behaviours/tagdb/vmrk-0000.tdb",
                                 "behaviours/tags/spin.tag", "palettes/warm.vmp", "swatches/test.vmw"}) {
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
