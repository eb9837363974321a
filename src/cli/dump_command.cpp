#include "cli/dump_command.h"

#include "cli/arguments.h"
#include "cli/document_output.h"
#include "cli/rom_input.h"
#include "core/dump_state.h"
#include "core/output_file.h"
#include "dump/dump_file.h"
#include "dump/dump_label.h"
#include "dump/dump_range.h"

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
    "labels dumps every dump label of TBL to DIR/NAME.txt (NAME.dat with --bin) and\n"
    "prints one line per file written. Refused ranges write nothing; their message\n"
    "goes to stderr.\n";

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
            PrintLine(err, "zarvo-tool: skipped " + dump.line + ": a dump label needs '-' and ']'");
        } else if (dump.result.written) {
            out << dump.fields.fileName << '\n';
        } else {
            PrintLine(err, dump.result.notice.text);
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

    DocRecord doc;
    TableSession tables;
    RomReader rom(words[1]);
    if (!rom.open(doc, tables, err)) return kFailed;
    if (needsTable && !LoadTable(doc, tables, *option("--table"), err)) return kFailed;

    const DumpKind kind =
        mode == "text" || (labels && parsed->flags.count("--bin") == 0) ? DumpKind::Text : DumpKind::Binary;
    if (labels) {
        // The labels may name any part of the file.
        if (!rom.readRange(doc, 0, doc.fileSize, err)) return kFailed;
        const std::string* folder = option("-d");
        return DumpLabels(doc, tables, kind, folder != nullptr ? *folder : std::string(), out, err);
    }
    const DumpFields fields{*option("-o"), *option("--start"), *option("--end")};
    // Only the bytes dumped are read (none for a refused range, which the dump reports).
    const RangeCheck check = CheckDumpRange(kind, fields.start, fields.end, doc);
    const int64_t readEnd = check.error == RangeError::None ? check.range.start + check.range.size : 0;
    if (!rom.readRange(doc, check.range.start, readEnd, err)) return kFailed;
    // "-" is standard output; the dump's own messages tell a failure, as for a file.
    const DumpWriter writer = [&](const DumpProducer& produce) {
        if (fields.fileName != "-") return WriteOutput(fields.fileName, OutputRule::StreamsAllowed, produce);
        const ByteSink sink = [&out](const uint8_t* bytes, std::size_t count) {
            out.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(count));
            return static_cast<bool>(out);
        };
        const bool produced = produce(sink);
        out.flush();
        return produced && out ? SaveError::None : SaveError::CannotWrite;
    };
    return Report(RunDump(kind, doc, fields, 0, writer), err);
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
