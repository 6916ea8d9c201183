#include "core/colour_setup/scheme_swatch_model.h"

#include <utility>

namespace motivra {

void SchemeSwatchModel::SetName(int row, std::string name) {
    if (Valid(row)) names_[static_cast<std::size_t>(row)] = std::move(name);
}

void SchemeSwatchModel::SetColour(int row, SchemeColour colour) {
    if (Valid(row)) colours_[static_cast<std::size_t>(row)] = colour;
}

std::string SchemeSwatchModel::Name(int row) const {
    return Valid(row) ? names_[static_cast<std::size_t>(row)] : std::string();
}

SchemeColour SchemeSwatchModel::GetColour(int row) const {
    return Valid(row) ? colours_[static_cast<std::size_t>(row)] : SchemeColour();
}

SchemeColour SchemeSwatchModel::GetSelectedRowColour() const { return GetColour(selected_); }

bool SchemeSwatchModel::SetSelectedRowColour(SchemeColour colour) {
    if (!Valid(selected_)) return false;
    colours_[static_cast<std::size_t>(selected_)] = colour;
    return true;
}

void SchemeSwatchModel::Press(int row) {
    pressed_ = true;
    selected_ = Valid(row) ? row : kNone;
}

bool SchemeSwatchModel::DragOver(int row) {
    if (!pressed_) return false;
    const int under = Valid(row) ? row : kNone;
    if (under == selected_) return false;
    selected_ = under;
    return true;
}

void SchemeSwatchModel::Release() {
    if (!pressed_) return;
    pressed_ = false;
    if (selected_ == previous_) selected_ = kNone;
    previous_ = selected_;
}

}  // namespace motivra
