#pragma once
// The texts of the tile view and the tile editor, exactly as users know them: the
// windows and zarvo-tool show these; the logic picks which one applies.

namespace zarvo::messages {

inline constexpr const char* kTileEditorCaption = "Tile Editor";
inline constexpr const char* kTileEditorItem = "Tile &Editor Engine";  // Tools menu, Ctrl+L
inline constexpr const char* kTileEditorHint = "Open the Tile editor";
inline constexpr const char* kTileWindowSizeItem = "Tile Window Size";
inline constexpr const char* kTileWindowSize1x1 = "Screen 1 x 1";
inline constexpr const char* kTileWindowSize2x2 = "Screen 2 x 2";

// The tile window's menus.
inline constexpr const char* kTileOptionMenu = "Option";
inline constexpr const char* kLoadZstPaletteItem = "&Load Zsnes ZST Palette";         // Ctrl+L
inline constexpr const char* kMouseMovementItem = "&Mouse Movement [ Free / Grid ]";  // Tab
inline constexpr const char* kTileViewMenu = "View";
inline constexpr const char* kTileFormatMenu = "&Format";
inline constexpr const char* kTileGridItem = "View Tile &Grid";                // Ctrl+V
inline constexpr const char* kStandardPaletteItem = "View &Standard Palette";  // Ctrl+P, tag 0
inline constexpr const char* kZstPaletteItem = "View  &ZST Palette";           // Ctrl+Z, tag 1
inline constexpr const char* kNesPaletteItem = "View &NES Palette";            // Ctrl+N, tag 2
inline constexpr const char* kFlipXButton = "Flip-X";
inline constexpr const char* kFlipYButton = "Flip-Y";
inline constexpr const char* kRotateButton = "Rotate";

// Loading a savestate palette.
inline constexpr const char* kZstFilter = "ZST files (*.zs*)|*.zs*";
inline constexpr const char* kZstCannotOpen = "Fatal Error: Unable to open *.ZST file.";
inline constexpr const char* kZstNoMemory = "Fatal Error: Could not acquire required memory...";
// A file that ends before the 512 palette bytes at 1560 has no palette to read.
inline constexpr const char* kZstTooShort = "Fatal Error: The *.ZST file is too short to hold a palette.";

// Failures to get the tile editor's memory; each closes the program.
inline constexpr const char* kTileWindowMemory =
    "Error Allocating Memory for the Tile Editor[Tile Window].\nClosing the Application...";
inline constexpr const char* kTileClipBoardMemory =
    "Error Allocating Memory for the Tile Editor[Clip Board].\nClosing the Application...";
inline constexpr const char* kTileDrawingMemory = "Fatal Error: Could not allocate needed memory.";
inline constexpr const char* kSavestatePaletteMemory = "Fatal Error: Out of memory.";
inline constexpr const char* kSavestatePaletteMemoryCaption = "Error...";

}  // namespace zarvo::messages
