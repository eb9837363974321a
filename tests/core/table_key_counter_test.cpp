#include "core/table_key_counter.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace zarvo {
namespace {

constexpr KeyCounting kNormal = KeyCounting::Normal;
constexpr KeyCounting kReverse = KeyCounting::Reverse;

struct EntryCase {
    const char* typed;
    KeyCounting counting;
    const char* line;      // what the list gets
    const char* proposal;  // nullptr: the typed text stays in the entry box
};

class AddTableEntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(AddTableEntryTest, AddsLineAndProposesNextKey)
{
    const EntryCase& entry = GetParam();
    KeyCounterState state;
    const AddedEntry added = AddTableEntry(entry.typed, entry.counting, state);
    EXPECT_EQ(added.line, entry.line);
    if (entry.proposal == nullptr) {
        EXPECT_EQ(added.proposal, std::nullopt);
    } else {
        EXPECT_EQ(added.proposal, std::optional<std::string>(entry.proposal));
    }
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, AddTableEntryTest,
    ::testing::Values(EntryCase{"8140=a", kNormal, "8140=a", "8141="}, EntryCase{"8140=", kReverse, "8140=", "8240="},
                      EntryCase{"a=x", kNormal, "0A=x", "0B="},   // one digit is padded
                      EntryCase{"ab=x", kNormal, "AB=x", "AC="},  // the key is upper-cased
                      EntryCase{"abc=Text", kNormal, "0ABC=Text", "0ABD="},
                      EntryCase{"4a=aBc=d", kReverse, "4A=aBc=d", "4B="},  // only the key part changes
                      EntryCase{"FF40=x", kReverse, "FF40=x", "0041="},
                      EntryCase{"12FF=x", kReverse, "12FF=x", "13FF="}, EntryCase{"12FF=x", kNormal, "12FF=x", "1300="},
                      EntryCase{"FFFF12=", kReverse, "FFFF12=", "000013="},
                      EntryCase{"FFFFFE=", kReverse, "FFFFFE=", "0000FF="},
                      EntryCase{"7FFFFFFF=", kNormal, "7FFFFFFF=", "80000000="},
                      EntryCase{"80000000=", kNormal, "80000000=", "80000001="},
                      EntryCase{"FEFFFFFF=", kReverse, "FEFFFFFF=", "FFFFFFFF="}));

INSTANTIATE_TEST_SUITE_P(WrapAround, AddTableEntryTest,
                         ::testing::Values(EntryCase{"FF=x", kNormal, "FF=x", "00="},
                                           EntryCase{"ff=x", kReverse, "FF=x", "00="},
                                           EntryCase{"FFFF=x", kNormal, "FFFF=x", "0000="},
                                           EntryCase{"FFFF=x", kReverse, "FFFF=x", "0000="},
                                           EntryCase{"FFFFFF=", kNormal, "FFFFFF=", "000000="},
                                           EntryCase{"FFFFFF=", kReverse, "FFFFFF=", "000000="},
                                           EntryCase{"FFFFFFFF=", kNormal, "FFFFFFFF=", "00000000="},
                                           EntryCase{"FFFFFFFF=", kReverse, "FFFFFFFF=", "00000000="},
                                           EntryCase{"FFF=x", kNormal, "0FFF=x", "1000="}));

// Texts that give no key to count are added as typed and stay in the entry box.
INSTANTIATE_TEST_SUITE_P(NoCountableKey, AddTableEntryTest,
                         ::testing::Values(EntryCase{"Title text", kNormal, "Title text", nullptr},
                                           EntryCase{"=x", kNormal, "=x", nullptr},
                                           EntryCase{"zz=x", kNormal, "zz=x", nullptr},
                                           EntryCase{" 41=A", kNormal, " 41=A", nullptr},
                                           EntryCase{"123456789=x", kNormal, "123456789=x", nullptr},
                                           EntryCase{"1234567890=x", kReverse, "1234567890=x", nullptr}));

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
