#include "dump/table_append.h"

#include "core/table_loader.h"
#include "dump_test_support.h"
#include "support/document_builder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarvo {
namespace {

TEST(TableLines, BookmarkAndDumpLabelFormats)
{
    EXPECT_EQ(BookmarkLine(0x1A2B, "Title"), "(1A2Bh)Title\n");
    EXPECT_EQ(BookmarkLine(0, "Start"), "(0h)Start\n");
    EXPECT_EQ(BookmarkLine(0x7FFFFFFF, "%s%n"), "(7FFFFFFFh)%s%n\n");
    EXPECT_EQ(DumpLabelLine(0x2000, 0x20FF, "Intro"), "[00002000-000020FF]Intro\n");
    EXPECT_EQ(DumpLabelLine(0x20FF, 0x2000, "Back"), "[000020FF-00002000]Back\n");  // written unchanged
}

class TableAppendTest : public ::testing::Test {
protected:
    TableAppendTest() : doc(testing::MakeDocument({})) { doc.table.tableName[0] = folder.file("game.tbl"); }
    void Load(const std::string& content)
    {
        folder.write("game.tbl", content);
        ASSERT_EQ(TableLoader(doc, tables, doc.table.tableName[0]), TableLoadResult::Loaded);
    }
    std::string TableText() const { return testing::ReadText(folder.file("game.tbl")); }

    testing::TempFolder folder;
    DocRecord doc;
    TableSession tables;
};

TEST_F(TableAppendTest, BookmarkComesBackThroughTheLoader)
{
    Load("41=A\r\n");
    const TableAppendResult saved = SaveBookmark(doc, tables, 0x1A2B, "Title");
    EXPECT_TRUE(saved.reloaded);
    EXPECT_TRUE(saved.notice.empty());
    EXPECT_EQ(tables.jumpList, std::vector<std::string>{"Title->[1A2B]"});
    EXPECT_FALSE(SaveBookmark(doc, tables, 5, "").reloaded);  // no name: nothing happens
    EXPECT_EQ(TableText(), "41=A\r\n(1A2Bh)Title\n");
}

TEST_F(TableAppendTest, LastLineWithoutLineEndGetsOneFirst)
{
    for (const std::string content : {"41=A", "41=A\r", ""}) {
        Load(content);
        const TableAppendResult saved = SaveDumpLabel(doc, tables, "1f0xyz", 0x20FF, "Intro");
        EXPECT_EQ(saved.notice.text, "Bookmark was saved to the table file...");
        EXPECT_EQ(saved.notice.caption, "Dump Bookmark...");
        EXPECT_EQ(TableText(), content + (content.empty() ? "" : "\n") + "[000001F0-000020FF]Intro\n");
        EXPECT_EQ(tables.dumpLabels, std::vector<std::string>{"[000001F0-000020FF]Intro"});
        EXPECT_EQ(doc.table.singleText[0x41].has_value(), !content.empty());
    }
}

TEST_F(TableAppendTest, NoTableFileToAppendTo)
{
    Load("41=A\n");
    doc.table.activeTable = kAsciiTable;
    EXPECT_EQ(SaveBookmark(doc, tables, 1, "x").notice.text, "No Table file to Save Bookmark to...");
    doc.table.activeTable = 0;
    for (const std::string& path : {folder.path().string(), folder.file("gone/game.tbl")}) {
        doc.table.tableName[0] = path;
        EXPECT_EQ(SaveDumpLabel(doc, tables, "0", 1, "x").notice.text, "No Table file to Save Bookmark to...");
    }
    EXPECT_EQ(TableText(), "41=A\n");
}

}  // namespace
}  // namespace zarvo
