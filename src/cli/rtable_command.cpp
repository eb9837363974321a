#include "cli/rtable_command.h"

#include "cli/arguments.h"
#include "cli/document_output.h"
#include "cli/hex_argument.h"
#include "core/table_list_file.h"
#include "search/relative_table.h"

#include <optional>
#include <string_view>

namespace zarvo::cli {

namespace {

constexpr HexLimit kByteLimit{0xFF, "a byte is at most FF"};

constexpr const char* kUsage =
    "usage: zarvo-tool rtable A=XX -o OUT.tbl\n"
    "Writes the table \"Create table with Selected values\" makes from a relative-search\n"
    "hit whose line ends in A=XX: byte XX stands for 'A' and every printable ASCII\n"
    "character keeps its distance from 'A', one \"KK=c\" line per byte, as the table\n"
    "maker saves it. A whole relative-search line may be given instead of A=XX.\n"
    "-o - writes the table to standard output; an existing FIFO or device is written\n"
    "directly.\n";

// The digits after "A=": the whole word "A=XX", or up to the next blank of a
// relative-search line ("... | A=41 a=61 0=30").
std::optional<std::string_view> DigitsOfA(std::string_view word)
{
    constexpr std::string_view kBare = "A=";
    constexpr std::string_view kInLine = "| A=";
    if (word.starts_with(kBare)) return word.substr(kBare.size());
    const auto mark = word.rfind(kInLine);
    if (mark == std::string_view::npos) return std::nullopt;
    const std::string_view rest = word.substr(mark + kInLine.size());
    return rest.substr(0, rest.find(' '));
}

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
    const std::optional<std::string_view> digits = DigitsOfA(parsed->positional[0]);
    const auto valueOfA = digits ? ParseHexArgument("A", *digits, kByteLimit, error) : std::nullopt;
    if (!valueOfA) {
        err << (digits ? error : std::string("rtable needs the value of A as A=XX (hexadecimal)")) << "\n" << kUsage;
        return kWrongUsage;
    }
    const std::string content = TableFileContent(FirstTableLines(static_cast<uint8_t>(*valueOfA)));
    const auto produce = [&content](const ByteSink& sink) {
        return sink(reinterpret_cast<const uint8_t*>(content.data()), content.size());
    };
    return WriteCommandOutput(output->second, produce, out, err) ? kDone : kFailed;
}

}  // namespace

Command RtableCommand() { return {"rtable", "rtable A=XX -o OUT.tbl", kUsage, &Run}; }

}  // namespace zarvo::cli
