#include "cli/fill_command.h"

#include "cli/arguments.h"
#include "cli/document_output.h"
#include "cli/hex_argument.h"
#include "cli/rom_input.h"
#include "core/hex_text.h"
#include "dump/byte_fill.h"

#include <utility>

namespace zarvo::cli {

namespace {

constexpr const char* kUsage =
    "usage: zarvo-tool fill ROM --start HEX --end HEX --value HEX -o OUT\n"
    "Writes ROM to OUT with every byte from --start to --end (included, either order)\n"
    "set to the low byte of --value, as the editor's \"BYTE Fill\" does. An end at the\n"
    "buffer's size fills up to its last byte; offsets past it are refused and nothing\n"
    "is written.\n";

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    std::string error;
    const auto parsed = ParseArguments(arguments, {"--start", "--end", "--value", "-o"}, {}, error);
    if (!parsed || parsed->positional.size() != 1 || parsed->values.size() != 4) {
        err << (parsed ? std::string("fill needs a ROM, --start, --end, --value and -o") : error) << "\n" << kUsage;
        return kWrongUsage;
    }
    // Read whole before anything is loaded; the fill reads the digits as its dialog does.
    DumpFields fields;
    for (auto [name, field] :
         {std::pair{"--start", &fields.start}, {"--end", &fields.end}, {"--value", &fields.fileName}}) {
        const auto value = ParseHexArgument(name, parsed->values.at(name), kBoxLimit, error);
        if (!value) {
            err << error << "\n" << kUsage;
            return kWrongUsage;
        }
        *field = FormatHex(*value, 0);
    }
    DocRecord doc;
    TableSession tables;
    if (!LoadRom(doc, tables, parsed->positional[0], err)) return kFailed;
    const FillResult result = RunByteFill(doc, fields);
    if (!result.filled) {
        PrintLine(err, result.notice.text);
        return kFailed;
    }
    return WriteDocumentTo(doc, parsed->values.at("-o"), out, err) ? kDone : kFailed;
}

}  // namespace

Command FillCommand() { return {"fill", "fill ROM --start HEX --end HEX --value HEX -o OUT", kUsage, &Run}; }

}  // namespace zarvo::cli
