#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace motivra::cli {

// A command that cannot do what was asked, or did only part of it: main prints each line on standard error
// and the program exits with status 1. Most failures are one line; a command that left several files alone
// names each.
class CliError : public std::runtime_error {
public:
    explicit CliError(const std::string& message) : std::runtime_error(message), lines_{message} {}
    explicit CliError(std::vector<std::string> lines)
        : std::runtime_error(lines.empty() ? std::string() : lines.front()), lines_(std::move(lines)) {}

    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

}  // namespace motivra::cli
