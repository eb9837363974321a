#include "tools/ips_document.h"

#include "core/document_edit.h"
#include "core/input_file.h"
#include "tools/document_length.h"
#include "tools/ips_records.h"
#include "tools/tool_messages.h"

#include <new>

namespace zarvo {

std::string PatchPathFor(std::string_view documentPath)
{
    const auto separator = documentPath.find_last_of("\\/");
    const std::size_t nameStart = separator == std::string_view::npos ? 0 : separator + 1;
    const auto dot = documentPath.rfind('.');
    // A dot that opens the name (".hidden") marks no extension.
    if (dot == std::string_view::npos || dot <= nameStart) return std::string(documentPath) + ".ips";
    return std::string(documentPath.substr(0, dot + 1)) + "ips";
}

IpsCreation MakePatch(std::span<const uint8_t> unchanged, std::span<const uint8_t> current)
{
    try {
        return CreateIps(unchanged, current);
    } catch (const std::bad_alloc&) {
        IpsCreation failed;
        failed.error = IpsError::OutOfMemory;
        return failed;
    }
}

IpsError WritePatchFile(std::span<const uint8_t> unchanged, std::span<const uint8_t> current,
                        const std::string& patchPath)
{
    const IpsCreation made = MakePatch(unchanged, current);
    if (made.error != IpsError::None) return made.error;
    if (WriteOutput(patchPath, OutputRule::RegularFileOnly, made.patch.data(), made.patch.size()) != SaveError::None) {
        return IpsError::CannotWriteFile;
    }
    return IpsError::None;
}

IpsError ApplyPatchToDocument(DocRecord& doc, std::span<const uint8_t> patch, const ViewState& view)
{
    // Everything is checked before the first byte changes, so a bad patch leaves the
    // document as it was.
    const IpsCheck check = CheckIps(patch, doc.fileSize);
    if (check.error != IpsError::None) return check.error;
    // One undo step: the old size, and every record's bytes as they were. What lies
    // between the old end and the new one reads as zero bytes, whatever the buffer
    // held there before; records reaching past the patched length are cut there.
    const EditStep step(doc);
    if (!SetDocumentLength(doc, check.resultSize, 0x00, view)) return IpsError::OutOfMemory;
    IpsRecordReader reader(patch);
    while (const std::optional<IpsRecord> record = reader.next()) {
        const auto offset = static_cast<int32_t>(record->offset);
        if (record->bytes != nullptr) {
            (void)OverwriteBytes(doc, offset, {record->bytes, record->length});
        } else {
            (void)FillBytes(doc, offset, static_cast<int32_t>(record->length), record->value);
        }
    }
    return IpsError::None;
}

Notice CreatePatchForDocument(const DocRecord& doc, const std::string& unchangedPath)
{
    const InputBytes unchanged = ReadInputFile(unchangedPath);
    if (!unchanged.ok()) return UnchangedInputNotice(unchanged.failure.error);
    return IpsCreateNotice(WritePatchFile(unchanged.content(), DocumentContent(doc), PatchPathFor(doc.fileName)));
}

Notice PatchDocumentFromFile(DocRecord& doc, const std::string& patchPath, const ViewState& view)
{
    const InputBytes patch = ReadInputFile(patchPath);
    if (!patch.ok()) return PatchInputNotice(patch.failure.error);
    return IpsApplyNotice(ApplyPatchToDocument(doc, patch.content(), view));
}

namespace {

// The texts one input's failures are told with; a missing file, a folder or an unreadable
// file all read as "not found", as the patcher always said.
struct InputFailureTexts {
    const char* errorCaption;
    const char* notFound;
    const char* tooLarge;
    const char* noMemory;
};

Notice InputFailureNotice(InputError error, const InputFailureTexts& texts)
{
    switch (error) {
    case InputError::None:
        break;
    case InputError::CannotOpen:
    case InputError::NotRegularFile:
    case InputError::CannotRead:
        return {NoticeKind::Plain, "", texts.notFound};
    case InputError::TooLarge:
        return {NoticeKind::Stop, texts.errorCaption, texts.tooLarge};
    case InputError::OutOfMemory:
        return {NoticeKind::Stop, texts.errorCaption, texts.noMemory};
    }
    return {};
}

}  // namespace

Notice UnchangedInputNotice(InputError error, const char* errorCaption)
{
    return InputFailureNotice(error, {errorCaption, messages::kIpsUnchangedNotFound, messages::kIpsUnchangedTooLarge,
                                      messages::kIpsNoMemoryForUnchanged});
}

Notice PatchInputNotice(InputError error, const char* errorCaption)
{
    return InputFailureNotice(error, {errorCaption, messages::kIpsPatchNotFound, messages::kIpsPatchTooLarge,
                                      messages::kIpsNoMemoryForPatched});
}

namespace {

Notice FailureNotice(IpsError error)
{
    using namespace messages;
    switch (error) {
    case IpsError::FilesEqual:
        return {NoticeKind::Stop, kIpsCreatorCaption, kIpsFilesSame};
    case IpsError::BeyondOffsetLimit:
        return {NoticeKind::Stop, kIpsCreatorCaption, kIpsBeyondOffsetLimit};
    case IpsError::NotAPatch:
        return {NoticeKind::Plain, "", kIpsNotAPatch};
    case IpsError::Truncated:
        return {NoticeKind::Plain, "", kIpsPatchTruncated};
    case IpsError::OutOfMemory:
        return {NoticeKind::Stop, kIpsErrorCaption, kIpsNoMemoryForPatched};
    case IpsError::CannotWriteFile:
        return {NoticeKind::Plain, "", kIpsCannotCreatePatch};
    case IpsError::None:
        break;
    }
    return {};
}

}  // namespace

Notice IpsCreateNotice(IpsError error)
{
    if (error == IpsError::None) return {NoticeKind::Exclamation, messages::kIpsCreatorCaption, messages::kIpsCreated};
    // Making a patch runs out of memory only while holding the unchanged file or the patch.
    if (error == IpsError::OutOfMemory) {
        return {NoticeKind::Stop, messages::kIpsErrorCaption, messages::kIpsNoMemoryForUnchanged};
    }
    return FailureNotice(error);
}

Notice IpsApplyNotice(IpsError error)
{
    if (error == IpsError::None) return {NoticeKind::Plain, "", messages::kIpsApplied};
    return FailureNotice(error);
}

}  // namespace zarvo
