#pragma once
// The editor window's copy and paste through the system clipboard: the selection (or
// the cursor byte) copied as hexadecimal or table text, and clipboard text pasted over
// the document at the cursor. Refusals and cut pastes come back as a notice to tell.

#include "core/document.h"
#include "ui/editor/view_context.h"
#include "view/key_editing.h"

#include <QString>

namespace zarvo {

// Ctrl+Insert (hexadecimal text, or table text in text input) and Ctrl+Shift+Insert
// (table text). The document and its selection stay as they are.
void CopyToClipboard(const DocRecord& doc, const ViewContext& context, bool tableText);

struct ClipboardPaste {
    EditResult result;  // what to repaint
    QString notice;     // why nothing was pasted, or how much was; empty for a whole paste
};

// Shift+Insert: hexadecimal text in hexadecimal input, table text in text input.
[[nodiscard]] ClipboardPaste PasteFromClipboard(DocRecord& doc, const ViewContext& context);

}  // namespace zarvo
