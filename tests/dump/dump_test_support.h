#pragma once
// Tables made from table-file text, an output collector, and a plain model of the
// text dump written straight from the rules (linear .dual scan, no lookup tables),
// against which the dumper is checked on random tables and bytes.

#include "core/document_file.h"
#include "core/table_loader.h"
#include "dump/code_to_text.h"
#include "support/document_builder.h"
#include "support/temp_folder.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <strings.h>
#include <vector>

namespace zarvo::testing {

// Keeps everything written; refuses writes once limit bytes are in.
struct CollectingSink {
    std::string text;
    std::size_t limit = SIZE_MAX;
    ByteSink sink()
    {
        return [this](const uint8_t* bytes, std::size_t count) {
            if (text.size() + count > limit) return false;
            text.append(reinterpret_cast<const char*>(bytes), count);
            return true;
        };
    }
};

inline std::string Printed(const char* format, long long value)
{
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

inline std::string ModelExpand(const std::string& text, const DumpContext& c, long long position)
{
    std::string size = std::to_string(c.size);
    for (int at = static_cast<int>(size.size()) - 3; at > 0; at -= 3) size.insert(static_cast<std::size_t>(at), ",");
    const std::pair<const char*, std::string> tokens[] = {
        {"\\n", "\n"},
        {"\\t", "\t"},
        {"%offset", Printed("%08llX", (c.start + position) & 0xFFFFFFFF)},
        {"%dumpsize", size},
        {"%romname", std::string(c.romName)},
        {"%tblname", std::string(c.tableName)},
        {"%startofs", Printed("%08llX", c.start)},
        {"%endofs", Printed("%08llX", c.end)},
    };
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (const auto& [name, value] : tokens) {
            if (replaced || strncasecmp(text.c_str() + i, name, std::strlen(name)) != 0) continue;
            out += value;
            i += std::strlen(name);
            replaced = true;
        }
        if (!replaced) out += text[i++];
    }
    return out;
}

inline std::string ModelTextDump(const std::vector<uint8_t>& bytes, const TableData& t, const DumpContext& c)
{
    std::string out = t.dumpHeader.used ? ModelExpand(t.dumpHeader.text, c, 0) : "";
    const long long size = static_cast<long long>(bytes.size());
    for (long long pos = 0; pos < size;) {
        const unsigned b = bytes[static_cast<std::size_t>(pos)];
        const bool two = pos + 1 < size;
        const unsigned b2 = two ? bytes[static_cast<std::size_t>(pos + 1)] : 0;
        int dual = -1;
        for (int i = 0; two && i < t.dualCount && dual < 0; ++i) {
            if (t.dualList[i].used && t.dualList[i].value == b + 256 * b2) dual = i;
        }
        if (dual >= 0) {
            out += ModelExpand(t.dualList[dual].text, c, pos);
            pos += 2;
        } else if (t.codeTable[b].used) {
            out += ModelExpand(t.codeTable[b].text, c, pos++);
        } else if (t.multiTable[b].used) {
            const std::string text = ModelExpand(t.multiTable[b].text, c, pos);
            const long long count = t.multiTable[b].value;
            std::size_t cut = text.empty() ? 0 : 1;
            std::size_t rest = cut;
            if (text.find('_') != std::string::npos) rest = (cut = text.find_first_of("_>")) + 1;
            out += text.substr(0, cut) + "$";
            for (long long i = 1; pos + count < size && i <= count; ++i) {
                out += Printed("%02llX", bytes[static_cast<std::size_t>(pos + i)]);
            }
            pos += pos + count < size ? count + 1 : 1;
            out += text.substr(rest);
        } else if (const std::string* pair =
                       two ? PairTextAt(t, static_cast<uint8_t>(b), static_cast<uint8_t>(b2)) : nullptr) {
            out += *pair;
            pos += 2;
        } else {
            const std::string& f = t.rawFormat.text;
            if (t.singleText[b]) {
                out += *t.singleText[b];
            } else if (t.rawFormat.used) {
                out += f.empty() || f.front() == '$' ? '(' : f.front();
                out += Printed(f.find('$') != std::string::npos ? "$%02llX" : "%03lld", b);
                out += f.empty() || f.back() == '$' ? ')' : f.back();
            } else if (t.lineMark && b == t.lineCode) {
                out += "\n";
            } else if (t.endMark && b == t.endCode) {
                out += "<END>\n";
            } else {
                out += Printed("($%02llX)", b);
            }
            ++pos;
        }
    }
    return out + (t.dumpFooter.used ? ModelExpand(t.dumpFooter.text, c, size) : "");
}

}  // namespace zarvo::testing
