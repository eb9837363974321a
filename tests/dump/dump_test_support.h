#pragma once
// Tables made from table-file text, an output collector, and a plain model of the
// text dump written straight from the rules (linear .dual scan, no lookup tables),
// against which the dumper is checked on random tables and bytes.

#include "core/document_file.h"
#include "core/table.h"
#include "core/table_loader.h"
#include "core/table_session.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <strings.h>
#include <vector>

namespace zarvo::testing {

inline TableData TableFrom(std::string_view lines)
{
    TableData table;
    TableSession session;
    ParseTableText(table, session, lines);
    return table;
}

// A sink that keeps everything in text; it refuses writes once limit bytes are in.
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

struct ModelContext {
    long long start = 0;
    long long end = 0;
    long long size = 0;
    std::string romName;
    std::string tableName;
};

inline std::string ModelHex8(long long value)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%08llX", value & 0xFFFFFFFFLL);
    return digits;
}

inline std::string ModelCommas(long long n)
{
    std::string digits = std::to_string(n);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

inline std::string ModelExpand(const std::string& text, const ModelContext& c, long long position)
{
    const std::pair<const char*, std::string> variables[] = {
        {"%offset", ModelHex8(c.start + position)},
        {"%dumpsize", ModelCommas(c.size)},
        {"%romname", c.romName},
        {"%tblname", c.tableName},
        {"%startofs", ModelHex8(c.start)},
        {"%endofs", ModelHex8(c.end)},
    };
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (strncasecmp(text.c_str() + i, "\\n", 2) == 0) {
            out += '\n';
            i += 2;
            continue;
        }
        if (strncasecmp(text.c_str() + i, "\\t", 2) == 0) {
            out += '\t';
            i += 2;
            continue;
        }
        bool replaced = false;
        for (const auto& [name, value] : variables) {
            if (strncasecmp(text.c_str() + i, name, std::strlen(name)) == 0) {
                out += value;
                i += std::strlen(name);
                replaced = true;
                break;
            }
        }
        if (!replaced) out += text[i++];
    }
    return out;
}

inline std::string ModelTextDump(const std::vector<uint8_t>& bytes, const TableData& t, const ModelContext& c)
{
    std::string out;
    char number[16];
    if (t.dumpHeader.used) out += ModelExpand(t.dumpHeader.text, c, 0);
    const long long size = static_cast<long long>(bytes.size());
    long long pos = 0;
    while (pos < size) {
        const unsigned b = bytes[static_cast<std::size_t>(pos)];
        const unsigned b2 = pos + 1 < size ? bytes[static_cast<std::size_t>(pos + 1)] : 0;
        bool done = false;
        if (pos + 1 < size) {
            for (int i = 0; i < t.dualCount && !done; ++i) {
                if (t.dualList[i].used && t.dualList[i].value == b + 256 * b2) {
                    out += ModelExpand(t.dualList[i].text, c, pos);
                    pos += 2;
                    done = true;
                }
            }
        }
        if (done) continue;
        if (t.codeTable[b].used) {
            out += ModelExpand(t.codeTable[b].text, c, pos);
            pos += 1;
        } else if (t.multiTable[b].used) {
            const std::string text = ModelExpand(t.multiTable[b].text, c, pos);
            const long long count = t.multiTable[b].value;
            std::string head = text.substr(0, text.empty() ? 0 : 1);
            std::string rest = text.empty() ? "" : text.substr(1);
            if (text.find('_') != std::string::npos) {
                const std::size_t cut = text.find_first_of("_>");
                head = text.substr(0, cut);
                rest = text.substr(cut + 1);
            }
            out += head + "$";
            if (pos + count < size) {
                for (long long i = 1; i <= count; ++i) {
                    std::snprintf(number, sizeof number, "%02X", bytes[static_cast<std::size_t>(pos + i)]);
                    out += number;
                }
                pos += count;
            }
            out += rest;
            pos += 1;
        } else if (pos + 1 < size && t.pairText[b * 256 + b2]) {
            out += *t.pairText[b * 256 + b2];
            pos += 2;
        } else if (t.singleText[b]) {
            out += *t.singleText[b];
            pos += 1;
        } else if (t.rawFormat.used) {
            const std::string& f = t.rawFormat.text;
            out += f.empty() || f.front() == '$' ? '(' : f.front();
            std::snprintf(number, sizeof number, f.find('$') != std::string::npos ? "$%02X" : "%03d", b);
            out += number;
            out += f.empty() || f.back() == '$' ? ')' : f.back();
            pos += 1;
        } else if (t.lineMark && b == t.lineCode) {
            out += "\n";
            pos += 1;
        } else if (t.endMark && b == t.endCode) {
            out += "<END>\n";
            pos += 1;
        } else {
            std::snprintf(number, sizeof number, "($%02X)", b);
            out += number;
            pos += 1;
        }
    }
    if (t.dumpFooter.used) out += ModelExpand(t.dumpFooter.text, c, size);
    return out;
}

}  // namespace zarvo::testing
