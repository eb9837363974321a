#include "tools/rom_resize.h"

#include "tools/document_length.h"
#include "tools/tool_messages.h"

#include <cctype>
#include <cstdio>

namespace zarvo {

namespace {

constexpr int kMegaBitShift = 17;                    // 131072 bytes
constexpr int kMegaByteShift = 20;                   // 1048576 bytes
constexpr int64_t kEntryCeiling = int64_t{1} << 40;  // far past any size that fits
constexpr uint8_t kResizeFill = 0xFF;               // what a grown ROM's new bytes read

int ShiftOf(SizeUnit unit)
{
    switch (unit) {
    case SizeUnit::MegaBits:
        return kMegaBitShift;
    case SizeUnit::MegaBytes:
        return kMegaByteShift;
    case SizeUnit::Bytes:
        break;
    }
    return 0;
}

}  // namespace

std::string CurrentSizeText(int32_t length, SizeUnit unit)
{
    const char* format = "Size of ROM: %d BYTES";
    if (unit == SizeUnit::MegaBits) format = "Size of ROM: %d Mega BITS";
    if (unit == SizeUnit::MegaBytes) format = "Size of ROM: %d Mega BYTES";
    char text[64];
    std::snprintf(text, sizeof text, format, length >> ShiftOf(unit));
    return text;
}

const char* UnitCaption(SizeUnit unit)
{
    switch (unit) {
    case SizeUnit::MegaBits:
        return "Mega-BITS";
    case SizeUnit::MegaBytes:
        return "Mega-BYTES";
    case SizeUnit::Bytes:
        break;
    }
    return "BYTES";
}

const char* UnitName(SizeUnit unit)
{
    switch (unit) {
    case SizeUnit::MegaBits:
        return "Mega-BIT(S)";
    case SizeUnit::MegaBytes:
        return "Mega-BYTE(S)";
    case SizeUnit::Bytes:
        break;
    }
    return "BYTE(S)";
}

std::optional<int64_t> ReadSizeEntry(std::string_view text)
{
    int64_t value = 0;
    std::size_t digits = 0;
    for (const char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) break;
        if (value < kEntryCeiling) value = value * 10 + (c - '0');
        ++digits;
    }
    if (digits == 0) return std::nullopt;
    return value;
}

std::optional<int32_t> NewRomLength(int64_t count, SizeUnit unit, int64_t header)
{
    if (count < 0 || header < 0 || count > kEntryCeiling || header > kEntryCeiling) return std::nullopt;
    const int64_t length = (count << ShiftOf(unit)) + header;
    if (length > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(length);
}

ResizePlan PlanResize(std::string_view sizeEntry, SizeUnit unit, bool addHeader, std::string_view headerEntry)
{
    ResizePlan plan;
    const auto count = ReadSizeEntry(sizeEntry);
    if (!count) {
        plan.refusal = messages::kResizeNoSize;
        return plan;
    }
    plan.count = *count;
    int64_t header = 0;
    if (addHeader) {
        const auto entered = ReadSizeEntry(headerEntry);
        plan.headerMissing = !entered;
        header = entered.value_or(0);
    }
    const auto length = NewRomLength(*count, unit, header);
    if (!length) {
        plan.refusal = messages::kResizeTooLarge;
        return plan;
    }
    plan.length = *length;
    return plan;
}

std::string ResizeQuestionText(int64_t count, SizeUnit unit)
{
    char text[96];
    std::snprintf(text, sizeof text, "Expand the ROM to %2lld %s?", static_cast<long long>(count), UnitName(unit));
    return text;
}

std::string ResizeDoneText(int64_t count, SizeUnit unit)
{
    char text[128];
    std::snprintf(text, sizeof text, "Rom expanded to %lld %s!\nSave ROM to save all changes.",
                  static_cast<long long>(count), UnitName(unit));
    return text;
}

bool ResizeDocument(DocRecord& doc, int32_t length, const ViewState& view)
{
    return SetDocumentLength(doc, length, kResizeFill, view);
}

}  // namespace zarvo
