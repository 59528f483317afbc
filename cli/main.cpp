// vexlor-cli: the command-line companion of the Vexlor RPG Referee Assistant. It works in the
// current folder (or the one --campaign names) on the same table file, party file and catalogue
// file as the program, with the same rules.
#include "Commands.h"
#include "foundations/Code_Page.h"
#include "foundations/Random.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <memory>

namespace {

// The one line that goes to the error output when a command fails; a message of several lines
// is joined into one.
// Writes the one-line message (UTF-8) to the error output.
int Fail(int status, std::string message) {
    std::replace(message.begin(), message.end(), '\n', ' ');
    std::fputs(("vexlor-cli: " + message + "\n").c_str(), stderr);
    return status;
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace Vexlor;
    TCli_Options options;
    options.Start_Folder = std::filesystem::current_path();
    TCli_Context context(options);
    std::unique_ptr<TSeeded_Random> seeded;
    std::unique_ptr<TRandom_Override> replayed;

    CLI::App app("The command-line companion of the Vexlor RPG Referee Assistant: dice, random tables, the "
                 "GM Helper's tools, parties and catalogues of a campaign folder.",
                 "vexlor-cli");
    // The options below may also follow the command's name.
    app.fallthrough();
    app.require_subcommand(1);
    app.add_option("--campaign", options.Campaign, "The campaign folder (the current folder when not given)");
    app.add_option("--seed", options.Seed, "Rolls the same dice again for the same number");
    app.add_flag("--json", options.Json, "Prints the results as JSON");
    app.parse_complete_callback([&] {
        if (options.Seed) {
            seeded = std::make_unique<TSeeded_Random>(*options.Seed);
            replayed = std::make_unique<TRandom_Override>(*seeded);
        } else {
            Randomize();
        }
    });
    Add_Referee_Commands(app, context);
    Add_Party_Commands(app, context);
    Add_Catalogue_Commands(app, context);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success))
            return app.exit(error);
        return Fail(Exit_Bad_Input, error.what());
    } catch (const TCli_Failure& failure) {
        return Fail(failure.Status, failure.what());
    } catch (const std::exception& error) {
        // The rules' own failures speak game text.
        return Fail(Exit_Bad_Input, Windows_1252_To_UTF8(error.what()));
    }
    return std::fflush(stdout) == 0 ? 0 : Fail(Exit_Bad_Input, "The results could not be written.");
}
