#pragma once

#include <QImage>

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/export/export_note.h"
#include "core/export/export_settings.h"
#include "core/text/user_text.h"

namespace motivra {

class PlayableBehaviour;

// What went wrong, for the user to read: what() is it in English, for the command line.
class ExportError : public std::runtime_error {
public:
    explicit ExportError(UserText text) : std::runtime_error(English(text)), text_(std::move(text)) {}
    const UserText& Text() const { return text_; }

private:
    UserText text_;
};

// The export was stopped through its progress callback.
class ExportStopped : public ExportError {
public:
    ExportStopped() : ExportError(UiText("Export", "the export was stopped")) {}
};

struct ExportResult {
    std::string page;  // the page written beside a stylesheet, if any
    std::vector<ExportNote> notes;
};

// After each frame of a picture format: the frames done and their count. False stops the export.
using ExportProgress = std::function<bool(int done, int total)>;

// Throws ExportError naming the first setting an export cannot be made with.
void CheckExportSettings(const ExportSettings& settings);

// What an export with these settings keeps of the behaviour and what it cannot, writing nothing.
std::vector<ExportNote> ExportNotes(const PlayableBehaviour& behaviour, const ExportSettings& settings);

// Writes the export, with `layer` as the picture (the file's, or the card LayerPicture draws). Every file is
// written whole or not at all, so a failed or stopped export leaves what was there before. Throws
// ExportError, or ExportStopped.
ExportResult WriteExport(const PlayableBehaviour& behaviour, const ExportSettings& settings, const QImage& layer,
                         const ExportProgress& progress = {});

}  // namespace motivra
