#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace motivra {

enum class TagState : int { Unselected = -1, Selected = 1, Subtracted = 2 };

struct TagEntry {
    std::string name;
    // Links in the tag file when the entry was loaded; 0 for a tag added since. Only sizes the tag's font.
    int weight = 0;
    TagState state = TagState::Unselected;
    // Names of the behaviours linked to the tag, in order.
    std::vector<std::string> links;
};

// The characters a link may end with; anything else at its end is trimmed before a tag file is written.
inline constexpr const char* kTagAllowedCharacters =
    "1234567890qwertyuioplkjhgfdsazxcvbnmQWERTYUIOPLKJHGFDSAZXCVBNM-[]{})(";

// The link without every trailing character outside kTagAllowedCharacters; characters inside stay.
std::string TrimLink(std::string link);

// Whether a link names the behaviour: the two are equal once both are trimmed as a tag file trims its links,
// so "vmrk-1000" is linked by "vmrk-1000 " but not by "vmrk-10000".
bool LinkNames(std::string_view link, std::string_view behaviour);

}  // namespace motivra
