#include "core/library/library_names.h"

namespace motivra {

bool IsAcceptableTagName(std::string_view name) {
    return name.find_first_not_of('.') != std::string_view::npos &&
           name.find_first_of(std::string_view("/\0\r\n", 4)) == std::string_view::npos;
}

bool IsAcceptableBehaviourName(std::string_view name) { return IsAcceptableTagName(name); }

bool IsAcceptableCoreName(std::string_view core) {
    return IsAcceptableBehaviourName(core) && core.find("..") == std::string_view::npos &&
           core.find('\\') == std::string_view::npos;
}

}  // namespace motivra
