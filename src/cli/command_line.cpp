#include "cli/command_line.h"

#include "cli/bps_command.h"
#include "cli/compare_command.h"
#include "cli/document_output.h"
#include "cli/dump_command.h"
#include "cli/fill_command.h"
#include "cli/insert_command.h"
#include "cli/ips_command.h"
#include "cli/pointers_command.h"
#include "cli/resize_command.h"
#include "cli/rsearch_command.h"
#include "cli/rtable_command.h"
#include "cli/script_command.h"
#include "cli/search_command.h"
#include "cli/snes_command.h"
#include "cli/tiles_command.h"
#include "cli/tiles_import_command.h"
#include "cli/ups_command.h"
#include "cli/view_command.h"
#include "core/interrupt_cleanup.h"

#include <new>
#include <stdexcept>

namespace zarvo::cli {

namespace {

void PrintOverview(const std::vector<Command>& commands, std::ostream& stream)
{
    stream << "usage: zarvo-tool COMMAND [ARGUMENTS]\n"
              "Offsets and values are hexadecimal digits without prefix or sign, sizes decimal.\n"
              "Exit status: 0 done, 1 the operation failed, 2 wrong usage.\n\n"
              "commands:\n";
    for (const auto& command : commands) stream << "  zarvo-tool " << command.synopsis << "\n";
    stream << "\n`zarvo-tool COMMAND --help` describes one command.\n";
}

int RunGuarded(const Command& command, const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    try {
        return command.run(arguments, out, err);
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {}
    RemovePendingTemporaryFile();
    PrintFailure(err, std::string("not enough memory to finish ") + command.name);
    return kFailed;
}

}  // namespace

std::vector<Command> ToolCommands()
{
    return {
        ViewCommand(),   IpsCommand(),     SnesCommand(),        CompareCommand(), ResizeCommand(),
        SearchCommand(), RsearchCommand(), RtableCommand(),      DumpCommand(),    FillCommand(),
        InsertCommand(), TilesCommand(),   TilesImportCommand(), ScriptCommand(), PointersCommand(), BpsCommand(), UpsCommand(),
    };
}

int RunCommandLine(const std::vector<Command>& commands, const std::vector<std::string>& words, std::ostream& out,
                   std::ostream& err)
{
    if (words.empty()) {
        PrintOverview(commands, err);
        return kWrongUsage;
    }
    if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        PrintOverview(commands, out);
        return kDone;
    }
    for (const auto& command : commands) {
        if (words[0] != command.name) continue;
        const std::vector<std::string> rest(words.begin() + 1, words.end());
        for (const auto& word : rest) {
            if (word == "--help" || word == "-h") {
                out << command.usage;
                return kDone;
            }
        }
        return RunGuarded(command, rest, out, err);
    }
    err << "zarvo-tool: unknown command " << words[0] << "\n\n";
    PrintOverview(commands, err);
    return kWrongUsage;
}

}  // namespace zarvo::cli
