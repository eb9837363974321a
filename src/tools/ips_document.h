#pragma once
// The IPS commands on a document: where its patch goes, making the patch file, and
// patching the document in memory; with the message each outcome shows.

#include "core/document.h"
#include "core/input_file.h"
#include "core/notice.h"
#include "core/output_file.h"
#include "core/session.h"
#include "tools/ips.h"
#include "tools/tool_messages.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zarvo {

// The document's path with the extension of its file name replaced by "ips"
// (x.smc and x.gb both give x.ips), or ".ips" appended to a name without one.
[[nodiscard]] std::string PatchPathFor(std::string_view documentPath);

// CreateIps, with a patch too large for the memory told as IpsError::OutOfMemory.
[[nodiscard]] IpsCreation MakePatch(std::span<const uint8_t> unchanged, std::span<const uint8_t> current);

// Makes the patch from unchanged to current and writes it to the regular file at
// patchPath through a temporary file. On every error no file is written or replaced.
[[nodiscard]] IpsError WritePatchFile(std::span<const uint8_t> unchanged, std::span<const uint8_t> current,
                                      const std::string& patchPath);

// Patches the document's bytes in memory: sets fileSize and viewSize to the new
// length, marks it modified and keeps the cursor inside. On every error the document
// is exactly as it was. This is the one way a patch is applied: the editor's command
// and zarvo-tool's ips apply both come here.
[[nodiscard]] IpsError ApplyPatchToDocument(DocRecord& doc, std::span<const uint8_t> patch, const ViewState& view);

// The two commands after their questions and choosers: make the patch from the
// unchanged file at unchangedPath to the document, beside the document; or patch the
// document with the patch file at patchPath. Each gives what to tell the user. Both
// files are read as every input is (regular files below 2 GiB).
[[nodiscard]] Notice CreatePatchForDocument(const DocRecord& doc, const std::string& unchangedPath);
[[nodiscard]] Notice PatchDocumentFromFile(DocRecord& doc, const std::string& patchPath, const ViewState& view);

// What the commands tell the user when the unchanged file, or the patch, cannot be
// read; nothing (an empty text) for InputError::None. The boxes of a file too large
// or of no memory carry errorCaption.
[[nodiscard]] Notice UnchangedInputNotice(InputError error, const char* errorCaption = messages::kIpsErrorCaption);
[[nodiscard]] Notice PatchInputNotice(InputError error, const char* errorCaption = messages::kIpsErrorCaption);

// What making a patch, and applying one, tells the user for each outcome.
[[nodiscard]] Notice IpsCreateNotice(IpsError error);
[[nodiscard]] Notice IpsApplyNotice(IpsError error);

}  // namespace zarvo
