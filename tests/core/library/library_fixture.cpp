#include "library_fixture.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace motivra::test {

namespace fs = std::filesystem;

LibraryFixture::LibraryFixture() : library_(root_.Path() / "behaviours") {
    for (const char* sub : {"thumbs", "tagdb", "tags"}) fs::create_directories(library_ / sub);
}

void LibraryFixture::Write(const std::string& relative, const std::string& bytes) const {
    WriteText(library_ / relative, bytes);
}

std::string LibraryFixture::Read(const std::string& relative) const { return ReadText(library_ / relative); }

bool LibraryFixture::Exists(const std::string& relative) const { return fs::exists(library_ / relative); }

std::vector<std::string> LibraryFixture::Tree() const {
    std::vector<std::string> tree;
    for (const auto& entry : fs::recursive_directory_iterator(root_.Path())) {
        tree.push_back(fs::relative(entry.path(), root_.Path()).string());
    }
    std::sort(tree.begin(), tree.end());
    return tree;
}

void WriteText(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

CurrentFolder::CurrentFolder(const fs::path& folder) : previous_(fs::current_path()) {
    fs::current_path(folder);
}

CurrentFolder::~CurrentFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
}

}  // namespace motivra::test
