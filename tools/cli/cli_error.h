#pragma once

#include <stdexcept>
#include <string>

namespace motivra::cli {

// A command that cannot do what was asked: main prints the message as one line on standard error and the
// program exits with status 1.
class CliError : public std::runtime_error {
public:
    explicit CliError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace motivra::cli
