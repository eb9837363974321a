#include "cli/pointers_command.h"

#include "cli/document_output.h"
#include "cli/hex_argument.h"
#include "cli/listing_writer.h"
#include "cli/pointer_options.h"
#include "cli/rom_input.h"
#include "script/pointer_search.h"

#include <string>

namespace zarvo::cli {

namespace {

const std::string kUsage = std::string(
    "usage: zarvo-tool pointers ROM --to HEX [--map FORM] [--bits N] [--offset [-]HEX] [--header HEX]\n"
    "                  [--big-endian] [--align N]\n"
    "Prints every place of ROM that holds a pointer to the offset HEX, one \"[$OFFSET] FORM\"\n"
    "line each, in the form --map names, or without --map in every usual form: linear 16,\n"
    "24 and 32-bit (with --offset), lorom00, lorom80 and hirom 24-bit, gb 16-bit and gba\n"
    "32-bit, little-endian (and big-endian too with --big-endian). A 16-bit pointer of a\n"
    "banked form counts where it lies in the bank it names. --align N keeps places that\n"
    "are multiples of N (decimal).\n") + kPointerOptionsHelp;

int WrongUsage(std::ostream& err, const std::string& why)
{
    err << why << "\n" << kUsage;
    return kWrongUsage;
}

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    std::string error;
    const auto parsed = ParseArguments(arguments, {"--to", "--map", "--bits", "--offset", "--header", "--align"},
                                       {"--big-endian"}, error);
    if (!parsed) return WrongUsage(err, error);
    if (parsed->positional.size() != 1) return WrongUsage(err, "pointers needs exactly one ROM");
    const auto to = parsed->values.find("--to");
    if (to == parsed->values.end()) return WrongUsage(err, "pointers needs --to HEX");
    const auto target = ParseHexArgument("--to", to->second, kOffsetLimit, error);
    if (!target) return WrongUsage(err, error);
    const auto options = ReadPointerOptions(*parsed, error);
    if (!options) return WrongUsage(err, error);
    int32_t align = 1;
    if (const auto given = parsed->values.find("--align"); given != parsed->values.end()) {
        const auto count = ParseCount(given->second, 1, 1 << 20);
        if (!count) return WrongUsage(err, "--align needs a decimal number from 1");
        align = *count;
    }

    const auto rom = ReadInput(parsed->positional[0], err);
    if (!rom) return kFailed;
    const std::vector<PointerForm> forms =
        options->machineGiven
            ? std::vector<PointerForm>{options->form}
            : EveryPointerForm(options->form.offset, options->form.header, options->form.bigEndian);
    ListingWriter listing(out);
    for (const PointerHit& hit : FindPointers(rom->content(), *target, forms, align)) {
        listing.line() += PointerHitLine(hit);
        listing.endLine();
    }
    listing.flush();
    return FinishListing(out, err);
}

}  // namespace

Command PointersCommand()
{
    return {"pointers",
            "pointers ROM --to HEX [--map FORM] [--bits N] [--offset [-]HEX] [--header HEX] [--big-endian] [--align N]",
            kUsage.c_str(), &Run};
}

}  // namespace zarvo::cli
