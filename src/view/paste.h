#pragma once
// Pasting clipboard text over a document: hexadecimal text in hexadecimal input, table
// text in text input. The text is read whole first, so a refused paste changes
// nothing; the bytes then overwrite from the cursor as one undo step.

#include "core/document.h"
#include "core/session.h"
#include "core/table.h"
#include "view/key_editing.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zarvo {

enum class PasteRefusal {
    None,
    Empty,        // nothing but blanks, tabs and line ends
    NotHex,       // a character that is not part of a pair of digits, a blank, a tab or a line end
    NoTableCode,  // a character that typing could not write through the table
    PastTheData,  // the cursor lies past the last byte
};

struct PasteData {
    std::vector<uint8_t> bytes;
    std::vector<int32_t> pairStarts;  // ascending: where a two-byte entry begins, which a cut never splits
};

struct PasteReading {
    PasteRefusal refusal = PasteRefusal::None;
    std::size_t position = 0;  // index of the refused character in the text
    PasteData data;
};

// Pairs of hexadecimal digits ("41 42 43", "414243"); blanks, tabs and line ends
// (CR, LF) may stand between pairs, never between the two digits of one.
[[nodiscard]] PasteReading ReadHexPaste(std::string_view text);

// One string per character of the text: its bytes in the table's encoding, empty for a
// character that has none. Each is written as typing writes it (CodeForTypedCharacter).
// Line ends (CR, LF) are skipped; DTE inserting is typing's alone.
[[nodiscard]] PasteReading ReadTablePaste(const TableData& table, const InputSwitches& input,
                                          const std::vector<std::string>& characters);

struct PasteOutcome {
    PasteRefusal refusal = PasteRefusal::None;
    int32_t written = 0;
    int32_t offered = 0;  // bytes the text held
    EditResult result;
};

// Overwrites from the cursor, never past viewSize: what does not fit is cut (before a
// two-byte entry that would not fit whole). One undo step; the selection and a
// half-typed byte end, and the cursor goes after the last byte written (onto it when
// that is the last byte of the data), the page moving only when the cursor leaves it.
[[nodiscard]] PasteOutcome WritePaste(DocRecord& doc, const ViewState& view, const PasteData& data);

}  // namespace zarvo
