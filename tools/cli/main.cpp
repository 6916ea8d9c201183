#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/cli_error.h"
#include "cli/colour_commands.h"
#include "cli/engine_commands.h"
#include "cli/library_commands.h"
#include "cli/render_commands.h"

// Exit status: 0 done, 1 the command failed (one line on standard error), 2 wrong arguments (usage shown).
int main(int argc, char** argv) {
    CLI::App app{
        "Motivra command-line tool: behaviour files, libraries, palettes and swatches without the editor"};
    app.name("motivra-cli");
    app.require_subcommand(1);
    motivra::cli::AddEngineCommands(app);
    motivra::cli::AddColourCommands(app);
    motivra::cli::AddLibraryCommands(app, argv[0]);
    motivra::cli::AddRenderCommands(app);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << "motivra-cli: " << e.what() << "\n\n" << app.help();
        return 2;
    } catch (const motivra::cli::CliError& e) {
        std::cerr << "motivra-cli: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
