#include "core/library/tag_entry.h"

namespace motivra {

std::string TrimLink(std::string link) {
    const auto last = link.find_last_of(kTagAllowedCharacters);
    link.erase(last == std::string::npos ? 0 : last + 1);
    return link;
}

}  // namespace motivra
