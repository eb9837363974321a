#include "cli/pointer_options.h"

#include "cli/hex_argument.h"

namespace zarvo::cli {

namespace {

constexpr HexLimit kSignedLimit{0x7FFFFFFF, "an offset goes up to 7FFFFFFF either way"};

}  // namespace

std::optional<PointerOptions> ReadPointerOptions(const ParsedArguments& parsed, std::string& error)
{
    PointerOptions options;
    const auto value = [&parsed](const char* name) -> const std::string* {
        const auto found = parsed.values.find(name);
        return found == parsed.values.end() ? nullptr : &found->second;
    };
    if (const std::string* map = value("--map")) {
        const auto machine = PointerMachineNamed(*map);
        if (!machine) {
            error = "--map: unknown form " + *map;
            return std::nullopt;
        }
        options.form.machine = *machine;
        options.machineGiven = true;
    }
    options.form.bits = DefaultPointerBits(options.form.machine);
    if (const std::string* bits = value("--bits")) {
        if (*bits != "16" && *bits != "24" && *bits != "32") {
            error = "--bits: a pointer has 16, 24 or 32 bits";
            return std::nullopt;
        }
        options.form.bits = std::stoi(*bits);
    }
    if (const std::string* offset = value("--offset")) {
        const bool negative = offset->starts_with("-");
        const auto magnitude = ParseHexArgument("--offset", negative ? offset->substr(1) : *offset, kSignedLimit, error);
        if (!magnitude) return std::nullopt;
        options.form.offset = negative ? -static_cast<int64_t>(*magnitude) : static_cast<int64_t>(*magnitude);
    }
    if (const std::string* header = value("--header")) {
        const auto bytes = ParseHexArgument("--header", *header, kOffsetLimit, error);
        if (!bytes) return std::nullopt;
        options.form.header = *bytes;
    }
    options.form.bigEndian = parsed.flags.count("--big-endian") != 0;
    return options;
}

}  // namespace zarvo::cli
