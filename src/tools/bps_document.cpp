#include "tools/bps_document.h"

#include "core/document_file.h"
#include "core/input_file.h"
#include "core/output_file.h"
#include "tools/bps.h"
#include "tools/bps_create.h"
#include "tools/document_length.h"
#include "tools/ips_document.h"
#include "tools/tool_messages.h"
#include "tools/ups.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

namespace zarvo {

namespace {

[[nodiscard]] bool SameFile(const std::string& first, const std::string& second)
{
    std::error_code error;  // a path that does not exist names no file of the other
    return std::filesystem::equivalent(first, second, error);
}

[[nodiscard]] Notice CreationFailureNotice(BpsError error)
{
    // Making a patch runs out of memory only while holding the unchanged file or the patch.
    if (error == BpsError::OutOfMemory) {
        return {NoticeKind::Stop, messages::kBpsErrorCaption, messages::kIpsNoMemoryForUnchanged};
    }
    BpsApplication failed;
    failed.error = error;
    return {NoticeKind::Stop, messages::kBpsErrorCaption, BpsErrorText(failed)};
}

[[nodiscard]] bool StartsWith(std::span<const uint8_t> bytes, std::string_view magic)
{
    return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin());
}

[[nodiscard]] PatchedContent ApplyBpsOrUps(std::span<const uint8_t> patch, std::span<const uint8_t> content)
{
    if (StartsWith(patch, "BPS1")) {
        BpsApplication applied = ApplyBps(patch, content);
        if (applied.error != BpsError::None) {
            return {{}, {NoticeKind::Stop, messages::kBpsPatcherCaption, BpsErrorText(applied)}};
        }
        return {std::move(applied.target), {}};
    }
    if (StartsWith(patch, "UPS1")) {
        UpsApplication applied = ApplyUps(patch, content);
        if (applied.error != BpsError::None) {
            return {{}, {NoticeKind::Stop, messages::kUpsPatcherCaption, UpsErrorText(applied)}};
        }
        return {std::move(applied.result), {}, applied.backwards};
    }
    return {{}, {NoticeKind::Stop, messages::kBpsPatcherCaption, messages::kNeitherBpsNorUps}};
}

}  // namespace

Notice CreateBpsForDocument(const DocRecord& doc, const std::string& unchangedPath)
{
    const InputBytes unchanged = ReadInputFile(unchangedPath);
    if (!unchanged.ok()) return UnchangedInputNotice(unchanged.failure.error, messages::kBpsErrorCaption);
    const std::span<const uint8_t> current = DocumentContent(doc);
    if (std::ranges::equal(unchanged.content(), current)) {
        return {NoticeKind::Stop, messages::kBpsCreatorCaption, messages::kIpsFilesSame};
    }
    const std::string patchPath = PathWithExtension(doc.fileName, "bps");
    if (SameFile(patchPath, doc.fileName) || SameFile(patchPath, unchangedPath)) {
        return {NoticeKind::Stop, messages::kBpsCreatorCaption, messages::kPatchOverItsInput};
    }
    const BpsCreation made = CreateBps(unchanged.content(), current);
    if (made.error != BpsError::None) return CreationFailureNotice(made.error);
    if (WriteOutput(patchPath, OutputRule::RegularFileOnly, made.patch.data(), made.patch.size()) != SaveError::None) {
        return PlainNotice(messages::kIpsCannotCreatePatch);
    }
    return {NoticeKind::Exclamation, messages::kBpsCreatorCaption, messages::kIpsCreated};
}

PatchedContent PatchContent(const DocRecord& doc, const std::string& patchPath)
{
    const InputBytes patch = ReadInputFile(patchPath);
    if (!patch.ok()) return {{}, PatchInputNotice(patch.failure.error, messages::kBpsErrorCaption)};
    return ApplyBpsOrUps(patch.content(), DocumentContent(doc));
}

Notice TakePatchedContent(DocRecord& doc, const PatchedContent& patched, const ViewState& view)
{
    if (!patched.refusal.empty()) return patched.refusal;
    if (!ReplaceDocumentContent(doc, patched.bytes, view)) {
        return {NoticeKind::Stop, messages::kBpsErrorCaption, messages::kIpsNoMemoryForPatched};
    }
    return PlainNotice(patched.takenBack ? messages::kUpsTakenBack : messages::kIpsApplied);
}

}  // namespace zarvo
