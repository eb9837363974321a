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

// A piece of the block: bytes written as a token's text, or as raw escapes.
struct Piece {
    uint32_t start = 0;  // file offset of its first byte
    uint32_t length = 0;
    int32_t token = -1;   // the token its bytes read as; -1: raw escapes
    int32_t target = -1;  // the target it begins at, by index; -1 when none does
    bool parenthesized = false;  // raw escapes written "($XX)" instead of "<$XX>"
    bool breaksLine = false;     // a line break follows it in the script
    bool endsString = false;

    [[nodiscard]] bool raw() const { return token < 0; }
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
        targets_.assign(slotsByTarget.begin(), slotsByTarget.end());
        const auto first = static_cast<std::size_t>(targets_.front().first);
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
        const auto highest = static_cast<std::size_t>(targets_.back().first);
        // The targets are met in ascending order: next is the first one not passed yet.
        std::size_t next = 0;
        const auto targetAt = [this](std::size_t index) {
            return index < targets_.size() ? static_cast<std::size_t>(targets_[index].first) : file_.size();
        };
        const bool endTokens = std::any_of(table_.tokens().begin(), table_.tokens().end(),
                                           [](const ScriptToken& token) { return token.kind == TokenKind::End; });
        bool inString = true;
        std::size_t stringStart = position;
        while (position < file_.size()) {
            if (!inString) {
                if (position > highest) break;
                for (; position < targetAt(next); ++position) pieces_.push_back(rawPiece(position));
                inString = true;
            }
            const bool atTarget = targetAt(next) == position;
            if (atTarget) {
                stringStart = position;
                ++next;
            }
            const bool last = position > highest;
            if (last && position - stringStart >= kLongestLastString) break;
            const std::size_t limit = targetAt(next);
            const ByteToken read = table_.readAt(file_, position);
            if (read.length > limit - position) {
                for (bool first = true; position < limit; ++position, first = false) {
                    pieces_.push_back(rawPiece(position));
                    pieces_.back().target = first && atTarget ? static_cast<int32_t>(next - 1) : -1;
                }
                continue;
            }
            if (last && !endTokens && read.token < 0) break;
            Piece piece{static_cast<uint32_t>(position), static_cast<uint32_t>(read.length), read.token};
            // A token without text cannot be typed: its bytes are written raw.
            if (read.token >= 0 && table_.token(read.token).text.empty()) piece.token = -1;
            if (read.token >= 0) {
                const ScriptToken& token = table_.token(read.token);
                piece.endsString = token.kind == TokenKind::End;
                piece.breaksLine = token.breaksLine || piece.endsString;
            }
            piece.target = atTarget ? static_cast<int32_t>(next - 1) : -1;
            pieces_.push_back(piece);
            position += read.length;
            if (piece.endsString) inString = false;
        }
        return position - 1;
    }

    [[nodiscard]] static Piece rawPiece(std::size_t position) { return {static_cast<uint32_t>(position), 1}; }

    // The piece's text as the script holds it, added to out.
    void appendText(const Piece& piece, std::string& out) const
    {
        if (!piece.raw()) {
            const ScriptToken& token = table_.token(piece.token);
            if (token.kind == TokenKind::Multicode) {
                out += table_.textOf({piece.length, piece.token}, file_, piece.start);
            } else {
                out += token.text;
            }
            return;
        }
        for (uint32_t i = 0; i < piece.length; ++i) {
            const std::size_t at = out.size();
            out += ScriptTable::RawText(file_[piece.start + i]);
            if (piece.parenthesized) {
                out[at] = '(';
                out.back() = ')';
            }
        }
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
            if (piece.target >= 0) {
                const std::vector<int32_t>& slots = targets_[static_cast<std::size_t>(piece.target)].second;
                endLine();
                if (!stringOpen) ++strings_;
                std::string names;
                for (const int32_t slot : slots) names += (names.empty() ? "" : ", ") + std::to_string(slot);
                out_ += (slots.size() == 1 ? "// slot " : "// slots ") + names + "\n";
                for (const int32_t slot : slots) {
                    out_ += "#WRITE(" + std::string(kSlotsName) + ", " + std::to_string(slot) + ")\n";
                }
            }
            stringOpen = true;
            appendText(piece, line);
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
            if (i < pieces_.size() && pieces_[i].target < 0) continue;
            checkRun(runStart, i);
            runStart = i;
        }
    }

    void checkRun(std::size_t begin, std::size_t end)
    {
        // Texts the script's lines cannot carry: line breaks inside a text, a line
        // beginning like a command or a comment.
        bool lineStart = true;
        std::string text;
        for (std::size_t i = begin; i < end; ++i) {
            Piece& piece = pieces_[i];
            if (!piece.raw()) {
                text.clear();
                appendText(piece, text);
                const bool unsafe = text.find_first_of("\r\n") != std::string::npos ||
                                    (lineStart && (text.starts_with("#") || text.starts_with("/")));
                if (unsafe) piece.token = -1;
            }
            lineStart = piece.breaksLine;
        }
        // Each piece is matched in a window of the text from its start as long as the
        // longest token; a piece made raw changes the matches of those just before it.
        std::string window;
        std::vector<uint8_t> bytes;
        for (std::size_t i = begin; i < end;) {
            window.clear();
            std::size_t own = 0;
            for (std::size_t k = i; k < end && window.size() <= longestText_; ++k) {
                appendText(pieces_[k], window);
                if (k == i) own = window.size();
            }
            Piece& piece = pieces_[i];
            const TextToken found = table_.longestAt(window, 0);
            bytes.clear();
            if (found.length != 0) table_.appendBytes(found, bytes);
            const bool same = found.length == own && bytes.size() == piece.length &&
                              std::equal(bytes.begin(), bytes.end(), file_.begin() + piece.start);
            // A raw escape that a table text begins with takes the other raw form.
            const bool convertible = !piece.raw() || !piece.parenthesized;
            if (same || !convertible) {
                ++i;
                continue;
            }
            piece.parenthesized = piece.raw();
            piece.token = -1;
            for (std::size_t reach = 0; i > begin && reach < longestText_;) {
                text.clear();
                appendText(pieces_[--i], text);
                reach += text.size();
            }
        }
    }

    std::span<const uint8_t> file_;
    const ScriptTable& table_;
    const ScriptDumpRequest& request_;
    std::vector<std::pair<int64_t, std::vector<int32_t>>> targets_;  // ascending, with their slots
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
