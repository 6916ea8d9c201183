#include "core/library/tag_table.h"

#include <algorithm>
#include <functional>
#include <string_view>

#include "core/library/library_names.h"

namespace motivra {

namespace {

// Membership in one tag's links: an open-addressing hash table of pointers to them, at most half full, built
// with a single allocation.
class LinkSet {
public:
    explicit LinkSet(const std::vector<std::string>& links) {
        std::size_t capacity = 16;
        while (capacity < 2 * links.size()) capacity *= 2;
        mask_ = capacity - 1;
        slots_.assign(capacity, nullptr);
        for (const std::string& link : links) {
            std::size_t at = Hash(link) & mask_;
            while (slots_[at] != nullptr) at = (at + 1) & mask_;
            slots_[at] = &link;
        }
    }

    bool Contains(const std::string& name) const {
        for (std::size_t at = Hash(name) & mask_; slots_[at] != nullptr; at = (at + 1) & mask_) {
            if (*slots_[at] == name) return true;
        }
        return false;
    }

private:
    static std::size_t Hash(const std::string& text) { return std::hash<std::string>{}(text); }

    std::size_t mask_ = 0;
    std::vector<const std::string*> slots_;
};

// Keeps the elements of result that are (keep = true) or are not (keep = false) among links, in order.
void FilterBy(std::vector<const std::string*>& result, const std::vector<std::string>& links, bool keep) {
    const LinkSet set(links);
    std::erase_if(result, [&](const std::string* name) { return set.Contains(*name) != keep; });
}

}  // namespace

void TagTable::Reindex() {
    indexByName_.clear();
    for (std::size_t i = 0; i < entries_.size(); ++i)
        indexByName_.emplace(entries_[i].name, static_cast<int>(i));
}

void TagTable::RecountWeights() {
    if (entries_.empty()) {
        minWeight_ = maxWeight_ = 0;
        return;
    }
    const auto [lowest, highest] =
        std::minmax_element(entries_.begin(), entries_.end(),
                            [](const TagEntry& a, const TagEntry& b) { return a.weight < b.weight; });
    minWeight_ = lowest->weight;
    maxWeight_ = highest->weight;
}

void TagTable::SetState(int index, TagState state) {
    if (index >= 0 && index < Count()) entries_[static_cast<std::size_t>(index)].state = state;
}

bool TagTable::AddEntry(const std::string& name, int weight) {
    if (!IsAcceptableTagName(name) || indexByName_.contains(name)) return false;
    minWeight_ = entries_.empty() ? weight : std::min(minWeight_, weight);
    maxWeight_ = entries_.empty() ? weight : std::max(maxWeight_, weight);
    indexByName_.emplace(name, Count());
    entries_.push_back(TagEntry{name, weight, TagState::Unselected, {}});
    return true;
}

int TagTable::FindTag(const std::string& name) const {
    const auto found = indexByName_.find(name);
    return found == indexByName_.end() ? -1 : found->second;
}

void TagTable::ClearStates() {
    for (TagEntry& entry : entries_) entry.state = TagState::Unselected;
}

void TagTable::CaptureSelection() {
    capturedSelected_.clear();
    capturedSubtracted_.clear();
    for (const TagEntry& entry : entries_) {
        if (entry.state == TagState::Selected) capturedSelected_.push_back(entry.name);
        if (entry.state == TagState::Subtracted) capturedSubtracted_.push_back(entry.name);
    }
}

int TagTable::CountSelected() const {
    return static_cast<int>(std::count_if(entries_.begin(), entries_.end(),
                                          [](const TagEntry& e) { return e.state == TagState::Selected; }));
}

std::string TagTable::SelectedTagsText() const {
    std::string text;
    for (const TagEntry& entry : entries_) {
        if (entry.state == TagState::Selected) text += entry.name + "  ";
    }
    constexpr std::string_view kWhite = " \t\r\n\v\f";
    const auto first = text.find_first_not_of(kWhite);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(kWhite) - first + 1);
}

// A set look-up instead of comparing every element with every link: the same result in the same order, in
// time linear in the links. The result points into the first tag's links until the end.
std::vector<std::string> TagTable::TagFilter() const {
    if (capturedSelected_.empty()) return {};
    const int first = FindTag(capturedSelected_.front());
    if (first < 0) return {};
    std::vector<const std::string*> result;
    for (const std::string& link : entries_[static_cast<std::size_t>(first)].links) result.push_back(&link);
    for (std::size_t i = 1; i < capturedSelected_.size(); ++i) {
        const int index = FindTag(capturedSelected_[i]);
        if (index >= 0) FilterBy(result, entries_[static_cast<std::size_t>(index)].links, true);
    }
    for (const std::string& name : capturedSubtracted_) {
        const int index = FindTag(name);
        if (index >= 0) FilterBy(result, entries_[static_cast<std::size_t>(index)].links, false);
    }
    std::vector<std::string> names;
    names.reserve(result.size());
    for (const std::string* name : result) names.push_back(*name);
    return names;
}

double TagTable::FontStep() const { return (static_cast<double>(maxWeight_) - minWeight_ + 1) / kFontCount; }

int TagTable::FontBucket(int index) const {
    const double bucket = (static_cast<double>(Entry(index).weight) - minWeight_) / FontStep();
    return std::clamp(static_cast<int>(bucket), 0, kFontCount - 1);
}

}  // namespace motivra
