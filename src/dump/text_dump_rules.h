#pragma once
// The table of a document turned, once per text dump, into lookups by byte value:
// which rule may apply to a byte, the expanded directive texts, and the fixed text
// of each byte that no directive or pair claims (its single entry, the .nontbl form,
// the line or end mark, or "($XX)").

#include "core/table.h"
#include "dump/code_to_text.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zarvo {

// A directive text expanded for the dump: fixed unless it holds "%offset".
class DirectiveText {
public:
    DirectiveText() = default;
    DirectiveText(std::string_view source, const DumpContext& context);

    // The expansion for the byte at position (an index into the dumped range).
    [[nodiscard]] std::string_view at(const DumpContext& context, int64_t position, std::string& scratch) const;
    [[nodiscard]] bool varies() const { return varies_; }

private:
    std::string source_;
    std::string fixed_;
    bool varies_ = false;
};

// A text in the rules' text store.
struct StoredText {
    uint32_t offset = 0;
    int32_t length = -1;  // -1: no text
};

class TextDumpRules {
public:
    // Which rules to try for a byte before its fixed text.
    enum Flag : uint8_t {
        kDualFirst = 1,  // some .dual code begins with this byte
        kCode = 2,       // .code
        kMulticode = 4,  // .multicode (and no .code)
        kPairFirst = 8,  // some two-byte entry begins with this byte
    };

    TextDumpRules(const TableData& table, const DumpContext& context);

    [[nodiscard]] uint8_t flags(uint8_t byte) const { return flags_[byte]; }
    // The first .dual record in use whose code is first, second in file order; -1 when none.
    [[nodiscard]] int dualAt(uint8_t first, uint8_t second) const { return dualIndex_[first | (second << 8)]; }
    [[nodiscard]] const DirectiveText& dualText(int index) const { return dualTexts_[static_cast<std::size_t>(index)]; }
    [[nodiscard]] const DirectiveText& codeText(uint8_t byte) const { return codeTexts_[byte]; }
    [[nodiscard]] const DirectiveText& multicodeText(uint8_t byte) const { return multicodeTexts_[byte]; }
    [[nodiscard]] uint32_t multicodeCount(uint8_t byte) const { return multicodeCounts_[byte]; }
    // The two-byte entry of first, second (only for bytes flagged kPairFirst).
    [[nodiscard]] StoredText pairText(uint8_t first, uint8_t second) const
    {
        return pairRows_[static_cast<std::size_t>(pairRow_[first])][second];
    }
    [[nodiscard]] const int16_t* pairRowTable() const { return pairRow_.data(); }
    [[nodiscard]] const std::array<StoredText, 256>* pairRows() const { return pairRows_.data(); }

    // One lookup per byte for the dump's common case.
    enum class Shortcut : uint8_t {
        Other,  // take the full rules
        Text,   // write text: the byte's fixed text, or a .code text that never varies
        Pair,   // a two-byte entry may begin here; else the fixed text
    };
    struct ShortcutEntry {
        uint32_t offset = 0;  // text in the store
        uint16_t length = 0;  // at most BufferedOutput::kShortText for Text
        Shortcut shortcut = Shortcut::Other;
    };
    [[nodiscard]] const ShortcutEntry* shortcuts() const { return shortcuts_.data(); }
    [[nodiscard]] StoredText fixedText(uint8_t byte) const { return fixedTexts_[byte]; }
    // The stored texts, each followed by at least BufferedOutput::kShortText readable bytes.
    [[nodiscard]] const char* store() const { return store_.data(); }

private:
    [[nodiscard]] StoredText Store(std::string_view text);
    void BuildShortcuts(const DumpContext& context);

    std::array<uint8_t, 256> flags_{};
    std::vector<int16_t> dualIndex_;  // by little-endian word first + 256 * second
    std::vector<DirectiveText> dualTexts_;
    std::array<DirectiveText, 256> codeTexts_;
    std::array<DirectiveText, 256> multicodeTexts_;
    std::array<uint32_t, 256> multicodeCounts_{};
    std::array<int16_t, 256> pairRow_{};
    std::vector<std::array<StoredText, 256>> pairRows_;
    std::array<StoredText, 256> fixedTexts_;
    std::array<ShortcutEntry, 256> shortcuts_{};
    std::string store_;
};

}  // namespace zarvo
