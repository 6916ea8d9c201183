#include "core/colour_setup/palette_model.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/colour_setup/file_name_rules.h"
#include "core/io/file_io.h"

namespace motivra {

namespace {

namespace fs = std::filesystem;

constexpr const char* kPaletteEnding = ".vmp";
constexpr const char* kAdobeEnding = ".aco";

std::string InFolder(const std::string& folder, const std::string& name) {
    return (fs::path(folder) / name).string();
}

PaletteRecord BackCell() {
    PaletteRecord record;
    record.kind = kBackCellKind;
    return record;
}

}  // namespace

void PaletteModel::Reset() {
    items_.clear();
    names_.clear();
    previews_.clear();
    paletteView_ = false;
    changed_ = false;
}

bool PaletteModel::SetPalette(const std::string& name) {
    Reset();
    if (name.empty()) {
        paletteName_.clear();
        return true;
    }
    if (!IsPlainFileName(name)) {
        paletteName_.clear();
        return false;
    }
    paletteName_ = WithEnding(name, kPaletteEnding, kAdobeEnding);
    return true;
}

void PaletteModel::Open(const FolderLister& listFolder) {
    if (folder_.empty()) return;
    if (paletteName_.empty()) {
        BuildFolderView(listFolder(folder_));
        return;
    }
    const std::string path = InFolder(folder_, paletteName_);
    std::error_code ec;
    if (fs::is_regular_file(path, ec)) Load(path);
}

void PaletteModel::Load(const std::string& path) {
    const std::vector<std::uint8_t> bytes =
        ReadFilePrefix(path, kPaletteReadLimit).value_or(std::vector<std::uint8_t>{});
    const std::vector<PaletteRecord> colours = CleanUpPaletteColours(DecodePaletteRecords(bytes));
    names_.clear();
    previews_.clear();
    items_.clear();
    items_.reserve(kMaxPaletteItems);
    items_.push_back(BackCell());
    items_.insert(items_.end(), colours.begin(), colours.end());
    paletteView_ = true;
    changed_ = false;
}

void PaletteModel::BuildFolderView(const std::vector<std::string>& names) {
    items_.clear();
    names_ = names;
    previews_.clear();
    previews_.reserve(names_.size());
    for (const std::string& name : names_) {
        const auto bytes = IsPlainFileName(name)
                               ? ReadFilePrefix(InFolder(folder_, name), 4 + 4 * kPaletteRecordSize)
                               : std::nullopt;
        previews_.push_back(DecodePalettePreview(bytes.value_or(std::vector<std::uint8_t>{})));
    }
    paletteView_ = false;
    if (!names_.empty()) changed_ = false;
}

bool PaletteModel::Save(std::string* error) {
    const auto fail = [error](const char* why) {
        if (error != nullptr) *error = why;
        return false;
    };
    if (!changed_) return fail("nothing changed");
    if (folder_.empty() || paletteName_.empty() || !paletteView_) return fail("no palette open");
    if (EndsWithIgnoringCase(paletteName_, kAdobeEnding)) {
        paletteName_.replace(paletteName_.size() - 3, 3, "vmp");
    }
    const std::string path = InFolder(folder_, paletteName_);
    if (IsWriteProtected(path)) return fail("the file is write-protected");
    const std::vector<PaletteRecord> colours = Colours();
    if (!WriteFileAtomically(path, EncodePaletteFile(colours), error)) return false;
    changed_ = false;
    return true;
}

bool PaletteModel::AddColour(RgbColour rgb) {
    if (!paletteView_) return false;
    const PaletteRecord added = PaletteRecord::FromRgb(rgb);
    const bool present = std::any_of(items_.begin() + 1, items_.end(),
                                     [&added](const PaletteRecord& r) { return r.SameColour(added); });
    if (present || ItemCount() >= kMaxPaletteItems) return false;
    items_.push_back(added);
    changed_ = true;
    return true;
}

bool PaletteModel::DeleteColour(int index) {
    if (!paletteView_ || !HasItem(index) || items_[static_cast<std::size_t>(index)].kind == kBackCellKind)
        return false;
    items_.erase(items_.begin() + index);
    changed_ = true;
    return true;
}

bool PaletteModel::SetCellSize(int size) {
    if (size < kMinCellSize || size > kMaxCellSize) return false;
    cellSize_ = size;
    return true;
}

ItemSize PaletteModel::GetItemSize() const {
    // Whole-number arithmetic gives trunc(s / 35 * 40) and trunc(2s / 70 * 60) exactly.
    if (paletteView_) return {cellSize_, cellSize_ * 40 / 35};
    return {2 * cellSize_, 2 * cellSize_ * 60 / 70};
}

int PaletteModel::ItemCount() const { return static_cast<int>(paletteView_ ? items_.size() : names_.size()); }

bool PaletteModel::IsBackCell(int index) const {
    return paletteView_ && HasItem(index) && items_[static_cast<std::size_t>(index)].kind == kBackCellKind;
}

SchemeColour PaletteModel::ColourAt(int index) const {
    if (!paletteView_ || !HasItem(index)) return SchemeColour();
    return items_[static_cast<std::size_t>(index)].AsSchemeColour();
}

std::vector<PaletteRecord> PaletteModel::Colours() const {
    if (items_.empty()) return {};
    return {items_.begin() + 1, items_.end()};
}

std::string PaletteModel::NameAt(int index) const {
    if (paletteView_ || !HasItem(index)) return {};
    return names_[static_cast<std::size_t>(index)];
}

std::array<std::uint32_t, kPalettePreviewColours> PaletteModel::PreviewAt(int index) const {
    if (paletteView_ || !HasItem(index)) return {};
    return previews_[static_cast<std::size_t>(index)];
}

}  // namespace motivra
