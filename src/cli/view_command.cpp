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
    RomReader rom(parsed->positional[0]);
    if (!rom.open(doc, tables, err)) return kFailed;
    if (const auto* table = option("--table"); table != nullptr && !LoadTable(doc, tables, *table, err)) {
        return kFailed;
    }

    const ColorTable colours = LoadColors();
    const NoWidth measure;
    RowLayout layout;
    RowRequest request;
    request.bytesPerRow = width;
    request.offsetMode = mode;

    // A table's texts are the table author's bytes: on a terminal, control bytes among
    // them (an escape sequence) are shown as '.', not obeyed. Into a pipe or a file
    // they stay as they are.
    const bool terminal = WritesToTerminal(out);
    std::string line;
    // The rows are read a few thousand at a time, whole rows to a piece; a row's text
    // never reads past the row.
    constexpr int32_t kRowsPerPiece = 4096;
    const int64_t wanted = std::min<int64_t>(int64_t{rows} * width, int64_t{doc.fileSize} - offset);
    const auto end = static_cast<int32_t>(offset + std::max<int64_t>(wanted, 0));
    FilePieces pieces(rom.pieces(doc.fileSize, static_cast<std::size_t>(width) * kRowsPerPiece));
    const bool read = pieces.forEachPiece(offset, end, 0, [&](std::span<const uint8_t> piece, int32_t pieceOffset) {
        request.data = piece.data();
        request.limit = static_cast<int32_t>(piece.size());
        for (int32_t start = 0; start < request.limit; start += width) {
            request.rowOffset = start;
            LayOutRow(request, doc.table, colours, measure, layout);
            line = OffsetText(pieceOffset + start, mode);
            line += "  ";
            const int32_t rowEnd = std::min(start + width, request.limit);
            for (int32_t position = start; position < rowEnd; ++position) {
                if (position != start) line += ' ';
                line += kHexDigits[piece[static_cast<std::size_t>(position)] >> 4];
                line += kHexDigits[piece[static_cast<std::size_t>(position)] & 0x0F];
            }
            line += "  ";
            const std::size_t textStart = line.size();
            line += RowText(layout);
            if (terminal) HideControlBytes(line, textStart);
            line += '\n';
            out.write(line.data(), static_cast<std::streamsize>(line.size()));
        }
        return true;
    });
    if (!read) {
        rom.reportReadFailure(err);
        return kFailed;
    }
    return FinishListing(out, err);
}

}  // namespace

Command ViewCommand()
{
    return {"view", "view ROM [--table TBL] [--offset HEX] [--rows N] [--width N] [--offset-mode MODE]", kUsage, &Run};
}

}  // namespace zarvo::cli
