#pragma once
// Loading a document's ZST palette from a ZSNES savestate the user picks.

#include "core/document.h"

#include <string>

namespace zarvo {

enum class ZstPaletteLoad {
    Loaded,
    CannotOpen,    // missing, unreadable or not a regular file: kZstCannotOpen
    NotSavestate,  // the name is not a savestate's; nothing is said and nothing changes
    TooShort,      // the file ends before its 512 palette bytes at 1560: kZstTooShort
};

// Opens the file, checks that its name (the part after the last '/') is a
// savestate's, and replaces the document's ZST
// palette with the 256 colours at byte 1560. On anything but Loaded the document's
// palette stays as it was. The palette in use is not switched.
[[nodiscard]] ZstPaletteLoad LoadZstPalette(DocRecord& doc, const std::string& path);

// The message a failure shows, or nullptr when none is shown.
[[nodiscard]] const char* ZstPaletteMessage(ZstPaletteLoad result);

}  // namespace zarvo
