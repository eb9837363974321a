#include "view/paste.h"

#include "core/document_edit.h"
#include "core/hex_text.h"
#include "view/cursor_geometry.h"
#include "view/jump.h"
#include "view/selection.h"
#include "view/typed_character.h"

#include <algorithm>
#include <span>
#include <string_view>
#include <unordered_map>

namespace zarvo {

namespace {

[[nodiscard]] bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

[[nodiscard]] bool IsLineEnd(const std::string& character) { return character == "\r" || character == "\n"; }

[[nodiscard]] PasteReading Refused(PasteRefusal refusal, std::size_t position)
{
    PasteReading reading;
    reading.refusal = refusal;
    reading.position = position;
    return reading;
}

// Puts the cursor on target: within the page it only moves there, else the page follows.
void PlaceCursorAfterPaste(DocRecord& doc, const CursorGeometry& geometry, const ViewState& view, int32_t target)
{
    const int64_t intoPage = static_cast<int64_t>(target) - doc.topOffset;
    if (intoPage >= 0 && intoPage < view.pageBytes) {
        doc.cursorRow = static_cast<int8_t>(intoPage / geometry.bytesPerRow());
        doc.cursorColumn = static_cast<int8_t>(intoPage % geometry.bytesPerRow());
    } else {
        ShowCursorAt(doc, view, target);
    }
    geometry.SettleFullPaint(doc);
}

}  // namespace

PasteReading ReadHexPaste(std::string_view text)
{
    PasteReading reading;
    std::vector<uint8_t>& bytes = reading.data.bytes;
    bytes.reserve(text.size() / 2);
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (IsSeparator(text[at])) continue;
        const int high = HexDigitValue(text[at]);
        if (high < 0) return Refused(PasteRefusal::NotHex, at);
        // A digit without its second one refuses the text at the digit.
        const int low = at + 1 < text.size() ? HexDigitValue(text[at + 1]) : -1;
        if (low < 0) return Refused(PasteRefusal::NotHex, at);
        bytes.push_back(static_cast<uint8_t>(high * 16 + low));
        ++at;
    }
    if (bytes.empty()) return Refused(PasteRefusal::Empty, 0);
    return reading;
}

PasteReading ReadTablePaste(const TableData& table, const InputSwitches& input,
                            const std::vector<std::string>& characters)
{
    PasteReading reading;
    PasteData& data = reading.data;
    // A text repeats few characters; each is looked up in the table once.
    std::unordered_map<std::string_view, TypedCode> codes;
    const auto codeOf = [&](const std::string& character) {
        auto found = codes.find(character);
        if (found != codes.end()) return found->second;
        return codes.emplace(character, CodeForTypedCharacter(table, input, character)).first->second;
    };
    for (std::size_t at = 0; at < characters.size(); ++at) {
        const std::string& character = characters[at];
        if (IsLineEnd(character)) continue;
        const TypedCode code = codeOf(character);
        if (code.length == 0) return Refused(PasteRefusal::NoTableCode, at);
        if (code.length == 2) data.pairStarts.push_back(static_cast<int32_t>(data.bytes.size()));
        data.bytes.insert(data.bytes.end(), code.bytes.begin(), code.bytes.begin() + code.length);
    }
    if (data.bytes.empty()) return Refused(PasteRefusal::Empty, 0);
    return reading;
}

PasteOutcome WritePaste(DocRecord& doc, const ViewState& view, const PasteData& data)
{
    PasteOutcome outcome;
    outcome.offered = static_cast<int32_t>(std::min<std::size_t>(data.bytes.size(), INT32_MAX));
    const CursorGeometry geometry(view);
    const int64_t cursor = geometry.cursorByte(doc);
    if (!doc.hasData() || cursor < 0 || cursor >= doc.viewSize) {
        outcome.refusal = PasteRefusal::PastTheData;
        return outcome;
    }
    int64_t length = std::min<int64_t>(outcome.offered, doc.viewSize - cursor);
    if (length < outcome.offered && std::binary_search(data.pairStarts.begin(), data.pairStarts.end(), length - 1)) {
        --length;  // the pair's second byte would lie past the data
    }

    // The bytes, the cursor's move and the end of the selection are one step to undo.
    const EditStep step(doc);
    EndSelection(doc);
    doc.nibblePending = false;
    outcome.written = OverwriteBytes(doc, static_cast<int32_t>(cursor),
                                     std::span<const uint8_t>(data.bytes.data(), static_cast<std::size_t>(length)));
    if (outcome.written > 0) {
        const int64_t after = std::min<int64_t>(cursor + outcome.written, doc.viewSize - 1);
        PlaceCursorAfterPaste(doc, geometry, view, static_cast<int32_t>(after));
    } else {
        geometry.SettleFullPaint(doc);
    }
    outcome.result.repaint = Repaint::Full;
    return outcome;
}

}  // namespace zarvo
