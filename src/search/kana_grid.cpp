#include "search/kana_grid.h"

#include "core/search_state.h"

#include <algorithm>
#include <stdexcept>

namespace zarvo {

namespace {

// A row of a grid is written as up to four runs: consecutive codes, or blanks.
struct Run {
    uint16_t code = 0;
    uint16_t count = 0;
    bool consecutive = false;
};

constexpr Run Codes(uint16_t first, uint16_t last) { return {first, static_cast<uint16_t>(last - first + 1), true}; }
constexpr Run Blanks(uint16_t count) { return {kKanaBlank, count, false}; }

using GridRuns = std::array<std::array<Run, 4>, kKanaGridRows>;

// Spells the runs out; a row that is not exactly 16 cells stops the compilation.
constexpr KanaGridCodes Grid(const GridRuns& rows)
{
    KanaGridCodes codes{};
    std::size_t cell = 0;
    for (const auto& row : rows) {
        const std::size_t rowStart = cell;
        for (const Run& run : row) {
            for (uint16_t i = 0; i < run.count; ++i) {
                if (cell - rowStart >= static_cast<std::size_t>(kKanaGridColumns))
                    throw std::logic_error("row too long");
                codes[cell++] = run.consecutive ? static_cast<uint16_t>(run.code + i) : run.code;
            }
        }
        if (cell - rowStart != static_cast<std::size_t>(kKanaGridColumns)) throw std::logic_error("row too short");
    }
    return codes;
}

constexpr KanaGridCodes kPunctuation = Grid({{
    {Codes(0x8140, 0x814E), Blanks(1)},
    {Codes(0x814F, 0x815E)},
    {Codes(0x815F, 0x816E)},
    {Codes(0x816F, 0x817E)},
    {Codes(0x8180, 0x818F)},
    {Codes(0x8190, 0x819E), Blanks(1)},
}});
constexpr KanaGridCodes kNumbers = Grid({{
    {Codes(0x8740, 0x8749), Blanks(6)},
    {Codes(0x874A, 0x8753), Blanks(6)},
    {Codes(0x8754, 0x875D), Blanks(6)},
    {Codes(0x81C0, 0x81C5), Codes(0x81CF, 0x81D2), Blanks(6)},
    {Codes(0x8250, 0x8258), Codes(0x824F, 0x824F), Blanks(6)},
    {Blanks(16)},
}});
constexpr KanaGridCodes kAscii = Grid({{
    {Blanks(16)},
    {Codes(0x824F, 0x8258), Blanks(6)},
    {Blanks(1), Codes(0x8260, 0x826E)},
    {Codes(0x826F, 0x8279), Blanks(5)},
    {Blanks(1), Codes(0x8281, 0x828F)},
    {Codes(0x8290, 0x829A), Blanks(5)},
}});
constexpr KanaGridCodes kHiragana = Grid({{
    {Codes(0x829F, 0x82AD), Blanks(1)},
    {Codes(0x82AE, 0x82BD)},
    {Codes(0x82BE, 0x82CD)},
    {Codes(0x82CE, 0x82DD)},
    {Codes(0x82DE, 0x82ED)},
    {Codes(0x82EE, 0x82F1), Blanks(3), Codes(0x815B, 0x815B), Blanks(8)},
}});
constexpr KanaGridCodes kKatakana = Grid({{
    {Codes(0x8340, 0x834E), Blanks(1)},
    {Codes(0x834F, 0x835E)},
    {Codes(0x835F, 0x836E)},
    {Codes(0x836F, 0x837E)},
    {Codes(0x8380, 0x838F)},
    {Codes(0x8390, 0x8396), Codes(0x815B, 0x815B), Blanks(8)},
}});

constexpr std::array<const KanaGridCodes*, kKanaGridCount> kGrids = {&kPunctuation, &kNumbers, &kAscii, &kHiragana,
                                                                     &kKatakana};
constexpr std::array<const char*, kKanaGridCount> kGridNames = {"Punctuation", "Numbers", "Ascii", "Hiragana",
                                                                "Katakana"};

[[nodiscard]] bool IsGridIndex(int32_t index) { return index >= 0 && index < kKanaGridCount; }

}  // namespace

const KanaGridCodes& KanaGrid(int32_t index)
{
    return *kGrids[static_cast<std::size_t>(IsGridIndex(index) ? index : 0)];
}

const char* KanaGridName(int32_t index) { return kGridNames[static_cast<std::size_t>(IsGridIndex(index) ? index : 0)]; }

std::optional<KanaCell> KanaCellAt(int32_t x, int32_t y)
{
    if (x < 0 || y < 0) return std::nullopt;
    const KanaCell cell{x / kKanaCellPixels, y / kKanaCellPixels};
    if (cell.column >= kKanaGridColumns || cell.row >= kKanaGridRows) return std::nullopt;
    return cell;
}

PixelPoint KanaGlyphPosition(KanaCell cell)
{
    return {cell.column * kKanaCellPixels + 6, cell.row * kKanaCellPixels + 6};
}

PixelPoint KanaHighlightPosition(KanaCell cell)
{
    return {cell.column * kKanaCellPixels + 2, cell.row * kKanaCellPixels + 144};
}

uint16_t KanaCellCode(int32_t grid, KanaCell cell)
{
    const int32_t column = std::clamp(cell.column, 0, kKanaGridColumns - 1);
    const int32_t row = std::clamp(cell.row, 0, kKanaGridRows - 1);
    return KanaGrid(grid)[static_cast<std::size_t>(row * kKanaGridColumns + column)];
}

std::string KanaCodeBytes(uint16_t code) { return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)}; }

std::optional<std::string> KanaCellInsertion(const TableData& table, int32_t grid, std::optional<KanaCell> hovered,
                                             std::size_t boxBytes)
{
    if (!hovered) return std::nullopt;
    std::string bytes = KanaCodeBytes(KanaCellCode(grid, *hovered));
    if (boxBytes + 2 >= static_cast<std::size_t>(kFindBoxLength)) return std::nullopt;
    if (FindSingle(table, bytes, FindMode::Exact) < 0 && FindPair(table, bytes, FindMode::Exact) < 0) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace zarvo
