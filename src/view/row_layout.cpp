#include "view/row_layout.h"

#include "view/offset_form.h"

#include <algorithm>
#include <array>
#include <limits>

namespace zarvo {

namespace {

constexpr std::string_view kOffsetBlanks = "        ";
constexpr std::string_view kTwoBlanks = "  ";
constexpr std::string_view kOneBlank = " ";
constexpr std::string_view kUnmapped = ".";

// "%02X" of every byte value, two characters each.
constexpr std::array<char, 512> kHexTexts = [] {
    constexpr std::string_view digits = "0123456789ABCDEF";
    std::array<char, 512> texts{};
    for (std::size_t value = 0; value < 256; ++value) {
        texts[value * 2] = digits[value >> 4];
        texts[value * 2 + 1] = digits[value & 0xF];
    }
    return texts;
}();

// Copies text into target, keeping target's storage. (Written as clear and append:
// g++ 12 warns wrongly about assign from a string_view.)
void CopyText(std::string& target, std::string_view text)
{
    target.clear();
    target.append(text);
}

[[nodiscard]] std::string_view HexText(uint8_t value)
{
    return {kHexTexts.data() + static_cast<std::size_t>(value) * 2, 2};
}

// Colours of a text cell: as drawn, and as the blink shows it in its hidden phase.
struct TextColours {
    ColourPair shown;
    ColourPair hidden;
};

[[nodiscard]] TextColours ColoursForText(TextKind kind, bool underCursor, const ColorTable& colours)
{
    const auto slots = [&](int plain, int cursor) {
        return TextColours{colours[static_cast<std::size_t>(underCursor ? cursor : plain)],
                           colours[static_cast<std::size_t>(plain)]};
    };
    const auto mark = [&](ColourRef text) {
        const ColourRef plainBack = colours[kSlotTextSingle].back;
        const ColourRef back = underCursor ? colours[kSlotTextSingleCursor].back : plainBack;
        return TextColours{{text, back}, {text, plainBack}};
    };
    switch (kind) {
    case TextKind::TwoChar:
        return slots(kSlotTextTwoChar, kSlotTextTwoCharCursor);
    case TextKind::OtherLength:
        return slots(kSlotTextOther, kSlotTextOtherCursor);
    case TextKind::Pair:
        return slots(kSlotTextPair, kSlotTextPairCursor);
    case TextKind::LineMark:
        return mark(kLineMarkColour);
    case TextKind::EndMark:
        return mark(kEndMarkColour);
    case TextKind::None:
    case TextKind::OneChar:
    case TextKind::Unmapped:
    case TextKind::Blank:
        break;
    }
    return slots(kSlotTextSingle, kSlotTextSingleCursor);
}

[[nodiscard]] TextKind KindForLength(std::size_t length)
{
    switch (length) {
    case 1:
        return TextKind::OneChar;
    case 2:
        return TextKind::TwoChar;
    default:
        return TextKind::OtherLength;  // empty texts too
    }
}

// Fills the cells of out one after another, reusing the cells (and their
// strings' storage) left from the previous row.
class CellWriter {
public:
    explicit CellWriter(std::vector<ViewCell>& cells) : cells_(cells) {}

    ViewCell& add(CellKind kind, std::string_view text, int x, int width, ColourPair colours)
    {
        if (used_ == cells_.size()) {
            cells_.emplace_back();
        }
        ViewCell& cell = cells_[used_++];
        cell.kind = kind;
        cell.textKind = TextKind::None;
        CopyText(cell.text, text);
        cell.x = x;
        cell.width = width;
        cell.colours = colours;
        cell.unicode = false;
        cell.byteOffset = -1;
        cell.trailingBlank = 0;
        return cell;
    }

    void finish() { cells_.resize(used_); }

private:
    std::vector<ViewCell>& cells_;
    std::size_t used_ = 0;
};

class RowBuilder {
public:
    RowBuilder(const RowRequest& request, const TableData& table, const ColorTable& colours, const TextMeasure& measure,
               RowLayout& out)
        : request_(request),
          table_(table),
          colours_(colours),
          measure_(measure),
          out_(out),
          cells_(out.cells),
          onCursorRow_(request.row == request.cursorRow),
          oneBlankWidth_(width(kOneBlank)),
          twoBlanksWidth_(width(kTwoBlanks))
    {}

    void build()
    {
        out_.blink.reset();
        addOffset();
        for (int32_t column = 0; column < request_.bytesPerRow; ++column) {
            addHex(column);
        }
        addHexEnd();
        for (int32_t column = 0; column < request_.bytesPerRow;) {
            column += addText(column);
        }
        cells_.add(CellKind::TextFill, {}, x_, std::max(request_.clientWidth - x_, oneBlankWidth_),
                   colours_[kSlotTextSingle]);
        cells_.finish();
    }

private:
    [[nodiscard]] int width(std::string_view text, bool unicode = false) const { return measure_.width(text, unicode); }

    // The buffer offset of a column, widened so that no sum overflows.
    [[nodiscard]] int64_t offsetOf(int32_t column) const { return static_cast<int64_t>(request_.rowOffset) + column; }

    [[nodiscard]] bool exists(int64_t offset) const
    {
        return request_.data != nullptr && offset >= 0 && offset < request_.limit;
    }

    [[nodiscard]] bool underCursor(int32_t column) const { return onCursorRow_ && request_.cursorColumn == column; }

    void addOffset()
    {
        const ColourPair colours = colours_[onCursorRow_ ? kSlotOffsetCursorRow : kSlotOffset];
        cells_.add(CellKind::OffsetBlank, kOffsetBlanks, x_, width(kOffsetBlanks), colours);
        const std::string text = OffsetText(request_.rowOffset, request_.offsetMode);
        const int textWidth = width(text);
        cells_.add(CellKind::Offset, text, x_, textWidth, colours);
        x_ += textWidth;
        cells_.add(CellKind::OffsetGap, kTwoBlanks, x_, twoBlanksWidth_, {colours.text, colours_[kSlotOffset].back});
        x_ += twoBlanksWidth_;
    }

    void addHex(int32_t column)
    {
        const int64_t offset = offsetOf(column);
        const bool present = exists(offset);
        const std::string_view text = present ? HexText(request_.data[offset]) : kTwoBlanks;
        const ColourPair& even = colours_[kSlotHexEven];
        const bool changed =
            present && request_.changes != nullptr && request_.changes->contains(static_cast<int32_t>(offset));
        const ColourRef plainText = changed           ? colours_[kSlotHexChanged].text
                                    : column % 2 == 0 ? even.text
                                                      : colours_[kSlotHexOdd].text;
        const bool cursor = underCursor(column);
        const ColourPair colours = cursor ? colours_[kSlotHexCursor] : ColourPair{plainText, even.back};
        const int textWidth = width(text);
        ViewCell& cell = cells_.add(CellKind::Hex, text, x_, textWidth, colours);
        cell.byteOffset = present ? static_cast<int32_t>(offset) : -1;
        if (cursor && !request_.textMode) {
            recordBlink(colours, {plainText, even.back}, text, false);
        }
        x_ += textWidth;
        if (request_.spacedHex) {
            cell.trailingBlank = oneBlankWidth_;
            x_ += oneBlankWidth_;
        }
    }

    void addHexEnd()
    {
        const ColourPair& even = colours_[kSlotHexEven];
        cells_.add(CellKind::HexFill, {}, x_, std::max(request_.clientWidth - x_, 0), even);
        // Two blanks, but the text column starts after the first: it overdraws the second.
        cells_.add(CellKind::TextGap, kTwoBlanks, x_, twoBlanksWidth_, even);
        x_ += oneBlankWidth_;
    }

    // Adds the text cell starting at column; returns the columns it shows.
    int32_t addText(int32_t column)
    {
        const int64_t offset = offsetOf(column);
        if (!exists(offset)) {
            addTextCell(TextKind::Blank, kOneBlank, -1, underCursor(column));
            return 1;
        }
        const uint8_t first = request_.data[offset];
        // A pair never reaches into the next row nor past the end of the buffer.
        if (column < request_.bytesPerRow - 1 && exists(offset + 1)) {
            if (const std::string* pair = PairTextAt(table_, first, request_.data[offset + 1])) {
                const bool cursor = underCursor(column) || underCursor(column + 1);
                addTextCell(TextKind::Pair, *pair, offset, cursor);
                return 2;
            }
        }
        const bool cursor = underCursor(column);
        if (const std::string* single = SingleTextAt(table_, first)) {
            addTextCell(KindForLength(single->size()), *single, offset, cursor);
        } else if (const uint16_t mark = MarkFor(table_, first); mark != 0) {
            const bool lineMark = table_.lineMark != 0 && first == table_.lineCode;
            const char markText = static_cast<char>(mark);
            addTextCell(lineMark ? TextKind::LineMark : TextKind::EndMark, {&markText, 1}, offset, cursor);
        } else {
            addTextCell(TextKind::Unmapped, kUnmapped, offset, cursor);
        }
        return 1;
    }

    void addTextCell(TextKind kind, std::string_view text, int64_t offset, bool cursor)
    {
        const TextColours colours = ColoursForText(kind, cursor, colours_);
        const bool unicode = request_.unicodeView;
        const int textWidth = width(text, unicode);
        ViewCell& cell = cells_.add(CellKind::Text, text, x_, textWidth, colours.shown);
        cell.textKind = kind;
        cell.unicode = unicode;
        cell.byteOffset = static_cast<int32_t>(offset);
        if (cursor && request_.textMode) {
            recordBlink(colours.shown, colours.hidden, text, unicode);
        }
        x_ += textWidth;
    }

    void recordBlink(ColourPair high, ColourPair low, std::string_view text, bool unicode)
    {
        BlinkCell& blink = out_.blink.emplace();
        blink.highText = high.text;
        blink.highBack = high.back;
        blink.lowText = low.text;
        blink.lowBack = low.back;
        blink.row = request_.row;
        blink.x = x_;
        CopyText(blink.text, text);
        blink.unicode = unicode;
        blink.phase = true;
    }

    const RowRequest& request_;
    const TableData& table_;
    const ColorTable& colours_;
    const TextMeasure& measure_;
    RowLayout& out_;
    CellWriter cells_;
    const bool onCursorRow_;
    // The blanks between cells, measured once per row.
    const int oneBlankWidth_;
    const int twoBlanksWidth_;
    int x_ = kViewLeftMargin;
};

}  // namespace

void LayOutRow(const RowRequest& request, const TableData& table, const ColorTable& colours, const TextMeasure& measure,
               RowLayout& out)
{
    RowBuilder(request, table, colours, measure, out).build();
}

RowRequest PageRowRequest(const DocRecord& doc, const Session& session, int row, int clientWidth)
{
    const ViewState& view = session.view;
    RowRequest request;
    request.data = doc.data();
    request.limit = doc.data() != nullptr ? doc.viewSize : 0;
    const int64_t rowOffset = static_cast<int64_t>(doc.topOffset) + static_cast<int64_t>(row) * view.bytesPerRow;
    request.rowOffset = static_cast<int32_t>(std::min<int64_t>(rowOffset, std::numeric_limits<int32_t>::max()));
    request.row = row;
    request.bytesPerRow = view.bytesPerRow;
    request.offsetMode = view.offsetMode;
    request.spacedHex = session.settings.spacedHex;
    request.unicodeView = doc.unicodeView;
    request.textMode = doc.textMode;
    request.cursorRow = doc.cursorRow;
    request.cursorColumn = doc.cursorColumn;
    request.clientWidth = clientWidth;
    request.changes = &doc.changes;
    return request;
}

std::string RowText(const RowLayout& layout)
{
    std::string text;
    for (const ViewCell& cell : layout.cells) {
        if (cell.kind == CellKind::Text && cell.textKind != TextKind::Blank) {
            text += cell.text;
        }
    }
    return text;
}

}  // namespace zarvo
