#pragma once

#include <string_view>

namespace motivra {

// Names typed by the user or read from the library's files become file names inside one folder and lines of
// the tag files. A name that could leave its folder (a separator, a NUL) or break a line file (CR, LF) is
// refused wherever it would reach the disk, so nothing is ever written outside the library.

// A tag: not empty, not made of dots only ("." and ".." are folders, and ".." would make a hidden "...tag"),
// no '/', NUL, CR or LF. Other characters, blanks included, are the user's text.
bool IsAcceptableTagName(std::string_view name);

// A behaviour name: the same rule.
bool IsAcceptableBehaviourName(std::string_view name);

// A core name for numbered behaviours: an acceptable behaviour name that holds no ".." and no '\' (the
// separator of the platform the library is shared with).
bool IsAcceptableCoreName(std::string_view core);

}  // namespace motivra
