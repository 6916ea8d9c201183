#pragma once

#include <QImage>

#include <string>

namespace motivra {

// The layer a behaviour plays on, as RGBA: the picture file given, or a light card with a dark edge and, when
// `cardText` (Latin-1, as behaviour files hold it) is not empty, that text in its middle. Throws ExportError
// for a file that is not a picture. The card's text is drawn with Qt's fonts, so a QGuiApplication must run.
QImage LayerPicture(const std::string& path, const std::string& cardText = {});

}  // namespace motivra
