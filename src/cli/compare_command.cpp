#include "cli/compare_command.h"

#include "cli/arguments.h"
#include "cli/document_output.h"
#include "cli/progress_line.h"
#include "tools/file_compare.h"
#include "tools/tool_messages.h"

namespace zarvo::cli {

namespace {

constexpr const char* kUsage =
    "usage: zarvo-tool compare FILE1 FILE2\n"
    "Prints one line per run of differing bytes over the length of the shorter file,\n"
    "\"[OFFSET] ; LENGTH bytes different at location.\", as the editor's compare lists\n"
    "them, or the line saying that the files match.\n";

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    std::string error;
    const auto parsed = ParseArguments(arguments, {}, {}, error);
    if (!parsed || parsed->positional.size() != 2) {
        err << (parsed ? std::string("compare needs exactly two files") : error) << "\n" << kUsage;
        return kWrongUsage;
    }
    ProgressLine progress(err, "compare");
    const CompareOutcome outcome =
        CompareFiles(parsed->positional[0], parsed->positional[1],
                     [&progress](int32_t compared, int32_t total) { progress.update(compared, total); });
    progress.finish();
    if (outcome.error != CompareError::None) {
        PrintLine(err, CompareErrorText(outcome.error));
        if (!outcome.failedPath.empty()) PrintFailure(err, InputFailureText(outcome.failure, outcome.failedPath));
        return kFailed;
    }
    std::string listing;
    if (outcome.runs.empty()) {
        listing = std::string(messages::kCompareNoDifference) + '\n';
    } else {
        constexpr std::size_t kLineLength = 48;  // "[%08X] ; %6d bytes different at location.\n"
        listing.reserve(outcome.runs.size() * kLineLength);
        for (const DifferenceRun& run : outcome.runs) {
            AppendCompareLine(listing, run);
            listing += '\n';
        }
    }
    out.write(listing.data(), static_cast<std::streamsize>(listing.size()));
    return FinishListing(out, err);
}

}  // namespace

Command CompareCommand() { return {"compare", "compare FILE1 FILE2", kUsage, &Run}; }

}  // namespace zarvo::cli
