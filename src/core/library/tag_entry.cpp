#include "core/library/tag_entry.h"

namespace motivra {

std::string TrimLink(std::string link) {
    const auto last = link.find_last_of(kTagAllowedCharacters);
    link.erase(last == std::string::npos ? 0 : last + 1);
    return link;
}

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto last = text.find_last_of(kTagAllowedCharacters);
    return text.substr(0, last == std::string_view::npos ? 0 : last + 1);
}

}  // namespace

bool LinkNames(std::string_view link, std::string_view behaviour) {
    return Trimmed(link) == Trimmed(behaviour);
}

}  // namespace motivra
