#include "core/editor/editor_step.h"

#include <algorithm>
#include <utility>

namespace motivra {

namespace {

std::size_t StringHeapBytes(const std::string& s) {
    // Short texts live inside the string itself; longer ones take their capacity and a terminator.
    return s.capacity() > std::string().capacity() ? s.capacity() + 1 : 0;
}

}  // namespace

EditorStep::EditorStep(const EditOrigin& origin, const EditorState& before, const EditorState& after)
    : origin_(origin), scalars_(ScalarsOf(before)) {
    for (int r = 0; r < kParameterCount; ++r) {
        const std::size_t i = static_cast<std::size_t>(r);
        if (before.rows[i] != after.rows[i]) rows_.push_back({static_cast<std::uint8_t>(r), before.rows[i]});
    }
    rows_.shrink_to_fit();
    if (!(TextsOf(before) == TextsOf(after))) texts_ = std::make_unique<Texts>(TextsOf(before));
}

EditorStep::EditorStep(const EditorStep& other)
    : origin_(other.origin_),
      done_(other.done_),
      rows_(other.rows_),
      scalars_(other.scalars_),
      texts_(other.texts_ ? std::make_unique<Texts>(*other.texts_) : nullptr) {}

EditorStep& EditorStep::operator=(const EditorStep& other) {
    EditorStep copy(other);
    *this = std::move(copy);
    return *this;
}

EditorStep::Scalars EditorStep::ScalarsOf(const EditorState& s) {
    return {s.options, s.currentRow, s.timeline, s.transport, s.saveEnabled, s.saveAsEnabled};
}

EditorStep::Texts EditorStep::TextsOf(const EditorState& s) {
    return {s.thumbnailText, s.shownThumbnailText, s.currentPath};
}

bool EditorStep::Changes(const EditorState& now) const {
    for (const RowValue& held : rows_) {
        if (held.value != now.rows[held.row]) return true;
    }
    if (scalars_.options != now.options || scalars_.saveEnabled != now.saveEnabled) return true;
    return texts_ != nullptr && !(*texts_ == TextsOf(now));
}

void EditorStep::Undo(EditorState& state) {
    if (!done_) return;
    Exchange(state);
    done_ = false;
}

void EditorStep::Redo(EditorState& state) {
    if (done_) return;
    Exchange(state);
    done_ = true;
}

void EditorStep::Exchange(EditorState& state) {
    for (RowValue& held : rows_) std::swap(held.value, state.rows[held.row]);
    const Scalars shown = ScalarsOf(state);
    state.options = scalars_.options;
    state.currentRow = scalars_.currentRow;
    state.timeline = scalars_.timeline;
    state.transport = scalars_.transport;
    state.saveEnabled = scalars_.saveEnabled;
    state.saveAsEnabled = scalars_.saveAsEnabled;
    scalars_ = shown;
    if (texts_) {
        std::swap(texts_->thumbnailText, state.thumbnailText);
        std::swap(texts_->shownThumbnailText, state.shownThumbnailText);
        std::swap(texts_->currentPath, state.currentPath);
    }
}

bool EditorStep::Absorb(const EditorStep& next) {
    if (!done_ || !next.done_ || !JoinsStep(origin_, next.origin_)) return false;
    // What this step holds is older for every part both touched, so it stays; parts only the next step
    // touched were, before this step too, as the next step holds them.
    for (const RowValue& held : next.rows_) {
        const auto at = std::lower_bound(rows_.begin(), rows_.end(), held.row,
                                         [](const RowValue& v, std::uint8_t row) { return v.row < row; });
        if (at == rows_.end() || at->row != held.row) rows_.insert(at, held);
    }
    if (!texts_ && next.texts_) texts_ = std::make_unique<Texts>(*next.texts_);
    return true;
}

std::size_t EditorStep::HeapBytes() const {
    std::size_t bytes = rows_.capacity() * sizeof(RowValue);
    if (texts_) {
        bytes += sizeof(Texts) + StringHeapBytes(texts_->thumbnailText) +
                 StringHeapBytes(texts_->shownThumbnailText) + StringHeapBytes(texts_->currentPath);
    }
    return bytes;
}

}  // namespace motivra
