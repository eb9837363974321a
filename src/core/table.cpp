#include "core/table.h"

namespace zarvo {

namespace {

constexpr std::size_t kPairSlots = 65536;

// Prefix2: the first two bytes equal, where a text that ends early reads as its
// terminating zero (so a one-byte entry matches a one-byte query).
[[nodiscard]] bool FirstTwoBytesEqual(std::string_view entry, std::string_view query)
{
    for (std::size_t i = 0; i < 2; ++i) {
        const char a = i < entry.size() ? entry[i] : '\0';
        const char b = i < query.size() ? query[i] : '\0';
        if (a != b) return false;
    }
    return true;
}

// An empty query finds nothing, and an entry with empty text is never found.
[[nodiscard]] bool Matches(const std::optional<std::string>& entry, std::string_view query, FindMode mode)
{
    if (!entry || entry->empty() || query.empty()) return false;
    switch (mode) {
    case FindMode::Exact:
        return *entry == query;
    case FindMode::FirstChar:
        return entry->front() == query.front();
    case FindMode::Prefix2:
        return FirstTwoBytesEqual(*entry, query);
    }
    return false;
}

}  // namespace

TableData::TableData()
{
    for (auto& pair : dtePairs) pair.fill(0x01);
}

std::optional<std::string>& PairSlot(TableData& table, uint16_t key)
{
    if (table.pairText.empty()) table.pairText.resize(kPairSlots);
    return table.pairText[key];
}

const std::string* PairTextAt(const TableData& table, uint8_t first, uint8_t second)
{
    const std::size_t key = static_cast<std::size_t>(first) * 256 + second;
    if (key >= table.pairText.size() || !table.pairText[key]) return nullptr;
    return &*table.pairText[key];
}

const std::string* SingleTextAt(const TableData& table, uint8_t byte)
{
    const auto& entry = table.singleText[byte];
    return entry ? &*entry : nullptr;
}

uint16_t MarkFor(const TableData& table, uint8_t byte)
{
    if (table.lineMark != 0 && byte == table.lineCode) return '/';
    if (table.endMark != 0 && byte == table.endCode) return table.endMark;
    return 0;
}

int FindSingle(const TableData& table, std::string_view text, FindMode mode)
{
    for (std::size_t byte = 0; byte < table.singleText.size(); ++byte) {
        if (Matches(table.singleText[byte], text, mode)) return static_cast<int>(byte);
    }
    return -1;
}

int FindPair(const TableData& table, std::string_view text, FindMode mode)
{
    for (std::size_t key = 0; key < table.pairText.size(); ++key) {
        if (Matches(table.pairText[key], text, mode)) return static_cast<int>(key);
    }
    return -1;
}

int FindDtePair(const TableData& table, uint8_t c1, uint8_t c2)
{
    for (std::size_t byte = 0; byte < table.dtePairs.size(); ++byte) {
        const auto& pair = table.dtePairs[byte];
        if (table.dteFilled[byte] && pair[0] == c1 && pair[1] == c2) return static_cast<int>(byte);
    }
    return -1;
}

}  // namespace zarvo
