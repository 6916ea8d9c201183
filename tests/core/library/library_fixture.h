#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace motivra::test {

// A library folder "behaviours" with its thumbs, tagdb and tags subfolders inside a temporary folder.
class LibraryFixture {
public:
    LibraryFixture();

    const std::filesystem::path& Root() const { return root_.Path(); }
    std::string Library() const { return library_.string(); }
    std::string TagFolder() const { return (library_ / "tags").string() + "/"; }

    // Writes bytes to a file relative to the library folder, making no folders.
    void Write(const std::string& relative, const std::string& bytes) const;
    std::string Read(const std::string& relative) const;
    bool Exists(const std::string& relative) const;
    // Every file and folder under the temporary folder, relative to it, sorted.
    std::vector<std::string> Tree() const;

private:
    TempDir root_;
    std::filesystem::path library_;
};

// Writes bytes to path, making no folders.
void WriteText(const std::filesystem::path& path, const std::string& bytes);
std::string ReadText(const std::filesystem::path& path);

// Changes the current folder for the object's lifetime.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::filesystem::path& folder);
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;
    ~CurrentFolder();

private:
    std::filesystem::path previous_;
};

}  // namespace motivra::test
