#pragma once

#include <QImage>

#include <string>

namespace motivra::cli {

// The layer a behaviour plays on, as RGBA: the picture file given, or a light card with a dark edge and, when
// `cardText` (Latin-1, as behaviour files hold it) is not empty, that text in its middle. Throws CliError for
// a file that is not a picture.
QImage LayerPicture(const std::string& path, const std::string& cardText = {});

}  // namespace motivra::cli
