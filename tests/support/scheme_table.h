#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "core/skin/colour_scheme.h"

namespace motivra::test {

// Scheme values from a table; names not in it give the caller's default.
struct SchemeTable : SchemeSource {
    SchemeTable(std::map<std::string, std::uint32_t, std::less<>> v = {}) : values(std::move(v)) {}
    std::uint32_t ReadNumber(std::string_view name, std::uint32_t fallback) const override {
        const auto it = values.find(name);
        return it == values.end() ? fallback : it->second;
    }
    std::map<std::string, std::uint32_t, std::less<>> values;
};

}  // namespace motivra::test
