#include "core/colour_setup/setup_ui_model.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/colour_setup/swatch_spread.h"
#include "core/colour_setup/text_contrast.h"

namespace motivra {

void SetupUiModel::Load(const SchemeSource& source) {
    state_ = SetupUiState{};
    for (int i = 0; i < kUiSlotCount; ++i) {
        const UiSlot& slot = kUiSlots[static_cast<std::size_t>(i)];
        state_.colours[static_cast<std::size_t>(i)] = source.ReadColour(slot.valueName, slot.defaultColour);
    }
    state_.buttonFace = source.ReadNumber(scheme::kButtonFace, scheme::kDefaultButtonFace);
}

void SetupUiModel::DefaultSwatch() {
    for (int i = 0; i < kUiSlotCount; ++i)
        state_.colours[static_cast<std::size_t>(i)] = kUiSlots[static_cast<std::size_t>(i)].defaultColour;
    state_.buttonFace = scheme::kDefaultButtonFace;
}

bool SetupUiModel::UseColour(SchemeColour colour, int selectedSlot) {
    if (state_.spread) {
        state_.colours = SpreadColour(colour, state_.colours);
        return true;
    }
    if (selectedSlot < 0 || selectedSlot >= kUiSlotCount) return false;
    state_.colours[static_cast<std::size_t>(selectedSlot)] = colour;
    return true;
}

SwatchClick SetupUiModel::ClickSwatch(int hitIndex) const {
    if (hitIndex < 0) return SwatchClick::Nothing;
    return state_.deleteSwatch ? SwatchClick::Delete : SwatchClick::CopyToSlots;
}

PaletteClick SetupUiModel::ClickPalette(bool paletteView, int hitIndex, bool backCell) const {
    if (hitIndex < 0) return PaletteClick::Nothing;
    if (!paletteView) return PaletteClick::OpenFile;
    // The back cell leads back in delete mode too: only colours are ever deleted.
    if (backCell) return PaletteClick::Back;
    return state_.deleteColours ? PaletteClick::DeleteColour : PaletteClick::UseColour;
}

TestUiColours SetupUiModel::TestUi() const {
    const UiSlots& s = state_.colours;
    return {s[0], s[1], s[2], s[3], s[4], s[5], FlipRedBlue(s[1]), state_.buttonFace};
}

std::vector<SchemeWrite> SetupUiModel::OkWrites() const {
    std::vector<SchemeWrite> writes;
    for (int i = 0; i < kUiSlotCount; ++i)
        writes.push_back({kUiSlots[static_cast<std::size_t>(i)].valueName,
                          state_.colours[static_cast<std::size_t>(i)].Value()});
    writes.push_back({scheme::kButtonFace, state_.buttonFace});
    return writes;
}

UserText SetupUiModel::ContrastNote() const {
    const UiSlots& s = state_.colours;
    const TextContrastCheck check = CheckTextContrast(s);
    if (!check.Any()) return {};
    const auto slotName = [](int i) {
        return UserText{"SetupUi", std::string(kUiSlots[static_cast<std::size_t>(i)].name), {}};
    };
    UserText where;
    double ratio = 21.0;
    if (check.onDialogBG) {
        where = slotName(0);
        ratio = ContrastRatio(s[4], s[0]);
    }
    if (check.onGroupBG) {
        where = where.empty() ? slotName(1)
                              : UiText("SetupUi", "%1 and %2").Arg(std::move(where)).Arg(slotName(1));
        ratio = std::min(ratio, ContrastRatio(s[4], s[1]));
    }
    // Cut, not rounded, to one decimal, so a ratio just under 3 never reads "3.0:1".
    char figure[16];
    std::snprintf(figure, sizeof figure, "%.1f", std::floor(ratio * 10.0) / 10.0);
    return UiText("SetupUi", "Text is hard to read on %1 (contrast %2:1).").Arg(std::move(where)).Arg(figure);
}

}  // namespace motivra
