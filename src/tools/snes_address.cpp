#include "tools/snes_address.h"

#include "core/hex_text.h"
#include "core/session.h"
#include "core/snes_mapping.h"
#include "tools/tool_messages.h"

#include <algorithm>

namespace zarvo {

namespace {

constexpr uint32_t kLoRomLimit = 0x4001FF;  // the largest file offset the ROM modes take
constexpr uint32_t kLargestAddress = 0xFFFFFF;
constexpr uint32_t kWorkRamLimit = 0x1FFFF;
constexpr uint32_t kWorkRamToSavestate = 0x7DF3ED;  // $7E:0000 less the savestate's work RAM at 0xC13
constexpr uint32_t kLargestMemoryAddress = 0x7FFFFF;
constexpr uint32_t kVramFirstOffset = 0x20000;
constexpr uint32_t kVramLastOffset = 0x2FFFF;
constexpr uint32_t kVramSavestateOffset = 0x20C13;
constexpr uint32_t kVramLimit = 0x7FFF;

SnesConversion Refuse(const char* message) { return {false, 0, message}; }

SnesConversion Address(uint64_t value)
{
    if (value > kLargestAddress) return Refuse(messages::kSnesBankAboveFF);
    return {true, static_cast<uint32_t>(value), nullptr};
}

SnesConversion RomToSnes(const SnesConverterState& state, uint32_t offset)
{
    if (offset > kLoRomLimit) return Refuse(messages::kSnesBelow400200);
    if (offset < state.headerSize) return Refuse(messages::kSnesHeaderIncluded);
    const auto romOffset = static_cast<int32_t>(offset - state.headerSize);
    // The same forms the view shows its offsets in; the $80 base is the fast mirror.
    if (state.mapping == SnesMapping::HiRom) return Address(OffsetShownAs(romOffset, OffsetMode::HiRom));
    const OffsetMode form = state.bankBase == 0 ? OffsetMode::LoRomSlow : OffsetMode::LoRomFast;
    return Address(OffsetShownAs(romOffset, form));
}

}  // namespace

SnesConversion ConvertSnesAddress(const SnesConverterState& state, uint32_t value)
{
    const bool toSnes = state.direction == ConvertDirection::ToSnes;
    switch (state.mapping) {
    case SnesMapping::LoRom:
        if (toSnes) return RomToSnes(state, value);
        if (const auto offset = LoRomAddressToOffset(value, state.bankBase)) {
            return Address(*offset + state.headerSize);
        }
        return Refuse(messages::kSnesNeedsBit15);
    case SnesMapping::HiRom:
        if (toSnes) return RomToSnes(state, value);
        if (const auto offset = HiRomAddressToOffset(value)) return Address(*offset + state.headerSize);
        return Refuse(messages::kSnesBelowC00000);
    case SnesMapping::Memory:
        if (toSnes) {
            if (value > kWorkRamLimit) return Refuse(messages::kSnesBelow20000);
            return Address(uint64_t{value} + kWorkRamToSavestate);
        }
        if (value > kLargestMemoryAddress) return Refuse(messages::kSnesAbove7FFFFF);
        if (value < kWorkRamToSavestate) return Refuse(messages::kSnesBelow7DF3ED);
        return Address(value - kWorkRamToSavestate);
    case SnesMapping::VideoRam:
        // The two directions are not inverses: to the address counts from 0x20000,
        // back to the offset from 0x20C13.
        if (toSnes) {
            if (value < kVramFirstOffset || value > kVramLastOffset) return Refuse(messages::kSnesOutsideVram);
            return Address((value - kVramFirstOffset) / 2);
        }
        if (value > kVramLimit) return Refuse(messages::kSnesBelow8000);
        return Address(uint64_t{value} * 2 + kVramSavestateOffset);
    }
    return Refuse(messages::kSnesBelow400200);
}

uint32_t ReadConverterField(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') ++at;
    // Digits beyond eight shift the first ones out, as a 32-bit field does.
    uint32_t value = 0;
    for (; at < text.size() && HexDigitValue(text[at]) >= 0; ++at) {
        value = value << 4 | static_cast<uint32_t>(HexDigitValue(text[at]));
    }
    return value;
}

std::string ConverterFieldText(uint32_t value) { return FormatHex(value, 6); }

SnesMappingCaptions CaptionsFor(SnesMapping mapping)
{
    switch (mapping) {
    case SnesMapping::LoRom:
        return {"Lo-ROM", "[$000]"};
    case SnesMapping::HiRom:
        return {"Hi-ROM", "[$000]"};
    case SnesMapping::Memory:
        return {"Memory", "[$C13]"};
    case SnesMapping::VideoRam:
        return {"Vram  ", "[$C13]"};
    }
    return {"Lo-ROM", "[$000]"};
}

int32_t ConverterGotoTarget(uint32_t offset, int32_t viewSize, int32_t pageBytes)
{
    int64_t target = offset;
    if (target > viewSize) target = int64_t{viewSize} - pageBytes;
    // A document shorter than a page would give a negative offset, and an offset equal
    // to viewSize lies one past the last byte.
    return static_cast<int32_t>(std::clamp<int64_t>(target, 0, std::max(viewSize - 1, 0)));
}

}  // namespace zarvo
