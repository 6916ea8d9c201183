#pragma once

#include <utility>

#include "core/text/user_text.h"

namespace motivra {

// One line of what an export kept of a behaviour, or could not keep.
struct ExportNote {
    bool kept = true;
    UserText text;

    bool operator==(const ExportNote&) const = default;
};

// A list the user reads ("X Position, Zoom") with one more item.
inline UserText ListedAfter(UserText list, UserText item) {
    if (list.empty()) return item;
    return UiText("Export", "%1, %2").Arg(std::move(list)).Arg(std::move(item));
}

}  // namespace motivra
