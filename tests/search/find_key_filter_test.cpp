#include "search/find_key_filter.h"

#include "search_fixture.h"

#include <gtest/gtest.h>
#include <string>

namespace zarvo {
namespace {

TEST(FindKeyFilter, EachSearchKindLetsThroughItsOwnKeys)
{
    const TableData table = testing::TableFrom("41=Apple\n8140=b\n");
    const SearchOptions plain;
    const SearchOptions wild{.WildCrd = true};
    const TypedFindKey enter{FindKey::Enter, {}};
    const TypedFindKey escape{FindKey::Escape, {}};
    const TypedFindKey backspace{FindKey::Backspace, {}};
    const auto typed = [](const char* character) { return TypedFindKey{FindKey::Character, character}; };
    const struct {
        FindKind kind;
        TypedFindKey key;
        const char* box;
        SearchOptions options;
        KeyVerdict verdict;
        std::string text = {};
        KeyCommand command = KeyCommand::None;
        bool message = false;
    } cases[] = {
        {FindKind::Text, typed("A"), "", plain, KeyVerdict::Pass},  // begins "Apple"
        {FindKind::Text, typed("b"), "", plain, KeyVerdict::Pass},  // begins a pair's text
        {FindKind::Text, typed("p"), "", plain, KeyVerdict::Swallow},
        {FindKind::Text, typed(" "), "", plain, KeyVerdict::Pass},
        {FindKind::Text, typed("."), "", plain, KeyVerdict::Pass},
        {FindKind::Text, typed("p"), "", wild, KeyVerdict::Pass},
        {FindKind::Text, typed("*"), "A", wild, KeyVerdict::Pass},
        {FindKind::Text, typed("*"), "", wild, KeyVerdict::Swallow, {}, KeyCommand::None, true},
        {FindKind::Text, enter, "A", plain, KeyVerdict::Swallow, {}, KeyCommand::RunFind},
        {FindKind::Text, escape, "A", plain, KeyVerdict::Swallow, {}, KeyCommand::CloseDialog},
        {FindKind::Text, backspace, "A*", plain, KeyVerdict::Pass},
        {FindKind::Hex, typed("f"), "", plain, KeyVerdict::Replace, "F"},
        {FindKind::Hex, typed("7"), "", plain, KeyVerdict::Pass},
        {FindKind::Hex, typed("g"), "", plain, KeyVerdict::Swallow},
        {FindKind::Hex, typed("g"), "", wild, KeyVerdict::Replace, "G"},
        {FindKind::Hex, typed("*"), "", plain, KeyVerdict::Pass},  // refused later, when searching
        {FindKind::Hex, typed("*"), "12", wild, KeyVerdict::Replace, "**"},
        {FindKind::Hex, typed("."), "", plain, KeyVerdict::Pass},
        {FindKind::Hex, typed(" "), "8B", plain, KeyVerdict::Pass},  // a blank between pairs
        {FindKind::Hex, backspace, "12**", wild, KeyVerdict::EraseLastTwo},
        {FindKind::Hex, backspace, "*", wild, KeyVerdict::Pass},
        {FindKind::Hex, backspace, "1*", plain, KeyVerdict::EraseLastTwo},
        {FindKind::Relative, typed("~"), "", plain, KeyVerdict::Pass},
        {FindKind::Relative, typed("*"), "", wild, KeyVerdict::Swallow, {}, KeyCommand::None, true},
        {FindKind::Kana, typed("a"), "", wild, KeyVerdict::Swallow},
        {FindKind::Kana, typed("."), "", plain, KeyVerdict::Swallow},
        {FindKind::Kana, enter, "\x82\xA0", plain, KeyVerdict::Swallow},  // only the Find button searches
        {FindKind::Kana, escape, "", plain, KeyVerdict::Swallow, {}, KeyCommand::CloseDialog},
        {FindKind::Kana, typed("*"), "\x82\xA0", plain, KeyVerdict::Swallow},
        {FindKind::Kana, typed("*"), "\x82\xA0", wild, KeyVerdict::Replace, "**"},
        {FindKind::Kana, backspace, "\x82\xA0**", wild, KeyVerdict::EraseLastTwo},
        {FindKind::Kana, backspace, "\x82\xA0", wild, KeyVerdict::Pass},
        {FindKind::Again, typed("A"), "", plain, KeyVerdict::Swallow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(static_cast<int>(c.kind)) + " key '" + std::string(c.key.character) +
                     "' box '" + c.box + "'");
        const KeyFilterResult result = FilterFindKey(c.key, c.box, c.kind, c.options, table);
        EXPECT_EQ(result.verdict, c.verdict);
        EXPECT_EQ(result.text, c.text);
        EXPECT_EQ(result.command, c.command);
        if (c.message) {
            EXPECT_STREQ(result.message, "Wild Card Character can't be used first!");
        } else {
            EXPECT_EQ(result.message, nullptr);
        }
    }
}

}  // namespace
}  // namespace zarvo
