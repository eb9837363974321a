#include "cli/arguments.h"

#include <cctype>
#include <cstdint>

namespace zarvo::cli {

std::optional<ParsedArguments> ParseArguments(const std::vector<std::string>& words,
                                              const std::set<std::string>& valueOptions,
                                              const std::set<std::string>& flagOptions, std::string& error)
{
    ParsedArguments parsed;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() > 1 && word[0] == '-') {
            if (valueOptions.count(word) != 0) {
                if (i + 1 >= words.size()) {
                    error = word + " needs a value";
                    return std::nullopt;
                }
                parsed.values[word] = words[++i];
            } else if (flagOptions.count(word) != 0) {
                parsed.flags.insert(word);
            } else {
                error = "unknown option " + word;
                return std::nullopt;
            }
        } else {
            parsed.positional.push_back(word);
        }
    }
    return parsed;
}

std::optional<VerbWithTwoFiles> ParseVerbWithTwoFiles(const std::vector<std::string>& words,
                                                      const std::set<std::string>& verbs, const char* usage,
                                                      std::ostream& err)
{
    std::string error;
    const auto parsed = ParseArguments(words, {"-o"}, {}, error);
    if (!parsed) {
        err << error << "\n" << usage;
        return std::nullopt;
    }
    const auto& positional = parsed->positional;
    const auto output = parsed->values.find("-o");
    if (positional.size() != 3 || verbs.count(positional[0]) == 0 || output == parsed->values.end()) {
        err << usage;
        return std::nullopt;
    }
    return VerbWithTwoFiles{positional[0], positional[1], positional[2], output->second};
}

std::optional<int32_t> ParseCount(const std::string& text, int32_t minimum, int32_t maximum)
{
    if (text.empty() || text.size() > 10) return std::nullopt;
    int64_t value = 0;
    for (const char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < minimum || value > maximum) return std::nullopt;
    return static_cast<int32_t>(value);
}

}  // namespace zarvo::cli
