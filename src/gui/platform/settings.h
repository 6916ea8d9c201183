#pragma once

#include <QString>

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "core/skin/colour_scheme.h"

namespace motivra {

// The program's settings: QSettings("Velmora", "zenthar"), group "UI" — the registry key
// Software\Velmora\zenthar\UI on Windows, ~/.config/Velmora/zenthar.conf on Linux. A value that is missing,
// or that does not read back as the asked type, gives the caller's default; single writes are not checked
// (the colour scheme, written by WriteSchemeDwords, is).
namespace settings {

std::uint32_t ReadNumber(const QString& name, std::uint32_t defaultValue);
void WriteNumber(const QString& name, std::uint32_t value);
QString ReadText(const QString& name, const QString& defaultValue);
void WriteText(const QString& name, const QString& value);

}  // namespace settings

std::uint32_t ReadSchemeDword(std::string_view name, std::uint32_t defaultValue);
void WriteSchemeDword(std::string_view name, std::uint32_t value);
// Writes the values in one go, so the settings file holds all of them or, when it cannot be written, stays
// as it was (it is replaced atomically). False then, with the file's path in *file.
bool WriteSchemeDwords(const std::vector<std::pair<std::string_view, std::uint32_t>>& values,
                       QString* file = nullptr);

// The user's colour scheme as the skinned controls read it.
class SettingsSchemeSource : public SchemeSource {
public:
    std::uint32_t ReadDword(std::string_view name, std::uint32_t defaultValue) const override {
        return ReadSchemeDword(name, defaultValue);
    }
};

// The ColourScheme read from the user's settings.
ColourScheme LoadColourScheme();

}  // namespace motivra
