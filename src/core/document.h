#pragma once
// The document record: one per editor window, holding the whole file, the view
// position, the cursor, the edit state and the table.

#include "core/change_marks.h"
#include "core/document_bytes.h"
#include "core/edit_journal.h"
#include "core/file_stamp.h"
#include "core/table.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace zarvo {

inline constexpr int32_t kMinimumViewSize = 65535;     // the view always addresses this many bytes
inline constexpr int32_t kSavestateHeaderSize = 3091;  // ZSNES savestate header
inline constexpr int32_t kSavestatePaletteOffset = 1560;
inline constexpr int32_t kSavestatePaletteBytes = 512;

// Tile-view state of a document; the tile view reads and writes it. The sheet
// starts at the document's topOffset, where the hex view starts.
struct TileViewState {
    int32_t format = 0;         // 0..9, a row of the format table
    int32_t stripHeight = 8;    // pixel rows per strip, 1..32
    int32_t stripsAcross = 16;  // strips across the sheet, 1..16
    uint8_t bytesPerRow = 1;    // of the format: bytes one 8-pixel row takes
    uint8_t depthClass = 0;     // of the format: 0..3
    uint8_t rawView = 0;        // the sheet's index pairs drawn as colours
    int32_t leftColour = 0;     // indexes the two mouse buttons paint with
    int32_t rightColour = 0;
    int32_t cursorColumn = 0;  // the edit region: cells in grid mode, sheet pixels in free mode
    int32_t cursorRow = 0;
    int32_t cursorWidth = 1;  // in 8-pixel units, 1..8
    int32_t cursorHeight = 1;
    int32_t cursorShown = 0;  // the region's frame is drawn on the sheet
};

// Selected bytes: from where the selection began (the anchor) to its moving end (the
// cursor's byte when keys made it, the pointer's byte when a drag did), both included.
struct ByteSelection {
    bool active = false;
    int32_t anchor = 0;
    int32_t end = 0;
};

struct DocRecord {
    int32_t topOffset = 0;     // buffer offset of the first byte of the first row
    int32_t cursorOffset = 0;  // buffer offset of the cursor byte
    int32_t viewSize = 0;      // bytes the view, the cursor and typing may address
    int32_t fileSize = 0;      // bytes Save writes after the header
    int32_t headerSize = 0;    // 0, or kSavestateHeaderSize when a savestate header was removed
    TileViewState tileView;
    int8_t cursorColumn = 0;
    int8_t cursorRow = 0;
    bool nibblePending = false;  // the first digit of a hexadecimal byte has been typed
    bool textMode = false;       // false = hexadecimal input, true = text input
    bool modified = false;
    bool unicodeView = false;  // text column drawn as Shift-JIS
    std::string fileName;
    FileStamp diskStamp;  // the file as it was when read or last saved
    std::array<char, 3> hexDigits{};
    ByteSelection selection;
    int8_t asciiShift = 0;                                      // added to every code of the built-in ASCII table
    std::optional<std::array<uint16_t, 256>> savestatePalette;  // RGB565
    TableData table;

    // The whole allocation: a removed header lies in front of data().
    DocumentBytes storage;
    // What the commands changed, for undo and redo, and the bytes changed since Save.
    EditJournal journal;
    ChangeMarks changes;

    [[nodiscard]] bool hasData() const { return !storage.empty(); }
    [[nodiscard]] uint8_t* data() { return storage.empty() ? nullptr : storage.data() + headerSize; }
    [[nodiscard]] const uint8_t* data() const { return storage.empty() ? nullptr : storage.data() + headerSize; }
};

}  // namespace zarvo
