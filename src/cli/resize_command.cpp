#include "cli/resize_command.h"

#include "cli/arguments.h"
#include "cli/document_output.h"
#include "cli/rom_input.h"
#include "core/table_session.h"
#include "tools/rom_resize.h"
#include "tools/tool_messages.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace zarvo::cli {

namespace {

constexpr const char* kUsage =
    "usage: zarvo-tool resize ROM SIZE (--bytes|--mbits|--mbytes) [--header N] -o OUT\n"
    "Writes ROM cut or extended to SIZE units (decimal) plus N header bytes to OUT, as\n"
    "the editor's \"Increase / Decrease ROM Size\" does: bytes past the old end are FF,\n"
    "bytes past the new end are dropped. One Mega-BIT is 131072 bytes, one Mega-BYTE\n"
    "1048576 bytes. -o - writes to standard output.\n";

int WrongUsage(std::ostream& err, const std::string& why)
{
    err << why << "\n" << kUsage;
    return kWrongUsage;
}

bool AllDigits(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(),
                                        [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    std::string error;
    const auto parsed = ParseArguments(arguments, {"--header", "-o"}, {"--bytes", "--mbits", "--mbytes"}, error);
    if (!parsed) return WrongUsage(err, error);
    if (parsed->positional.size() != 2) return WrongUsage(err, "resize needs a ROM and a size");
    if (parsed->flags.size() != 1) return WrongUsage(err, "choose one of --bytes, --mbits, --mbytes");
    const auto output = parsed->values.find("-o");
    if (output == parsed->values.end()) return WrongUsage(err, "resize needs -o OUT");

    constexpr std::array<std::pair<const char*, SizeUnit>, 3> kUnits = {{
        {"--bytes", SizeUnit::Bytes},
        {"--mbits", SizeUnit::MegaBits},
        {"--mbytes", SizeUnit::MegaBytes},
    }};
    SizeUnit unit = SizeUnit::Bytes;
    for (const auto& [flag, named] : kUnits) {
        if (parsed->flags.count(flag) != 0) unit = named;
    }
    const std::string& sizeText = parsed->positional[1];
    if (!AllDigits(sizeText)) return WrongUsage(err, "SIZE needs a decimal number");
    const auto header = parsed->values.find("--header");
    if (header != parsed->values.end() && !AllDigits(header->second)) {
        return WrongUsage(err, "--header needs a decimal number of bytes");
    }
    const bool addHeader = header != parsed->values.end();
    const ResizePlan plan = PlanResize(sizeText, unit, addHeader, addHeader ? header->second : std::string());
    if (plan.refusal != nullptr) {
        PrintLine(err, plan.refusal);
        return kFailed;
    }

    DocRecord doc;
    TableSession tables;
    if (!LoadRom(doc, tables, parsed->positional[0], err)) return kFailed;
    if (!ResizeDocument(doc, plan.length, ViewState{})) {
        PrintLine(err, messages::kResizeFailed);
        return kFailed;
    }
    return WriteDocumentTo(doc, output->second, out, err) ? kDone : kFailed;
}

}  // namespace

Command ResizeCommand()
{
    return {"resize", "resize ROM SIZE (--bytes|--mbits|--mbytes) [--header N] -o OUT", kUsage, &Run};
}

}  // namespace zarvo::cli
