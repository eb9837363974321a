#pragma once
// Typing into a document: hexadecimal digits, or characters translated into bytes
// through the document's table. Typing overwrites; the document never grows.

#include "core/document.h"
#include "core/session.h"
#include "view/key_editing.h"

#include <cstdint>
#include <string_view>

namespace zarvo {

// One typed character at the cursor. character holds its bytes in the table's
// encoding (one byte; a Shift-JIS pair is matched as a whole against entry texts).
// Hexadecimal input: the first digit waits in hexDigits, the second writes the
// byte and moves right. Text input: the bytes CodeForTypedCharacter gives (a single
// entry, else unless D_MBE a two-byte entry); with D_DTE a typed character is joined
// with a neighbour into a DTE byte. Every write sets
// modified and repaints the window. Nothing is written at or past viewSize, and a
// two-byte entry that would end there is not written. Every typed character ends the
// selection.
[[nodiscard]] EditResult KeyPress(DocRecord& doc, Session& session, int32_t clientHeight, std::string_view character);

// Tab: switches between hexadecimal and text input; the cursor row is repainted.
// A half-typed byte is kept.
[[nodiscard]] EditResult ToggleInputMode(DocRecord& doc, const ViewState& view);

}  // namespace zarvo
