#include "core/table_loader.h"

#include "core/table_directive.h"
#include "core/table_line.h"

#include <algorithm>
#include <new>
#include <optional>
#include <span>
#include <string>
#include <utility>

namespace zarvo {

namespace {

// Assigns in place when the slot already holds a text (a key given twice).
void Store(std::optional<std::string>& slot, std::string_view text)
{
    if (slot) {
        slot->assign(text);
    } else {
        slot.emplace(text);
    }
}

void ReadMarker(TableData& table, std::string_view line)
{
    const auto code = ParseMarkerValue(line.substr(1, 2));
    if (!code) return;
    const char mark = line.front();
    if (mark == '/') {
        table.lineCode = static_cast<uint16_t>(*code & 0xFF);
        table.lineMark = '/';
    } else {
        table.endCode = static_cast<uint16_t>(*code & 0xFF);
        table.endMark = static_cast<uint16_t>(static_cast<unsigned char>(mark));
    }
}

void ReadSingleEntry(TableData& table, std::string_view line)
{
    const auto key = ParseEntryKey(line.substr(0, 2));
    if (!key) return;
    const std::string_view text = line.substr(3);
    Store(table.singleText[*key], text);
    if (text.size() == 2) {
        // Reverse lookup for DTE typing. A later entry of another length keeps the pair.
        table.dtePairs[*key] = {static_cast<uint8_t>(text[0]), static_cast<uint8_t>(text[1]), 0};
        table.dteFilled[*key] = true;
    }
}

void ReadPairEntry(TableData& table, std::string_view line)
{
    const auto key = ParseEntryKey(line.substr(0, 4));
    if (!key) return;
    Store(PairSlot(table, *key), line.substr(5));
}

// "(1A2Bh)Title screen" becomes "Title screen->[1A2B]": the character before the
// first ')' (the 'h') is dropped.
void ReadBookmark(TableSession& session, std::string_view line)
{
    const std::size_t close = line.find(')');
    const std::size_t offsetLength = close >= 2 ? close - 2 : 0;  // "()name" has no offset
    std::string entry(line.substr(close + 1));
    entry += "->[";
    entry += line.substr(1, offsetLength);
    entry += ']';
    if (session.jumpList.size() < kMaxBookmarks) session.jumpList.push_back(std::move(entry));
}

void ReadDumpLabel(TableSession& session, std::string_view line)
{
    ++session.dumpLabelsInTable;
    if (session.dumpLabels.size() < session.dumpLabelLimit) session.dumpLabels.emplace_back(line);
}

void AppendCapped(std::string& text, std::string_view part)
{
    const std::size_t room = kMaxJoinedDumpText - std::min(text.size(), kMaxJoinedDumpText);
    text.append(part.substr(0, room));
}

// A dump template whose closing quote is followed by ',' goes on over the next
// lines: each line holding "\"," adds its quoted part and keeps the text open, the
// first line without it adds its quoted part and ends the text. The end of the
// file ends it too.
[[nodiscard]] std::string JoinedDumpText(const DirectiveLine& directive, TableLineReader& reader)
{
    std::string text;
    AppendCapped(text, directive.text);
    if (!directive.continues) return text;
    std::string_view line;
    while (reader.Next(line)) {
        AppendCapped(text, QuotedPart(line));
        if (line.find("\",") == std::string_view::npos) break;
    }
    return text;
}

void Define(CodeEntry& entry, uint32_t value, std::string text)
{
    entry.used = 1;
    entry.value = value;
    entry.text = std::move(text);
}

// .code, .dual and .multicode need a number as second word; lines without one are
// ignored.
void ReadDirective(TableData& table, std::string_view line, TableLineReader& reader)
{
    DirectiveLine directive = ParseDirectiveLine(line);
    switch (directive.name) {
    case DirectiveName::Code:
        if (directive.argument) Define(table.codeTable[*directive.argument & 0xFF], 0, std::move(directive.text));
        break;
    case DirectiveName::Dual:
        if (directive.argument && table.dualCount < kMaxDualEntries) {
            // Stored byte-swapped: equal to the little-endian word read where the
            // code's high byte comes first in the file.
            const uint32_t code = *directive.argument & 0xFFFF;
            const uint32_t swapped = ((code & 0xFF) << 8) | (code >> 8);
            Define(table.dualList[static_cast<std::size_t>(table.dualCount)], swapped, std::move(directive.text));
            ++table.dualCount;
        }
        break;
    case DirectiveName::Multicode:
        if (directive.argument) {
            Define(table.multiTable[*directive.argument & 0xFF], directive.count, std::move(directive.text));
        }
        break;
    case DirectiveName::Nontbl:
        Define(table.rawFormat, 0, std::move(directive.text));
        break;
    case DirectiveName::StartDump:
        Define(table.dumpHeader, 0, JoinedDumpText(directive, reader));
        break;
    case DirectiveName::EndDump:
        Define(table.dumpFooter, 0, JoinedDumpText(directive, reader));
        break;
    case DirectiveName::Other:
        break;
    }
}

void ReadTableLines(TableData& table, TableSession& session, TableLineReader& reader)
{
    std::string_view line;
    while (reader.Next(line)) {
        switch (ClassifyTableLine(line)) {
        case TableLineKind::Marker:
            ReadMarker(table, line);
            break;
        case TableLineKind::SingleEntry:
            ReadSingleEntry(table, line);
            break;
        case TableLineKind::Bookmark:
            ReadBookmark(session, line);
            break;
        case TableLineKind::DumpLabel:
            ReadDumpLabel(session, line);
            break;
        case TableLineKind::Directive:
            ReadDirective(table, line, reader);
            break;
        case TableLineKind::PairEntry:
            ReadPairEntry(table, line);
            break;
        case TableLineKind::Ignored:
            break;
        }
    }
}

[[nodiscard]] TableLoadResult FallBackToAscii(DocRecord& doc, TableSession& session)
{
    LoadAsciiTable(doc, session);
    return TableLoadResult::FellBackToAscii;
}

}  // namespace

void ClearTable(TableData& table, TableSession& session)
{
    for (auto& pair : table.dtePairs) pair.fill(0x01);
    table.dteFilled.fill(false);
    for (auto& text : table.singleText) text.reset();
    table.pairText = {};
    session.dumpLabels.clear();
    session.dumpLabelsInTable = 0;
    for (auto* block : {&table.codeTable, &table.dualList, &table.multiTable}) block->fill(CodeEntry{});
    table.dualCount = 0;
    table.lineCode = 0;
    table.lineMark = 0;
    table.endCode = 0;
    table.endMark = 0;
}

void LoadAsciiTable(DocRecord& doc, TableSession& session)
{
    ClearTable(doc.table, session);
    for (int byte = 0x20; byte <= 0x7E; ++byte) {
        const auto shown = static_cast<uint8_t>(byte + doc.asciiShift);
        doc.table.singleText[static_cast<std::size_t>(byte)] = std::string(1, static_cast<char>(shown));
    }
    doc.table.activeTable = kAsciiTable;
}

void LoadAsciiEntriesKeepingSlot(DocRecord& doc, TableSession& session)
{
    const int8_t slot = doc.table.activeTable;
    LoadAsciiTable(doc, session);
    doc.table.activeTable = slot;
}

TableLoadResult TableLoader(DocRecord& doc, TableSession& session, const std::string& path, InputFailure* failure)
{
    ClearTable(doc.table, session);
    const InputBytes input = ReadInputFile(path, 0, kMaxTableFileSize);
    if (failure != nullptr) *failure = input.failure;
    if (!input.ok()) return FallBackToAscii(doc, session);

    session.jumpList.clear();
    try {
        const std::span<const uint8_t> content = input.content();
        TableLineReader reader(std::string_view(reinterpret_cast<const char*>(content.data()), content.size()));
        ReadTableLines(doc.table, session, reader);
    } catch (const std::bad_alloc&) {
        ClearTable(doc.table, session);
        return TableLoadResult::OutOfMemory;
    }
    return TableLoadResult::Loaded;
}

std::string ActiveTablePath(const TableData& table)
{
    if (table.activeTable < 0 || table.activeTable >= kTableSlots || table.activeTable == kAsciiTable) return {};
    return table.tableName[static_cast<std::size_t>(table.activeTable)];
}

TableLoadResult LoadTableIntoSlot(DocRecord& doc, TableSession& session, int slot, const std::string& path,
                                  InputFailure* failure)
{
    // A copy: path may be the slot's own name.
    const std::string file = path;
    doc.table.tableName[static_cast<std::size_t>(slot)] = file;
    doc.table.activeTable = static_cast<int8_t>(slot);
    return TableLoader(doc, session, file, failure);
}

TableLoadResult ReloadActiveTable(DocRecord& doc, TableSession& session)
{
    return TableLoader(doc, session, ActiveTablePath(doc.table));
}

void ParseTableText(TableData& table, TableSession& session, std::string_view content)
{
    TableLineReader reader(content);
    ReadTableLines(table, session, reader);
}

}  // namespace zarvo
