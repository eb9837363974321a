#include "cli/rsearch_command.h"

#include "cli/arguments.h"
#include "cli/document_output.h"
#include "cli/listing_writer.h"
#include "cli/rom_input.h"
#include "core/search_state.h"
#include "search/relative_search.h"
#include "search/search_messages.h"

namespace zarvo::cli {

namespace {

constexpr const char* kUsage =
    "usage: zarvo-tool rsearch ROM WORD [--limit]\n"
    "Prints the relative search's lines for WORD (1 to 15 bytes, as given), searching\n"
    "from offset 0: every place where the steps between neighbouring bytes are those\n"
    "between WORD's letters, whatever byte the first letter is stored as, as\n"
    "\"[$OFFSET] WORD | A=XX a=XX 0=XX\" with the bytes 'A', 'a' and '0' would have,\n"
    "grouped by that byte ascending. --limit lists at most 128 lines.\n";

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    std::string error;
    const auto parsed = ParseArguments(arguments, {}, {"--limit"}, error);
    if (!parsed || parsed->positional.size() != 2) {
        err << (parsed ? std::string("rsearch needs a ROM and a word") : error) << "\n" << kUsage;
        return kWrongUsage;
    }
    const std::string& word = parsed->positional[1];
    if (word.size() > static_cast<std::size_t>(kRelativeWordLength)) {
        err << messages::kRelativeWordTooLong << "\n" << kUsage;
        return kWrongUsage;
    }

    RomReader rom(parsed->positional[0]);
    if (!rom.ready(err)) return kFailed;
    if (word.empty()) {
        PrintLine(err, messages::kNoTextEntered);
        return kFailed;
    }
    // The file is read a piece at a time and each line printed once its place is
    // known, so memory stays bounded however many lines there are.
    ListingWriter listing(out);
    FilePieces pieces = rom.pieces(rom.viewSize());
    const int32_t limit = parsed->flags.count("--limit") != 0 ? kFindLimitMatches : -1;
    const RelativeWalk walk = ForEachRelativeHit(pieces, 0, word, {}, limit, [&](const RelativeHit& hit) {
        AppendRelativeLine(listing.line(), hit.offset, word, hit.base);
        listing.endLine();
    });
    listing.flush();
    if (walk != RelativeWalk::Done) {
        rom.reportReadFailure(err);
        return kFailed;
    }
    return FinishListing(out, err);
}

}  // namespace

Command RsearchCommand() { return {"rsearch", "rsearch ROM WORD [--limit]", kUsage, &Run}; }

}  // namespace zarvo::cli
