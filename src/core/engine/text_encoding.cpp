#include "core/engine/text_encoding.h"

#include <algorithm>

namespace motivra {

std::string Latin1ToUtf8(const std::string& latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (const char ch : latin1) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::optional<std::string> Utf8ToLatin1(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            continue;
        }
        // Only the two-byte sequences C2 80 .. C3 BF stand for Latin-1 characters.
        if ((c != 0xC2 && c != 0xC3) || i + 1 >= utf8.size()) return std::nullopt;
        const auto next = static_cast<unsigned char>(utf8[i + 1]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        out.push_back(static_cast<char>(((c & 0x03) << 6) | (next & 0x3F)));
        ++i;
    }
    return out;
}

std::vector<std::string> CharactersOutsideLatin1(std::string_view utf8) {
    std::vector<std::string> outside;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        std::size_t length = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        length = std::min(length, utf8.size() - i);
        const std::string character(utf8.substr(i, length));
        i += length;
        if (Utf8ToLatin1(character)) continue;
        if (std::find(outside.begin(), outside.end(), character) == outside.end())
            outside.push_back(character);
    }
    return outside;
}

}  // namespace motivra
