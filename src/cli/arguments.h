#pragma once
// The words of a command line: positional words, options with a value and flags.

#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace zarvo::cli {

struct ParsedArguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;  // "--offset" -> "1A00"
    std::set<std::string> flags;                // "--bin"
};

// Options named in valueOptions take the next word as their value; those in
// flagOptions stand alone. Anything else starting with '-' is an error (nullopt, with
// the reason in error).
[[nodiscard]] std::optional<ParsedArguments> ParseArguments(const std::vector<std::string>& words,
                                                            const std::set<std::string>& valueOptions,
                                                            const std::set<std::string>& flagOptions,
                                                            std::string& error);

// "VERB FIRST SECOND -o OUT", the words of the patch commands' create and apply, VERB
// one of verbs. Nothing when they are not all there: the usage is then printed to err.
struct VerbWithTwoFiles {
    std::string verb;
    std::string first;
    std::string second;
    std::string output;
};
[[nodiscard]] std::optional<VerbWithTwoFiles> ParseVerbWithTwoFiles(const std::vector<std::string>& words,
                                                                    const std::set<std::string>& verbs,
                                                                    const char* usage, std::ostream& err);

// A decimal count in [minimum, maximum], the whole word.
[[nodiscard]] std::optional<int32_t> ParseCount(const std::string& text, int32_t minimum, int32_t maximum);

}  // namespace zarvo::cli
