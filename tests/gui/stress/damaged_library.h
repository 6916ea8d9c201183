#pragma once

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "core/engine/behaviour_file.h"
#include "core/engine/editor_track.h"
#include "core/engine/track_store.h"
#include "core/library/library_folder.h"
#include "support/generated_library.h"

namespace motivra::test {

// The generated library of 10,000 behaviours, every one a real behaviour file whose X Position ends at 3.5,
// with damage mixed in: half the thumbnails are cut short, garbage, of a huge declared size, empty or a
// folder, and some tag files and tag databases are garbage, huge single lines, links to nowhere or folders.
class DamagedLibrary {
public:
    static constexpr double kXEnd = 3.5;

    DamagedLibrary() : library_(ThumbnailBytes(), BehaviourBytes(), ScratchFolder()) {
        const std::string& folder = library_.Library();
        const std::vector<std::uint8_t> good = ThumbnailBytes();
        for (int i = 0; i < kBehaviours; ++i) {
            const std::string path = ThumbnailPath(folder, BehaviourName(i));
            switch (i % 10) {
                case 0:
                    WritePlainBytes(path, {good.begin(), good.begin() + static_cast<long>(good.size() / 2)});
                    break;
                case 1:
                    WritePlainBytes(path, Garbage(2000, i));
                    break;
                case 2:
                    WritePlainBytes(path, HugeDeclaredSize(good));
                    break;
                case 3:
                    WritePlainBytes(path, {});
                    break;
                case 4:
                    std::filesystem::remove(path);
                    if (i % 20 == 4) std::filesystem::create_directory(path);
                    break;
                default:
                    break;  // a thumbnail the grid shows
            }
        }
        const std::string tags = TagFolderOf(folder);
        WritePlainBytes(TagFilePath(tags, OtherTag(1)), Garbage(1 << 20, 1));
        std::filesystem::remove(TagFilePath(tags, OtherTag(2)));
        std::filesystem::create_symlink("nowhere", TagFilePath(tags, OtherTag(2)));
        WritePlain(TagFilePath(tags, OtherTag(3)), {"../outside", "a/b", "", "nobody-9999", "vmrk-0005"});
        WritePlain(TagFilePath(tags, OtherTag(4)), {std::string(100000, 'x')});
        WritePlain(tags + "/bad\nname.tag", {"vmrk-0006"});
        const std::string tagdb = TagDbFolder(folder);
        WritePlainBytes(TagDbPath(folder, BehaviourName(11)), Garbage(5000, 11));
        std::filesystem::remove(TagDbPath(folder, BehaviourName(13)));
        std::filesystem::create_directory(TagDbPath(folder, BehaviourName(13)));
        WritePlain(TagDbPath(folder, BehaviourName(15)), {std::string(100000, 'y'), "chosen"});
    }

    const std::string& Library() const { return library_.Library(); }
    std::string Program() const {
        return (std::filesystem::path(Library()).parent_path() / "bin" / "motivra").string();
    }
    // Whether the grid can show behaviour i's thumbnail.
    static bool HasGoodThumbnail(int i) { return i % 10 >= 5; }

    static std::vector<std::uint8_t> BehaviourBytes() {
        TrackStore store;
        BehaviourTrack track = EditorDefaultTrack(0);
        track.end = kXEnd;
        track.span = track.end - track.start;
        track.enabled = 1;
        store.SetTrack(0, track);
        return EncodeBehaviourFile(store, "generated", {1, 1, 0, 0});
    }

private:
    // A memory folder where there is one: 30,000 files on a disk take many seconds to make and remove.
    static std::filesystem::path ScratchFolder() {
        std::error_code ec;
        return std::filesystem::is_directory("/dev/shm", ec) ? std::filesystem::path("/dev/shm")
                                                             : std::filesystem::temp_directory_path();
    }
    static std::vector<std::uint8_t> Garbage(std::size_t size, int seed) {
        std::mt19937 random(static_cast<std::uint32_t>(seed));
        std::vector<std::uint8_t> bytes(size);
        for (std::uint8_t& byte : bytes) byte = static_cast<std::uint8_t>(random());
        return bytes;
    }
    // A picture whose header claims 2^31 - 1 pixels a side.
    static std::vector<std::uint8_t> HugeDeclaredSize(std::vector<std::uint8_t> bytes) {
        for (const std::size_t offset : {std::size_t{18}, std::size_t{22}}) {
            bytes.at(offset) = 0xFF;
            bytes.at(offset + 1) = 0xFF;
            bytes.at(offset + 2) = 0xFF;
            bytes.at(offset + 3) = 0x7F;
        }
        return bytes;
    }

    GeneratedLibrary library_;
};

}  // namespace motivra::test
