#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/library/tag_entry.h"
#include "core/library/tag_table.h"
#include "core/text/user_text.h"

namespace motivra {

// Whether a behaviour's name holds the text, ASCII letters compared without case (names are file names, so
// other bytes compare as they are). Every name holds the empty text.
bool NameContains(std::string_view name, std::string_view text);

// Whether a behaviour is found by the search text: its name or its thumbnail text holds it, the text under
// its thumbnail being what the user knows it by.
bool BehaviourMatches(std::string_view name, std::string_view thumbnailText, std::string_view search);

// How the user sees a behaviour in words: "wobble (vmrk-0003)", or the bare name when it has no text.
std::string BehaviourTitle(std::string_view name, std::string_view thumbnailText);

// A behaviour's thumbnail text in UTF-8, by name.
using ThumbnailTextOf = std::function<std::string(const std::string& name)>;

// The behaviours of a listing that no tag of the table links, in listing order, each name once.
std::vector<std::string> UntaggedBehaviours(const std::vector<std::string>& listing, const TagTable& table);

// The tags of the table that link the behaviour, in table order.
std::vector<std::string> TagsOf(const TagTable& table, std::string_view name);
// A grid cell's balloon: the behaviour's title, then its tags ("Tags: a, b") or "No tags".
UserText BehaviourTipText(std::string_view title, const std::vector<std::string>& tags);

// What the grid shows while no tag and not the "(untagged)" entry is chosen: nothing (the Load dialog,
// until a name is typed) or every behaviour (the Edit Tags dialog).
enum class Unchosen { ShowNone, ShowAll };

// The tag list's side of what the grid shows, taken at a tag click. With the "(untagged)" entry Selected
// the grid shows the behaviours without tags, none when a tag is Selected too (they have none); otherwise
// the tag filter of the table's selection.
struct TagChoice {
    bool chosen = false;             // a tag, or the "(untagged)" entry, is Selected
    std::vector<std::string> names;  // their behaviours
};
TagChoice ChooseByTags(TagTable& table, TagState untagged, const std::vector<std::string>& listing);

// The names the grid shows for a tag choice and the text of the search box, in the order ShowNames takes;
// textOf is asked only while a search text is typed. Nullopt: every behaviour, as listed (nothing chosen and
// nothing typed, with Unchosen::ShowAll).
std::optional<std::vector<std::string>> BrowseNames(const TagChoice& choice,
                                                    const std::vector<std::string>& listing,
                                                    std::string_view search, Unchosen unchosen,
                                                    const ThumbnailTextOf& textOf);

}  // namespace motivra
