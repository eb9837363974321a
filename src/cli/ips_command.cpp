#include "cli/ips_command.h"

#include "cli/arguments.h"
#include "cli/document_output.h"
#include "cli/rom_input.h"
#include "core/input_file.h"
#include "core/output_file.h"
#include "tools/ips_document.h"

namespace zarvo::cli {

namespace {

constexpr const char* kUsage =
    "usage: zarvo-tool ips create ORIGINAL MODIFIED -o PATCH\n"
    "       zarvo-tool ips apply FILE PATCH -o OUT\n"
    "create writes the IPS patch that turns ORIGINAL into MODIFIED, as the editor's\n"
    "\"Create an IPS File\" does with MODIFIED open; a MODIFIED shorter than ORIGINAL\n"
    "ends the patch with its size after \"EOF\". apply writes FILE patched by PATCH to OUT.\n"
    "Nothing is written when the command fails; its message goes to stderr. -o - writes\n"
    "to standard output.\n";

int Create(const std::string& originalPath, const std::string& modifiedPath, const std::string& patchPath,
           std::ostream& out, std::ostream& err)
{
    const InputBytes original = ReadInputFile(originalPath);
    if (!original.ok()) {
        // The editor's message first, then what the system said.
        PrintLine(err, UnchangedInputNotice(original.failure.error).text);
        PrintFailure(err, InputFailureText(original.failure, originalPath));
        return kFailed;
    }
    const std::optional<InputBytes> modified = ReadInput(modifiedPath, err);
    if (!modified) return kFailed;
    const IpsCreation made = MakePatch(original.content(), modified->content());
    if (made.error != IpsError::None) {
        PrintLine(err, IpsCreateNotice(made.error).text);
        return kFailed;
    }
    return WriteBytesOutput(patchPath, made.patch, out, err) ? kDone : kFailed;
}

// The file is patched as the editor patches a document, and written as Save writes it.
int Apply(const std::string& filePath, const std::string& patchPath, const std::string& outPath, std::ostream& out,
          std::ostream& err)
{
    DocRecord doc;
    TableSession tables;
    if (!LoadRom(doc, tables, filePath, err)) return kFailed;
    const InputBytes patch = ReadInputFile(patchPath);
    if (!patch.ok()) {
        PrintLine(err, PatchInputNotice(patch.failure.error).text);
        PrintFailure(err, InputFailureText(patch.failure, patchPath));
        return kFailed;
    }
    const IpsError error = ApplyPatchToDocument(doc, patch.content(), ViewState{});
    if (error != IpsError::None) {
        PrintLine(err, IpsApplyNotice(error).text);
        return kFailed;
    }
    return WriteDocumentTo(doc, outPath, out, err) ? kDone : kFailed;
}

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const auto words = ParseVerbWithTwoFiles(arguments, {"create", "apply"}, kUsage, err);
    if (!words) return kWrongUsage;
    if (words->verb == "create") return Create(words->first, words->second, words->output, out, err);
    return Apply(words->first, words->second, words->output, out, err);
}

}  // namespace

Command IpsCommand()
{
    return {"ips", "ips create ORIGINAL MODIFIED -o PATCH | ips apply FILE PATCH -o OUT", kUsage, &Run};
}

}  // namespace zarvo::cli
