#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/library/tag_entry.h"

namespace motivra {

// The library's tags with their links, as the tag list holds and shows them: read from the tag files, with
// each tag's state in the dialog and the filter over them. The table never writes a file: every change of
// the library is made onto the files as they are on disk (library_edits), after which the table is read
// again (Refresh). It has no fixed capacity; tag names are unique in it and are acceptable file names.
class TagTable {
public:
    static constexpr int kFontCount = 6;
    // The most a library's tag files may hold together, so that loading a library costs memory in proportion
    // to it (each link a few dozen bytes at most) whatever its files hold. Tag files past either limit are
    // not read, and the table says so (ExceedsLimits).
    static constexpr std::uintmax_t kMaxTotalTagBytes = std::uintmax_t{64} << 20;
    static constexpr std::size_t kMaxTotalLinks = 2'000'000;

    // The tag list's folder: name itself when it is a folder, else the tag-list search beside the program;
    // then "/tags/" below it. No library leaves the tag folder empty and every file operation does nothing.
    void SetFolder(const std::string& name, const std::string& programPath);
    // tagFolder ends with a separator; empty for none.
    void SetTagFolder(std::string tagFolder) { tagFolder_ = std::move(tagFolder); }
    const std::string& TagFolder() const { return tagFolder_; }

    int Count() const { return static_cast<int>(entries_.size()); }
    const TagEntry& Entry(int index) const { return entries_.at(static_cast<std::size_t>(index)); }
    const std::vector<TagEntry>& Entries() const { return entries_; }
    // Ignored for an index outside the table.
    void SetState(int index, TagState state);

    // Reading. Each does nothing while the tag folder (or the folder given) does not exist.
    // Replaces the table by the tags of the "*.tag" files of the tag folder, in listing order, each with the
    // links of its file and a weight of their number. Files whose names are no acceptable tag names are
    // skipped. A file that cannot be read (no permission, not a regular file, too large, or past the
    // library's limits) gives an entry without links whose read error says why.
    void LoadTags();
    // Why the entry's file could not be read by the last LoadTags; empty when it was read, or the tag was
    // added since.
    const std::string& ReadError(int index) const;
    bool IsReadable(int index) const { return ReadError(index).empty(); }
    // The indexes of the entries whose files could not be read, in table order.
    std::vector<int> UnreadableTags() const;
    // Whether the last LoadTags left files unread because the library's tag files exceed kMaxTotalTagBytes
    // or kMaxTotalLinks together.
    bool ExceedsLimits() const { return exceedsLimits_; }
    // The read error of the tag files left unread for that reason.
    static std::string LimitsText();
    // LoadTags again, for a library that changed on disk: the states, and the captured selection, stay with
    // the tags of the same names that are still there.
    void Refresh();
    // Selects exactly the tags the file names, adding the ones not yet in the table (weight 0). An empty
    // path or unreadable file leaves every tag Unselected: false then for an unreadable file, with the
    // reason in *error.
    bool ReadTagDb(const std::string& path, std::string* error = nullptr);
    // Selects exactly the tags named, as ReadTagDb does with the lines of a tag database.
    void SelectNames(const std::vector<std::string>& names);

    // Appends a tag, Unselected and without links. Refuses (false) a name already in the table and a name
    // that is not an acceptable tag name.
    bool AddEntry(const std::string& name, int weight);
    bool AddTag(const std::string& name) { return AddEntry(name, 0); }
    // Index of the entry of exactly this name, -1 if none.
    int FindTag(const std::string& name) const;

    void ClearStates();

    // Remembers the names of the Selected and of the Subtracted entries, in table order, for TagFilter.
    void CaptureSelection();
    const std::vector<std::string>& CapturedSelected() const { return capturedSelected_; }
    const std::vector<std::string>& CapturedSubtracted() const { return capturedSubtracted_; }
    int CountSelected() const;
    // The Selected names in table order, two blanks after each, white space trimmed from both ends.
    std::string SelectedTagsText() const;
    // The behaviours of the captured selection: the first Selected tag's links in their order (repeats
    // kept), less those missing from any further Selected tag, less those of any Subtracted tag. Empty
    // when nothing is Selected. Captured names no longer in the table are passed over.
    std::vector<std::string> TagFilter() const;

    // Font sizes of the tag cloud: lowest and highest weight of the current entries, a step of
    // (highest - lowest + 1) / 6, and each entry's bucket (weight - lowest) / step, cut toward zero, 0..5.
    int MinWeight() const { return minWeight_; }
    int MaxWeight() const { return maxWeight_; }
    double FontStep() const;
    int FontBucket(int index) const;

private:
    void Reindex();
    void RecountWeights();

    std::string tagFolder_;
    std::vector<TagEntry> entries_;
    std::unordered_map<std::string, int> indexByName_;
    std::vector<std::string> capturedSelected_;
    std::vector<std::string> capturedSubtracted_;
    // Read errors of the last LoadTags by tag name, so they follow their entries through removals.
    std::unordered_map<std::string, std::string> readErrors_;
    bool exceedsLimits_ = false;
    // Kept up to date with every change of the entries or their weights; both 0 for an empty table.
    int minWeight_ = 0;
    int maxWeight_ = 0;
};

// The tag table of a library folder, loaded from its tag files; empty when it has no tag folder.
TagTable LoadLibraryTags(const std::string& library);

}  // namespace motivra
