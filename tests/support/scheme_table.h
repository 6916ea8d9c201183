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
    // A stored value: a number, or a colour in scheme form as the settings store it.
    struct Word {
        Word(std::uint32_t v = 0) : value(v) {}
        Word(SchemeColour c) : value(c.Value()) {}
        std::uint32_t value;
    };
    SchemeTable(std::map<std::string, Word, std::less<>> v = {}) : values(std::move(v)) {}
    std::uint32_t ReadNumber(std::string_view name, std::uint32_t fallback) const override {
        const auto it = values.find(name);
        return it == values.end() ? fallback : it->second.value;
    }
    std::map<std::string, Word, std::less<>> values;
};

}  // namespace motivra::test
