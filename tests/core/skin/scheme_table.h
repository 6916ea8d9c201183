#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "core/skin/colour_scheme.h"

namespace motivra::test {

// Scheme values from a table; names not in it give the caller's default.
class SchemeTable : public SchemeSource {
public:
    SchemeTable() = default;
    SchemeTable(std::initializer_list<std::pair<const std::string, std::uint32_t>> values)
        : values_(values) {}
    std::uint32_t ReadDword(std::string_view name, std::uint32_t defaultValue) const override {
        const auto it = values_.find(name);
        return it == values_.end() ? defaultValue : it->second;
    }

private:
    std::map<std::string, std::uint32_t, std::less<>> values_;
};

}  // namespace motivra::test
