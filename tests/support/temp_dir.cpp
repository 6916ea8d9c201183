#include "support/temp_dir.h"

#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace motivra::test {

TempDir::TempDir() {
    std::string name = (std::filesystem::temp_directory_path() / "motivra-test-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
    path_ = name;
    // Open to others, as a folder made with the usual umask is: tests run the tool as nobody inside it.
    std::filesystem::permissions(path_, std::filesystem::perms(0755));
}

TempDir::~TempDir() {
    // Tests take permissions away; every folder is made removable again first.
    namespace fs = std::filesystem;
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (auto it = fs::recursive_directory_iterator(path_, ignored); it != fs::recursive_directory_iterator();
         it.increment(ignored)) {
        if (ignored) break;
        if (it->is_directory(ignored) && !it->is_symlink(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(path_, ignored);
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    const std::string text = ReadText(path);
    return {text.begin(), text.end()};
}

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::vector<std::string> TreeOf(const std::filesystem::path& root) {
    std::vector<std::string> tree;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        tree.push_back(entry.path().lexically_relative(root).string());
    std::sort(tree.begin(), tree.end());
    return tree;
}

std::map<std::string, std::string> FolderSnapshot(const std::filesystem::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (entry.path().filename() == ".motivra-lock") continue;
        files[std::filesystem::relative(entry.path(), root).string()] =
            entry.is_regular_file() ? ReadText(entry.path()) : "(folder)";
    }
    return files;
}

}  // namespace motivra::test
