#include <CLI/CLI.hpp>

#include <exception>
#include <iostream>

#include "cli/cli_error.h"
#include "cli/colour_commands.h"
#include "cli/engine_commands.h"
#include "cli/export_commands.h"
#include "cli/library_commands.h"
#include "cli/render_commands.h"

namespace {

int Run(int argc, char** argv) {
    CLI::App app{
        "Motivra command-line tool: behaviour files, libraries, palettes and swatches without the editor"};
    app.name("motivra-cli");
    app.require_subcommand(1);
    motivra::cli::AddEngineCommands(app);
    motivra::cli::AddColourCommands(app);
    motivra::cli::AddLibraryCommands(app, argc > 0 ? argv[0] : "motivra-cli");
    motivra::cli::AddRenderCommands(app);
    motivra::cli::AddExportCommands(app, argc > 0 ? argv[0] : "motivra-cli");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << "motivra-cli: " << e.what() << "\n\n" << app.help();
        return 2;
    }
    return 0;
}

}  // namespace

// Exit status: 0 done, 1 the command failed (one line on standard error, or one for each file it had to
// leave alone), 2 wrong arguments (usage shown). No exception leaves main: whatever a command did not expect
// is still one line and status 1.
int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const motivra::cli::CliError& e) {
        for (const std::string& line : e.Lines()) std::cerr << "motivra-cli: " << line << '\n';
    } catch (const std::exception& e) {
        std::cerr << "motivra-cli: " << e.what() << '\n';
    } catch (...) {
        std::cerr << "motivra-cli: unexpected failure\n";
    }
    return 1;
}
