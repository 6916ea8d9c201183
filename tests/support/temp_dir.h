#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace motivra::test {

// A fresh folder under the system's temporary folder, removed with everything in it when the object dies.
class TempDir {
public:
    TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir();

    const std::filesystem::path& Path() const { return path_; }
    // The folder as a string ending with a separator, as the file writers take it.
    std::string Folder() const { return path_.string() + "/"; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
std::string ReadText(const std::filesystem::path& path);
// Writes the bytes, making no folders.
void WriteText(const std::filesystem::path& path, const std::string& bytes);

// Every file and folder under root, relative to it, sorted.
std::vector<std::string> TreeOf(const std::filesystem::path& root);

// Every file and folder under root by its path relative to root: a file's bytes, "(folder)" for a folder. A
// library's lock file is left out: it stays once made and holds nothing.
std::map<std::string, std::string> FolderSnapshot(const std::filesystem::path& root);

}  // namespace motivra::test
