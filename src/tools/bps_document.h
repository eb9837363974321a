#pragma once
// The BPS commands on a document: making a BPS patch beside it from an unchanged file,
// and patching it in memory with a BPS or a UPS patch; with the message each outcome
// shows. Both work on the document's own bytes, never on the longer view buffer that a
// small file is shown in.

#include "core/document.h"
#include "core/notice.h"
#include "core/session.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zarvo {

// Makes the BPS patch that turns the unchanged file at unchangedPath into the document
// and writes it beside the document with the extension bps, replacing a file of that
// name only once the patch is complete. Refuses to write it over the document's file or
// the unchanged file. Only reads the document, so it may run on a worker thread.
[[nodiscard]] Notice CreateBpsForDocument(const DocRecord& doc, const std::string& unchangedPath);

// A BPS or UPS patch applied to a document's bytes, not yet to the document: the
// patched file, or what to tell the user instead.
struct PatchedContent {
    std::vector<uint8_t> bytes;
    Notice refusal;          // not empty when the patch is refused
    bool takenBack = false;  // a UPS patch given its patched file ran backwards
};

// Reads the patch file at patchPath, a BPS or a UPS patch as its first four bytes say,
// and applies it to the document's bytes, which it only reads: it may run on a worker
// thread. A UPS patch given its patched file takes itself back.
[[nodiscard]] PatchedContent PatchContent(const DocRecord& doc, const std::string& patchPath);

// The document becomes the patched file, as one undo step after which it is as long as
// the patched file; a refused patch leaves it exactly as it was. Says what to tell the user.
[[nodiscard]] Notice TakePatchedContent(DocRecord& doc, const PatchedContent& patched, const ViewState& view);

}  // namespace zarvo
