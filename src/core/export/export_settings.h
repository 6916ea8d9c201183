#pragma once

#include <optional>
#include <string>

#include "core/export/export_format.h"
#include "core/export/lottie_export.h"
#include "core/text/user_text.h"

namespace motivra {

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

// The Export dialog's fields as the user typed them.
struct ExportForm {
    ExportFormat format = ExportFormat::Webp;
    std::string width, height, duration, fps, plays, picture, out;
    bool fill = false;
};

// The settings the form asks for, or else what is wrong with it in a sentence for the user.
struct FormReading {
    std::optional<ExportSettings> settings;
    UserText problem;
};
FormReading ReadExportForm(const ExportForm& form, const std::string& name);

// Where an export of `format` goes when the user picked `out` for another: the same name with the format's
// extension, or without one for the folder of PNG frames.
std::string WithFormatExtension(const std::string& out, ExportFormat format);

}  // namespace motivra
