#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "core/library/tag_table.h"
#include "support/temp_dir.h"

namespace motivra::test {

using Names = std::vector<std::string>;

// Writes bytes to path, making no folders.
inline void WriteText(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every file and folder under root, relative to it, sorted.
inline Names TreeOf(const std::filesystem::path& root) {
    Names tree;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        tree.push_back(std::filesystem::relative(entry.path(), root).string());
    std::sort(tree.begin(), tree.end());
    return tree;
}

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
class LibraryTest : public ::testing::Test {
public:
    LibraryTest() {
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

}  // namespace motivra::test
