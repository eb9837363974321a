#pragma once
// The texts a copy puts on the clipboard: the selected bytes (or the cursor byte) as
// hexadecimal text, or as the text column shows them through the document's table.

#include "core/cp932.h"
#include "core/document.h"
#include "core/session.h"
#include "view/selection.h"

#include <optional>
#include <string>

namespace zarvo {

// The selection, or the cursor byte when there is none; nothing when the cursor lies
// past the data.
[[nodiscard]] std::optional<ByteRange> CopyRange(const DocRecord& doc, const ViewState& view);

// "41 42 43": two upper-case digits a byte, one blank between bytes.
[[nodiscard]] std::string HexCopyText(const DocRecord& doc, ByteRange range);

// The texts of the text column's cells that show any of the bytes, joined: rows laid
// out as the page lays them (a pair never starts in a row's last column), marks and "."
// as drawn, each cell's characters as ShownText gives them (with the document's
// Unicode view every cell's text is decoded from Shift-JIS on its own).
[[nodiscard]] std::u16string TableCopyText(const DocRecord& doc, const ViewState& view, ByteRange range,
                                           const Cp932Codec& codec);

}  // namespace zarvo
