#include "script/script_dump.h"

#include "core/hex_text.h"

#include <algorithm>
#include <map>
#include <vector>

namespace zarvo {

namespace {

constexpr const char* kTableName = "Table";
constexpr const char* kPointerName = "Pointer";
constexpr const char* kSlotsName = "Slots";

[[nodiscard]] std::string Number(int64_t value)
{
    std::string text = value < 0 ? "$-" : "$";
    AppendHex(text, static_cast<uint32_t>(value < 0 ? -value : value), 0);
    return text;
}

// A piece of a string's text: the text written and the bytes it must insert as.
struct Piece {
    std::string text;
    std::size_t start = 0;  // file offset of its first byte
    std::size_t length = 0;
    bool raw = false;
    bool breaksLine = false;  // a line break follows it in the script
    bool endsString = false;
};

class Dumper {
public:
    Dumper(std::span<const uint8_t> file, const ScriptTable& table, const ScriptDumpRequest& request)
        : file_(file), table_(table), request_(request)
    {}

    ScriptDump run()
    {
        ScriptDump dump;
        const int64_t stride = request_.stride > 0 ? request_.stride : request_.form.bytes();
        const int bytes = request_.form.bytes();
        std::map<int64_t, std::vector<int32_t>> slotsByTarget;
        for (int32_t slot = 0; slot < request_.count; ++slot) {
            const int64_t place = request_.pointerTable + slot * stride;
            if (place < 0 || place + bytes > static_cast<int64_t>(file_.size())) {
                dump.error = "the pointer table runs past the end of the file at slot " + std::to_string(slot);
                return dump;
            }
            const uint32_t value = ReadPointerValue(request_.form, file_.subspan(static_cast<std::size_t>(place)));
            const auto target = PointerTargetOf(request_.form, value, place);
            if (!target || *target < 0 || *target >= static_cast<int64_t>(file_.size())) {
                skipped_.push_back(slot);
                continue;
            }
            slotsByTarget[*target].push_back(slot);
        }
        dump.skippedSlots = static_cast<int32_t>(skipped_.size());
        if (slotsByTarget.empty()) {
            dump.error = "no slot of the pointer table points into the file";
            return dump;
        }
        targets_ = std::move(slotsByTarget);
        const std::size_t first = static_cast<std::size_t>(targets_.begin()->first);
        const std::size_t last = readStrings(first);
        writeHeader(first, last);
        longestText_ = 5;
        for (const ScriptToken& token : table_.tokens()) {
            longestText_ = std::max(longestText_, token.text.size() + token.rest.size() + 2 * token.parameters);
        }
        writeBlock();
        dump.strings = strings_;
        dump.script = std::move(out_);
        return dump;
    }

private:
    // Reads the block string by string from its first target: a string ends after an
    // end token, and the next begins at the next target after it (the bytes between are
    // raw). No token reaches over a target, so that each target begins a piece. The
    // last string ends at its end token; with a table that has none, before the first
    // byte no token reads; and at most kLongestLastString bytes after its start.
    // Returns the block's last byte.
    std::size_t readStrings(std::size_t position)
    {
        constexpr std::size_t kLongestLastString = 0x10000;
        const auto highest = static_cast<std::size_t>(targets_.rbegin()->first);
        const bool endTokens = std::any_of(table_.tokens().begin(), table_.tokens().end(),
                                           [](const ScriptToken& token) { return token.kind == TokenKind::End; });
        bool inString = true;
        std::size_t stringStart = position;
        while (position < file_.size()) {
            if (!inString) {
                if (position > highest) break;
                const auto next = static_cast<std::size_t>(targets_.lower_bound(static_cast<int64_t>(position))->first);
                for (; position < next; ++position) pieces_.push_back(rawPiece(position));
                inString = true;
            }
            if (targets_.count(static_cast<int64_t>(position)) != 0) stringStart = position;
            const bool last = position > highest;
            if (last && position - stringStart >= kLongestLastString) break;
            const auto nextTarget = targets_.upper_bound(static_cast<int64_t>(position));
            const std::size_t limit =
                nextTarget == targets_.end() ? file_.size() : static_cast<std::size_t>(nextTarget->first);
            const ByteToken read = table_.readAt(file_, position);
            if (read.length > limit - position) {
                for (; position < limit; ++position) pieces_.push_back(rawPiece(position));
                continue;
            }
            if (last && !endTokens && read.token < 0) break;
            Piece piece{table_.textOf(read, file_, position), position, read.length, read.token < 0};
            if (read.token < 0 || piece.text.empty()) {
                piece = rawPieceFor(piece);  // no token, or one without text: it cannot be typed
            }
            if (read.token >= 0) {
                const ScriptToken& token = table_.token(read.token);
                piece.endsString = token.kind == TokenKind::End;
                piece.breaksLine = token.breaksLine || piece.endsString;
            }
            pieces_.push_back(piece);
            position += read.length;
            if (piece.endsString) inString = false;
        }
        return position - 1;
    }

    [[nodiscard]] Piece rawPiece(std::size_t position) const
    {
        return {ScriptTable::RawText(file_[position]), position, 1, true, false, false};
    }

    void writeHeader(std::size_t first, std::size_t last)
    {
        const PointerForm& form = request_.form;
        out_ += "// Script of " + request_.romName + ": " + std::to_string(request_.count) + " pointers at " +
                Number(request_.pointerTable) + ", " + PointerFormText(form) + "\n";
        for (const int32_t slot : skipped_) {
            out_ += "// slot " + std::to_string(slot) + " points outside the file and is left as it is\n";
        }
        out_ += "#VAR(" + std::string(kTableName) + ", TABLE)\n";
        out_ += "#ADDTBL(\"" + request_.tablePath + "\", " + kTableName + ")\n";
        out_ += "#ACTIVETBL(" + std::string(kTableName) + ")\n";
        out_ += "#VAR(" + std::string(kPointerName) + ", CUSTOMPOINTER)\n";
        out_ += "#CREATEPTR(" + std::string(kPointerName) + ", \"" + PointerMachineName(form.machine) + "\", " +
                Number(form.offset) + ", " + std::to_string(form.bits) + ")\n";
        out_ += "#VAR(" + std::string(kSlotsName) + ", POINTERTABLE)\n";
        const int64_t stride = request_.stride > 0 ? request_.stride : form.bytes();
        out_ += "#PTRTBL(" + std::string(kSlotsName) + ", " + Number(request_.pointerTable) + ", " +
                std::to_string(stride) + ", " + kPointerName + ")\n";
        out_ += "#HDR(" + Number(form.header) + ")\n";
        if (form.bigEndian) out_ += "#ENDIANSWAP(\"TRUE\")\n";
        out_ += "#JMP(" + Number(static_cast<int64_t>(first)) + ", " + Number(static_cast<int64_t>(last)) + ")\n\n";
    }

    // The pieces as script lines, each string's text checked against the inserter's
    // longest match; a piece that would insert otherwise becomes raw escapes.
    void writeBlock()
    {
        makeInsertable();
        bool lineOpen = false;
        bool stringOpen = false;
        std::string line;
        const auto endLine = [&] {
            if (lineOpen) out_ += line + "\n";
            line.clear();
            lineOpen = false;
        };
        for (const Piece& piece : pieces_) {
            if (const auto found = targets_.find(static_cast<int64_t>(piece.start)); found != targets_.end()) {
                endLine();
                if (!stringOpen) ++strings_;
                std::string names;
                for (const int32_t slot : found->second) names += (names.empty() ? "" : ", ") + std::to_string(slot);
                out_ += (found->second.size() == 1 ? "// slot " : "// slots ") + names + "\n";
                for (const int32_t slot : found->second) {
                    out_ += "#WRITE(" + std::string(kSlotsName) + ", " + std::to_string(slot) + ")\n";
                }
            }
            stringOpen = true;
            line += piece.text;
            lineOpen = true;
            if (piece.breaksLine) endLine();
            if (piece.endsString) {
                out_ += "\n";
                stringOpen = false;
            }
        }
        endLine();
    }

    // Runs the inserter's reading over each run of pieces that join into one text (up
    // to the next #WRITE): where the longest match would take another token than the
    // piece, or a line would begin with '#' or '/', the piece is written raw.
    void makeInsertable()
    {
        std::size_t runStart = 0;
        for (std::size_t i = 1; i <= pieces_.size(); ++i) {
            if (i < pieces_.size() && targets_.count(static_cast<int64_t>(pieces_[i].start)) == 0) continue;
            checkRun(runStart, i);
            runStart = i;
        }
    }

    void checkRun(std::size_t begin, std::size_t end)
    {
        // Texts the script's lines cannot carry: line breaks inside a text, a line
        // beginning like a command or a comment.
        bool lineStart = true;
        for (std::size_t i = begin; i < end; ++i) {
            Piece& piece = pieces_[i];
            const bool unsafe = piece.text.find_first_of("\r\n") != std::string::npos ||
                                (lineStart && (piece.text.starts_with("#") || piece.text.starts_with("/")));
            if (!piece.raw && unsafe) piece = rawPieceFor(piece);
            lineStart = piece.breaksLine;
        }
        // Each piece is matched in a window of the text from its start as long as the
        // longest token; a piece made raw changes the matches of those just before it.
        std::string window;
        std::vector<uint8_t> bytes;
        for (std::size_t i = begin; i < end;) {
            window.clear();
            for (std::size_t k = i; k < end && window.size() <= longestText_; ++k) window += pieces_[k].text;
            Piece& piece = pieces_[i];
            const TextToken found = table_.longestAt(window, 0);
            bytes.clear();
            if (found.length != 0) table_.appendBytes(found, bytes);
            const bool same = found.length == piece.text.size() && bytes.size() == piece.length &&
                              std::equal(bytes.begin(), bytes.end(), file_.begin() + static_cast<std::ptrdiff_t>(piece.start));
            // A raw escape that a table text begins with takes the other raw form.
            const bool convertible = !piece.raw || piece.text.starts_with("<$");
            if (same || !convertible) {
                ++i;
                continue;
            }
            piece = rawPieceFor(piece, piece.raw);
            for (std::size_t reach = 0; i > begin && reach < longestText_;) reach += pieces_[--i].text.size();
        }
    }

    // A piece's bytes as raw escapes, as one piece that keeps its line break and end.
    [[nodiscard]] Piece rawPieceFor(const Piece& piece, bool parenthesized = false) const
    {
        Piece raw = piece;
        raw.text.clear();
        for (std::size_t i = 0; i < piece.length; ++i) {
            std::string escape = ScriptTable::RawText(file_[piece.start + i]);
            if (parenthesized) {
                escape.front() = '(';
                escape.back() = ')';
            }
            raw.text += escape;
        }
        raw.raw = true;
        return raw;
    }

    std::span<const uint8_t> file_;
    const ScriptTable& table_;
    const ScriptDumpRequest& request_;
    std::map<int64_t, std::vector<int32_t>> targets_;
    std::vector<int32_t> skipped_;
    std::vector<Piece> pieces_;
    std::string out_;
    int32_t strings_ = 0;
    std::size_t longestText_ = 5;  // the longest text a token may take in a script
};

}  // namespace

ScriptDump DumpScript(std::span<const uint8_t> file, const ScriptTable& table, const ScriptDumpRequest& request)
{
    return Dumper(file, table, request).run();
}

}  // namespace zarvo
