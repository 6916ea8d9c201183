#pragma once

#include <string>
#include <vector>

namespace motivra::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built motivra-cli (path from the MOTIVRA_CLI environment variable) with the given arguments and
// standard input, and collects its exit status and both outputs.
CliResult RunCli(const std::vector<std::string>& args, const std::string& input = {});

}  // namespace motivra::test
