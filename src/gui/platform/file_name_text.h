#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <string>

namespace motivra {

// File names are bytes in the core and text in the windows; these are the one way between the two, in the
// system's file-name encoding.
inline QString FromFileName(const std::string& name) {
    return QFile::decodeName(QByteArray::fromStdString(name));
}
inline std::string ToFileName(const QString& text) { return QFile::encodeName(text).toStdString(); }

}  // namespace motivra
