#pragma once

#include <string>
#include <vector>

namespace motivra::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

struct CliOptions {
    // Extra environment variables, "NAME=value".
    std::vector<std::string> environment;
    // Run as the unprivileged user nobody (uid and gid 65534) when the test runs as root; see
    // CanRunUnprivileged.
    bool unprivileged = false;
    // Another copy of motivra-cli to run, for tests of where the tool looks for its data; empty for the built
    // one.
    std::string program;
};

// The built motivra-cli.
std::string CliPath();

// Runs the built motivra-cli (path from the MOTIVRA_CLI environment variable) with the given arguments and
// standard input, and collects its exit status and both outputs.
CliResult RunCli(const std::vector<std::string>& args, const std::string& input = {},
                 const CliOptions& options = {});

// Runs a command that must succeed without a word on standard error, and returns its standard output.
std::string CliOutput(const std::vector<std::string>& args, const std::string& input = {},
                      const CliOptions& options = {});

// Whether a run with `unprivileged` set is really without privileges: the tests run as an ordinary user, or
// as root with setpriv present and motivra-cli reachable by nobody. Tests that need it skip otherwise.
bool CanRunUnprivileged();

// Hands a folder and everything in it to nobody, so an unprivileged run can work in it (only as root).
void GiveToNobody(const std::string& folder);

}  // namespace motivra::test
