#include "cli/ips_command.h"

#include "cli/arguments.h"
#include "cli/document_output.h"
#include "tools/ips_document.h"
#include "tools/ips_stream.h"
#include "tools/mapped_file.h"
#include "tools/tool_messages.h"

namespace zarvo::cli {

namespace {

constexpr const char* kUsage =
    "usage: zarvo-tool ips create ORIGINAL MODIFIED -o PATCH\n"
    "       zarvo-tool ips apply FILE PATCH -o OUT\n"
    "create writes the IPS patch that turns ORIGINAL into MODIFIED, as the editor's\n"
    "\"Create an IPS File\" does with MODIFIED open; a MODIFIED shorter than ORIGINAL\n"
    "ends the patch with its size after \"EOF\". apply writes FILE patched by PATCH to OUT.\n"
    "Nothing is written when the command fails; its message goes to stderr.\n";

// Maps a file the command reads whole; the messages are those of the other commands' ROM input.
bool MapInput(MappedFile& file, const std::string& path, std::ostream& err)
{
    switch (file.open(path)) {
    case MapError::None:
        return true;
    case MapError::CannotOpen:
        err << "zarvo-tool: cannot open " << path << "\n";
        return false;
    case MapError::TooLarge:
        err << "zarvo-tool: " << path << " is 2 GiB or larger and cannot be edited\n";
        return false;
    case MapError::CannotMap:
        err << "zarvo-tool: cannot map " << path << " into memory\n";
        return false;
    }
    return false;
}

int Create(const std::string& originalPath, const std::string& modifiedPath, const std::string& patchPath,
           std::ostream& err)
{
    MappedFile original;
    switch (original.open(originalPath)) {
    case MapError::None:
        break;
    case MapError::CannotOpen:
        PrintLine(err, messages::kIpsUnchangedNotFound);
        return kFailed;
    case MapError::TooLarge:
    case MapError::CannotMap:
        PrintLine(err, messages::kIpsNoMemoryForUnchanged);
        return kFailed;
    }
    MappedFile modified;
    if (!MapInput(modified, modifiedPath, err)) return kFailed;
    const IpsError error = WritePatchFile(original.bytes(), modified.bytes(), patchPath);
    if (error == IpsError::None) return kDone;
    PrintLine(err, IpsCreateNotice(error).text);
    return kFailed;
}

int Apply(const std::string& filePath, const std::string& patchPath, const std::string& outPath, std::ostream& err)
{
    MappedFile file;
    if (!MapInput(file, filePath, err)) return kFailed;
    MappedFile patch;
    if (patch.open(patchPath) != MapError::None) {
        PrintLine(err, messages::kIpsPatchNotFound);
        return kFailed;
    }
    const IpsError error = WritePatchedFile(file.bytes(), patch.bytes(), outPath);
    if (error == IpsError::None) return kDone;
    if (error == IpsError::CannotWriteFile) {
        err << "zarvo-tool: cannot write " << outPath << "\n";
    } else {
        PrintLine(err, IpsApplyNotice(error).text);
    }
    return kFailed;
}

int Run(const std::vector<std::string>& arguments, std::ostream&, std::ostream& err)
{
    std::string error;
    const auto parsed = ParseArguments(arguments, {"-o"}, {}, error);
    if (!parsed) {
        err << error << "\n" << kUsage;
        return kWrongUsage;
    }
    const auto& words = parsed->positional;
    const auto output = parsed->values.find("-o");
    if (words.size() != 3 || (words[0] != "create" && words[0] != "apply") || output == parsed->values.end()) {
        err << kUsage;
        return kWrongUsage;
    }
    if (words[0] == "create") return Create(words[1], words[2], output->second, err);
    return Apply(words[1], words[2], output->second, err);
}

}  // namespace

Command IpsCommand()
{
    return {"ips", "ips create ORIGINAL MODIFIED -o PATCH | ips apply FILE PATCH -o OUT", kUsage, &Run};
}

}  // namespace zarvo::cli
