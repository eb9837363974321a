#include "cli/rsearch_command.h"

#include "cli/arguments.h"
#include "cli/document_output.h"
#include "cli/listing_writer.h"
#include "cli/rom_input.h"
#include "core/session.h"
#include "search/relative_search.h"
#include "search/result_list.h"
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

    DocRecord doc;
    Session session;
    if (!LoadRom(doc, session.tables, parsed->positional[0], err)) return kFailed;
    SearchOptions& options = session.search.dialog.options;
    options.FindFromStart = true;
    options.FindLimit = parsed->flags.count("--limit") != 0;
    const RelativeSearchOutcome outcome = RunRelativeSearch(session, &doc, word);
    if (outcome.status != RelativeSearchStatus::Done) {
        PrintLine(err, outcome.notice ? outcome.notice->text : messages::kNoTextEntered);
        return kFailed;
    }

    ListingWriter listing(out);
    const ResultListState& list = session.search.list;
    for (std::size_t i = 0; i < ResultLineCount(list); ++i) {
        AppendResultLine(listing.line(), list, i);
        listing.endLine();
    }
    listing.flush();
    return FinishListing(out, err);
}

}  // namespace

Command RsearchCommand() { return {"rsearch", "rsearch ROM WORD [--limit]", kUsage, &Run}; }

}  // namespace zarvo::cli
