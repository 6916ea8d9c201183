#include "gui/skin/scheme_settings.h"

namespace motivra {

namespace {

QString FromView(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

std::uint32_t ReadSchemeNumber(std::string_view name, std::uint32_t defaultValue) {
    return settings::ReadNumber(FromView(name), defaultValue);
}

void WriteSchemeNumber(std::string_view name, std::uint32_t value) {
    settings::WriteNumber(FromView(name), value);
}

bool WriteSchemeNumbers(const std::vector<std::pair<std::string_view, std::uint32_t>>& values,
                        QString* file) {
    std::vector<std::pair<QString, std::uint32_t>> named;
    named.reserve(values.size());
    for (const auto& [name, value] : values) named.emplace_back(FromView(name), value);
    return settings::WriteNumbers(named, file);
}

ColourScheme LoadColourScheme() { return ColourScheme(SettingsSchemeSource{}); }

}  // namespace motivra
