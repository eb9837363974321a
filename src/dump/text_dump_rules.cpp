#include "dump/text_dump_rules.h"

#include "core/hex_text.h"
#include "dump/buffered_output.h"
#include "dump/dump_messages.h"

#include <algorithm>

namespace zarvo {

namespace {

// How .nontbl writes a byte without entry: the text's first character opens and its
// last closes the number ('(' and ')' in place of an empty text or a '$'); a '$'
// anywhere asks for "$" and two hexadecimal digits, else three decimal digits.
[[nodiscard]] std::string RawFormText(const std::string& format, uint8_t byte)
{
    const char open = format.empty() || format.front() == '$' ? '(' : format.front();
    const char close = format.empty() || format.back() == '$' ? ')' : format.back();
    std::string text(1, open);
    if (format.find('$') != std::string::npos) {
        text += '$';
        AppendHex(text, byte, 2);
    } else {
        text += static_cast<char>('0' + byte / 100);
        text += static_cast<char>('0' + byte / 10 % 10);
        text += static_cast<char>('0' + byte % 10);
    }
    text += close;
    return text;
}

[[nodiscard]] std::string FixedTextOf(const TableData& table, uint8_t byte)
{
    if (const auto& single = table.singleText[byte]) return *single;
    // With .nontbl the line and end marks are never written.
    if (table.rawFormat.used != 0) return RawFormText(table.rawFormat.text, byte);
    if (table.lineMark != 0 && byte == table.lineCode) return "\n";
    if (table.endMark != 0 && byte == table.endCode) return messages::kEndMarkText;
    std::string unknown = "($";
    AppendHex(unknown, byte, 2);
    unknown += ')';
    return unknown;
}

}  // namespace

DirectiveText::DirectiveText(std::string_view source, const DumpContext& context)
    : source_(source),
      varies_(DependsOnPosition(source))
{
    if (!varies_) fixed_ = CodeToText(source, context, 0);
}

std::string_view DirectiveText::at(const DumpContext& context, int64_t position, std::string& scratch) const
{
    if (!varies_) return fixed_;
    scratch = CodeToText(source_, context, position);
    return scratch;
}

TextDumpRules::TextDumpRules(const TableData& table, const DumpContext& context) : dualIndex_(65536, -1)
{
    const int dualCount = std::clamp(table.dualCount, 0, static_cast<int>(table.dualList.size()));
    dualTexts_.reserve(static_cast<std::size_t>(dualCount));
    for (int i = 0; i < dualCount; ++i) {
        const CodeEntry& dual = table.dualList[static_cast<std::size_t>(i)];
        dualTexts_.emplace_back(dual.text, context);
        if (dual.used == 0) continue;
        int16_t& slot = dualIndex_[dual.value & 0xFFFF];
        if (slot >= 0) continue;  // an earlier record with the same code wins
        slot = static_cast<int16_t>(i);
        flags_[dual.value & 0xFF] |= kDualFirst;
    }

    for (int byte = 0; byte < 256; ++byte) {
        const auto b = static_cast<std::size_t>(byte);
        if (table.codeTable[b].used != 0) {
            flags_[b] |= kCode;
            codeTexts_[b] = DirectiveText(table.codeTable[b].text, context);
        } else if (table.multiTable[b].used != 0) {
            flags_[b] |= kMulticode;
            multicodeTexts_[b] = DirectiveText(table.multiTable[b].text, context);
            multicodeCounts_[b] = table.multiTable[b].value;
        }
    }

    pairRow_.fill(-1);
    const std::size_t keys = std::min<std::size_t>(table.pairText.size(), 65536);
    for (std::size_t key = 0; key < keys; ++key) {
        const auto& text = table.pairText[key];
        if (!text) continue;
        const std::size_t first = key >> 8;
        if (pairRow_[first] < 0) {
            pairRow_[first] = static_cast<int16_t>(pairRows_.size());
            pairRows_.emplace_back();
            flags_[first] |= kPairFirst;
        }
        pairRows_[static_cast<std::size_t>(pairRow_[first])][key & 0xFF] = Store(*text);
    }

    for (int byte = 0; byte < 256; ++byte) {
        fixedTexts_[static_cast<std::size_t>(byte)] = Store(FixedTextOf(table, static_cast<uint8_t>(byte)));
    }
    BuildShortcuts(context);
    store_.append(BufferedOutput::kShortText, '\0');
}

void TextDumpRules::BuildShortcuts(const DumpContext& context)
{
    constexpr std::size_t kShort = BufferedOutput::kShortText;
    for (std::size_t b = 0; b < 256; ++b) {
        ShortcutEntry& entry = shortcuts_[b];
        StoredText text = fixedTexts_[b];
        if (flags_[b] == kCode && !codeTexts_[b].varies()) {
            std::string scratch;
            text = Store(codeTexts_[b].at(context, 0, scratch));
        } else if (flags_[b] == kPairFirst) {
            entry.shortcut = Shortcut::Pair;
        } else if (flags_[b] != 0) {
            continue;
        }
        if (static_cast<std::size_t>(text.length) > kShort) {
            entry.shortcut = Shortcut::Other;
            continue;
        }
        if (entry.shortcut == Shortcut::Other) entry.shortcut = Shortcut::Text;
        entry.offset = text.offset;
        entry.length = static_cast<uint16_t>(text.length);
    }
}

StoredText TextDumpRules::Store(std::string_view text)
{
    const StoredText stored{static_cast<uint32_t>(store_.size()), static_cast<int32_t>(text.size())};
    store_.append(text);
    return stored;
}

}  // namespace zarvo
