#pragma once
// The cells of one row of the hex/text view: the offset, the hexadecimal bytes and
// the text column, each with its text, colours and x position. Positions follow
// the widths the caller measures with its font, so the window only paints cells.

#include "core/document.h"
#include "core/session.h"
#include "core/table.h"
#include "view/colour_table.h"
#include "view/selection.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarvo {

// Measures drawn text in pixels. unicode = the bytes are Shift-JIS drawn with the kana font.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    [[nodiscard]] virtual int width(std::string_view text, bool unicode) const = 0;
};

enum class CellKind {
    OffsetBlank,  // eight blanks under the offset
    Offset,
    OffsetGap,  // "  " after the offset
    Hex,
    HexFill,  // no text: slot 1's background from x to the client width (x does not move)
    TextGap,  // "  " before the text column (the second blank is overdrawn)
    Text,
    TextFill,  // no text: slot 3's background from x to the client width, at least one blank wide
};

// What a text cell shows, which decides its colours (None for cells outside the text
// column; Blank for a byte past the end of the buffer, shown as " ").
enum class TextKind { None, OneChar, TwoChar, OtherLength, Pair, LineMark, EndMark, Unmapped, Blank };

struct ViewCell {
    CellKind kind = CellKind::Hex;
    TextKind textKind = TextKind::None;
    std::string text;  // bytes to draw (table texts are not translated)
    int x = 0;
    int width = 0;  // measured width; fills reach the client width
    // Spaced hex: the width of the blank after a hex cell, drawn on the even-column
    // background (the cursor's colours never cover it). Kept in the cell rather than
    // as a cell of its own: a page has thousands of them.
    int trailingBlank = 0;
    ColourRef trailingBack = 0;  // the even column's background, or the selection's between two selected bytes
    ColourPair colours;
    bool unicode = false;     // draw through the kana font
    int32_t byteOffset = -1;  // first byte the cell shows, -1 for none
};

// The cursor cell the blink timer redraws.
struct BlinkCell {
    ColourRef highText = 0;
    ColourRef highBack = 0;
    ColourRef lowText = 0;
    ColourRef lowBack = 0;
    int row = 0;
    int x = 0;
    std::string text;
    bool unicode = false;
    bool phase = true;
};

struct RowRequest {
    const uint8_t* data = nullptr;
    int32_t limit = 0;  // bytes [0, limit) exist; cells past it are blank
    // Bytes from fileEnd on lie past the file's own end (the view buffer of a small
    // file is longer): their text is drawn dimmed, unless changed, selected or under the cursor.
    int32_t fileEnd = std::numeric_limits<int32_t>::max();
    int32_t rowOffset = 0;  // buffer offset of the row's first byte
    int row = 0;            // row index within the page
    int32_t bytesPerRow = 16;
    OffsetMode offsetMode = OffsetMode::Standard;
    bool spacedHex = true;
    bool unicodeView = false;
    bool textMode = false;
    int cursorRow = -1;
    int cursorColumn = -1;
    std::optional<ByteRange> selection;  // bytes drawn in the selection's colours
    int clientWidth = 0;
    const ChangeMarks* changes = nullptr;  // bytes drawn in the changed colour, or none
};

struct RowLayout {
    std::vector<ViewCell> cells;
    std::optional<BlinkCell> blink;
};

inline constexpr int kViewLeftMargin = 14;  // room for the 12-pixel scroll bar

// What the text column shows for the byte at offset, of a buffer whose bytes
// [0, limit) exist: a pair entry (when pairAllowed, the byte not being the last of its
// row, and both bytes exist), else the single entry, a mark, or "."; a byte past the
// buffer is a blank cell. text points into the table or into constant storage.
struct TextCellContent {
    TextKind kind = TextKind::Blank;
    std::string_view text;
    int32_t bytes = 1;  // the bytes the cell shows: 2 for a pair
};
[[nodiscard]] TextCellContent TextCellAt(const TableData& table, const uint8_t* data, int32_t limit, int64_t offset,
                                         bool pairAllowed);

// Lays out one row into out (its storage is reused between rows). Only bytes in
// [0, limit) are read: a hex cell past it shows "  " (byteOffset -1), a text cell " "
// (TextKind::Blank), and a pair needs both of its bytes inside. out.blink is set only
// when this row holds the cursor cell of the current input mode.
void LayOutRow(const RowRequest& request, const TableData& table, const ColorTable& colours, const TextMeasure& measure,
               RowLayout& out);

// The request for row `row` of the page the document's window shows: its bytes, the
// program's view settings, the document's input mode, cursor and selection.
[[nodiscard]] RowRequest PageRowRequest(const DocRecord& doc, const Session& session, int row, int clientWidth);

// The text column of a row as one byte string: table texts, marks and "." joined,
// blank cells left out. Used for listings outside the window.
[[nodiscard]] std::string RowText(const RowLayout& layout);

}  // namespace zarvo
