#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace motivra {

// Edits of a line file (a tag file, a tag database) that keep every byte they do not change, so a change
// made onto a file as it is on disk never rewrites lines written by someone else: a removed line goes with
// its line end; an added line is written with CR LF, after a line end is given to a last line without one.
// Lines are told apart as DecodeLines does (LF ends a line, a CR before it belongs to the line end).

// bytes without every line for which matches(line) holds.
std::string RemoveLines(std::string_view bytes, const std::function<bool(std::string_view)>& matches);
// bytes with line added at the end.
std::string AppendLine(std::string bytes, std::string_view line);

}  // namespace motivra
