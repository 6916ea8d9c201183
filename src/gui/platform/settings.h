#pragma once

#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

namespace motivra {

// The program's settings: QSettings("Velmora", "zenthar"), group "UI" — the registry key
// Software\Velmora\zenthar\UI on Windows, ~/.config/Velmora/zenthar.conf on Linux. A value that is missing,
// or that does not read back as the asked type, gives the caller's default; single writes are not checked
// (WriteNumbers, which the colour scheme is written with, is).
namespace settings {

std::uint32_t ReadNumber(const QString& name, std::uint32_t defaultValue);
void WriteNumber(const QString& name, std::uint32_t value);
QString ReadText(const QString& name, const QString& defaultValue);
void WriteText(const QString& name, const QString& value);
// Writes the values in one go, so the settings file holds all of them or, when it cannot be written, stays
// as it was (it is replaced atomically). False then, with the file's path in *file.
bool WriteNumbers(const std::vector<std::pair<QString, std::uint32_t>>& values, QString* file = nullptr);

}  // namespace settings

}  // namespace motivra
