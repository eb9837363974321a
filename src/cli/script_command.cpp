#include "cli/script_command.h"

#include "cli/document_output.h"
#include "cli/hex_argument.h"
#include "cli/pointer_options.h"
#include "cli/rom_input.h"
#include "script/script_dump.h"
#include "script/script_insertion.h"
#include "script/script_table_file.h"

#include <string>

namespace zarvo::cli {

namespace {

const std::string kUsage = std::string(
    "usage: zarvo-tool script dump ROM --table TBL --pointers HEX --count N [--map FORM] [--bits 16|24|32]\n"
    "                  [--stride N] [--offset [-]HEX] [--header HEX] [--big-endian] -o SCRIPT\n"
    "       zarvo-tool script insert ROM SCRIPT -o OUT [--atlas-tables]\n"
    "dump writes the script of the N pointers from HEX on (--stride bytes apart, decimal,\n"
    "the pointer's size by default): the commands that name the table and the pointers,\n"
    "then every string they point at, in address order, each after a #WRITE for each\n"
    "slot that points at it. Inserting that script gives the ROM back byte for byte.\n"
    "insert writes ROM with SCRIPT's text inserted and its pointers rewritten to OUT and\n"
    "prints, for each block, its range, the bytes used and free and the pointers written.\n"
    "A script with an unknown command, text no token covers, a string that would read\n"
    "back as another text, a place outside the file, or more text than its blocks hold\n"
    "is refused with the script's line, and nothing is written. --atlas-tables reads the\n"
    "script's tables in the script inserters' own table dialect.\n") + kPointerOptionsHelp;

int WrongUsage(std::ostream& err, const std::string& why)
{
    err << why << "\n" << kUsage;
    return kWrongUsage;
}

int Dump(const ParsedArguments& parsed, std::ostream& out, std::ostream& err)
{
    std::string error;
    const auto value = [&parsed](const char* name) -> const std::string* {
        const auto found = parsed.values.find(name);
        return found == parsed.values.end() ? nullptr : &found->second;
    };
    if (!value("--table") || !value("--pointers") || !value("--count") || !value("-o")) {
        return WrongUsage(err, "script dump needs --table TBL, --pointers HEX, --count N and -o SCRIPT");
    }
    const auto options = ReadPointerOptions(parsed, error);
    if (!options) return WrongUsage(err, error);
    ScriptDumpRequest request;
    request.form = options->form;
    const auto start = ParseHexArgument("--pointers", *value("--pointers"), kOffsetLimit, error);
    if (!start) return WrongUsage(err, error);
    request.pointerTable = *start;
    const auto count = ParseCount(*value("--count"), 1, 1 << 24);
    if (!count) return WrongUsage(err, "--count needs a decimal number of slots from 1");
    request.count = *count;
    if (const std::string* stride = value("--stride")) {
        const auto bytes = ParseCount(*stride, 1, 1 << 20);
        if (!bytes) return WrongUsage(err, "--stride needs a decimal number of bytes from 1");
        request.stride = *bytes;
    }
    const std::string& romPath = parsed.positional[1];
    const std::string& tablePath = *value("--table");
    request.romName = romPath;
    request.tablePath = IsStandardOutput(*value("-o")) ? tablePath : TablePathForScript(tablePath, *value("-o"));

    DocRecord doc;
    TableSession tables;
    if (!LoadRom(doc, tables, romPath, err) || !LoadTable(doc, tables, tablePath, err)) return kFailed;
    const std::span<const uint8_t> rom(doc.data(), static_cast<std::size_t>(doc.fileSize));
    const ScriptDump dump = DumpScript(rom, ScriptTable::FromTable(doc.table), request);
    if (!dump.error.empty()) {
        PrintFailure(err, dump.error);
        return kFailed;
    }
    const std::string& script = dump.script;
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(script.data()), script.size());
    return WriteBytesOutput(*value("-o"), bytes, out, err) ? kDone : kFailed;
}

int Insert(const ParsedArguments& parsed, std::ostream& out, std::ostream& err)
{
    const auto output = parsed.values.find("-o");
    if (parsed.positional.size() != 3 || output == parsed.values.end()) {
        return WrongUsage(err, "script insert needs a ROM, a script and -o OUT");
    }
    const auto rom = ReadInput(parsed.positional[1], err);
    if (!rom) return kFailed;
    const std::string& scriptPath = parsed.positional[2];
    const auto script = ReadInput(scriptPath, err);
    if (!script) return kFailed;
    const std::span<const uint8_t> text = script->content();
    const ScriptInsertion inserted =
        InsertScript(rom->content(), std::string_view(reinterpret_cast<const char*>(text.data()), text.size()),
                     scriptPath, TableReaderBeside(scriptPath, parsed.flags.count("--atlas-tables") != 0));
    if (!inserted.error.empty()) {
        PrintFailure(err, inserted.error);
        return kFailed;
    }
    if (!WriteBytesOutput(output->second, inserted.result, out, err)) return kFailed;
    ReportStream(output->second, out, err) << InsertionReport(inserted);
    return FinishListing(out, err);
}

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    std::string error;
    const auto parsed = ParseArguments(
        arguments, {"--table", "--pointers", "--count", "--map", "--bits", "--stride", "--offset", "--header", "-o"},
        {"--big-endian", "--atlas-tables"}, error);
    if (!parsed) return WrongUsage(err, error);
    const auto& words = parsed->positional;
    if (!words.empty() && words[0] == "dump" && words.size() == 2) return Dump(*parsed, out, err);
    if (!words.empty() && words[0] == "insert") return Insert(*parsed, out, err);
    return WrongUsage(err, "script needs dump ROM or insert ROM SCRIPT");
}

}  // namespace

Command ScriptCommand()
{
    return {"script",
            "script dump ROM --table TBL --pointers HEX --count N [--map FORM] [--bits N] [--stride N] "
            "[--offset [-]HEX] [--header HEX] [--big-endian] -o SCRIPT | script insert ROM SCRIPT -o OUT "
            "[--atlas-tables]",
            kUsage.c_str(), &Run};
}

}  // namespace zarvo::cli
