#include "cli/bps_command.h"

#include "cli/arguments.h"
#include "cli/document_output.h"
#include "cli/progress_line.h"
#include "cli/rom_input.h"
#include "cli/standard_output.h"
#include "cli/terminal_text.h"
#include "tools/bps.h"
#include "tools/bps_create.h"

#include <cstdio>

namespace zarvo::cli {

namespace {

constexpr const char* kUsage =
    "usage: zarvo-tool bps create ORIGINAL MODIFIED -o PATCH [--metadata FILE]\n"
    "       zarvo-tool bps apply FILE PATCH -o OUT [--ignore-checksum]\n"
    "       zarvo-tool bps info PATCH\n"
    "create writes the BPS patch that turns ORIGINAL into MODIFIED (the files' own bytes),\n"
    "with the contents of FILE as its metadata. apply writes FILE patched to OUT; it\n"
    "refuses a damaged patch, a FILE the patch was not made for (naming the expected and\n"
    "the found size and CRC32) and a FILE that already is the patched file, and writes\n"
    "nothing then. --ignore-checksum applies when only the CRC32s disagree. info prints\n"
    "the sizes, the three CRC32s, whether the patch's own CRC32 holds, and the metadata.\n"
    "-o - writes to standard output.\n";

int Create(const ParsedArguments& parsed, const std::string& patchPath, std::ostream& out, std::ostream& err)
{
    const auto original = ReadInput(parsed.positional[1], err);
    if (!original) return kFailed;
    const auto modified = ReadInput(parsed.positional[2], err);
    if (!modified) return kFailed;
    std::optional<InputBytes> metadata;
    if (const auto file = parsed.values.find("--metadata"); file != parsed.values.end()) {
        metadata = ReadInput(file->second, err);
        if (!metadata) return kFailed;
    }
    ProgressLine progress(err, "bps create");
    const BpsCreation made =
        CreateBps(original->content(), modified->content(), metadata ? metadata->content() : std::span<const uint8_t>(),
                  [&progress](std::size_t described, std::size_t total) {
                      progress.update(static_cast<int64_t>(described), static_cast<int64_t>(total));
                  });
    progress.finish();
    if (made.error != BpsError::None) {
        BpsApplication failed;
        failed.error = made.error;
        PrintFailure(err, BpsErrorText(failed));
        return kFailed;
    }
    return WriteBytesOutput(patchPath, made.patch, out, err) ? kDone : kFailed;
}

int Apply(const ParsedArguments& parsed, const std::string& outPath, std::ostream& out, std::ostream& err)
{
    const auto file = ReadInput(parsed.positional[1], err);
    if (!file) return kFailed;
    const auto patch = ReadInput(parsed.positional[2], err);
    if (!patch) return kFailed;
    const BpsApplication applied =
        ApplyBps(patch->content(), file->content(), parsed.flags.count("--ignore-checksum") != 0);
    if (applied.error != BpsError::None) {
        PrintFailure(err, BpsErrorText(applied));
        return kFailed;
    }
    return WriteBytesOutput(outPath, applied.target, out, err) ? kDone : kFailed;
}

[[nodiscard]] std::string Hex32(uint32_t value)
{
    char text[9];
    std::snprintf(text, sizeof text, "%08X", value);
    return text;
}

int Info(const std::string& patchPath, std::ostream& out, std::ostream& err)
{
    const auto patch = ReadInput(patchPath, err);
    if (!patch) return kFailed;
    const BpsHeader header = ReadBpsHeader(patch->content());
    if (header.error != BpsError::None && header.error != BpsError::PatchDamaged) {
        BpsApplication failed;
        failed.error = header.error;
        PrintFailure(err, BpsErrorText(failed));
        return kFailed;
    }
    const bool holds = header.patchCrcFound == header.patchCrc;
    out << "source size:   " << header.sourceSize << "\n"
        << "target size:   " << header.targetSize << "\n"
        << "source CRC32:  " << Hex32(header.sourceCrc) << "\n"
        << "target CRC32:  " << Hex32(header.targetCrc) << "\n"
        << "patch CRC32:   " << Hex32(header.patchCrc)
        << (holds ? " (holds)\n" : " (does not hold: the patch's bytes give " + Hex32(header.patchCrcFound) + ")\n")
        << "metadata:      " << header.metadata.size() << " bytes\n";
    if (!header.metadata.empty()) {
        std::string text(header.metadata.begin(), header.metadata.end());
        // Metadata is the patch author's text: on a terminal its control bytes are hidden.
        if (WritesToTerminal(out)) HideControlBytes(text);
        out << text << (text.back() == '\n' ? "" : "\n");
    }
    const int listed = FinishListing(out, err);
    if (listed != kDone) return listed;
    if (!holds) {
        PrintFailure(err, "the patch is damaged: its CRC32 does not hold");
        return kFailed;
    }
    return kDone;
}

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    std::string error;
    const auto parsed = ParseArguments(arguments, {"-o", "--metadata"}, {"--ignore-checksum"}, error);
    if (!parsed) {
        err << error << "\n" << kUsage;
        return kWrongUsage;
    }
    const auto& words = parsed->positional;
    const std::string mode = words.empty() ? std::string() : words[0];
    const auto output = parsed->values.find("-o");
    if (mode == "info" && words.size() == 2) return Info(words[1], out, err);
    if ((mode == "create" || mode == "apply") && words.size() == 3 && output != parsed->values.end()) {
        return mode == "create" ? Create(*parsed, output->second, out, err) : Apply(*parsed, output->second, out, err);
    }
    err << kUsage;
    return kWrongUsage;
}

}  // namespace

Command BpsCommand()
{
    return {"bps",
            "bps create ORIGINAL MODIFIED -o PATCH [--metadata FILE] | bps apply FILE PATCH -o OUT [--ignore-checksum] "
            "| bps info PATCH",
            kUsage, &Run};
}

}  // namespace zarvo::cli
