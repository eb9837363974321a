#pragma once
// Opening a file into a document the way the editor and zarvo-tool both do it: the
// file read whole, a savestate header removed when the user wants it, the savestate
// palette converted, the built-in ASCII table installed, the view at the start, and
// the companion table "name.tbl" loaded as Table #1 when it exists.

#include "core/document.h"
#include "core/document_file.h"
#include "core/table_loader.h"
#include "core/table_session.h"

#include <functional>
#include <string>

namespace zarvo {

struct OpenChoices {
    // Asked only for a savestate whose file holds the whole header; true removes it.
    // Unset: the header stays.
    std::function<bool()> removeSavestateHeader;
    // Load "name.tbl" beside the file as Table #1 when it exists.
    bool loadCompanionTable = true;
};

struct OpenOutcome {
    OpenError error = OpenError::None;
    InputFailure failure;  // why the file could not be read
    // How the companion table was read; Loaded when it was, FellBackToAscii when there
    // was none (or it could not be read), OutOfMemory when its texts did not fit.
    TableLoadResult table = TableLoadResult::FellBackToAscii;
    bool companionTableFound = false;
};

// Opens path into doc, which must be a fresh record. On an error doc holds no data.
[[nodiscard]] OpenOutcome OpenDocumentSequence(DocRecord& doc, TableSession& tables, const std::string& path,
                                               const OpenChoices& choices);

// True when the document's file is no longer the one it was read from or saved to.
[[nodiscard]] bool ChangedOnDisk(const DocRecord& doc);

// Reads the document's file again: the bytes, sizes and palette anew (a savestate
// header removed again when it was before), the table, the view and the cursor kept
// where they fit. The reading is one step of the undo history, so undo gives back the
// document as it was, unsaved edits included; afterwards nothing is modified. On an
// error the document is as it was.
[[nodiscard]] OpenOutcome ReloadDocument(DocRecord& doc);

}  // namespace zarvo
