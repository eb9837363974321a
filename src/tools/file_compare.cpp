#include "tools/file_compare.h"

#include "core/document_bytes.h"
#include "tools/tool_messages.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <new>
#include <utility>

namespace zarvo {

namespace {

constexpr std::size_t kComparePiece = 64 * 1024;

}  // namespace

std::vector<DifferenceRun> CompareBytes(std::span<const uint8_t> a, std::span<const uint8_t> b,
                                        const CompareProgress& progress)
{
    const std::size_t total = std::min({a.size(), b.size(), static_cast<std::size_t>(INT32_MAX)});
    DifferenceScanner scanner;
    // In steps, so that progress is told between them rather than once per byte.
    while (scanner.scanned() < total) {
        const std::size_t done = scanner.scanned();
        scanner.scan(a.data() + done, b.data() + done, std::min<std::size_t>(total - done, kCompareProgressStep));
        if (progress) progress(static_cast<int32_t>(scanner.scanned()), static_cast<int32_t>(total));
    }
    return scanner.takeRuns();
}

void AppendCompareLine(std::string& text, const DifferenceRun& run)
{
    // "[%08X] ; %6d %s different at location.", written out by hand: a compare of a
    // large file lists many thousands of lines.
    constexpr char kHexDigits[] = "0123456789ABCDEF";
    char line[64];
    std::size_t at = 0;
    line[at++] = '[';
    for (int shift = 28; shift >= 0; shift -= 4)
        line[at++] = kHexDigits[(static_cast<uint32_t>(run.offset) >> shift) & 0xF];
    for (const char c : std::string_view("] ; ")) line[at++] = c;
    char digits[12];
    std::size_t count = 0;
    auto length = static_cast<uint32_t>(std::max(run.length, 0));
    do {
        digits[count++] = static_cast<char>('0' + length % 10);
        length /= 10;
    } while (length != 0);
    for (std::size_t pad = count; pad < 6; ++pad) line[at++] = ' ';
    while (count > 0) line[at++] = digits[--count];
    for (const char c :
         std::string_view(run.length > 1 ? " bytes different at location." : " byte  different at location.")) {
        line[at++] = c;
    }
    text.append(line, at);
}

std::string CompareLine(const DifferenceRun& run)
{
    std::string line;
    AppendCompareLine(line, run);
    return line;
}

std::vector<std::string> CompareLines(const std::vector<DifferenceRun>& runs)
{
    if (runs.empty()) return {messages::kCompareNoDifference};
    std::vector<std::string> lines;
    lines.reserve(runs.size());
    for (const DifferenceRun& run : runs) lines.push_back(CompareLine(run));
    return lines;
}

std::string CompareResultCaption(std::size_t runCount)
{
    char text[80];
    std::snprintf(text, sizeof text, "Compare Files...Results: %zu difference(s) found.", runCount);
    return text;
}

std::string CompareProgressCaption(int32_t compared, int32_t total)
{
    const int64_t percent = total > 0 ? int64_t{compared} * 100 / total : 100;
    char text[64];
    std::snprintf(text, sizeof text, "%s %lld%%", messages::kCompareWaitCaption, static_cast<long long>(percent));
    return text;
}

std::optional<int32_t> CompareJumpTarget(std::string_view line, int32_t documentSize)
{
    const auto bracket = line.find('[');
    if (bracket == std::string_view::npos) return std::nullopt;
    int64_t offset = 0;
    for (std::size_t at = bracket + 1; at < line.size() && std::isxdigit(static_cast<unsigned char>(line[at])) != 0;
         ++at) {
        const char c = line[at];
        const int digit = std::isdigit(static_cast<unsigned char>(c)) != 0
                              ? c - '0'
                              : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
        offset = std::min<int64_t>(offset * 16 + digit, INT32_MAX);
    }
    return static_cast<int32_t>(std::clamp<int64_t>(offset, 0, std::max(documentSize - 1, 0)));
}

CompareOutcome CompareFiles(const std::string& first, const std::string& second, const CompareProgress& progress)
{
    CompareOutcome outcome;
    if (first.empty() || second.empty()) {
        outcome.error = CompareError::MissingName;
        return outcome;
    }
    InputFile a(first);
    InputFile b(second);
    const auto refuse = [&outcome](const InputFile& file, const std::string& path) {
        outcome.failure = file.failure();
        outcome.failedPath = path;
        outcome.error =
            file.failure().error == InputError::TooLarge ? CompareError::TooLarge : CompareError::CannotOpen;
        return std::move(outcome);
    };
    if (!a.isOpen()) return refuse(a, first);
    if (!b.isOpen()) return refuse(b, second);
    try {
        // Small pieces read into two reused buffers stay in the cache; on this kind of
        // machine that is several times faster than walking mappings of both files.
        // The buffers are page-aligned: the kernel copies into them in step with the
        // file's pages, which some processors do several times faster.
        const auto total = static_cast<std::size_t>(std::min(a.size(), b.size()));
        DocumentBytes pieceA = DocumentBytes::Owned(kComparePiece);
        DocumentBytes pieceB = DocumentBytes::Owned(kComparePiece);
        DifferenceScanner scanner;
        std::size_t nextReport = kCompareProgressStep;
        while (scanner.scanned() < total) {
            const std::size_t count = std::min(kComparePiece, total - scanner.scanned());
            // A file cut short by another program since it was opened is not read past its end.
            if (!a.read(pieceA.data(), count)) return refuse(a, first);
            if (!b.read(pieceB.data(), count)) return refuse(b, second);
            scanner.scan(pieceA.data(), pieceB.data(), count);
            if (progress && (scanner.scanned() >= nextReport || scanner.scanned() == total)) {
                progress(static_cast<int32_t>(scanner.scanned()), static_cast<int32_t>(total));
                nextReport = scanner.scanned() + kCompareProgressStep;
            }
        }
        outcome.runs = scanner.takeRuns();
    } catch (const std::bad_alloc&) {
        outcome.runs.clear();
        outcome.error = CompareError::OutOfMemory;
    }
    return outcome;
}

const char* CompareErrorText(CompareError error)
{
    switch (error) {
    case CompareError::MissingName:
        return messages::kCompareMissingName;
    case CompareError::CannotOpen:
        return messages::kCompareCannotOpen;
    case CompareError::TooLarge:
        return messages::kCompareTooLarge;
    case CompareError::OutOfMemory:
        return messages::kCompareNoMemory;
    case CompareError::None:
        break;
    }
    return nullptr;
}

}  // namespace zarvo
