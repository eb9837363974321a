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

// Every byte value as a one-character text, for the marks.
constexpr std::array<char, 256> kByteCharacters = [] {
    std::array<char, 256> characters{};
    for (std::size_t value = 0; value < 256; ++value) characters[value] = static_cast<char>(value);
    return characters;
}();

[[nodiscard]] std::string_view HexText(uint8_t value)
{
    return {kHexTexts.data() + static_cast<std::size_t>(value) * 2, 2};
}

// Colours of a text cell: as drawn, and as the blink shows it in its hidden phase.
struct TextColours {
    ColourPair shown;
    ColourPair hidden;
};

// A selected cell shows the selection's colours, also in the blink's hidden phase;
// the cursor's colours cover both.
[[nodiscard]] TextColours ColoursForText(TextKind kind, bool underCursor, bool selected, const ColorTable& colours)
{
    const ColourPair& selection = colours[kSlotSelection];
    const auto slots = [&](int plain, int cursor) {
        const ColourPair& unmarked = selected ? selection : colours[static_cast<std::size_t>(plain)];
        return TextColours{underCursor ? colours[static_cast<std::size_t>(cursor)] : unmarked, unmarked};
    };
    const auto mark = [&](ColourRef text) {
        const ColourPair unmarked = selected ? selection : ColourPair{text, colours[kSlotTextSingle].back};
        if (!underCursor) return TextColours{unmarked, unmarked};
        return TextColours{{text, colours[kSlotTextSingleCursor].back}, unmarked};
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
        cell.trailingBack = 0;
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

    [[nodiscard]] bool pastFileEnd(int64_t offset) const { return offset >= request_.fileEnd; }

    [[nodiscard]] bool underCursor(int32_t column) const { return onCursorRow_ && request_.cursorColumn == column; }

    [[nodiscard]] bool selected(int64_t offset) const
    {
        return request_.selection && request_.selection->contains(offset) && exists(offset);
    }

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
        const ColourRef plainText = changed               ? colours_[kSlotHexChanged].text
                                    : pastFileEnd(offset) ? colours_[kSlotPastFileEnd].text
                                    : column % 2 == 0     ? even.text
                                                          : colours_[kSlotHexOdd].text;
        const bool chosen = present && selected(offset);
        const ColourPair plain = chosen ? colours_[kSlotSelection] : ColourPair{plainText, even.back};
        const bool cursor = underCursor(column);
        const ColourPair colours = cursor ? colours_[kSlotHexCursor] : plain;
        const int textWidth = width(text);
        ViewCell& cell = cells_.add(CellKind::Hex, text, x_, textWidth, colours);
        cell.byteOffset = present ? static_cast<int32_t>(offset) : -1;
        if (cursor && !request_.textMode) {
            recordBlink(colours, plain, text, false);
        }
        x_ += textWidth;
        if (request_.spacedHex) {
            cell.trailingBlank = oneBlankWidth_;
            // The blank joins two selected bytes of the row into one band.
            const bool joined = chosen && column < request_.bytesPerRow - 1 && selected(offset + 1);
            cell.trailingBack = joined ? colours_[kSlotSelection].back : even.back;
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
        const TextCellContent content =
            TextCellAt(table_, request_.data, request_.limit, offset, column < request_.bytesPerRow - 1);
        if (content.kind == TextKind::Blank) {
            addTextCell(content, -1, underCursor(column), false);
            return 1;
        }
        const bool pair = content.bytes == 2;
        const bool cursor = underCursor(column) || (pair && underCursor(column + 1));
        // A pair is drawn selected when either of its bytes is.
        const bool chosen = selected(offset) || (pair && selected(offset + 1));
        addTextCell(content, offset, cursor, chosen);
        return content.bytes;
    }

    void addTextCell(const TextCellContent& content, int64_t offset, bool cursor, bool chosen)
    {
        TextColours colours = ColoursForText(content.kind, cursor, chosen, colours_);
        // A cell that shows a byte past the file's end is dimmed (a pair when either is).
        if (offset >= 0 && !chosen && pastFileEnd(offset + content.bytes - 1)) {
            colours.hidden.text = colours_[kSlotPastFileEnd].text;
            if (!cursor) colours.shown.text = colours.hidden.text;
        }
        const bool unicode = request_.unicodeView;
        const int textWidth = width(content.text, unicode);
        ViewCell& cell = cells_.add(CellKind::Text, content.text, x_, textWidth, colours.shown);
        cell.textKind = content.kind;
        cell.unicode = unicode;
        cell.byteOffset = static_cast<int32_t>(offset);
        if (cursor && request_.textMode) {
            recordBlink(colours.shown, colours.hidden, content.text, unicode);
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

TextCellContent TextCellAt(const TableData& table, const uint8_t* data, int32_t limit, int64_t offset, bool pairAllowed)
{
    const auto exists = [&](int64_t at) { return data != nullptr && at >= 0 && at < limit; };
    if (!exists(offset)) return {TextKind::Blank, kOneBlank, 1};
    const uint8_t first = data[offset];
    // A pair never reaches into the next row nor past the end of the buffer.
    if (pairAllowed && exists(offset + 1)) {
        if (const std::string* pair = PairTextAt(table, first, data[offset + 1])) return {TextKind::Pair, *pair, 2};
    }
    if (const std::string* single = SingleTextAt(table, first)) return {KindForLength(single->size()), *single, 1};
    if (const uint16_t mark = MarkFor(table, first); mark != 0) {
        const bool lineMark = table.lineMark != 0 && first == table.lineCode;
        return {lineMark ? TextKind::LineMark : TextKind::EndMark, {&kByteCharacters[mark & 0xFF], 1}, 1};
    }
    return {TextKind::Unmapped, kUnmapped, 1};
}

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
    request.fileEnd = doc.fileSize;
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
    request.selection = SelectedRange(doc);
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
