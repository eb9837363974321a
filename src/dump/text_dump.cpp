#include "dump/text_dump.h"

#include "core/hex_text.h"
#include "dump/buffered_output.h"
#include "dump/text_dump_rules.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace zarvo {

namespace {

class TextDumper {
public:
    TextDumper(std::span<const uint8_t> bytes, const TableData& table, const DumpContext& context, const ByteSink& sink)
        : bytes_(bytes),
          size_(static_cast<int64_t>(bytes.size())),
          context_(context),
          rules_(table, context),
          output_(sink)
    {}

    bool run(const TableData& table, const std::function<void(int64_t, int64_t)>& progress)
    {
        constexpr int64_t kReportEvery = int64_t{1} << 20;
        if (table.dumpHeader.used != 0) output_.write(CodeToText(table.dumpHeader.text, context_, 0));
        int64_t position = 0;
        int64_t nextReport = kReportEvery;
        while (position < size_ && !output_.failed()) {
            position = copyPlainBytes(position);
            if (position < size_) position = translate(position);
            if (progress && position >= nextReport) {
                progress(position, size_);
                nextReport = position + kReportEvery;
            }
        }
        if (table.dumpFooter.used != 0) output_.write(CodeToText(table.dumpFooter.text, context_, size_));
        return output_.flush();
    }

private:
    // The common case, kept in locals so that the stores into the output cannot make
    // the compiler reload the tables: bytes whose short text is their fixed text, a
    // .code text that never varies, or their two-byte entry. Returns the position of
    // the first other byte, or of the byte that found the buffer full.
    int64_t copyPlainBytes(int64_t position)
    {
        constexpr std::size_t kShort = BufferedOutput::kShortText;
        using Shortcut = TextDumpRules::Shortcut;
        const uint8_t* data = bytes_.data();
        const TextDumpRules::ShortcutEntry* shortcuts = rules_.shortcuts();
        const int16_t* pairRow = rules_.pairRowTable();
        const std::array<StoredText, 256>* pairRows = rules_.pairRows();
        const char* store = rules_.store();
        char* out = output_.cursor();
        // Every byte writes at most kShort characters: no room test inside the loop.
        const auto room = static_cast<int64_t>((output_.shortTextLimit() - out) / static_cast<std::ptrdiff_t>(kShort));
        const int64_t end = std::min(size_, position + std::max<int64_t>(room, 0));
        while (position < end) {
            const uint8_t byte = data[position];
            TextDumpRules::ShortcutEntry entry = shortcuts[byte];
            int64_t used = 1;
            if (entry.shortcut != Shortcut::Text) [[unlikely]] {
                if (entry.shortcut != Shortcut::Pair) break;
                if (position + 1 < size_) {
                    const StoredText pair = pairRows[pairRow[byte]][data[position + 1]];
                    if (pair.length >= 0) {
                        if (static_cast<std::size_t>(pair.length) > kShort) break;
                        entry.offset = pair.offset;
                        entry.length = static_cast<uint16_t>(pair.length);
                        used = 2;
                    }
                }
            }
            std::memcpy(out, store + entry.offset, kShort);
            out += entry.length;
            position += used;
        }
        output_.advanceTo(out);
        return position;
    }

    // Writes the text of the byte at position and returns the position after what it used.
    int64_t translate(int64_t position)
    {
        const uint8_t byte = bytes_[static_cast<std::size_t>(position)];
        const uint8_t flags = rules_.flags(byte);
        if (flags != 0) {
            const bool twoLeft = position + 1 < size_;
            const uint8_t next = twoLeft ? bytes_[static_cast<std::size_t>(position) + 1] : 0;
            if ((flags & TextDumpRules::kDualFirst) != 0 && twoLeft) {
                if (const int dual = rules_.dualAt(byte, next); dual >= 0) {
                    output_.write(rules_.dualText(dual).at(context_, position, scratch_));
                    return position + 2;
                }
            }
            if ((flags & TextDumpRules::kCode) != 0) {
                output_.write(rules_.codeText(byte).at(context_, position, scratch_));
                return position + 1;
            }
            if ((flags & TextDumpRules::kMulticode) != 0) return writeMulticode(byte, position);
            if ((flags & TextDumpRules::kPairFirst) != 0 && twoLeft) {
                if (const StoredText pair = rules_.pairText(byte, next); pair.length >= 0) {
                    writeStored(pair);
                    return position + 2;
                }
            }
        }
        writeStored(rules_.fixedText(byte));
        return position + 1;
    }

    void writeStored(StoredText text)
    {
        const auto length = static_cast<std::size_t>(text.length);
        if (length <= BufferedOutput::kShortText) {
            output_.writeShort(rules_.store() + text.offset, length);
        } else {
            output_.write(std::string_view(rules_.store() + text.offset, length));
        }
    }

    // The text up to its first '_' or '>', '$', the parameter bytes in hexadecimal
    // when all of them lie inside the range, then the rest of the text after that
    // character. A text without '_' is split after its first character, so that
    // nothing of it is lost.
    int64_t writeMulticode(uint8_t byte, int64_t position)
    {
        const std::string_view text = rules_.multicodeText(byte).at(context_, position, scratch_);
        // Directive texts are short: a plain scan beats two library searches.
        std::size_t headLength = text.size();
        bool underscore = false;
        for (std::size_t i = 0; i < text.size() && !underscore; ++i) {
            underscore = text[i] == '_';
            if ((underscore || text[i] == '>') && headLength == text.size()) headLength = i;
        }
        std::size_t restStart = headLength + 1;
        if (!underscore) headLength = restStart = std::min<std::size_t>(text.size(), 1);
        output_.write(text.substr(0, headLength));
        output_.write('$');
        const int64_t count = rules_.multicodeCount(byte);
        int64_t next = position + 1;
        if (position + count < size_) {
            for (int64_t i = 1; i <= count; ++i) {
                digits_.clear();  // not scratch_: text may lie in it
                AppendHex(digits_, bytes_[static_cast<std::size_t>(position + i)], 2);
                output_.write(digits_);
            }
            next += count;
        }
        output_.write(text.substr(restStart));
        return next;
    }

    std::span<const uint8_t> bytes_;
    int64_t size_;
    const DumpContext& context_;
    TextDumpRules rules_;
    BufferedOutput output_;
    std::string scratch_;  // expansions that depend on the position
    std::string digits_;
};

}  // namespace

bool WriteTextDump(std::span<const uint8_t> bytes, const TableData& table, const DumpContext& context,
                   const ByteSink& sink, const std::function<void(int64_t done, int64_t total)>& progress)
{
    TextDumper dumper(bytes, table, context, sink);
    return dumper.run(table, progress);
}

}  // namespace zarvo
