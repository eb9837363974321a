#pragma once
// The binary and the text dump of the range in the dump dialog's boxes, written to
// the file the dialog names. The file is written beside its target and takes its
// place only when complete, so a failed dump never leaves a file that looks whole.

#include "core/document.h"
#include "core/document_file.h"
#include "core/dump_state.h"
#include "dump/dump_notice.h"
#include "dump/dump_range.h"

#include <functional>
#include <string>

namespace zarvo {

// The three boxes of the dump dialog.
struct DumpFields {
    std::string fileName;  // DFile: the dump file (the fill value in a byte fill)
    std::string start;     // BegOfs
    std::string end;       // EndOfs
};

// Hands produce a sink to the file at path and finishes it; by default that is
// WriteFileReplacing. The tool passes others (standard output), the editor one that
// writes on a worker thread while it shows progress.
using DumpProducer = std::function<bool(const ByteSink&)>;
using DumpWriter = std::function<SaveError(const std::string& path, const DumpProducer& produce)>;
// Told how many of the range's total bytes the dump has turned into output; called on
// the thread that writes.
using DumpProgress = std::function<void(int64_t done, int64_t total)>;

// Where a dump goes and who hears of its progress; both may be left empty.
struct DumpOutput {
    DumpWriter writer;
    DumpProgress progress;
};

struct DumpResult {
    // NoFileName: the dump stays started and the dialog open; CannotCreate: the
    // dialog closes; Idle for everything else.
    DumpMode mode = DumpMode::Idle;
    bool written = false;  // the whole dump is in its file
    Notice notice;         // empty for a success inside a batch
};

// DumpBinData and DumpTxtData: the range checks of each kind, the file name, the
// dump. A success is announced only when batchRemaining is 0; failures always are.
[[nodiscard]] DumpResult RunDump(DumpKind kind, const DocRecord& doc, const DumpFields& fields, int32_t batchRemaining,
                                 const DumpOutput& output = {});
[[nodiscard]] DumpResult DumpBinData(const DocRecord& doc, const DumpFields& fields, int32_t batchRemaining,
                                     const DumpOutput& output = {});
[[nodiscard]] DumpResult DumpTxtData(const DocRecord& doc, const DumpFields& fields, int32_t batchRemaining,
                                     const DumpOutput& output = {});

}  // namespace zarvo
