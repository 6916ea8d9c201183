#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace motivra {

// Behaviour texts are single-byte (Latin-1 here); JSON is UTF-8.
std::string Latin1ToUtf8(const std::string& latin1);
// Empty when the text holds a character outside Latin-1 or is not valid UTF-8.
std::optional<std::string> Utf8ToLatin1(const std::string& utf8);
// The characters of a UTF-8 text that Latin-1 cannot hold, each once, in order of appearance (an invalid
// byte counts as one).
std::vector<std::string> CharactersOutsideLatin1(std::string_view utf8);

}  // namespace motivra
