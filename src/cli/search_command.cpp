#include "cli/search_command.h"

#include "cli/arguments.h"
#include "cli/document_output.h"
#include "cli/hex_argument.h"
#include "cli/listing_writer.h"
#include "cli/rom_input.h"
#include "core/session.h"
#include "search/result_list.h"
#include "search/search_messages.h"
#include "search/search_run.h"

namespace zarvo::cli {

namespace {

constexpr const char* kUsage =
    "usage: zarvo-tool search ROM (--text TEXT --table TBL | --hex HEX) [--ignore-case] [--wildcard] [--limit]\n"
    "Prints one line \"[$OFFSET]\" for every match in ROM from offset 0 on, as the editor's\n"
    "Find dialog lists them with \"Save Finds\" and \"Start Search From the Begining\"\n"
    "checked. The whole addressable buffer is searched: at least 65,535 bytes, zeros\n"
    "after the end of a shorter file.\n"
    "  --text TEXT    each byte of TEXT through the table's entries (bytes as given)\n"
    "  --hex HEX      hexadecimal byte pairs; ** is any byte with --wildcard\n"
    "  --ignore-case  ASCII letters match in either case\n"
    "  --wildcard     a pattern byte 2A (* in TEXT) matches any byte\n"
    "  --limit        at most 128 matches\n"
    "Nothing is printed when nothing matches. A text the table cannot encode, or a bad\n"
    "hexadecimal text, fails with the editor's message.\n";

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    std::string error;
    const auto parsed =
        ParseArguments(arguments, {"--text", "--table", "--hex"}, {"--ignore-case", "--wildcard", "--limit"}, error);
    if (!parsed || parsed->positional.size() != 1) {
        err << (parsed ? std::string("search needs exactly one ROM") : error) << "\n" << kUsage;
        return kWrongUsage;
    }
    const auto text = parsed->values.find("--text");
    const auto hex = parsed->values.find("--hex");
    const auto table = parsed->values.find("--table");
    const bool byText = text != parsed->values.end();
    if (byText == (hex != parsed->values.end()) || (byText && table == parsed->values.end())) {
        err << "search needs --text with --table, or --hex\n" << kUsage;
        return kWrongUsage;
    }

    // Odd digit counts and wildcards keep the Find dialog's messages; other characters
    // mean the word is not what the user meant.
    if (!byText && !IsHexPatternText(hex->second)) {
        err << "--hex: \"" << hex->second << "\" holds more than hexadecimal byte pairs, ** and blanks\n" << kUsage;
        return kWrongUsage;
    }

    DocRecord doc;
    Session session;
    if (!LoadRom(doc, session.tables, parsed->positional[0], err)) return kFailed;
    if (byText && !LoadTable(doc, session.tables, table->second, err)) return kFailed;

    session.search.state.SearchKind = byText ? FindKind::Text : FindKind::Hex;
    SearchOptions& options = session.search.dialog.options;
    options.SaveFnd = true;
    options.FindFromStart = true;
    options.IgCase = parsed->flags.count("--ignore-case") != 0;
    options.WildCrd = parsed->flags.count("--wildcard") != 0;
    options.FindLimit = parsed->flags.count("--limit") != 0;

    ListingWriter listing(out);
    const std::string& boxText = byText ? text->second : hex->second;
    const SearchRunOutcome outcome = RunSearch(session.search, session.view, &doc, boxText, [&listing](int32_t offset) {
        AppendMatchLine(listing.line(), offset);
        listing.endLine();
    });
    switch (outcome.status) {
    case SearchRunStatus::Searched:
        break;
    case SearchRunStatus::NothingTyped:
        PrintLine(err, messages::kNoTextEntered);
        return kFailed;
    case SearchRunStatus::Refused:
        PrintLine(err, outcome.notice ? outcome.notice->text : messages::kNoTextEntered);
        return kFailed;
    case SearchRunStatus::NoDocument:
        err << "zarvo-tool: " << parsed->positional[0] << " holds no data\n";
        return kFailed;
    }
    listing.flush();
    return FinishListing(out, err);
}

}  // namespace

Command SearchCommand()
{
    return {"search", "search ROM (--text TEXT --table TBL | --hex HEX) [--ignore-case] [--wildcard] [--limit]", kUsage,
            &Run};
}

}  // namespace zarvo::cli
