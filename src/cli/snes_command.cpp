#include "cli/snes_command.h"

#include "cli/arguments.h"
#include "cli/document_output.h"
#include "cli/hex_argument.h"
#include "cli/rom_input.h"
#include "core/table_session.h"
#include "tools/checksum_repair.h"
#include "tools/snes_address.h"
#include "tools/tool_messages.h"

#include <array>
#include <utility>

namespace zarvo::cli {

namespace {

constexpr const char* kUsage =
    "usage: zarvo-tool snes addr (--lorom|--hirom|--memory|--vram) (--to-snes HEX|--to-file HEX)\n"
    "                            [--header] [--bank80]\n"
    "       zarvo-tool snes checksum ROM [--fix -o OUT]\n"
    "addr converts a file offset (--to-snes) or an SNES address (--to-file) as the\n"
    "converter does, with the $200 copier header and the $80 bank base as options, and\n"
    "prints the result as six or more hexadecimal digits. --memory and --vram count\n"
    "from offsets in a ZSNES savestate.\n"
    "checksum prints \"header XXXXX checksum XXXX complement XXXX new XXXX XXXX\": the\n"
    "header base, the stored checksum and complement, and the new ones. With --fix it\n"
    "writes ROM with the new checksum to OUT (unchanged when no repair is needed); -o -\n"
    "writes it to standard output after the report.\n";

constexpr HexLimit kFieldLimit{0xFFFFFF, "the converter's fields hold at most FFFFFF"};

int WrongUsage(std::ostream& err, const std::string& why)
{
    err << why << "\n" << kUsage;
    return kWrongUsage;
}

int Address(const ParsedArguments& parsed, std::ostream& out, std::ostream& err)
{
    if (parsed.positional.size() != 1) return WrongUsage(err, "snes addr takes no file");
    constexpr std::array<std::pair<const char*, SnesMapping>, 4> kMappings = {{
        {"--lorom", SnesMapping::LoRom},
        {"--hirom", SnesMapping::HiRom},
        {"--memory", SnesMapping::Memory},
        {"--vram", SnesMapping::VideoRam},
    }};
    SnesConverterState state;
    int mappings = 0;
    for (const auto& [flag, mapping] : kMappings) {
        if (parsed.flags.count(flag) != 0) {
            state.mapping = mapping;
            ++mappings;
        }
    }
    if (mappings != 1) return WrongUsage(err, "choose one of --lorom, --hirom, --memory, --vram");
    const auto toSnes = parsed.values.find("--to-snes");
    const auto toFile = parsed.values.find("--to-file");
    if ((toSnes == parsed.values.end()) == (toFile == parsed.values.end())) {
        return WrongUsage(err, "give one of --to-snes HEX, --to-file HEX");
    }
    state.direction = toSnes != parsed.values.end() ? ConvertDirection::ToSnes : ConvertDirection::ToFile;
    const auto& [option, text] = *(toSnes != parsed.values.end() ? toSnes : toFile);
    std::string error;
    const auto value = ParseHexArgument(option, text, kFieldLimit, error);
    if (!value) return WrongUsage(err, error);
    if (parsed.flags.count("--header") != 0) state.headerSize = kCopierHeaderSize;
    if (parsed.flags.count("--bank80") != 0) state.bankBase = kFastBankBase;

    const SnesConversion result = ConvertSnesAddress(state, *value);
    if (!result.ok) {
        PrintLine(err, result.message);
        return kFailed;
    }
    PrintLine(out, ConverterFieldText(result.value));
    return kDone;
}

int Checksum(const ParsedArguments& parsed, std::ostream& out, std::ostream& err)
{
    if (parsed.positional.size() != 2) return WrongUsage(err, "snes checksum needs exactly one ROM");
    const bool fix = parsed.flags.count("--fix") != 0;
    const auto output = parsed.values.find("-o");
    if (fix != (output != parsed.values.end())) return WrongUsage(err, "--fix and -o OUT go together");
    if (parsed.flags.size() != (fix ? 1U : 0U)) return WrongUsage(err, "snes checksum takes only --fix -o OUT");

    DocRecord doc;
    TableSession tables;
    if (!LoadRom(doc, tables, parsed.positional[1], err)) return kFailed;
    const ChecksumReport report = InspectDocumentChecksum(doc);
    if (report.refusal != ChecksumRefusal::None) {
        PrintLine(err, ChecksumRefusalText(report.refusal));
        return kFailed;
    }
    PrintLine(out, ChecksumReportLine(report));
    if (!fix) return kDone;
    if (report.repairNeeded) {
        RepairDocumentChecksum(doc, report);
    } else {
        PrintLine(out, messages::kChecksumNotNeeded);
    }
    // The report is part of what the command does: when it cannot be shown, the
    // repaired ROM is not written either.
    if (FinishListing(out, err) != kDone) return kFailed;
    return WriteDocumentTo(doc, output->second, out, err) ? kDone : kFailed;
}

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    std::string error;
    const auto parsed =
        ParseArguments(arguments, {"--to-snes", "--to-file", "-o"},
                       {"--lorom", "--hirom", "--memory", "--vram", "--header", "--bank80", "--fix"}, error);
    if (!parsed) return WrongUsage(err, error);
    if (!parsed->positional.empty() && parsed->positional[0] == "addr") {
        if (parsed->values.count("-o") != 0 || parsed->flags.count("--fix") != 0) {
            return WrongUsage(err, "snes addr writes no file");
        }
        return Address(*parsed, out, err);
    }
    if (!parsed->positional.empty() && parsed->positional[0] == "checksum") {
        if (parsed->values.count("--to-snes") != 0 || parsed->values.count("--to-file") != 0) {
            return WrongUsage(err, "snes checksum converts no address");
        }
        return Checksum(*parsed, out, err);
    }
    return WrongUsage(err, "snes needs addr or checksum");
}

}  // namespace

Command SnesCommand()
{
    return {"snes",
            "snes addr (--lorom|--hirom|--memory|--vram) (--to-snes HEX|--to-file HEX) [--header] [--bank80] | "
            "snes checksum ROM [--fix -o OUT]",
            kUsage, &Run};
}

}  // namespace zarvo::cli
