#include "core/colour_setup/swatch_library.h"

#include <filesystem>
#include <system_error>

#include "core/colour_setup/file_name_rules.h"
#include "core/io/file_io.h"

namespace motivra {

namespace {

namespace fs = std::filesystem;

bool IsLibraryFile(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(path, ec);
}

}  // namespace

void SwatchLibrary::Reset() {
    swatches_.clear();
    nextId_ = 0;
    changed_ = false;
}

bool SwatchLibrary::SetFile(const std::string& name) {
    if (!IsPlainFileName(name)) {
        fileName_.clear();
        return false;
    }
    fileName_ = WithEnding(name, ".vmw");
    return true;
}

std::string SwatchLibrary::FilePath() const {
    if (folder_.empty() || fileName_.empty()) return {};
    return (fs::path(folder_) / fileName_).string();
}

void SwatchLibrary::Load() {
    const std::string path = FilePath();
    if (!IsLibraryFile(path)) return;
    const auto bytes = ReadFilePrefix(path, kSwatchReadLimit);
    if (!bytes) return;
    SwatchFileContent content = DecodeSwatchFile(*bytes);
    swatches_ = std::move(content.swatches);
    nextId_ = content.nextId;
    changed_ = false;
}

bool SwatchLibrary::Save(std::string* error) {
    const auto fail = [error](const char* why) {
        if (error != nullptr) *error = why;
        return false;
    };
    const std::string path = FilePath();
    if (!changed_) return fail("nothing changed");
    if (!IsLibraryFile(path)) return fail("no such library file");
    if (IsWriteProtected(path)) return fail("the file is write-protected");
    if (!WriteFileAtomically(path, EncodeSwatchFile(swatches_, nextId_), error)) return false;
    changed_ = false;
    return true;
}

bool SwatchLibrary::Add(const std::array<SchemeColour, 6>& colours) {
    if (Count() >= kMaxSwatches) return false;
    swatches_.push_back(SwatchRecord{nextId_, colours});
    ++nextId_;
    changed_ = true;
    return true;
}

bool SwatchLibrary::Delete(int index) {
    if (index < 0 || index >= Count()) return false;
    swatches_.erase(swatches_.begin() + index);
    changed_ = true;
    return true;
}

SwatchRecord SwatchLibrary::SwatchAt(int index) const {
    if (index < 0 || index >= Count()) return SwatchRecord{kNoSwatchId, {}};
    return swatches_[static_cast<std::size_t>(index)];
}

bool SwatchLibrary::SetItemSize(int size) {
    if (size < kMinItemSize || size > kMaxItemSize) return false;
    itemSize_ = size;
    return true;
}

}  // namespace motivra
