#pragma once

#include <optional>
#include <string>

namespace motivra::cli {

// Behaviour texts are single-byte (Latin-1 here); JSON is UTF-8.
std::string Latin1ToUtf8(const std::string& latin1);
// Empty when the text holds a character outside Latin-1 or is not valid UTF-8.
std::optional<std::string> Utf8ToLatin1(const std::string& utf8);

}  // namespace motivra::cli
