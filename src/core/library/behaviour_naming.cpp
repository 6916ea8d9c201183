#include "core/library/behaviour_naming.h"

#include <limits>
#include <vector>

#include "core/library/disk_object.h"
#include "core/library/file_checks.h"
#include "core/library/library_folder.h"
#include "core/library/library_names.h"

namespace motivra {

namespace {

constexpr std::string_view kThumbnailExtension = ".bmp";
constexpr std::size_t kMinimumDigits = 4;

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

std::int64_t ReadLeadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Accumulate towards the sign's own limit so that the lowest value is reachable too.
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (negative) {
            value = value < (kMin + digit) / 10 ? kMin : value * 10 - digit;
        } else {
            value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
        }
    }
    return value;
}

std::string NextBehaviourName(const std::string& core, const std::string& thumbsFolder) {
    if (!FolderExists(thumbsFolder) || !IsAcceptableCoreName(core)) return {};
    // The core is matched literally, so a '*' or '?' typed into it is not a wildcard.
    DiskObject disk;
    std::vector<std::string> thumbnails;
    disk.ListFiles("*.bmp", thumbsFolder, thumbnails, false);

    std::int64_t highest = -1;
    for (const std::string& file : thumbnails) {
        if (!file.starts_with(core) || !file.ends_with(kThumbnailExtension)) continue;
        const std::string_view name =
            std::string_view(file).substr(0, file.size() - kThumbnailExtension.size());
        // The tail is what follows core and one more character, read from the end of the name.
        const auto tailLength =
            static_cast<std::int64_t>(name.size()) - static_cast<std::int64_t>(core.size()) - 1;
        const std::int64_t value =
            tailLength > 0
                ? ReadLeadingInteger(name.substr(name.size() - static_cast<std::size_t>(tailLength)))
                : 0;
        if (value > highest) highest = value;
    }
    if (highest == std::numeric_limits<std::int64_t>::max()) return {};
    return NumberedBehaviourName(core, highest + 1);
}

std::string NumberedBehaviourName(const std::string& core, std::int64_t number) {
    std::string digits = std::to_string(number);
    if (digits.size() < kMinimumDigits) digits.insert(0, kMinimumDigits - digits.size(), '0');
    return core + "-" + digits;
}

std::string NextFreeBehaviourName(const std::string& core, const std::string& library) {
    std::string name = NextBehaviourName(core, ThumbsFolder(library));
    if (name.empty()) return {};
    std::int64_t number = ReadLeadingInteger(std::string_view(name).substr(core.size() + 1));
    const auto taken = [&](const std::string& candidate) {
        return FileExists(BehaviourPath(library, candidate)) || FileExists(TagDbPath(library, candidate)) ||
               FileExists(ThumbnailPath(library, candidate));
    };
    while (taken(name)) {
        if (number == std::numeric_limits<std::int64_t>::max()) return {};
        name = NumberedBehaviourName(core, ++number);
    }
    return name;
}

}  // namespace motivra
