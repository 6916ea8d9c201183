#pragma once

#include <QString>

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "core/skin/colour_scheme.h"
#include "gui/platform/settings.h"

namespace motivra {

// The colour scheme's values in the program's settings, by their names in the scheme.
std::uint32_t ReadSchemeNumber(std::string_view name, std::uint32_t defaultValue);
void WriteSchemeNumber(std::string_view name, std::uint32_t value);
inline SchemeColour ReadSchemeColour(std::string_view name, SchemeColour defaultValue) {
    return SchemeColour(ReadSchemeNumber(name, defaultValue.Value()));
}
// All of them or none, as settings::WriteNumbers writes.
bool WriteSchemeNumbers(const std::vector<std::pair<std::string_view, std::uint32_t>>& values,
                        QString* file = nullptr);

// The user's colour scheme as the skinned controls read it.
class SettingsSchemeSource : public SchemeSource {
public:
    std::uint32_t ReadNumber(std::string_view name, std::uint32_t defaultValue) const override {
        return ReadSchemeNumber(name, defaultValue);
    }
};

// The ColourScheme read from the user's settings.
ColourScheme LoadColourScheme();

}  // namespace motivra
