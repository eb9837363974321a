#pragma once
// The table of a document: which byte or byte pair stands for which text, the
// line and end marks, control-code directives and dump templates. Texts are byte
// strings in the table file's own encoding (single bytes or Shift-JIS pairs).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarvo {

// A directive record: `.code`, `.dual`, `.multicode`, `.nontbl`, `.startdump`, `.enddump`.
struct CodeEntry {
    uint32_t used = 0;   // 1 = defined
    uint32_t value = 0;  // meaning per directive (swapped code for .dual, parameter count for .multicode)
    std::string text;
};

inline constexpr int kTableSlots = 3;     // Table #1, Table #2, built-in ASCII
inline constexpr int8_t kAsciiTable = 2;  // activeTable value of the built-in ASCII table
inline constexpr int kMaxDualEntries = 255;

struct TableData {
    TableData();

    // For byte b: the two characters of b's two-character single entry and a filler.
    // Entries never filled hold 0x01 0x01 0x01; dteFilled tells them apart.
    std::array<std::array<uint8_t, 3>, 256> dtePairs{};
    std::array<bool, 256> dteFilled{};
    std::array<std::optional<std::string>, 256> singleText;
    // Key = first byte * 256 + second. Empty until the first pair entry is stored
    // (PairSlot), then 65,536 slots: most tables, and every command that reads no
    // table, never pay for them.
    std::vector<std::optional<std::string>> pairText;

    std::array<std::string, kTableSlots> tableName;
    uint16_t lineCode = 0;
    uint16_t lineMark = 0;  // '/' when set
    uint16_t endCode = 0;
    uint16_t endMark = 0;  // '*' or '\\' when set
    int8_t activeTable = 0;

    std::array<CodeEntry, 256> codeTable;
    std::array<CodeEntry, 256> dualList;  // first dualCount in use
    int dualCount = 0;
    std::array<CodeEntry, 256> multiTable;
    CodeEntry dumpFooter;
    CodeEntry dumpHeader;
    CodeEntry rawFormat;
};

// The slot of pair key, the pair slots made first when there are none yet.
[[nodiscard]] std::optional<std::string>& PairSlot(TableData& table, uint16_t key);

// Forward lookups: direct indexing, null when there is no entry.
[[nodiscard]] const std::string* PairTextAt(const TableData& table, uint8_t first, uint8_t second);
[[nodiscard]] const std::string* SingleTextAt(const TableData& table, uint8_t byte);
// '/' for the line code, the end mark for the end code (line mark wins), else 0.
[[nodiscard]] uint16_t MarkFor(const TableData& table, uint8_t byte);

enum class FindMode {
    Exact,      // entry text equals the given text
    FirstChar,  // entry text's first character equals the given text's first character
    Prefix2,    // first two bytes equal, comparison stops at a terminating zero (Shift-JIS)
};

// Reverse lookups: the lowest byte (0..255) or key (0..65535) that matches, or -1.
[[nodiscard]] int FindSingle(const TableData& table, std::string_view text, FindMode mode);
[[nodiscard]] int FindPair(const TableData& table, std::string_view text, FindMode mode);
// The lowest byte whose two-character entry is c1 c2, or -1.
[[nodiscard]] int FindDtePair(const TableData& table, uint8_t c1, uint8_t c2);

}  // namespace zarvo
