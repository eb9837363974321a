// zarvo-tool: the editor's engine for scripts and batch work.

#include "cli/command.h"
#include "cli/compare_command.h"
#include "cli/dump_command.h"
#include "cli/fill_command.h"
#include "cli/insert_command.h"
#include "cli/ips_command.h"
#include "cli/resize_command.h"
#include "cli/rsearch_command.h"
#include "cli/rtable_command.h"
#include "cli/search_command.h"
#include "cli/snes_command.h"
#include "cli/tiles_command.h"
#include "cli/tiles_import_command.h"
#include "cli/view_command.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

std::vector<zarvo::cli::Command> Commands()
{
    return {
        zarvo::cli::ViewCommand(),        zarvo::cli::IpsCommand(),    zarvo::cli::SnesCommand(),
        zarvo::cli::CompareCommand(),     zarvo::cli::ResizeCommand(), zarvo::cli::SearchCommand(),
        zarvo::cli::RsearchCommand(),     zarvo::cli::RtableCommand(), zarvo::cli::DumpCommand(),
        zarvo::cli::FillCommand(),        zarvo::cli::InsertCommand(), zarvo::cli::TilesCommand(),
        zarvo::cli::TilesImportCommand(),
    };
}

void PrintOverview(std::ostream& stream)
{
    stream << "usage: zarvo-tool COMMAND [ARGUMENTS]\n"
              "Offsets and values are hexadecimal without prefix, sizes decimal.\n"
              "Exit status: 0 done, 1 the operation failed, 2 wrong usage.\n\n"
              "commands:\n";
    for (const auto& command : Commands()) stream << "  zarvo-tool " << command.synopsis << "\n";
    stream << "\n`zarvo-tool COMMAND --help` describes one command.\n";
}

}  // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        PrintOverview(std::cerr);
        return zarvo::cli::kWrongUsage;
    }
    if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        PrintOverview(std::cout);
        return zarvo::cli::kDone;
    }
    for (const auto& command : Commands()) {
        if (words[0] != command.name) continue;
        const std::vector<std::string> rest(words.begin() + 1, words.end());
        for (const auto& word : rest) {
            if (word == "--help" || word == "-h") {
                std::cout << command.usage;
                return zarvo::cli::kDone;
            }
        }
        return command.run(rest, std::cout, std::cerr);
    }
    std::cerr << "zarvo-tool: unknown command " << words[0] << "\n\n";
    PrintOverview(std::cerr);
    return zarvo::cli::kWrongUsage;
}
