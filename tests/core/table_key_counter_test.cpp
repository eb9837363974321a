#include "core/table_key_counter.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace zarvo {
namespace {

constexpr KeyCounting kNormal = KeyCounting::Normal;
constexpr KeyCounting kReverse = KeyCounting::Reverse;

TEST(AddTableEntry, AddsTheLineAndProposesTheNextKey)
{
    const struct {
        const char* typed;
        KeyCounting counting;
        const char* line;      // what the list gets
        const char* proposal;  // nullptr: no key to count, the typed text stays in the entry box
    } cases[] = {
        {"8140=a", kNormal, "8140=a", "8141="},
        {"8140=", kReverse, "8140=", "8240="},
        {"a=x", kNormal, "0A=x", "0B="},   // one digit is padded
        {"ab=x", kNormal, "AB=x", "AC="},  // the key is upper-cased
        {"abc=Text", kNormal, "0ABC=Text", "0ABD="},
        {"4a=aBc=d", kReverse, "4A=aBc=d", "4B="},  // only the key part changes
        {"FF40=x", kReverse, "FF40=x", "0041="},
        {"12FF=x", kReverse, "12FF=x", "13FF="},
        {"12FF=x", kNormal, "12FF=x", "1300="},
        {"FFFF12=", kReverse, "FFFF12=", "000013="},
        {"FFFFFE=", kReverse, "FFFFFE=", "0000FF="},
        {"7FFFFFFF=", kNormal, "7FFFFFFF=", "80000000="},
        {"80000000=", kNormal, "80000000=", "80000001="},
        {"FEFFFFFF=", kReverse, "FEFFFFFF=", "FFFFFFFF="},
        // Counting wraps round within the key's digits.
        {"FF=x", kNormal, "FF=x", "00="},
        {"ff=x", kReverse, "FF=x", "00="},
        {"FFFF=x", kNormal, "FFFF=x", "0000="},
        {"FFFF=x", kReverse, "FFFF=x", "0000="},
        {"FFFFFF=", kNormal, "FFFFFF=", "000000="},
        {"FFFFFF=", kReverse, "FFFFFF=", "000000="},
        {"FFFFFFFF=", kNormal, "FFFFFFFF=", "00000000="},
        {"FFFFFFFF=", kReverse, "FFFFFFFF=", "00000000="},
        {"FFF=x", kNormal, "0FFF=x", "1000="},
        {"Title text", kNormal, "Title text", nullptr},
        {"=x", kNormal, "=x", nullptr},
        {"zz=x", kNormal, "zz=x", nullptr},
        {" 41=A", kNormal, " 41=A", nullptr},
        {"123456789=x", kNormal, "123456789=x", nullptr},
        {"1234567890=x", kReverse, "1234567890=x", nullptr},
    };
    for (const auto& c : cases) {
        KeyCounterState state;
        const AddedEntry added = AddTableEntry(c.typed, c.counting, state);
        EXPECT_EQ(added.line, c.line) << c.typed;
        EXPECT_EQ(added.proposal, c.proposal ? std::optional<std::string>(c.proposal) : std::nullopt) << c.typed;
    }
}

TEST(AddTableEntry, KeepsKeyStateBetweenEntriesAndLeavesItForUncountedLines)
{
    KeyCounterState state;
    (void)AddTableEntry("8140=a", kNormal, state);
    EXPECT_EQ(state.keyDigits, 4);
    EXPECT_EQ(state.nextKey, 0x8141u);

    // Lines without a countable key do not disturb the count.
    for (const char* typed : {"a note", "=x", "123456789=x"}) {
        (void)AddTableEntry(typed, kNormal, state);
        EXPECT_EQ(state.keyDigits, 4) << typed;
        EXPECT_EQ(state.nextKey, 0x8141u) << typed;
    }

    (void)AddTableEntry("a=x", kReverse, state);
    EXPECT_EQ(state.keyDigits, 2);
    EXPECT_EQ(state.nextKey, 0x0Bu);
}

}  // namespace
}  // namespace zarvo
