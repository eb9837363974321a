#include "view/selection.h"

#include "core/hex_text.h"

#include <algorithm>

namespace zarvo {

std::optional<ByteRange> SelectedRange(const DocRecord& doc)
{
    const ByteSelection& selection = doc.selection;
    if (!selection.active || !doc.hasData() || doc.viewSize < 1) return std::nullopt;
    const int32_t first = std::max(std::min(selection.anchor, selection.end), 0);
    const int32_t last = std::min(std::max(selection.anchor, selection.end), doc.viewSize - 1);
    if (first > last) return std::nullopt;
    return ByteRange{first, last};
}

void Select(DocRecord& doc, int32_t anchor, int32_t end) { doc.selection = {true, anchor, end}; }

void ExtendSelection(DocRecord& doc, int32_t from, int32_t end)
{
    const int32_t anchor = doc.selection.active && doc.selection.end == from ? doc.selection.anchor : from;
    Select(doc, anchor, end);
}

bool EndSelection(DocRecord& doc)
{
    const bool ended = doc.selection.active;
    doc.selection = {};
    return ended;
}

std::string SelectionStatusText(ByteRange range)
{
    std::string text = "Selected: " + std::to_string(range.size()) + (range.size() == 1 ? " byte [" : " bytes [");
    AppendHex(text, static_cast<uint32_t>(range.first), 8);
    text += '-';
    AppendHex(text, static_cast<uint32_t>(range.last), 8);
    return text + "]";
}

}  // namespace zarvo
