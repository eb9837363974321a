#include "dump/dump_dialog.h"

#include "support/document_builder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

enum class Key { F10, F11, F2, F4, Done, Escape };

// One press: the cursor then, the name box as the user left it (null: untouched),
// the mode, message and dialog change that must follow.
struct Step {
    Key key;
    int32_t cursor;
    const char* name;
    DumpMode mode;
    const char* notice;
    DialogShow show;
};

class DumpDialogTest : public ::testing::Test {
protected:
    DumpDialogTest() : doc(testing::MakeDocument(testing::PatternBytes(0x1000)))
    {
        doc.table.tableName[0] = folder.write("game.tbl", std::string("41=A\n"));
    }

    DialogOutcome Press(Key key, int32_t cursor)
    {
        switch (key) {
        case Key::F10:
        case Key::F11:
            return PressDumpKey(key == Key::F10 ? DumpKind::Text : DumpKind::Binary, state, fields, cursor, doc);
        case Key::F2:
            return PressDumpLabelKey(state, fields, cursor, doc, tables);
        case Key::F4:
            return PressFillKey(state, fields, cursor, doc);
        case Key::Done:
            return PressDone(state, fields, cursor, doc, tables);
        case Key::Escape:
            break;
        }
        return PressEscape(state, fields);
    }
    void Run(const std::vector<Step>& steps)
    {
        for (const Step& step : steps) {
            SCOPED_TRACE(step.notice);
            if (step.name != nullptr) fields.fileName = step.name;
            last = Press(step.key, step.cursor);
            EXPECT_EQ(state.mode, step.mode);
            EXPECT_EQ(last.notice.text, step.notice);
            EXPECT_EQ(last.show, step.show);
        }
    }

    TempFolder folder;
    DocRecord doc;
    TableSession tables;
    DumpState state;
    DumpFields fields;
    DialogOutcome last;
};

using enum DumpMode;
using enum DialogShow;

TEST_F(DumpDialogTest, DumpWithoutANameStaysStartedUntilOneIsTyped)
{
    const std::string out = folder.file("script.bin");
    Run({{Key::F11, 0x10, nullptr, BinaryStarted, "", ShowModeless},
         {Key::F11, 0x20, nullptr, BinaryStarted, "No file name specified...", Keep}});
    EXPECT_TRUE(last.focusFileName);
    EXPECT_EQ(fields.start + "-" + fields.end, "00000010-00000020");
    Run({{Key::F10, 0x30, nullptr, BinaryStarted, "Can't dump TEXT when you started with BINARY dump.", Keep},
         {Key::F11, 0x13, out.c_str(), Idle, "Data was dumped to the binary file...", Close}});
    EXPECT_STREQ(last.buttonCaption, "Dump Data");
    EXPECT_EQ(ReadBytes(out).size(), 4U);
}

TEST_F(DumpDialogTest, OnlyOneCommandIsPendingAtATime)
{
    doc.topOffset = 0x1A00;
    doc.cursorRow = 1;
    doc.cursorColumn = 11;  // the cursor on 0x1A2B with 32 bytes a row
    Run({{Key::F10, DialogCursorOffset(doc, 32), nullptr, TextStarted, "", ShowModeless}});
    EXPECT_STREQ(last.caption, "Dump Text Data [Press F10 to Dump]");
    EXPECT_STREQ(last.fieldLabel, "Enter file name");
    EXPECT_EQ(fields.start, "00001A2B");
    Run({{Key::F11, 0, nullptr, TextStarted, "Can't dump BINARY when you started with TEXT dump.", Keep},
         {Key::F4, 0, nullptr, TextStarted, "Error: You tried to dump Data after initiating BYTE fill.", Keep},
         {Key::F2, 0, nullptr, TextStarted, "", Keep},
         {Key::Escape, 0, nullptr, Idle, "", Close}});
    EXPECT_TRUE(fields.start.empty() && fields.end.empty() && fields.fileName.empty());
}

TEST_F(DumpDialogTest, DumpLabelTakenWithTwoPresses)
{
    Run({{Key::F2, 0x2000, nullptr, LabelStarted, "", ShowModeless}});
    EXPECT_STREQ(last.buttonCaption, "Save Data");
    EXPECT_STREQ(last.caption, "Dump Bookmark [F2 - Save Bookmark]");
    Run({{Key::F2, 0x20FF, nullptr, LabelStarted, "No bookmark name entered...", Keep},
         {Key::F2, 0x20FF, "Intro", Idle, "Bookmark was saved to the table file...", Close}});
    EXPECT_TRUE(last.tableReloaded);
    EXPECT_EQ(tables.dumpLabels, std::vector<std::string>{"[00002000-000020FF]Intro"});
    // Done does nothing until all three boxes hold text.
    doc.table.activeTable = kAsciiTable;
    Run({{Key::F2, 0x10, nullptr, LabelStarted, "", ShowModeless}, {Key::Done, 0x5, "x", LabelStarted, "", Keep}});
    fields.end = "1";
    Run({{Key::Done, 0x5, nullptr, Idle, "No Table file to Save Bookmark to...", Close}});
}

TEST_F(DumpDialogTest, ByteFillAndTheDumpsItLetsThrough)
{
    Run({{Key::F4, 0x20, nullptr, FillStarted, "", ShowModeless},
         {Key::F4, 0x10, nullptr, FillStarted, "Error: Must enter a value to use as a FILLER!", Keep},
         {Key::F4, 0x10, "AB", Idle, "BYTE Fill completed!", Close}});
    EXPECT_TRUE(last.modified);
    for (int i = 0x0F; i <= 0x21; ++i) EXPECT_EQ(doc.data()[i] == 0xAB, i >= 0x10 && i <= 0x20) << i;
    const std::string out = folder.file("fill.txt");
    Run({{Key::F4, 0x41, nullptr, FillStarted, "", ShowModeless},
         {Key::F10, 0x42, out.c_str(), Idle, "Data was dumped to the text file...", Close},
         {Key::F4, 0x10, nullptr, FillStarted, "", ShowModeless}});
    // A failed fill run by Done closes the dialog all the same.
    fields.end = "99999";
    Run({{Key::Done, 0, "1", Idle, "Error: One of the offsets are Greater than file size!", Close},
         {Key::Done, 0, "", Idle, "No file name specified...", Keep}});
}

}  // namespace
}  // namespace zarvo
