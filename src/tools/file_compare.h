#pragma once
// The file compare: runs of differing bytes over the shorter of two files, and the
// lines its list shows for them.

#include "core/input_file.h"
#include "tools/difference_scanner.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zarvo {

// How often the compare reports progress, in compared bytes.
inline constexpr int32_t kCompareProgressStep = 256 * 1024;

// Told the bytes compared so far and the total, every kCompareProgressStep bytes; the
// window lets its events run from here.
using CompareProgress = std::function<void(int32_t compared, int32_t total)>;

// Every run of positions where a and b differ, over the first min(|a|, |b|) bytes.
[[nodiscard]] std::vector<DifferenceRun> CompareBytes(std::span<const uint8_t> a, std::span<const uint8_t> b,
                                                      const CompareProgress& progress = {});

// "[%08X] ; %6d %s different at location." with "bytes", or "byte " for one byte.
[[nodiscard]] std::string CompareLine(const DifferenceRun& run);
// The same line added to the end of text.
void AppendCompareLine(std::string& text, const DifferenceRun& run);
// The lines of the list: one per run, or the single line saying the files match.
[[nodiscard]] std::vector<std::string> CompareLines(const std::vector<DifferenceRun>& runs);
// The caption once the compare is over: "Compare Files...Results: %d difference(s) found."
[[nodiscard]] std::string CompareResultCaption(std::size_t runCount);
// The caption while it runs: "Compare Files...Please Wait." and how far it got.
[[nodiscard]] std::string CompareProgressCaption(int32_t compared, int32_t total);

// The offset a list line jumps to: the hexadecimal number after its '[', moved back
// to the document's last byte when it lies past the end. Nothing for a line without
// '[' (such as the line saying the files match).
[[nodiscard]] std::optional<int32_t> CompareJumpTarget(std::string_view line, int32_t documentSize);

enum class CompareError {
    None,
    MissingName,  // a path is empty
    CannotOpen,   // a file cannot be opened or read, or is not a regular file
    TooLarge,     // a file is 2 GiB or larger
    OutOfMemory,  // the pieces cannot be held in memory
};

struct CompareOutcome {
    CompareError error = CompareError::None;
    std::vector<DifferenceRun> runs;
    InputFailure failure;    // for CannotOpen and TooLarge: why the file at failedPath was refused
    std::string failedPath;  // the path of the file that could not be read
};

// Compares the files at two paths as they are on disk, reading both a piece at a time.
// Both are opened as every input is (regular files below 2 GiB, never waiting).
[[nodiscard]] CompareOutcome CompareFiles(const std::string& first, const std::string& second,
                                          const CompareProgress& progress = {});
// The message of a failed compare; nullptr for None.
[[nodiscard]] const char* CompareErrorText(CompareError error);

}  // namespace zarvo
