#pragma once
// Program-wide state shared by every editor window, owned by the frame.

#include "core/dump_state.h"
#include "core/script_state.h"
#include "core/search_state.h"
#include "core/snes_converter_state.h"
#include "core/table_session.h"
#include "core/tile_session.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zarvo {

enum class OffsetMode : int32_t {
    Standard = 0,
    LoRomSlow = 1,
    HiRom = 2,
    SnesMemory = 3,
    LoRomFast = 4,
};

inline constexpr int32_t kMaxViewRows = 128;  // cursor fields are 8-bit
inline constexpr int32_t kMaxBytesPerRow = 128;

struct ViewState {
    int32_t bytesPerRow = 16;
    int32_t pageBytes = 0;   // rows per page * bytesPerRow
    int32_t rowHeight = 18;  // |view font height| + 2
    OffsetMode offsetMode = OffsetMode::Standard;
};

// The display settings kept in the settings file.
struct DisplaySettings {
    bool blinkCursor = true;   // BlinkBox
    bool autoSizeRows = true;  // FixedRow: bytesPerRow follows the window width
    bool spacedHex = true;     // SpacedHex
};

// The text-input switches of the Edit menu, both initially clear.
struct InputSwitches {
    bool D_MBE = false;  // checked: text input never falls back to two-byte entries
    bool D_DTE = false;  // checked: typed characters are joined into DTE bytes
};

// Where the mouse last moved over an editor window; a click acts on this record.
struct MouseRecord {
    int32_t row = 0;  // y div rowHeight
    int32_t x = 0;
};

enum class TableEditorMode : int32_t {
    Maker = 0,     // a new table from an empty list
    Editor = 1,    // the active document's table
    Prepared = 2,  // a new table from prepared lines
};

// What the shared dialogs keep between their uses; the dialogs show it.
struct DialogStates {
    TableEditorMode tableEditor = TableEditorMode::Maker;
    SnesConverterState snesConverter;
};

struct Session {
    ViewState view;
    DisplaySettings settings;
    InputSwitches input;
    MouseRecord mouse;
    TableSession tables;
    DialogStates dialogs;
    SearchSession search;
    DumpState dump;
    TileSession tiles;
    ScriptState script;
    bool applicationReady = false;
    std::string currentDirectory;  // the open dialogs start here without a document
    std::string openFolder;        // of the file last chosen in an open dialog: relative dump names land here
    std::string settingsPath;
    std::string recentFilesPath;           // the list of the files opened last
    std::vector<std::string> recentFiles;  // newest first
    std::string helpPath;
};

}  // namespace zarvo
