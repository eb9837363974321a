#include "cli/ups_command.h"

#include "cli/arguments.h"
#include "cli/document_output.h"
#include "cli/rom_input.h"
#include "tools/ups.h"

namespace zarvo::cli {

namespace {

constexpr const char* kUsage =
    "usage: zarvo-tool ups apply FILE PATCH -o OUT\n"
    "Writes FILE patched by the UPS patch PATCH to OUT. Given the patched file, the patch\n"
    "runs backwards and gives the original. A damaged patch, or a FILE the patch was not\n"
    "made for, is refused and nothing is written. -o - writes to standard output.\n";

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const auto words = ParseVerbWithTwoFiles(arguments, {"apply"}, kUsage, err);
    if (!words) return kWrongUsage;
    const auto file = ReadInput(words->first, err);
    if (!file) return kFailed;
    const auto patch = ReadInput(words->second, err);
    if (!patch) return kFailed;
    const UpsApplication applied = ApplyUps(patch->content(), file->content());
    if (applied.error != BpsError::None) {
        PrintFailure(err, UpsErrorText(applied));
        return kFailed;
    }
    return WriteBytesOutput(words->output, applied.result, out, err) ? kDone : kFailed;
}

}  // namespace

Command UpsCommand() { return {"ups", "ups apply FILE PATCH -o OUT", kUsage, &Run}; }

}  // namespace zarvo::cli
