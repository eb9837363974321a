#include "cli/dump_command.h"

#include "cli/arguments.h"
#include "cli/document_output.h"
#include "cli/hex_argument.h"
#include "cli/progress_line.h"
#include "cli/rom_input.h"
#include "cli/standard_output.h"
#include "cli/terminal_text.h"
#include "core/dump_state.h"
#include "core/hex_text.h"
#include "core/output_file.h"
#include "dump/dump_file.h"
#include "dump/dump_label.h"
#include "dump/dump_range.h"

#include <cstdint>

namespace zarvo::cli {

namespace {

constexpr const char* kUsage =
    "usage: zarvo-tool dump text ROM --table TBL --start HEX --end HEX -o OUT\n"
    "       zarvo-tool dump bin ROM --start HEX --end HEX -o OUT\n"
    "       zarvo-tool dump labels ROM --table TBL [--bin] [-d DIR]\n"
    "text writes the bytes from --start to --end (included) translated through TBL, with\n"
    "its control codes, templates and .nontbl form, as the editor's \"Dump Text\" does;\n"
    "%romname and %tblname stand for ROM and TBL as given here. bin writes the bytes\n"
    "themselves. A range reaching the end of the buffer stops at the end of the file.\n"
    "labels dumps every dump label of TBL to DIR/NAME.txt (NAME.dat with --bin, DIR the\n"
    "current folder without -d) and prints one line per file written. A label whose\n"
    "name is empty or holds '/', '\\', \"..\" or a control byte, whose file would be ROM\n"
    "or TBL or is a symbolic link, or that names the file of an earlier label is\n"
    "refused; the others are dumped, and the command fails at the end.\n"
    "Refused ranges write nothing; their message goes to stderr.\n";

int WrongUsage(std::ostream& err, const std::string& why)
{
    err << why << "\n" << kUsage;
    return kWrongUsage;
}

int Report(const DumpResult& result, std::ostream& err)
{
    if (result.written) return kDone;
    PrintLine(err, result.notice.text);
    return kFailed;
}

int DumpLabels(const DocRecord& doc, const TableSession& tables, DumpKind kind, const std::string& folder,
               std::ostream& out, std::ostream& err)
{
    if (const char* refusal = DumpFromListRefusal(tables)) {
        PrintLine(err, refusal);
        return kFailed;
    }
    DumpState state;
    int status = kDone;
    for (const LabelDump& dump : DumpLabelBatch(doc, tables.dumpLabels, kind, state, folder)) {
        if (dump.skipped) {
            PrintFailure(err, ShownOn(err, "skipped " + dump.line + ": a dump label needs '-' and ']'"));
        } else if (dump.refusal != LabelRefusal::None) {
            PrintFailure(err, ShownOn(err, dump.result.notice.text));
            status = kFailed;
        } else if (dump.result.written) {
            out << dump.fields.fileName << '\n';
        } else {
            PrintLine(err, ShownOn(err, dump.result.notice.text));
            status = kFailed;
        }
    }
    const int listed = FinishListing(out, err);
    return status == kDone ? listed : status;
}

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    std::string error;
    const auto parsed = ParseArguments(arguments, {"--table", "--start", "--end", "-o", "-d"}, {"--bin"}, error);
    if (!parsed) return WrongUsage(err, error);
    const auto& words = parsed->positional;
    if (words.size() != 2) return WrongUsage(err, "dump needs text, bin or labels and a ROM");
    const auto option = [&](const char* name) -> const std::string* {
        const auto found = parsed->values.find(name);
        return found == parsed->values.end() ? nullptr : &found->second;
    };
    const std::string& mode = words[0];
    const bool labels = mode == "labels";
    if (!labels && mode != "text" && mode != "bin") return WrongUsage(err, "unknown dump " + mode);
    const bool needsTable = mode != "bin";
    if (needsTable && option("--table") == nullptr) return WrongUsage(err, "dump " + mode + " needs --table TBL");
    if (!labels && (option("--start") == nullptr || option("--end") == nullptr || option("-o") == nullptr)) {
        return WrongUsage(err, "dump " + mode + " needs --start HEX, --end HEX and -o OUT");
    }

    // Read whole before anything is loaded; the dump reads the digits as its dialog does.
    DumpFields fields{labels ? std::string() : *option("-o"), {}, {}};
    if (!labels) {
        const auto start = ParseHexArgument("--start", *option("--start"), kBoxLimit, error);
        const auto end = start ? ParseHexArgument("--end", *option("--end"), kBoxLimit, error) : std::nullopt;
        if (!end) return WrongUsage(err, error);
        fields.start = FormatHex(*start, 0);
        fields.end = FormatHex(*end, 0);
    }

    DocRecord doc;
    TableSession tables;
    RomReader rom(words[1]);
    if (!rom.open(doc, tables, err)) return kFailed;
    // The editor's list holds the first labels of a table; the tool dumps them all.
    if (labels) tables.dumpLabelLimit = SIZE_MAX;
    if (needsTable && !LoadTable(doc, tables, *option("--table"), err)) return kFailed;

    const DumpKind kind =
        mode == "text" || (labels && parsed->flags.count("--bin") == 0) ? DumpKind::Text : DumpKind::Binary;
    if (labels) {
        // The labels may name any part of the file.
        if (!rom.readRange(doc, 0, doc.fileSize, err)) return kFailed;
        const std::string* folder = option("-d");
        return DumpLabels(doc, tables, kind, folder != nullptr ? *folder : std::string(), out, err);
    }
    // Only the bytes dumped are read (none for a refused range, which the dump reports).
    const RangeCheck check = CheckDumpRange(kind, fields.start, fields.end, doc);
    const int64_t readEnd = check.error == RangeError::None ? check.range.start + check.range.size : 0;
    if (!rom.readRange(doc, check.range.start, readEnd, err)) return kFailed;
    // The progress line goes before any message: the writer says why a write failed.
    ProgressLine progress(err, "dump " + mode);
    // A failed write says so with the system's reason, as every command's output does;
    // the dump's own messages tell the rest (a refused range, no memory for the text).
    bool writeFailed = false;
    const DumpWriter writer = [&](const std::string& path, const DumpProducer& produce) {
        const DumpProducer ended = [&](const ByteSink& sink) {
            const bool produced = produce(sink);
            progress.finish();
            return produced;
        };
        const OutputResult result = WriteCommandOutputResult(path, ended, out, err, true);
        writeFailed = result == OutputResult::WriteFailed;
        return result == OutputResult::Written ? SaveError::None : SaveError::CannotWrite;
    };
    // A dump written to the terminal has no room for a progress line beside it.
    const DumpProgress shown = [&progress](int64_t done, int64_t total) { progress.update(done, total); };
    const bool onTerminal = fields.fileName == "-" && WritesToTerminal(out);
    const DumpResult result = RunDump(kind, doc, fields, 0, {writer, onTerminal ? DumpProgress() : shown});
    progress.finish();
    if (writeFailed) return kFailed;
    return Report(result, err);
}

}  // namespace

Command DumpCommand()
{
    return {"dump",
            "dump text ROM --table TBL --start HEX --end HEX -o OUT | dump bin ROM --start HEX --end HEX -o OUT | "
            "dump labels ROM --table TBL [--bin] [-d DIR]",
            kUsage, &Run};
}

}  // namespace zarvo::cli
