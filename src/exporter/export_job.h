#pragma once

#include <QImage>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/export/export_format.h"
#include "core/export/export_note.h"
#include "core/export/lottie_export.h"

namespace motivra {

class PlayableBehaviour;

// One export, as the command line and the Export dialog ask for it.
struct ExportSettings {
    ExportFormat format = ExportFormat::Webp;
    std::string out;                 // the file, or the existing folder PNG frames go into
    std::string name = "behaviour";  // in CSS's and Lottie's names: letters, digits, - and _
    std::string picture;             // the layer's picture file; empty for the card
    int width = 400;                 // the stage: the picture rests in its middle third, or fills it
    int height = 300;
    bool fill = false;
    double duration = 2;  // seconds, one play
    int fps = 25;
    int plays = 0;  // 0: forever
    Direction direction = Direction::Normal;
    std::string background = "transparent";  // or #RGB to #RRGGBBAA, or a colour's name
    bool page = false;                       // CSS: also a page that shows it, OUT with .html
};

class ExportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The export was stopped through its progress callback.
class ExportStopped : public ExportError {
public:
    ExportStopped() : ExportError("the export was stopped") {}
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
