#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace motivra {

// Standard base64 with padding, for pictures embedded as data URLs.
std::string Base64(std::span<const std::uint8_t> bytes);

}  // namespace motivra
