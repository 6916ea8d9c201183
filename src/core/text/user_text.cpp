#include "core/text/user_text.h"

#include <utility>

namespace motivra {

UserText UserText::Arg(UserText text) && {
    args.push_back(std::move(text));
    return std::move(*this);
}

UserText UserText::Arg(std::string data) && { return std::move(*this).Arg(DataText(std::move(data))); }

UserText UiText(const char* context, const char* source) { return {context, source, {}}; }

UserText DataText(std::string data) { return {{}, std::move(data), {}}; }

std::string Substitute(std::string_view source, const std::vector<std::string>& args) {
    std::string text;
    for (std::size_t i = 0; i < source.size(); ++i) {
        const char next = i + 1 < source.size() ? source[i + 1] : '\0';
        const std::size_t n = static_cast<std::size_t>(next - '1');
        if (source[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
            text += args[n];
            ++i;
        } else {
            text += source[i];
        }
    }
    return text;
}

std::string English(const UserText& text) {
    std::vector<std::string> args;
    for (const UserText& arg : text.args) args.push_back(English(arg));
    return Substitute(text.source, args);
}

}  // namespace motivra
