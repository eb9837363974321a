#include "search/kana_grid.h"

#include "core/cp932.h"
#include "search_fixture.h"

#include <gtest/gtest.h>
#include <string>

namespace zarvo {
namespace {

// The characters of a grid as code page 932 decodes them, blanks left out.
std::u16string GridCharacters(int32_t grid)
{
    const Cp932Codec codec;
    std::u16string characters;
    for (const uint16_t code : KanaGrid(grid)) {
        if (code != kKanaBlank) characters += codec.decode(KanaCodeBytes(code));
    }
    return characters;
}

std::u16string Consecutive(char16_t first, char16_t last)
{
    std::u16string run;
    for (char16_t c = first; c <= last; ++c) run += c;
    return run;
}

TEST(KanaGrid, TheGridsHoldTheKanaDigitsAndLettersInOrder)
{
    EXPECT_EQ(GridCharacters(3), Consecutive(u'\u3041', u'\u3093') + u'\u30FC');  // small a .. n, then the long mark
    EXPECT_EQ(GridCharacters(4), Consecutive(u'\u30A1', u'\u30F6') + u'\u30FC');
    EXPECT_EQ(GridCharacters(2), Consecutive(u'\uFF10', u'\uFF19') + Consecutive(u'\uFF21', u'\uFF3A') +
                                     Consecutive(u'\uFF41', u'\uFF5A'));
    const std::u16string numbers = GridCharacters(1);
    EXPECT_EQ(numbers.substr(0, 30),
              Consecutive(u'\u2460', u'\u2473') + Consecutive(u'\u2160', u'\u2169'));  // circled 1..20, I..X
    // Row 3 holds codes that code page 932 leaves without a character.
    EXPECT_EQ(numbers.substr(numbers.size() - 10), Consecutive(u'\uFF11', u'\uFF19') + u'\uFF10');  // 1..9, 0
    EXPECT_EQ(GridCharacters(0).size(), 15u + 16 * 4 + 15 - 1);  // 8140 itself counts as a blank
    EXPECT_EQ(GridCharacters(7), GridCharacters(0));             // an unknown item shows punctuation
}

TEST(KanaGrid, CellsUnderTheMouseAndWhereTheyAreDrawn)
{
    EXPECT_EQ(KanaCellCode(3, *KanaCellAt(0, 0)), 0x829F);
    EXPECT_EQ(KanaCellCode(3, *KanaCellAt(7 * 24 + 23, 5 * 24 + 1)), 0x815B);  // after the last kana of the row
    EXPECT_EQ(KanaCellCode(4, *KanaCellAt(15 * 24, 0)), kKanaBlank);
    EXPECT_FALSE(KanaCellAt(16 * 24, 0));  // beyond the 16 columns
    EXPECT_FALSE(KanaCellAt(0, 6 * 24));   // and the 6 rows: the bottom edge of the area
    EXPECT_FALSE(KanaCellAt(-1, 0));
    EXPECT_EQ(KanaGlyphPosition({2, 1}).x, 54);
    EXPECT_EQ(KanaGlyphPosition({2, 1}).y, 30);
    EXPECT_EQ(KanaHighlightPosition({2, 1}).x, 50);
    EXPECT_EQ(KanaHighlightPosition({2, 1}).y, 168);

    // A click types the cell's bytes only when the table has the character exactly and
    // the box keeps below 32 bytes.
    const TableData table = testing::TableFrom("10=\x82\xA0\n11=\x82\xA2x\n");
    const KanaCell a{1, 0};
    const KanaCell i{3, 0};
    EXPECT_EQ(KanaCellInsertion(table, 3, a, 0), std::string("\x82\xA0"));
    EXPECT_EQ(KanaCellInsertion(table, 3, a, 29), std::string("\x82\xA0"));
    EXPECT_FALSE(KanaCellInsertion(table, 3, a, 30));
    EXPECT_FALSE(KanaCellInsertion(table, 3, i, 0));  // only an entry that begins with it
    EXPECT_FALSE(KanaCellInsertion(table, 3, std::nullopt, 0));
}

}  // namespace
}  // namespace zarvo
