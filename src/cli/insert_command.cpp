#include "cli/insert_command.h"

#include "cli/arguments.h"
#include "cli/document_output.h"
#include "cli/hex_argument.h"
#include "cli/rom_input.h"
#include "core/hex_text.h"
#include "dump/binary_insertion.h"
#include "dump/dump_messages.h"

namespace zarvo::cli {

namespace {

constexpr const char* kUsage =
    "usage: zarvo-tool insert ROM FILE --at HEX -o OUT\n"
    "Writes ROM to OUT with the bytes of FILE written over it from offset --at on, as\n"
    "the editor's \"Insert Binary Data\" does; the size stays. A FILE longer than the\n"
    "room before the end of the buffer is cut to fit (the editor's question answered\n"
    "Yes). A position at or past the end is refused and nothing is written.\n";

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    std::string error;
    const auto parsed = ParseArguments(arguments, {"--at", "-o"}, {}, error);
    if (!parsed || parsed->positional.size() != 2 || parsed->values.size() != 2) {
        err << (parsed ? std::string("insert needs a ROM, a FILE, --at HEX and -o OUT") : error) << "\n" << kUsage;
        return kWrongUsage;
    }
    const auto position = ParseHexArgument("--at", parsed->values.at("--at"), kBoxLimit, error);
    if (!position) {
        err << error << "\n" << kUsage;
        return kWrongUsage;
    }
    DocRecord doc;
    TableSession tables;
    if (!LoadRom(doc, tables, parsed->positional[0], err)) return kFailed;
    InsertionFile file;
    if (!file.open(parsed->positional[1])) {
        PrintLine(err, file.openFailure().text);
        return kFailed;
    }
    const InsertionPlan plan = PlanInsertion(FormatHex(*position, 0), file.size(), doc);
    const Notice notice = InsertFileBytes(doc, file, plan);
    if (notice.text != messages::kInserted) {
        PrintLine(err, notice.text);
        return kFailed;
    }
    return WriteDocumentTo(doc, parsed->values.at("-o"), out, err) ? kDone : kFailed;
}

}  // namespace

Command InsertCommand() { return {"insert", "insert ROM FILE --at HEX -o OUT", kUsage, &Run}; }

}  // namespace zarvo::cli
