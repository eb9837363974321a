#include "cli/rtable_command.h"

#include "cli/arguments.h"
#include "cli/document_output.h"
#include "core/table_list_file.h"
#include "search/relative_table.h"

namespace zarvo::cli {

namespace {

constexpr const char* kUsage =
    "usage: zarvo-tool rtable A=XX -o OUT.tbl\n"
    "Writes the table \"Create table with Selected values\" makes from a relative-search\n"
    "hit whose line ends in A=XX: byte XX stands for 'A' and every printable ASCII\n"
    "character keeps its distance from 'A', one \"KK=c\" line per byte, as the table\n"
    "maker saves it. A whole relative-search line may be given instead of A=XX.\n"
    "-o - writes the table to standard output.\n";

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    std::string error;
    const auto parsed = ParseArguments(arguments, {"-o"}, {}, error);
    if (!parsed) {
        err << error << "\n" << kUsage;
        return kWrongUsage;
    }
    const auto output = parsed->values.find("-o");
    if (parsed->positional.size() != 1 || output == parsed->values.end()) {
        err << "rtable needs A=XX and -o OUT.tbl\n" << kUsage;
        return kWrongUsage;
    }
    const std::optional<uint8_t> valueOfA = TableValueOfA(parsed->positional[0]);
    if (!valueOfA) {
        err << "rtable needs the value of A as A=XX (hexadecimal)\n" << kUsage;
        return kWrongUsage;
    }
    const std::vector<std::string> lines = FirstTableLines(*valueOfA);
    if (output->second == "-") {
        const std::string content = TableFileContent(lines);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        return FinishListing(out, err);
    }
    if (WriteTableListFile(output->second, lines) != SaveError::None) {
        err << "zarvo-tool: cannot write " << output->second << "\n";
        return kFailed;
    }
    return kDone;
}

}  // namespace

Command RtableCommand() { return {"rtable", "rtable A=XX -o OUT.tbl", kUsage, &Run}; }

}  // namespace zarvo::cli
