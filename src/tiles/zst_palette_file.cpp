#include "tiles/zst_palette_file.h"

#include "core/document_file.h"
#include "tiles/tile_messages.h"

namespace zarvo {

ZstPaletteLoad LoadZstPalette(DocRecord& doc, const std::string& path)
{
    // The savestate is read the way Open reads a file, palette included.
    DocRecord savestate;
    if (OpenDocumentFile(savestate, path) != OpenError::None) return ZstPaletteLoad::CannotOpen;
    // Only the file's own name tells a savestate: a dot in a folder's name (roms.old/,
    // ~/.local/) says nothing about the file.
    if (!IsSavestatePath(FileNamePart(path))) return ZstPaletteLoad::NotSavestate;
    ReadSavestatePalette(savestate);
    if (!savestate.savestatePalette) return ZstPaletteLoad::TooShort;
    doc.savestatePalette = savestate.savestatePalette;
    return ZstPaletteLoad::Loaded;
}

const char* ZstPaletteMessage(ZstPaletteLoad result)
{
    switch (result) {
    case ZstPaletteLoad::CannotOpen:
        return messages::kZstCannotOpen;
    case ZstPaletteLoad::TooShort:
        return messages::kZstTooShort;
    case ZstPaletteLoad::Loaded:
    case ZstPaletteLoad::NotSavestate:
        break;
    }
    return nullptr;
}

}  // namespace zarvo
