#include "cli/view_command.h"

#include "cli/arguments.h"
#include "cli/document_output.h"
#include "cli/hex_argument.h"
#include "cli/rom_input.h"
#include "cli/standard_output.h"
#include "cli/terminal_text.h"
#include "view/colour_table.h"
#include "view/offset_form.h"
#include "view/row_layout.h"

#include <algorithm>
#include <climits>
#include <string>

namespace zarvo::cli {

namespace {

constexpr const char* kUsage =
    "usage: zarvo-tool view ROM [--table TBL] [--offset HEX] [--rows N] [--width N]\n"
    "                           [--offset-mode standard|lorom|lorom-fast|hirom|memory]\n"
    "Prints the rows of ROM as the editor's view shows them: the offset, two blanks,\n"
    "the row's bytes in hexadecimal, two blanks, and the text column through the table\n"
    "(the built-in ASCII table without --table). Rows run from --offset (default 0) to\n"
    "the end of the file, or for --rows rows; --width bytes per row (1..128, default 16).\n";

// The listing has no pixels: every text is as wide as nothing.
class NoWidth final : public TextMeasure {
public:
    [[nodiscard]] int width(std::string_view, bool) const override { return 0; }
};

constexpr char kHexDigits[] = "0123456789ABCDEF";

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    std::string error;
    const auto parsed =
        ParseArguments(arguments, {"--table", "--offset", "--rows", "--width", "--offset-mode"}, {}, error);
    if (!parsed || parsed->positional.size() != 1) {
        err << (parsed ? std::string("view needs exactly one ROM") : error) << "\n" << kUsage;
        return kWrongUsage;
    }
    const auto option = [&](const char* name) -> const std::string* {
        const auto found = parsed->values.find(name);
        return found == parsed->values.end() ? nullptr : &found->second;
    };

    int32_t offset = 0;
    int32_t rows = INT32_MAX;
    int32_t width = 16;
    OffsetMode mode = OffsetMode::Standard;
    if (const auto* text = option("--offset")) {
        const auto value = ParseHexArgument("--offset", *text, kOffsetLimit, error);
        if (!value) {
            err << error << "\n" << kUsage;
            return kWrongUsage;
        }
        offset = static_cast<int32_t>(*value);
    }
    if (const auto* text = option("--rows")) {
        const auto value = ParseCount(*text, 0, INT32_MAX);
        if (!value) {
            err << "--rows needs a decimal count\n" << kUsage;
            return kWrongUsage;
        }
        rows = *value;
    }
    if (const auto* text = option("--width")) {
        const auto value = ParseCount(*text, 1, kMaxBytesPerRow);
        if (!value) {
            err << "--width needs a count from 1 to 128\n" << kUsage;
            return kWrongUsage;
        }
        width = *value;
    }
    if (const auto* text = option("--offset-mode"); text != nullptr && !OffsetModeFromName(*text, mode)) {
        err << "unknown offset mode " << *text << "\n" << kUsage;
        return kWrongUsage;
    }

    DocRecord doc;
    TableSession tables;
    if (!LoadRom(doc, tables, parsed->positional[0], err)) return kFailed;
    if (const auto* table = option("--table"); table != nullptr && !LoadTable(doc, tables, *table, err)) {
        return kFailed;
    }

    const ColorTable colours = LoadColors();
    const NoWidth measure;
    RowLayout layout;
    RowRequest request;
    request.data = doc.data();
    request.limit = doc.fileSize;
    request.bytesPerRow = width;
    request.offsetMode = mode;

    // A table's texts are the table author's bytes: on a terminal, control bytes among
    // them (an escape sequence) are shown as '.', not obeyed. Into a pipe or a file
    // they stay as they are.
    const bool terminal = WritesToTerminal(out);
    std::string line;
    for (int64_t start = offset; start < doc.fileSize && rows > 0; start += width, --rows) {
        request.rowOffset = static_cast<int32_t>(start);
        LayOutRow(request, doc.table, colours, measure, layout);
        line = OffsetText(request.rowOffset, mode);
        line += "  ";
        const int32_t end = std::min<int64_t>(start + width, doc.fileSize);
        for (int32_t position = request.rowOffset; position < end; ++position) {
            if (position != request.rowOffset) line += ' ';
            line += kHexDigits[doc.data()[position] >> 4];
            line += kHexDigits[doc.data()[position] & 0x0F];
        }
        line += "  ";
        const std::size_t textStart = line.size();
        line += RowText(layout);
        if (terminal) HideControlBytes(line, textStart);
        line += '\n';
        out.write(line.data(), static_cast<std::streamsize>(line.size()));
    }
    return FinishListing(out, err);
}

}  // namespace

Command ViewCommand()
{
    return {"view", "view ROM [--table TBL] [--offset HEX] [--rows N] [--width N] [--offset-mode MODE]", kUsage, &Run};
}

}  // namespace zarvo::cli
