#include "view/selection_copy.h"

#include "core/hex_text.h"
#include "view/cursor_geometry.h"
#include "view/row_layout.h"
#include "view/shown_text.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace zarvo {

namespace {

// Appends table texts as the column draws them. A page shows few distinct texts, so
// each is decoded once.
class CellTextWriter {
public:
    CellTextWriter(bool unicode, const Cp932Codec& codec, std::size_t expected) : unicode_(unicode), codec_(codec)
    {
        out_.reserve(expected);
    }

    void append(std::string_view text)
    {
        if (ShownAsLatin1(text, unicode_)) {
            for (const char c : text) out_ += static_cast<char16_t>(static_cast<uint8_t>(c));
            return;
        }
        auto found = decoded_.find(text);
        if (found == decoded_.end()) found = decoded_.emplace(text, ShownText(text, unicode_, codec_)).first;
        out_ += found->second;
    }

    [[nodiscard]] std::u16string take() { return std::move(out_); }

private:
    const bool unicode_;
    const Cp932Codec& codec_;
    std::unordered_map<std::string_view, std::u16string> decoded_;  // texts live in the table or constants
    std::u16string out_;
};

}  // namespace

std::optional<ByteRange> CopyRange(const DocRecord& doc, const ViewState& view)
{
    if (const std::optional<ByteRange> selected = SelectedRange(doc)) return selected;
    const int64_t cursor = CursorGeometry(view).cursorByte(doc);
    if (!doc.hasData() || cursor < 0 || cursor >= doc.viewSize) return std::nullopt;
    return ByteRange{static_cast<int32_t>(cursor), static_cast<int32_t>(cursor)};
}

std::string HexCopyText(const DocRecord& doc, ByteRange range)
{
    std::string text;
    const uint8_t* data = doc.data();
    if (data == nullptr || range.first < 0 || range.last >= doc.viewSize || range.first > range.last) return text;
    text.reserve(static_cast<std::size_t>(range.size()) * 3);
    for (int32_t offset = range.first; offset <= range.last; ++offset) {
        if (offset != range.first) text += ' ';
        AppendHex(text, data[offset], 2);
    }
    return text;
}

std::u16string TableCopyText(const DocRecord& doc, const ViewState& view, ByteRange range, const Cp932Codec& codec)
{
    if (!doc.hasData() || range.first > range.last) return {};
    CellTextWriter writer(doc.unicodeView, codec, static_cast<std::size_t>(range.size()));
    const int64_t bytesPerRow = std::max(view.bytesPerRow, 1);
    // Rows start where the page's rows start: topOffset plus whole rows, either way.
    const int64_t intoRow =
        ((range.first - static_cast<int64_t>(doc.topOffset)) % bytesPerRow + bytesPerRow) % bytesPerRow;
    for (int64_t rowStart = range.first - intoRow; rowStart <= range.last; rowStart += bytesPerRow) {
        for (int64_t column = 0; column < bytesPerRow;) {
            const int64_t offset = rowStart + column;
            const TextCellContent cell =
                TextCellAt(doc.table, doc.data(), doc.viewSize, offset, column < bytesPerRow - 1);
            const bool shown = cell.kind != TextKind::Blank;
            if (shown && offset <= range.last && offset + cell.bytes - 1 >= range.first) writer.append(cell.text);
            column += cell.bytes;
        }
    }
    return writer.take();
}

}  // namespace zarvo
