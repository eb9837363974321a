#include "search/find_key_filter.h"

#include "search/search_messages.h"

namespace zarvo {

namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

[[nodiscard]] KeyFilterResult Verdict(KeyVerdict verdict) { return {verdict, {}, KeyCommand::None, nullptr}; }
[[nodiscard]] KeyFilterResult Command(KeyCommand command) { return {KeyVerdict::Swallow, {}, command, nullptr}; }

[[nodiscard]] bool IsAsterisk(const TypedFindKey& key) { return key.key == FindKey::Character && key.character == "*"; }

// Hexadecimal search types letters in upper case.
[[nodiscard]] KeyFilterResult HexKey(const TypedFindKey& key, const SearchOptions& options)
{
    if (key.key == FindKey::Backspace) return Verdict(KeyVerdict::Pass);
    std::string upper(key.character);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    // A blank may stand between pairs.
    const bool allowed = options.WildCrd || upper == "*" || upper == " " ||
                         (upper.size() == 1 && kHexDigits.find(upper[0]) != std::string_view::npos);
    if (!allowed) return Verdict(KeyVerdict::Swallow);
    if (upper == key.character) return Verdict(KeyVerdict::Pass);
    return {KeyVerdict::Replace, upper, KeyCommand::None, nullptr};
}

[[nodiscard]] KeyFilterResult TextKey(const TypedFindKey& key, const SearchOptions& options, const TableData& table)
{
    if (options.WildCrd || key.key == FindKey::Backspace || key.character == " ") return Verdict(KeyVerdict::Pass);
    const bool beginsAnEntry = FindSingle(table, key.character, FindMode::FirstChar) >= 0 ||
                               FindPair(table, key.character, FindMode::FirstChar) >= 0;
    return Verdict(beginsAnEntry ? KeyVerdict::Pass : KeyVerdict::Swallow);
}

}  // namespace

KeyFilterResult FilterFindKey(const TypedFindKey& key, std::string_view boxText, FindKind kind,
                              const SearchOptions& options, const TableData& table)
{
    const bool pairsWildcards = kind == FindKind::Hex || kind == FindKind::Kana;
    if (kind == FindKind::Kana) {
        if (key.key == FindKey::Escape) return Command(KeyCommand::CloseDialog);
        if (key.key != FindKey::Backspace && !IsAsterisk(key)) return Verdict(KeyVerdict::Swallow);
    }
    if (key.key == FindKey::Enter) return Command(KeyCommand::RunFind);
    if (key.key == FindKey::Escape) return Command(KeyCommand::CloseDialog);
    if (key.key == FindKey::Character && key.character == ".") return Verdict(KeyVerdict::Pass);
    if (IsAsterisk(key) && options.WildCrd) {
        if (boxText.empty()) return {KeyVerdict::Swallow, {}, KeyCommand::None, messages::kWildCardFirst};
        if (pairsWildcards) return {KeyVerdict::Replace, "**", KeyCommand::None, nullptr};
    }
    if (key.key == FindKey::Backspace && pairsWildcards) {
        // A trailing "**" goes as a whole. (A two-byte character is one character of
        // the Shift-JIS box, so Backspace removes it whole by itself.)
        if (boxText.size() > 1 && boxText.back() == '*') return Verdict(KeyVerdict::EraseLastTwo);
        return Verdict(KeyVerdict::Pass);
    }
    switch (kind) {
    case FindKind::Text:
        return TextKey(key, options, table);
    case FindKind::Hex:
        return HexKey(key, options);
    case FindKind::Relative:
        return Verdict(KeyVerdict::Pass);
    case FindKind::Again:
    case FindKind::Kana:
        break;
    }
    return Verdict(KeyVerdict::Swallow);
}

}  // namespace zarvo
