#include "support/run_cli.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "support/temp_dir.h"

namespace motivra::test {

namespace {

constexpr const char* kNobody = "65534";

std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (const char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string AsNobody() {
    return std::string("setpriv --reuid=") + kNobody + " --regid=" + kNobody + " --clear-groups -- ";
}

int Status(int raw) { return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1; }

}  // namespace

std::string CliPath() {
    const char* cli = std::getenv("MOTIVRA_CLI");
    if (cli == nullptr) throw std::runtime_error("MOTIVRA_CLI is not set; run the tests through ctest");
    return cli;
}

CliResult RunCli(const std::vector<std::string>& args, const std::string& input, const CliOptions& options) {
    const std::string cli = options.program.empty() ? CliPath() : options.program;
    TempDir io;
    { std::ofstream(io.Path() / "in", std::ios::binary) << input; }
    std::string command = options.unprivileged && ::geteuid() == 0 ? AsNobody() : std::string();
    if (!options.environment.empty()) {
        command += "env";
        for (const std::string& variable : options.environment) command += " " + Quote(variable);
        command += " ";
    }
    command += Quote(cli);
    for (const std::string& arg : args) command += " " + Quote(arg);
    command += " <" + Quote(io.File("in")) + " >" + Quote(io.File("out")) + " 2>" + Quote(io.File("err"));
    const int status = Status(std::system(command.c_str()));
    return {status, ReadText(io.Path() / "out"), ReadText(io.Path() / "err")};
}

std::string CliOutput(const std::vector<std::string>& args, const std::string& input,
                      const CliOptions& options) {
    const CliResult result = RunCli(args, input, options);
    EXPECT_EQ(result.status, 0) << ::testing::PrintToString(args) << ": " << result.err;
    EXPECT_EQ(result.err, "") << ::testing::PrintToString(args);
    return result.out;
}

bool CanRunUnprivileged() {
    if (::geteuid() != 0) return true;
    return Status(std::system((AsNobody() + Quote(CliPath()) + " --help >/dev/null 2>&1").c_str())) == 0;
}

void GiveToNobody(const std::string& folder) {
    if (::geteuid() != 0) return;
    const auto nobody = static_cast<uid_t>(std::stoul(kNobody));
    const auto own = [&](const std::filesystem::path& path) {
        if (::lchown(path.c_str(), nobody, nobody) != 0)
            throw std::runtime_error("cannot chown " + path.string());
    };
    own(folder);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) own(entry.path());
}

}  // namespace motivra::test
