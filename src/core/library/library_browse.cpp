#include "core/library/library_browse.h"

#include <algorithm>
#include <unordered_set>

namespace motivra {

namespace {

char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Each name once, in the order first met: a name in two folders is one entry, which ShowNames shows twice.
std::vector<std::string> Distinct(const std::vector<std::string>& names) {
    std::vector<std::string> out;
    std::unordered_set<std::string_view> seen;
    for (const std::string& name : names)
        if (seen.insert(name).second) out.push_back(name);
    return out;
}

}  // namespace

bool NameContains(std::string_view name, std::string_view text) {
    const auto same = [](char a, char b) { return Folded(a) == Folded(b); };
    return std::search(name.begin(), name.end(), text.begin(), text.end(), same) != name.end() ||
           text.empty();
}

bool BehaviourMatches(std::string_view name, std::string_view thumbnailText, std::string_view search) {
    return NameContains(name, search) || NameContains(thumbnailText, search);
}

std::string BehaviourTitle(std::string_view name, std::string_view thumbnailText) {
    if (thumbnailText.empty()) return std::string(name);
    return std::string(thumbnailText) + " (" + std::string(name) + ")";
}

std::vector<std::string> UntaggedBehaviours(const std::vector<std::string>& listing, const TagTable& table) {
    std::unordered_set<std::string> linked;
    for (const TagEntry& entry : table.Entries())
        for (const std::string& link : entry.links) linked.insert(TrimLink(link));
    std::vector<std::string> untagged;
    for (const std::string& name : Distinct(listing))
        if (!linked.contains(TrimLink(name))) untagged.push_back(name);
    return untagged;
}

std::vector<std::string> TagsOf(const TagTable& table, std::string_view name) {
    std::vector<std::string> tags;
    for (const TagEntry& entry : table.Entries()) {
        if (std::any_of(entry.links.begin(), entry.links.end(),
                        [&](const std::string& link) { return LinkNames(link, name); }))
            tags.push_back(entry.name);
    }
    return tags;
}

UserText BehaviourTipText(std::string_view title, const std::vector<std::string>& tags) {
    if (tags.empty()) return UiText("Library", "%1\nNo tags").Arg(std::string(title));
    std::string names;
    for (std::size_t i = 0; i < tags.size(); ++i) names += (i == 0 ? "" : ", ") + tags[i];
    return UiText("Library", "%1\nTags: %2").Arg(std::string(title)).Arg(names);
}

TagChoice ChooseByTags(TagTable& table, TagState untagged, const std::vector<std::string>& listing) {
    table.CaptureSelection();
    const bool anyTag = !table.CapturedSelected().empty();
    if (untagged == TagState::Selected)
        return {true, anyTag ? std::vector<std::string>{} : UntaggedBehaviours(listing, table)};
    return {anyTag, anyTag ? table.TagFilter() : std::vector<std::string>{}};
}

std::optional<std::vector<std::string>> BrowseNames(const TagChoice& choice,
                                                    const std::vector<std::string>& listing,
                                                    std::string_view search, Unchosen unchosen,
                                                    const ThumbnailTextOf& textOf) {
    if (!choice.chosen && search.empty()) {
        if (unchosen == Unchosen::ShowAll) return std::nullopt;
        return std::vector<std::string>{};
    }
    std::vector<std::string> names = choice.chosen ? choice.names : Distinct(listing);
    if (search.empty()) return names;
    std::erase_if(names, [&](const std::string& name) {
        return !BehaviourMatches(name, textOf ? textOf(name) : std::string(), search);
    });
    return names;
}

}  // namespace motivra
