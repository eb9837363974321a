#include "dump/dump_dialog.h"

#include "support/temp_folder.h"
#include "tools/document_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

enum class Key { F10, F11, F2, F4, Done, Escape };

// One press: the cursor at that moment, the name box as the user left it (null:
// untouched), and what must follow.
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
        doc.table.activeTable = 0;
        doc.table.tableName[0] = folder.write("game.tbl", std::string("41=A\n"));
    }

    void Run(const std::vector<Step>& steps)
    {
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const Step& step = steps[i];
            SCOPED_TRACE("step " + std::to_string(i));
            if (step.name != nullptr) fields.fileName = step.name;
            DialogOutcome outcome;
            switch (step.key) {
            case Key::F10:
                outcome = PressDumpKey(DumpKind::Text, state, fields, step.cursor, doc);
                break;
            case Key::F11:
                outcome = PressDumpKey(DumpKind::Binary, state, fields, step.cursor, doc);
                break;
            case Key::F2:
                outcome = PressDumpLabelKey(state, fields, step.cursor, doc, tables);
                break;
            case Key::F4:
                outcome = PressFillKey(state, fields, step.cursor, doc);
                break;
            case Key::Done:
                outcome = PressDone(state, fields, step.cursor, doc, tables);
                break;
            case Key::Escape:
                outcome = PressEscape(state, fields);
                break;
            }
            EXPECT_EQ(state.mode, step.mode);
            EXPECT_EQ(outcome.notice.text, step.notice);
            EXPECT_EQ(outcome.show, step.show);
            last = outcome;
        }
    }

    TempFolder folder;
    DocRecord doc;
    TableSession tables;
    DumpState state;
    DumpFields fields;
    DialogOutcome last;
};

TEST_F(DumpDialogTest, TextDumpWithoutANameStaysStartedUntilOneIsTyped)
{
    const std::string out = folder.file("script.bin");
    Run({
        {Key::F11, 0x10, nullptr, DumpMode::BinaryStarted, "", DialogShow::ShowModeless},
        {Key::F11, 0x20, nullptr, DumpMode::BinaryStarted, "No file name specified...", DialogShow::Keep},
    });
    EXPECT_TRUE(last.focusFileName);
    EXPECT_EQ(fields.start, "00000010");
    EXPECT_EQ(fields.end, "00000020");
    Run({
        {Key::F10, 0x30, nullptr, DumpMode::BinaryStarted, "Can't dump TEXT when you started with BINARY dump.",
         DialogShow::Keep},
        {Key::F11, 0x13, out.c_str(), DumpMode::Idle, "Data was dumped to the binary file...", DialogShow::Close},
    });
    EXPECT_STREQ(last.buttonCaption, "Dump Data");
    const auto pattern = testing::PatternBytes(0x14);
    EXPECT_TRUE(ReadBytes(out) == std::vector<uint8_t>(pattern.begin() + 0x10, pattern.end()));
}

TEST_F(DumpDialogTest, CaptionsOfTheFirstPresses)
{
    Run({{Key::F10, 0x1A2B, nullptr, DumpMode::TextStarted, "", DialogShow::ShowModeless}});
    EXPECT_STREQ(last.caption, "Dump Text Data [Press F10 to Dump]");
    EXPECT_STREQ(last.fieldLabel, "Enter file name");
    EXPECT_EQ(fields.start, "00001A2B");
    Run({{Key::F11, 0, nullptr, DumpMode::TextStarted, "Can't dump BINARY when you started with TEXT dump.",
          DialogShow::Keep},
         {Key::F4, 0, nullptr, DumpMode::TextStarted, "Error: You tried to dump Data after initiating BYTE fill.",
          DialogShow::Keep},
         {Key::F2, 0, nullptr, DumpMode::TextStarted, "", DialogShow::Keep},
         {Key::Escape, 0, nullptr, DumpMode::Idle, "", DialogShow::Close}});
    EXPECT_STREQ(last.buttonCaption, "Dump Data");
    EXPECT_TRUE(fields.start.empty() && fields.end.empty() && fields.fileName.empty());
    Run({{Key::F2, 0x2000, nullptr, DumpMode::LabelStarted, "", DialogShow::ShowModeless}});
    EXPECT_STREQ(last.caption, "Dump Bookmark [F2 - Save Bookmark]");
    EXPECT_STREQ(last.buttonCaption, "Save Data");
}

TEST_F(DumpDialogTest, DumpLabelTakenWithTwoPresses)
{
    Run({
        {Key::F2, 0x2000, nullptr, DumpMode::LabelStarted, "", DialogShow::ShowModeless},
        {Key::F2, 0x20FF, nullptr, DumpMode::LabelStarted, "No bookmark name entered...", DialogShow::Keep},
        {Key::F2, 0x20FF, "Intro", DumpMode::Idle, "Bookmark was saved to the table file...", DialogShow::Close},
    });
    EXPECT_TRUE(last.tableReloaded);
    EXPECT_EQ(tables.dumpLabels, std::vector<std::string>{"[00002000-000020FF]Intro"});
    // Done stays disabled, and does nothing, until all three boxes hold text.
    doc.table.activeTable = kAsciiTable;
    Run({
        {Key::F2, 0x10, nullptr, DumpMode::LabelStarted, "", DialogShow::ShowModeless},
        {Key::Done, 0x5, "x", DumpMode::LabelStarted, "", DialogShow::Keep},
    });
    fields.end = "1";
    Run({{Key::Done, 0x5, nullptr, DumpMode::Idle, "No Table file to Save Bookmark to...", DialogShow::Close}});
    EXPECT_EQ(fields.end, "00000005");
}

TEST_F(DumpDialogTest, ByteFillAndTheDumpsItLetThrough)
{
    Run({
        {Key::F4, 0x20, nullptr, DumpMode::FillStarted, "", DialogShow::ShowModeless},
        {Key::F4, 0x10, nullptr, DumpMode::FillStarted, "Error: Must enter a value to use as a FILLER!",
         DialogShow::Keep},
        {Key::F4, 0x10, "AB", DumpMode::Idle, "BYTE Fill completed!", DialogShow::Close},
    });
    EXPECT_TRUE(last.modified);
    for (int i = 0x0F; i <= 0x21; ++i) EXPECT_EQ(doc.data()[i] == 0xAB, i >= 0x10 && i <= 0x20) << i;

    // A dump key while a fill is pending dumps the dialog's boxes.
    const std::string out = folder.file("fill.txt");
    Run({
        {Key::F4, 0x41, nullptr, DumpMode::FillStarted, "", DialogShow::ShowModeless},
        {Key::F10, 0x42, out.c_str(), DumpMode::Idle, "Data was dumped to the text file...", DialogShow::Close},
    });
    // A failed fill run by Done closes the dialog all the same.
    fields.end = "99999";
    Run({
        {Key::F4, 0x10, nullptr, DumpMode::FillStarted, "", DialogShow::ShowModeless},
    });
    fields.end = "99999";
    Run({
        {Key::Done, 0, "1", DumpMode::Idle, "Error: One of the offsets are Greater than file size!", DialogShow::Close},
        {Key::Done, 0, "", DumpMode::Idle, "No file name specified...", DialogShow::Keep},
    });
}

TEST(DumpDialogFields, CursorAndDoneButton)
{
    DocRecord doc;
    doc.topOffset = 0x100;
    doc.cursorRow = 2;
    doc.cursorColumn = 5;
    EXPECT_EQ(DialogCursorOffset(doc, 32), 0x145);
    EXPECT_EQ(DialogOffsetText(0x145), "00000145");
    EXPECT_FALSE(DoneEnabled({"a", "1", ""}));
    EXPECT_FALSE(DoneEnabled({"", "1", "2"}));
    EXPECT_TRUE(DoneEnabled({"a", "1", "2"}));
}

}  // namespace
}  // namespace zarvo
