#include "script/pointer_fields.h"

#include "core/hex_text.h"
#include "script/script_messages.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace zarvo {

namespace {

constexpr int64_t kLargestNumber = 0x7FFFFFFF;
constexpr int32_t kLargestCount = 1 << 24;

// Blanks around a typed number do not count.
[[nodiscard]] std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

[[nodiscard]] std::optional<int64_t> Number(std::string_view text, int base, bool negativeMay, int64_t largest)
{
    text = Trimmed(text);
    const bool negative = negativeMay && text.starts_with('-');
    if (negative) text.remove_prefix(1);
    if (base == 16 && text.starts_with('$')) text.remove_prefix(1);
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || text.front() == '-' || text.front() == '+' || error != std::errc{} ||
        end != text.data() + text.size() || value > largest) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace

PointerFieldsReading ReadPointerFields(const PointerFields& fields, const PointerSettings& settings, bool withTable)
{
    PointerFieldsReading reading;
    reading.settings = settings;
    PointerSettings& read = reading.settings;
    const std::optional<PointerMachine> machine = PointerMachineNamed(fields.machine);
    read.machine = PointerMachineName(machine.value_or(PointerMachine::Linear));
    read.bits = fields.bits == "24" ? 24 : fields.bits == "32" ? 32 : 16;
    read.bigEndian = fields.bigEndian;
    read.everyForm = fields.everyForm;
    const auto offset = Number(fields.offset, 16, true, kLargestNumber);
    const auto header = Number(fields.header, 16, false, kLargestNumber);
    if (!offset)
        reading.error = messages::kBadPointerOffset;
    else if (!header)
        reading.error = messages::kBadPointerHeader;
    if (reading.error != nullptr) return reading;
    read.offset = *offset;
    read.header = *header;
    if (!withTable) return reading;
    const auto start = Number(fields.start, 16, false, kLargestNumber);
    const auto count = Number(fields.count, 10, false, kLargestCount);
    const auto step =
        Trimmed(fields.step).empty() ? std::optional<int64_t>(0) : Number(fields.step, 10, false, kMaxPointerStep);
    if (!start)
        reading.error = messages::kBadPointerTable;
    else if (!count || *count < 1)
        reading.error = messages::kBadPointerCount;
    else if (!step)
        reading.error = messages::kBadPointerStep;
    if (reading.error != nullptr) return reading;
    reading.start = *start;
    reading.count = static_cast<int32_t>(*count);
    read.step = static_cast<int32_t>(*step);
    return reading;
}

PointerFields FieldsOf(const PointerSettings& settings, int64_t start, int32_t count)
{
    PointerFields fields;
    fields.machine = settings.machine;
    fields.bits = std::to_string(settings.bits);
    fields.offset = FormatSignedHex(settings.offset);
    fields.header = FormatSignedHex(settings.header);
    fields.step = std::to_string(settings.step);
    fields.start = FormatSignedHex(start);
    fields.count = std::to_string(count);
    fields.bigEndian = settings.bigEndian;
    fields.everyForm = settings.everyForm;
    return fields;
}

PointerForm PointerFormOf(const PointerSettings& settings)
{
    PointerForm form;
    form.machine = PointerMachineNamed(settings.machine).value_or(PointerMachine::Linear);
    form.bits = settings.bits == 24 || settings.bits == 32 ? settings.bits : 16;
    form.offset = settings.offset;
    form.header = settings.header;
    form.bigEndian = settings.bigEndian;
    return form;
}

}  // namespace zarvo
