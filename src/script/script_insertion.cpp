#include "script/script_insertion.h"

#include "core/hex_text.h"
#include "script/pointer_form.h"
#include "script/script_reader.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace zarvo {

namespace {

using Kind = ScriptArgument::Kind;

enum class VariableKind { Table, CustomPointer, PointerTable };

struct PointerTable {
    int64_t start = 0;
    int64_t step = 0;
    std::string pointer;  // the custom pointer that gives the slots' form
    int64_t next = 0;     // the slot the next WRITE(tbl) fills
};

struct AutoWrite {
    std::string table;
    std::string endText;
};

struct Embedded {
    std::optional<int64_t> place;
    std::optional<int64_t> target;
    int64_t placeLimit = 0;  // the end of the block's room where its place lies
    int line = 0;
};

// A piece of the open string: a token's bytes and, unless it is a raw byte, its text;
// or the bytes an embedded pointer keeps, which are not read back.
struct Segment {
    std::size_t length = 0;
    bool raw = false;
    std::string text;
    bool embedded = false;
};

[[nodiscard]] std::string Hex8(int64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "$%08llX", static_cast<unsigned long long>(value));
    return text;
}

// The character at text[at] for a message: itself and its code point when it is UTF-8,
// else its byte.
[[nodiscard]] std::string CharacterAt(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
    bool valid = length != 0 && at + length <= text.size();
    uint32_t point = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; valid && i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        valid = (next & 0xC0) == 0x80;
        point = point << 6 | (next & 0x3F);
    }
    char code[24];
    if (!valid) {
        std::snprintf(code, sizeof code, "byte $%02X", lead);
        return code;
    }
    std::snprintf(code, sizeof code, " (U+%04X)", point);
    return "'" + std::string(text.substr(at, length)) + "'" + code;
}

class Inserter {
public:
    Inserter(std::span<const uint8_t> file, std::string scriptName, const ScriptTableReader& readTable)
        : scriptName_(std::move(scriptName)), readTable_(readTable), result_(file.begin(), file.end())
    {}

    ScriptInsertion run(std::string_view script)
    {
        ScriptReading reading = ReadScript(script);
        for (const ScriptLine& line : reading.lines) {
            if (!error_.empty()) break;
            line_ = line.number;
            if (line.command) {
                encodePending();
                if (error_.empty()) command(line);
            } else {
                pendingLines_.emplace_back(pending_.size(), line.number);
                pending_ += line.text;
            }
        }
        if (error_.empty() && !reading.error.empty()) fail(reading.errorLine, reading.error);
        if (error_.empty()) encodePending();
        if (error_.empty()) endString(nullptr);
        if (error_.empty()) checkEmbedded();
        if (error_.empty()) checkRoom();
        ScriptInsertion done;
        done.error = error_;
        done.blocks = blocks_;
        done.pointers = pointers_;
        if (error_.empty()) done.result = std::move(result_);
        return done;
    }

private:
    void fail(int line, const std::string& what)
    {
        if (error_.empty()) error_ = scriptName_ + ":" + std::to_string(line) + ": " + what;
    }
    void fail(const std::string& what) { fail(line_, what); }

    [[nodiscard]] int64_t fileSize() const { return static_cast<int64_t>(result_.size()); }

    // ---- commands ----

    void command(const ScriptLine& line)
    {
        const std::string& name = line.name;
        const auto& a = line.arguments;
        const auto shape = [&](std::initializer_list<Kind> kinds) {
            if (a.size() != kinds.size()) return false;
            std::size_t i = 0;
            for (const Kind kind : kinds) {
                if (a[i++].kind != kind) return false;
            }
            return true;
        };
        const auto wrong = [&] { fail("wrong arguments for #" + name); };
        if (name == "VAR") {
            if (!shape({Kind::Name, Kind::Name})) return wrong();
            return declare(a[0].text, a[1].text);
        }
        if (name == "ADDTBL") {
            if (!shape({Kind::String, Kind::Name})) return wrong();
            return addTable(a[0].text, a[1].text);
        }
        if (name == "ACTIVETBL") {
            if (!shape({Kind::Name})) return wrong();
            return activateTable(a[0].text);
        }
        if (name == "HDR") {
            if (!shape({Kind::Number}) || a[0].number < 0) return wrong();
            header_ = a[0].number;
            return;
        }
        if (name == "JMP") {
            if (shape({Kind::Number})) return jump(a[0].number, fileSize() - 1, false);
            if (shape({Kind::Number, Kind::Number})) return jump(a[0].number, a[1].number, true);
            return wrong();
        }
        if (name == "SMA") {
            if (!shape({Kind::String})) return wrong();
            const auto machine = PointerMachineNamed(a[0].text);
            if (!machine) return fail("unknown pointer form \"" + a[0].text + "\"");
            machine_ = *machine;
            return;
        }
        if (name == "CREATEPTR") {
            if (!shape({Kind::Name, Kind::String, Kind::Number, Kind::Number})) return wrong();
            return createPointer(a[0].text, a[1].text, a[2].number, a[3].number);
        }
        if (name == "PTRTBL") {
            if (!shape({Kind::Name, Kind::Number, Kind::Number, Kind::Name})) return wrong();
            return createPointerTable(a[0].text, a[1].number, a[2].number, a[3].text);
        }
        if (name == "WRITE") {
            if (shape({Kind::Name})) return writeTableSlot(a[0].text, std::nullopt);
            if (shape({Kind::Name, Kind::Number})) {
                if (kindOf(a[0].text) == VariableKind::PointerTable) return writeTableSlot(a[0].text, a[1].number);
                return writeCustom(a[0].text, a[1].number);
            }
            return wrong();
        }
        if (name == "AUTOWRITE") {
            if (!shape({Kind::Name, Kind::String})) return wrong();
            if (!expect(a[0].text, VariableKind::PointerTable)) return;
            if (pointerTables_.count(a[0].text) == 0) return fail("the pointer table " + a[0].text + " was not made with #PTRTBL");
            autoWrites_.push_back({a[0].text, a[1].text});
            return;
        }
        if (name == "W16" || name == "W24" || name == "W32") {
            if (!shape({Kind::Number})) return wrong();
            const int bits = name == "W16" ? 16 : name == "W24" ? 24 : 32;
            return writePointer(formOf(machine_, bits, 0), a[0].number, position_);
        }
        if (name == "WLB" || name == "WHB" || name == "WBB" || name == "WUB" || name == "WHW") {
            if (shape({Kind::Number})) return writePart(name, formOf(machine_, 32, 0), a[0].number);
            if (shape({Kind::Name, Kind::Number})) {
                if (!expect(a[0].text, VariableKind::CustomPointer)) return;
                PointerForm form = customForm(a[0].text);
                form.bits = 32;
                return writePart(name, form, a[1].number);
            }
            return wrong();
        }
        if (name == "EMBTYPE") {
            if (!shape({Kind::String, Kind::Number, Kind::Number})) return wrong();
            const auto machine = PointerMachineNamed(a[0].text);
            if (!machine) return fail("unknown pointer form \"" + a[0].text + "\"");
            if (!ValidBits(a[1].number)) return wrong();
            embedded_ = {*machine, static_cast<int>(a[1].number), a[2].number};
            embeddedTypeSet_ = true;
            return;
        }
        if (name == "EMBSET" || name == "EMBWRITE") {
            if (!shape({Kind::Number})) return wrong();
            if (!embeddedTypeSet_) return fail("#" + name + " before #EMBTYPE");
            return name == "EMBSET" ? embedSet(a[0].number) : embedWrite(a[0].number);
        }
        if (name == "FIXEDLENGTH") {
            if (!shape({Kind::Number, Kind::Number}) || a[0].number < 0 || a[1].number < 0 || a[1].number > 255) {
                return wrong();
            }
            fixedLength_ = a[0].number;
            fill_ = static_cast<uint8_t>(a[1].number);
            return;
        }
        if (name == "STRINGALIGN") {
            if (!shape({Kind::Number}) || a[0].number < 0) return wrong();
            align_ = a[0].number;
            if (stringStart_ < 0) alignPosition();
            return;
        }
        if (name == "ENDIANSWAP") {
            if (!shape({Kind::String})) return wrong();
            std::string value = a[0].text;
            for (char& c : value) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (value != "TRUE" && value != "FALSE") return wrong();
            bigEndian_ = value == "TRUE";
            return;
        }
        fail("unknown command #" + name);
    }

    [[nodiscard]] static bool ValidBits(int64_t bits) { return bits == 16 || bits == 24 || bits == 32; }

    void declare(const std::string& name, const std::string& kind)
    {
        std::string upper = kind;
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        VariableKind made;
        if (upper == "TABLE") {
            made = VariableKind::Table;
        } else if (upper == "CUSTOMPOINTER") {
            made = VariableKind::CustomPointer;
        } else if (upper == "POINTERTABLE") {
            made = VariableKind::PointerTable;
        } else {
            return fail("unknown variable kind " + kind);
        }
        variables_[name] = made;
    }

    [[nodiscard]] std::optional<VariableKind> kindOf(const std::string& name) const
    {
        const auto found = variables_.find(name);
        if (found == variables_.end()) return std::nullopt;
        return found->second;
    }

    [[nodiscard]] bool expect(const std::string& name, VariableKind kind)
    {
        const auto found = kindOf(name);
        if (!found) {
            fail("no variable " + name + " was declared with #VAR");
            return false;
        }
        if (*found != kind) {
            fail("the variable " + name + " is not a " +
                 (kind == VariableKind::Table ? "TABLE" : kind == VariableKind::CustomPointer ? "CUSTOMPOINTER" : "POINTERTABLE"));
            return false;
        }
        return true;
    }

    void addTable(const std::string& path, const std::string& name)
    {
        if (!expect(name, VariableKind::Table)) return;
        std::string reason;
        auto table = readTable_ ? readTable_(path, reason) : std::nullopt;
        if (!table) return fail("cannot read the table " + path + (reason.empty() ? "" : ": " + reason));
        tables_[name] = std::move(*table);
    }

    void activateTable(const std::string& name)
    {
        if (!expect(name, VariableKind::Table)) return;
        const auto found = tables_.find(name);
        if (found == tables_.end()) return fail("the table " + name + " was not read with #ADDTBL");
        active_ = &found->second;
    }

    [[nodiscard]] PointerForm formOf(PointerMachine machine, int bits, int64_t offset) const
    {
        return {machine, bits, offset, header_, bigEndian_};
    }

    void createPointer(const std::string& name, const std::string& formName, int64_t offset, int64_t bits)
    {
        if (!expect(name, VariableKind::CustomPointer)) return;
        const auto machine = PointerMachineNamed(formName);
        if (!machine) return fail("unknown pointer form \"" + formName + "\"");
        if (!ValidBits(bits)) return fail("a pointer has 16, 24 or 32 bits, not " + std::to_string(bits));
        customPointers_[name] = {*machine, static_cast<int>(bits), offset};
    }

    // The header and byte order are the script's at the time the pointer is written.
    [[nodiscard]] PointerForm customForm(const std::string& name) const
    {
        const PointerForm& made = customPointers_.at(name);
        return formOf(made.machine, made.bits, made.offset);
    }

    void createPointerTable(const std::string& name, int64_t start, int64_t step, const std::string& pointer)
    {
        if (!expect(name, VariableKind::PointerTable) || !expect(pointer, VariableKind::CustomPointer)) return;
        if (customPointers_.count(pointer) == 0) return fail("the pointer " + pointer + " was not made with #CREATEPTR");
        pointerTables_[name] = {start, step, pointer, 0};
    }

    void writeCustom(const std::string& name, int64_t at)
    {
        if (!expect(name, VariableKind::CustomPointer)) return;
        if (customPointers_.count(name) == 0) return fail("the pointer " + name + " was not made with #CREATEPTR");
        writePointer(customForm(name), at, position_);
    }

    void writeTableSlot(const std::string& name, std::optional<int64_t> slot)
    {
        if (!expect(name, VariableKind::PointerTable)) return;
        const auto found = pointerTables_.find(name);
        if (found == pointerTables_.end()) return fail("the pointer table " + name + " was not made with #PTRTBL");
        writeSlot(found->second, slot, position_);
    }

    void writeSlot(PointerTable& table, std::optional<int64_t> slot, int64_t target)
    {
        const int64_t index = slot.value_or(table.next);
        if (index < 0) return fail("a pointer table has no slot " + std::to_string(index));
        table.next = index + 1;
        writePointer(customForm(table.pointer), table.start + index * table.step, target);
    }

    [[nodiscard]] bool placeInside(int64_t at, int64_t count)
    {
        if (at >= 0 && count <= fileSize() && at <= fileSize() - count) return true;
        fail("the place " + Hex8(at) + " lies outside the file");
        return false;
    }

    void writePointer(const PointerForm& form, int64_t at, int64_t target)
    {
        if (!placeInside(at, form.bytes())) return;
        const auto value = PointerValueFor(form, target);
        if (!value) {
            return fail("a " + PointerFormText(form) + " pointer cannot hold the offset " + Hex8(target));
        }
        StorePointerValue(form, *value, std::span(result_).subspan(static_cast<std::size_t>(at)));
        notePointer();
    }

    void writePart(const std::string& name, const PointerForm& form, int64_t at)
    {
        const int count = name == "WHW" ? 2 : 1;
        if (!placeInside(at, count)) return;
        const auto value = PointerValueFor(form, position_);
        if (!value) return fail("a " + PointerFormText(form) + " pointer cannot hold the offset " + Hex8(position_));
        const int shift = name == "WLB" ? 0 : name == "WHB" ? 8 : name == "WBB" || name == "WHW" ? 16 : 24;
        const auto part = static_cast<uint16_t>(*value >> shift);
        if (count == 1) {
            result_[static_cast<std::size_t>(at)] = static_cast<uint8_t>(part);
        } else {
            result_[static_cast<std::size_t>(at + (bigEndian_ ? 1 : 0))] = static_cast<uint8_t>(part);
            result_[static_cast<std::size_t>(at + (bigEndian_ ? 0 : 1))] = static_cast<uint8_t>(part >> 8);
        }
        notePointer();
    }

    void notePointer()
    {
        ++pointers_;
        if (!blocks_.empty()) ++blocks_.back().pointers;
    }

    [[nodiscard]] PointerForm embeddedForm() const { return formOf(embedded_.machine, embedded_.bits, embedded_.offset); }

    void embedSet(int64_t number)
    {
        if (!inBlock()) return;
        Embedded& pointer = embeddedPointers_[number];
        if (pointer.place) return fail("the embedded pointer " + std::to_string(number) + " has its place already");
        pointer.place = position_;
        pointer.placeLimit = blocks_.back().last + 1;
        pointer.line = line_;
        const std::vector<uint8_t> reserved(static_cast<std::size_t>(embeddedForm().bytes()), 0);
        putBytes(reserved);
        if (inString()) segments_.push_back({reserved.size(), true, {}, true});
        if (pointer.target) writeEmbedded(pointer);
    }

    void embedWrite(int64_t number)
    {
        Embedded& pointer = embeddedPointers_[number];
        if (pointer.target) return fail("the embedded pointer " + std::to_string(number) + " has its target already");
        pointer.target = position_;
        if (!pointer.place) pointer.line = line_;
        if (pointer.place) writeEmbedded(pointer);
    }

    void writeEmbedded(const Embedded& pointer)
    {
        // A place past its block's room holds nothing: the overflow is reported at the end.
        if (*pointer.place + embeddedForm().bytes() > pointer.placeLimit) return;
        writePointer(embeddedForm(), *pointer.place, *pointer.target);
    }

    void checkEmbedded()
    {
        for (const auto& [number, pointer] : embeddedPointers_) {
            if (!pointer.place) return fail(pointer.line, "the embedded pointer " + std::to_string(number) + " gets no place (#EMBSET)");
            if (!pointer.target) return fail(pointer.line, "the embedded pointer " + std::to_string(number) + " gets no target (#EMBWRITE)");
        }
    }

    void jump(int64_t start, int64_t last, bool lastGiven)
    {
        endString(nullptr);
        if (!error_.empty()) return;
        if (start < 0 || start >= fileSize()) return fail("#JMP to " + Hex8(start) + ", outside the file");
        if (lastGiven && (last < start - 1 || last >= fileSize())) {
            return fail("#JMP's last byte " + Hex8(last) + " lies outside the file or before its start");
        }
        blocks_.push_back({start, last, 0, 0});
        position_ = start;
        alignPosition();
    }

    // ---- text ----

    [[nodiscard]] bool inBlock()
    {
        if (!blocks_.empty()) return true;
        fail("text or an embedded pointer before the first #JMP");
        return false;
    }
    [[nodiscard]] bool inString() const { return stringStart_ >= 0; }

    // Writes at the current position; bytes past the block's room are only counted.
    void putBytes(std::span<const uint8_t> bytes)
    {
        ScriptBlock& block = blocks_.back();
        for (const uint8_t byte : bytes) {
            if (position_ <= block.last) result_[static_cast<std::size_t>(position_)] = byte;
            ++position_;
            ++block.used;
        }
        if (inString()) stringBytes_.insert(stringBytes_.end(), bytes.begin(), bytes.end());
    }

    void encodePending()
    {
        if (pending_.empty()) return;
        const std::string text = std::move(pending_);
        const auto lines = std::move(pendingLines_);
        pending_.clear();
        pendingLines_.clear();
        const auto lineAt = [&lines](std::size_t at) {
            auto found = std::upper_bound(lines.begin(), lines.end(), std::pair<std::size_t, int>(at, INT32_MAX));
            return std::prev(found)->second;
        };
        // Errors name the line of the text, not that of the command after it.
        const int commandLine = line_;
        line_ = lineAt(0);
        if (active_ == nullptr) return fail("text before any table is active (#ACTIVETBL)");
        if (!inBlock()) return;
        std::vector<uint8_t> bytes;
        for (std::size_t at = 0; at < text.size() && error_.empty();) {
            line_ = lineAt(at);
            const TextToken found = active_->longestAt(text, at);
            if (found.length == 0) {
                return fail("no table entry covers " + CharacterAt(text, at) + " in \"" +
                            text.substr(at, std::min<std::size_t>(text.size() - at, 24)) + "\"");
            }
            if (!inString()) stringStart_ = position_;
            bytes.clear();
            active_->appendBytes(found, bytes);
            putBytes(bytes);
            segments_.push_back({bytes.size(), found.token < 0, text.substr(at, found.length)});
            if (found.token >= 0 && active_->token(found.token).kind == TokenKind::End) {
                endString(&active_->token(found.token));
            }
            at += found.length;
        }
        line_ = commandLine;
    }

    // Closes the open string: its reading is checked, it is padded to a fixed length,
    // automatic pointers are written, and the next string is aligned.
    void endString(const ScriptToken* endToken)
    {
        if (!inString()) return;
        checkReadBack();
        if (!error_.empty()) return;
        const int64_t start = stringStart_;
        stringStart_ = -1;
        segments_.clear();
        stringBytes_.clear();
        if (fixedLength_ > 0) {
            const int64_t length = position_ - start;
            if (length > fixedLength_) {
                return fail("a string of " + std::to_string(length) + " bytes is longer than #FIXEDLENGTH's " +
                            std::to_string(fixedLength_));
            }
            putBytes(std::vector<uint8_t>(static_cast<std::size_t>(fixedLength_ - length), fill_));
        }
        if (endToken != nullptr) {
            for (const AutoWrite& automatic : autoWrites_) {
                if (automatic.endText == endToken->text) writeSlot(pointerTables_.at(automatic.table), std::nullopt, start);
            }
        }
        alignPosition();
    }

    void alignPosition()
    {
        if (align_ <= 0 || blocks_.empty()) return;
        const int64_t over = (position_ - header_) % align_;
        if (over != 0) putBytes(std::vector<uint8_t>(static_cast<std::size_t>(align_ - over), 0));
    }

    // The string's bytes must read back, token by token, as what was typed: a pair
    // entry that two typed entries make, for one, would change the text. Raw escapes
    // count as typed: their bytes are not read.
    void checkReadBack()
    {
        const std::span<const uint8_t> bytes(stringBytes_);
        std::size_t at = 0;
        for (const Segment& segment : segments_) {
            if (!segment.embedded && !segment.raw && segment.length != 0) {
                const ByteToken token = active_->readAt(bytes, at);
                const bool sameText = !active_->readsByDumpRules() || active_->textOf(token, bytes, at) == segment.text;
                if (token.length != segment.length || !sameText) {
                    return fail("the string \"" + typedText() + "\" would read back as \"" + readText() + "\"");
                }
            }
            at += segment.length;
        }
    }

    [[nodiscard]] std::string typedText() const
    {
        std::string text;
        for (const Segment& segment : segments_) text += segment.text;
        return text;
    }

    [[nodiscard]] std::string readText() const
    {
        const std::span<const uint8_t> bytes(stringBytes_);
        std::string text;
        for (std::size_t at = 0; at < bytes.size();) {
            const ByteToken token = active_->readAt(bytes, at);
            text += token.token < 0 ? ScriptTable::RawText(bytes[at]) : active_->textOf(token, bytes, at);
            at += token.length;
        }
        return text;
    }

    void checkRoom()
    {
        if (std::none_of(blocks_.begin(), blocks_.end(), [](const ScriptBlock& block) { return block.overflows(); })) {
            return;
        }
        std::string text = scriptName_ + ": the text does not fit its blocks:";
        for (const ScriptBlock& block : blocks_) {
            text += "\n  " + Hex8(block.start) + "-" + Hex8(block.last) + ": needs " + std::to_string(block.used) +
                    " bytes, has " + std::to_string(block.room());
            if (block.overflows()) text += " (" + std::to_string(block.used - block.room()) + " too many)";
        }
        error_ = text;
    }

    std::string scriptName_;
    const ScriptTableReader& readTable_;
    std::vector<uint8_t> result_;
    std::string error_;
    int line_ = 0;

    std::map<std::string, VariableKind> variables_;
    std::map<std::string, ScriptTable> tables_;
    const ScriptTable* active_ = nullptr;
    std::map<std::string, PointerForm> customPointers_;  // machine, bits and offset
    std::map<std::string, PointerTable> pointerTables_;
    std::vector<AutoWrite> autoWrites_;
    PointerMachine machine_ = PointerMachine::Linear;
    bool bigEndian_ = false;
    int64_t header_ = 0;
    PointerForm embedded_;
    bool embeddedTypeSet_ = false;
    std::map<int64_t, Embedded> embeddedPointers_;
    int64_t fixedLength_ = 0;
    uint8_t fill_ = 0;
    int64_t align_ = 0;
    int pointers_ = 0;

    std::vector<ScriptBlock> blocks_;
    int64_t position_ = 0;
    int64_t stringStart_ = -1;  // where the open string began; -1 between strings
    std::vector<Segment> segments_;
    std::vector<uint8_t> stringBytes_;
    std::string pending_;  // text lines not yet encoded, joined
    std::vector<std::pair<std::size_t, int>> pendingLines_;  // where each line begins in pending_
};

}  // namespace

ScriptInsertion InsertScript(std::span<const uint8_t> file, std::string_view script, const std::string& scriptName,
                             const ScriptTableReader& readTable)
{
    return Inserter(file, scriptName, readTable).run(script);
}

std::string InsertionReport(const ScriptInsertion& insertion)
{
    std::string report;
    for (const ScriptBlock& block : insertion.blocks) {
        report += "Block " + Hex8(block.start) + "-" + Hex8(block.last) + ": " + std::to_string(block.used) +
                  " bytes used, " + std::to_string(std::max<int64_t>(block.room() - block.used, 0)) + " free, " +
                  std::to_string(block.pointers) + " pointers written\n";
    }
    report += std::to_string(insertion.pointers) + " pointers written in all\n";
    return report;
}

}  // namespace zarvo
