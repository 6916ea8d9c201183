#pragma once

#include <string>
#include <string_view>
#include <vector>

// Marks a literal the user reads, in a table of texts, for lupdate (an alias of QT_TRANSLATE_NOOP); here it
// is the literal itself. The gui translates it with the same context where it shows it.
#define MOTIVRA_TEXT(context, source) source

namespace motivra {

// A text for the user as the core hands it over, untranslated: a template holding %1 to %9 and its
// arguments, each a text of its own. A text without a context is data (a name, a path, a number, a system
// message) and is shown as it is.
struct UserText {
    std::string context;
    std::string source;
    std::vector<UserText> args;

    bool empty() const { return source.empty(); }
    UserText Arg(UserText text) &&;
    UserText Arg(std::string data) &&;

    bool operator==(const UserText&) const = default;
};

// A marked template (lupdate reads it as QT_TRANSLATE_NOOP, so both must be literals).
UserText UiText(const char* context, const char* source);
UserText DataText(std::string data);

// The template with %1 to %9 replaced by the arguments in one pass, so an argument's own "%1" stays.
std::string Substitute(std::string_view source, const std::vector<std::string>& args);
// The text as an English user reads it.
std::string English(const UserText& text);

}  // namespace motivra
