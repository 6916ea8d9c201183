#include "support/run_cli.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "support/temp_dir.h"

namespace motivra::test {

namespace {

std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (const char c : arg) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

CliResult RunCli(const std::vector<std::string>& args, const std::string& input) {
    const char* cli = std::getenv("MOTIVRA_CLI");
    if (cli == nullptr) throw std::runtime_error("MOTIVRA_CLI is not set; run the tests through ctest");
    TempDir io;
    { std::ofstream(io.Path() / "in", std::ios::binary) << input; }
    std::string command = Quote(cli);
    for (const std::string& arg : args) command += " " + Quote(arg);
    command += " <" + Quote(io.File("in")) + " >" + Quote(io.File("out")) + " 2>" + Quote(io.File("err"));
    const int raw = std::system(command.c_str());
    CliResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = Slurp(io.Path() / "out");
    result.err = Slurp(io.Path() / "err");
    return result;
}

}  // namespace motivra::test
