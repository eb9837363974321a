#include "script/pointer_search.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

namespace zarvo {

std::vector<PointerForm> EveryPointerForm(int64_t offset, int64_t header, bool bothByteOrders)
{
    const std::pair<PointerMachine, int> kinds[] = {
        {PointerMachine::Linear, 16}, {PointerMachine::Linear, 24},  {PointerMachine::Linear, 32},
        {PointerMachine::LoRom00, 24}, {PointerMachine::LoRom80, 24}, {PointerMachine::HiRom, 24},
        {PointerMachine::GameBoy, 16}, {PointerMachine::Gba, 32},
    };
    std::vector<PointerForm> forms;
    for (const bool bigEndian : {false, true}) {
        if (bigEndian && !bothByteOrders) break;
        for (const auto& [machine, bits] : kinds) {
            forms.push_back({machine, bits, machine == PointerMachine::Linear ? offset : 0, header, bigEndian});
        }
    }
    return forms;
}

std::vector<PointerHit> FindPointers(std::span<const uint8_t> file, int64_t target, std::span<const PointerForm> forms,
                                     int64_t align)
{
    struct Pattern {
        std::array<uint8_t, 4> bytes{};
        std::size_t length = 0;
        std::size_t form = 0;
    };
    std::vector<Pattern> patterns;
    for (std::size_t i = 0; i < forms.size(); ++i) {
        const auto value = PointerValueFor(forms[i], target);
        if (!value) continue;
        Pattern pattern;
        pattern.length = static_cast<std::size_t>(forms[i].bytes());
        pattern.form = i;
        StorePointerValue(forms[i], *value, pattern.bytes);
        patterns.push_back(pattern);
    }
    std::vector<PointerHit> hits;
    if (align < 1) align = 1;
    // The patterns mostly share their first byte (the target's low byte, little-endian):
    // one scan per distinct first byte, each place it stands checked against them all.
    std::vector<uint8_t> firsts;
    for (const Pattern& pattern : patterns) {
        if (std::find(firsts.begin(), firsts.end(), pattern.bytes[0]) == firsts.end()) firsts.push_back(pattern.bytes[0]);
    }
    for (const uint8_t first : firsts) {
        const uint8_t* data = file.data();
        const uint8_t* end = data + file.size();
        for (const uint8_t* at = data; at < end;) {
            at = static_cast<const uint8_t*>(std::memchr(at, first, static_cast<std::size_t>(end - at)));
            if (at == nullptr) break;
            const auto place = static_cast<int64_t>(at - data);
            if (place % align == 0) {
                for (const Pattern& pattern : patterns) {
                    if (pattern.bytes[0] != first || static_cast<std::size_t>(end - at) < pattern.length ||
                        std::memcmp(at, pattern.bytes.data(), pattern.length) != 0) {
                        continue;
                    }
                    // A 16-bit banked value is read in the bank of its place.
                    const PointerForm& form = forms[pattern.form];
                    if (PointerTargetOf(form, ReadPointerValue(form, {at, pattern.length}), place) == target) {
                        hits.push_back({place, form});
                    }
                }
            }
            ++at;
        }
    }
    const auto formIndex = [&forms](const PointerForm& form) {
        for (std::size_t i = 0; i < forms.size(); ++i) {
            if (forms[i].machine == form.machine && forms[i].bits == form.bits && forms[i].bigEndian == form.bigEndian) return i;
        }
        return forms.size();
    };
    std::stable_sort(hits.begin(), hits.end(), [&](const PointerHit& a, const PointerHit& b) {
        return a.place != b.place ? a.place < b.place : formIndex(a.form) < formIndex(b.form);
    });
    return hits;
}

std::string PointerHitLine(const PointerHit& hit)
{
    char place[16];
    std::snprintf(place, sizeof place, "[$%08llX] ", static_cast<unsigned long long>(hit.place));
    return place + PointerFormText(hit.form);
}

}  // namespace zarvo
