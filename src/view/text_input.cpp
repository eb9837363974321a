#include "view/text_input.h"

#include "core/document_edit.h"
#include "core/hex_text.h"
#include "core/table.h"
#include "view/cursor_geometry.h"
#include "view/selection.h"
#include "view/typed_character.h"

#include <algorithm>
#include <span>

namespace zarvo {

namespace {

// The cursor byte's offset, or -1 when it lies outside 0 .. viewSize - 1.
[[nodiscard]] int64_t CursorByte(const DocRecord& doc, const ViewState& view)
{
    const int64_t p = CursorGeometry(view).cursorByte(doc);
    return p >= 0 && p < doc.viewSize ? p : -1;
}

// The first character of a byte's single entry, 0 when it has none.
[[nodiscard]] uint8_t FirstCharacterOf(const TableData& table, uint8_t byte)
{
    const std::string* text = SingleTextAt(table, byte);
    return text != nullptr && !text->empty() ? static_cast<uint8_t>(text->front()) : 0;
}

// Every typed byte goes through the document's edits, so it can be undone.
void Put(DocRecord& doc, int64_t p, uint8_t value)
{
    (void)OverwriteBytes(doc, static_cast<int32_t>(p), std::span<const uint8_t>(&value, 1));
}

// After byte b was typed at p: the character before p and the typed one, else the
// typed one and the one after p, become one DTE byte when the table has one for them.
void InsertDte(DocRecord& doc, int64_t p)
{
    const uint8_t* data = doc.data();
    const TableData& table = doc.table;
    const bool hasBefore = p >= 1;
    const uint8_t before = hasBefore ? data[p - 1] : 0;
    const uint8_t after = p + 1 < doc.viewSize ? data[p + 1] : 0;
    // A missing neighbour reads as byte 0, which is looked up like any other byte.
    const uint8_t t0 = FirstCharacterOf(table, before);
    const uint8_t t1 = FirstCharacterOf(table, data[p]);
    const uint8_t t2 = FirstCharacterOf(table, after);
    const int zeros = (t0 == 0) + (t1 == 0) + (t2 == 0);
    if (zeros >= 2) return;
    // Only a byte that exists before p can take the pair: at offset 0 there is none.
    if (hasBefore && t0 != 0) {
        if (const int dte = FindDtePair(table, t0, t1); dte >= 0) {
            Put(doc, p - 1, static_cast<uint8_t>(dte));
            return;
        }
    }
    if (t1 != 0 && t2 != 0) {
        if (const int dte = FindDtePair(table, t1, t2); dte >= 0) Put(doc, p, static_cast<uint8_t>(dte));
    }
}

// Moves right the given number of bytes; the window is repainted whole.
[[nodiscard]] EditResult MoveRightAfterWrite(DocRecord& doc, Session& session, int32_t clientHeight, int steps)
{
    EditResult result;
    for (int step = 0; step < steps; ++step) {
        result = KeyDown(doc, session, clientHeight, KeyStroke{EditKey::Right, 0, {}});
    }
    CursorGeometry(session.view).SettleFullPaint(doc);
    result.repaint = Repaint::Full;
    return result;
}

[[nodiscard]] EditResult TypeHex(DocRecord& doc, Session& session, int32_t clientHeight, int64_t p, char c)
{
    EditResult result;
    if (HexDigitValue(c) < 0) return result;
    if (!doc.nibblePending) {
        doc.hexDigits = {c, '\0', '\0'};
        doc.nibblePending = true;
        return result;
    }
    doc.hexDigits[1] = c;
    doc.hexDigits[2] = '\0';
    // hexDigits[0] was checked when it was typed; a record filled otherwise counts as 0.
    const int high = std::max(HexDigitValue(doc.hexDigits[0]), 0);
    Put(doc, p, static_cast<uint8_t>(high * 16 + HexDigitValue(c)));
    result = MoveRightAfterWrite(doc, session, clientHeight, 1);
    doc.nibblePending = false;
    return result;
}

[[nodiscard]] EditResult TypeText(DocRecord& doc, Session& session, int32_t clientHeight, int64_t p,
                                  std::string_view character)
{
    const TypedCode code = CodeForTypedCharacter(doc.table, session.input, character);
    if (code.length == 0) return {};
    if (code.length == 2) {
        // A two-byte entry is written whole or not at all.
        if (p + 1 >= doc.viewSize) return {};
        (void)OverwriteBytes(doc, static_cast<int32_t>(p), code.bytes);
        return MoveRightAfterWrite(doc, session, clientHeight, 2);
    }
    Put(doc, p, code.bytes[0]);
    if (session.input.D_DTE) InsertDte(doc, p);
    return MoveRightAfterWrite(doc, session, clientHeight, 1);
}

[[nodiscard]] EditResult Type(DocRecord& doc, Session& session, int32_t clientHeight, std::string_view character)
{
    EditResult nothing;
    const int64_t p = CursorByte(doc, session.view);
    if (p < 0) return nothing;
    // One typed character (a byte, a pair, a joined DTE byte) is one undo step, the
    // cursor's move after it included.
    const EditStep step(doc);
    if (!doc.textMode) {
        if (character.size() != 1) return nothing;
        return TypeHex(doc, session, clientHeight, p, character.front());
    }
    return TypeText(doc, session, clientHeight, p, character);
}

}  // namespace

EditResult KeyPress(DocRecord& doc, Session& session, int32_t clientHeight, std::string_view character)
{
    if (!doc.hasData() || character.empty()) return {};
    // Typing ends the selection, whether the character writes anything or not.
    const bool selectionEnded = EndSelection(doc);
    EditResult result = Type(doc, session, clientHeight, character);
    if (selectionEnded && result.repaint != Repaint::Full) {
        CursorGeometry(session.view).SettleFullPaint(doc);
        result.repaint = Repaint::Full;
    }
    return result;
}

EditResult ToggleInputMode(DocRecord& doc, const ViewState& view)
{
    doc.textMode = !doc.textMode;
    EditResult result;
    result.repaint = Repaint::Rows;
    result.firstRow = doc.cursorRow;
    result.secondRow = doc.cursorRow;
    CursorGeometry(view).SettleCursorOffset(doc);
    return result;
}

}  // namespace zarvo
