#pragma once
// The BPS commands on a document: making a BPS patch beside it from an unchanged file,
// and patching it in memory with a BPS or a UPS patch; with the message each outcome
// shows. Both work on the document's own bytes, never on the longer view buffer that a
// small file is shown in.

#include "core/document.h"
#include "core/notice.h"
#include "core/session.h"

#include <string>

namespace zarvo {

// Makes the BPS patch that turns the unchanged file at unchangedPath into the document
// and writes it beside the document with the extension bps, replacing a file of that
// name only once the patch is complete. Refuses to write it over the document's file or
// the unchanged file. Only reads the document, so it may run on a worker thread.
[[nodiscard]] Notice CreateBpsForDocument(const DocRecord& doc, const std::string& unchangedPath);

// Patches the document with the patch file at patchPath, a BPS or a UPS patch as its
// first four bytes say: one undo step, after which the document is as long as the
// patched file. A refused patch (damaged, made for another file, already applied)
// leaves the document exactly as it was. A UPS patch given its patched file takes
// itself back.
[[nodiscard]] Notice PatchDocumentWithBpsOrUps(DocRecord& doc, const std::string& patchPath, const ViewState& view);

}  // namespace zarvo
