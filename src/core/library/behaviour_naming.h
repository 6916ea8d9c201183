#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace motivra {

inline constexpr const char* kDefaultCoreName = "vmrk";

// The leading decimal integer of text as a standard text-to-integer conversion reads it: optional white
// space and sign, then digits up to the first other character; 0 when there are none. Saturates at the
// limits of 64 bits instead of overflowing.
std::int64_t ReadLeadingInteger(std::string_view text);

// The name a new behaviour of core name gets: core + "-" + one more than the highest number among the
// thumbnails core*.bmp in thumbsFolder, zero-padded to four digits (five or more written in full). The
// thumbnails decide the numbering, so deleting the highest-numbered behaviour frees its number again.
// Empty when thumbsFolder is not a folder, when core is not an acceptable core name, or when the highest
// number leaves no next one.
std::string NextBehaviourName(const std::string& core, const std::string& thumbsFolder);

// core + "-" + number, the number zero-padded to four digits.
std::string NumberedBehaviourName(const std::string& core, std::int64_t number);

// The name the Save dialog gives a new behaviour of core name in library: NextBehaviourName from the
// library's thumbs folder, moved on past every number whose behaviour, tag database or thumbnail is already
// there, so a behaviour that lost its thumbnail is never overwritten by the next save. Empty as
// NextBehaviourName is, or when no number is left.
std::string NextFreeBehaviourName(const std::string& core, const std::string& library);

}  // namespace motivra
