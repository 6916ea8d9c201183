#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "core/engine/bitmap_file.h"
#include "core/library/library_folder.h"
#include "core/library/tag_table.h"
#include "core/library/text_file.h"

namespace motivra::test {

inline constexpr int kBehaviours = 10000;
inline constexpr int kOtherTags = 497;  // besides the three filter tags: 500 tags in all

inline std::string BehaviourName(int i) {
    char name[16];
    std::snprintf(name, sizeof name, "vmrk-%04d", i);
    return name;
}

inline std::string OtherTag(int t) { return "tag-" + std::to_string(t); }

// A 96 x 72 thumbnail as the Save dialog writes it: 32 bits per pixel, bottom row first.
inline std::vector<std::uint8_t> ThumbnailBytes() {
    std::vector<std::uint32_t> pixels(96 * 72);
    for (int y = 0; y < 72; ++y)
        for (int x = 0; x < 96; ++x)
            pixels[static_cast<std::size_t>(y * 96 + x)] =
                0xFF000000u | (x * 2u << 16) | (y * 3u << 8) | 0x40u;
    return EncodeBitmapFile(*DeviceBitmapFromRgb32(96, 72, pixels)).value_or(std::vector<std::uint8_t>{});
}

// The tags of behaviour i: the filter tags "chosen" (even i), "also" (i below 5000) and "minus" (i % 4 < 2),
// 5,000 links each, and three or four of the others, 35,000 links: 50,000 links in all.
inline std::vector<std::string> TagsOf(int i) {
    std::vector<std::string> tags;
    if (i % 2 == 0) tags.push_back("chosen");
    if (i < kBehaviours / 2) tags.push_back("also");
    if (i % 4 < 2) tags.push_back("minus");
    const int others = 3 + i % 2;
    for (int k = 0; k < others; ++k) tags.push_back(OtherTag((i + k * 131) % kOtherTags));
    return tags;
}

// The fixture is written plainly: a save's sync to disk, 30,000 times over, would only slow the set-up.
inline void WritePlain(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << EncodeLines(lines, "\n");
}

inline void WritePlainBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A library of 10,000 behaviours with thumbnails and tag databases and 500 tag files holding 50,000 links,
// in a temporary folder removed with the object, shared by the benchmarks and the stress tests. Every
// thumbnail holds the given bytes, and every behaviour file the other bytes (none by default), under parent.
class GeneratedLibrary {
public:
    explicit GeneratedLibrary(const std::vector<std::uint8_t>& thumbnail = {},
                              const std::vector<std::uint8_t>& behaviour = {},
                              const std::filesystem::path& parent = std::filesystem::temp_directory_path())
        : root_(parent / ("motivra-generated-library-" + std::to_string(std::random_device{}()))),
          library_((root_ / "behaviours").string()) {
        for (const char* sub : {"thumbs", "tagdb", "tags"})
            std::filesystem::create_directories(root_ / "behaviours" / sub);
        std::map<std::string, std::vector<std::string>> links;
        for (int i = 0; i < kBehaviours; ++i) {
            const std::string name = BehaviourName(i);
            WritePlainBytes(BehaviourPath(library_, name), behaviour);
            WritePlainBytes(ThumbnailPath(library_, name), thumbnail);
            const std::vector<std::string> tags = TagsOf(i);
            WritePlain(TagDbPath(library_, name), tags);
            for (const std::string& tag : tags) links[tag].push_back(name);
        }
        for (const auto& [tag, names] : links) WritePlain(TagFilePath(TagFolderOf(library_), tag), names);
    }
    GeneratedLibrary(const GeneratedLibrary&) = delete;
    GeneratedLibrary& operator=(const GeneratedLibrary&) = delete;
    ~GeneratedLibrary() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    const std::string& Library() const { return library_; }

private:
    std::filesystem::path root_;
    std::string library_;
};

}  // namespace motivra::test
