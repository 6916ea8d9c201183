#include "core/skin/grid_state.h"

#include <algorithm>

namespace motivra {

void GridState::Relayout() {
    layout_ = LayoutGrid(clientWidth_, clientHeight_, cellWidth_, cellHeight_, itemCount_, topRow_);
    topRow_ = layout_.topRow;
}

const GridLayout& GridState::Layout(int clientWidth, int clientHeight) {
    clientWidth_ = clientWidth;
    clientHeight_ = clientHeight;
    Relayout();
    return layout_;
}

void GridState::SetItemSize(int width, int height) {
    if (width > 5) cellWidth_ = width + GridLayout::kCellMargin;
    if (height > 5) cellHeight_ = height + GridLayout::kCellMargin;
    Relayout();
}

void GridState::SetItemCount(int n) {
    itemCount_ = std::max(n, 0);
    selected_.assign(static_cast<std::size_t>(itemCount_), 0);
    selectedCount_ = 0;
    Relayout();
}

void GridState::ResetSelection() {
    topRow_ = 0;
    dragging_ = false;
    SetItemCount(0);
}

void GridState::RemoveItemFlag(int i) {
    if (i < 0 || i >= itemCount_) return;
    if (selected_[static_cast<std::size_t>(i)] != 0) --selectedCount_;
    selected_.erase(selected_.begin() + i);
    --itemCount_;
    Relayout();
}

void GridState::SetFlag(int i, bool value) {
    if (i < 0 || i >= itemCount_) return;
    std::uint8_t& flag = selected_[static_cast<std::size_t>(i)];
    selectedCount_ += (value ? 1 : 0) - (flag != 0 ? 1 : 0);
    flag = value ? 1 : 0;
}

bool GridState::IsSelected(int i) const {
    return i >= 0 && i < itemCount_ && selected_[static_cast<std::size_t>(i)] != 0;
}

int GridState::GetSelected() const {
    if (multiSelect_ || selectedCount_ == 0) return -1;
    const auto found = std::find(selected_.begin(), selected_.end(), std::uint8_t{1});
    return found == selected_.end() ? -1 : static_cast<int>(found - selected_.begin());
}

bool GridState::ClearSelection() {
    if (selectedCount_ == 0) return false;
    std::fill(selected_.begin(), selected_.end(), std::uint8_t{0});
    selectedCount_ = 0;
    return true;
}

GridPress GridState::Press(int x, int y, int& hitItem, bool& changed) {
    hitItem = -1;
    changed = false;
    const int item = layout_.HitItem(x, y);
    if (item >= 0) {
        if (item >= itemCount_) {
            // An empty cell: nothing to select; in single selection the previous choice goes.
            changed = !multiSelect_ && ClearSelection();
            return GridPress::Item;
        }
        hitItem = item;
        if (IsSelected(item)) {
            SetFlag(item, false);
        } else {
            if (!multiSelect_) ClearSelection();
            SetFlag(item, true);
        }
        changed = true;
        return GridPress::Item;
    }
    if (!layout_.showThumb || x < layout_.gridWidth) return GridPress::None;
    if (layout_.thumb.Contains(x, y)) {
        dragging_ = true;
        dragStart_ = {x, y};
        dragTopRow_ = topRow_;
        changed = true;
        return GridPress::Thumb;
    }
    if (y >= layout_.thumb.top) {
        changed = PageDown();
        return GridPress::PageDown;
    }
    changed = PageUp();
    return GridPress::PageUp;
}

bool GridState::Drag(int y) {
    if (!dragging_) return false;
    return SetTopRow(layout_.DraggedTopRow(dragTopRow_, y - dragStart_.y));
}

bool GridState::Release() {
    const bool wasDragging = dragging_;
    dragging_ = false;
    const bool cleared = clearOnRelease_ && ClearSelection();
    return wasDragging || cleared;
}

bool GridState::SetTopRow(int row) {
    const int previous = topRow_;
    topRow_ = std::clamp(row, 0, layout_.MaxTopRow());
    Relayout();
    return topRow_ != previous;
}

bool GridState::ScrollRows(int rows) {
    if (!layout_.showThumb) return false;
    return SetTopRow(static_cast<int>(
        std::clamp<long long>(static_cast<long long>(topRow_) + rows, 0, layout_.MaxTopRow())));
}

bool GridState::PageDown() {
    if (topRow_ >= layout_.hiddenRows) return false;
    return SetTopRow(std::min(topRow_ + layout_.rows, layout_.MaxTopRow()));
}

bool GridState::PageUp() {
    if (topRow_ <= 0) return false;
    return SetTopRow(std::max(topRow_ - layout_.rows, 0));
}

int GridKeyTarget(GridKey key, int selected, int count, int columns, int pageRows) {
    if (count <= 0) return -1;
    if (selected < 0 || selected >= count) return key == GridKey::End ? count - 1 : 0;
    const int across = std::max(columns, 1);
    const int page = across * std::max(pageRows, 1);
    int target = selected;
    switch (key) {
        case GridKey::Left:
            target = selected - 1;
            break;
        case GridKey::Right:
            target = selected + 1;
            break;
        case GridKey::Up:
            target = selected >= across ? selected - across : selected;
            break;
        case GridKey::Down:
            if (selected / across < (count - 1) / across) target = std::min(selected + across, count - 1);
            break;
        case GridKey::PageUp:
            target = selected - page;
            break;
        case GridKey::PageDown:
            target = selected + page;
            break;
        case GridKey::Home:
            target = 0;
            break;
        case GridKey::End:
            target = count - 1;
            break;
    }
    return std::clamp(target, 0, count - 1);
}

}  // namespace motivra
