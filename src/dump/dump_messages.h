#pragma once
// The texts of the dumps, the dump labels and bookmarks, the Goto dialog, binary
// insertion and byte fill, exactly as users know them. Texts holding %s or %d are
// patterns the logic fills in itself; none is ever handed to printf.

namespace zarvo::messages {

// The dump dialog.
inline constexpr const char* kDumpTextCaption = "Dump Text Data [Press F10 to Dump]";
inline constexpr const char* kDumpBinaryCaption = "Dump BINARY Data [Press F11 to Dump]";
inline constexpr const char* kDumpLabelCaption = "Dump Bookmark [F2 - Save Bookmark]";
inline constexpr const char* kFillCaption = "BYTE Fill...";
inline constexpr const char* kInsertCaption = "Binary Data[ Press Enter to Insert ]";
inline constexpr const char* kEnterFileName = "Enter file name";
inline constexpr const char* kFillByteValue = "Fill Byte Value";
inline constexpr const char* kStartOffsetLabel = "Start Offset";
inline constexpr const char* kEndingOffsetLabel = "Ending Offset";
inline constexpr const char* kDoneButton = "Done";
inline constexpr const char* kDumpDataButton = "Dump Data";
inline constexpr const char* kSaveDataButton = "Save Data";

// Dumps.
inline constexpr const char* kTextAfterBinary = "Can't dump TEXT when you started with BINARY dump.";
inline constexpr const char* kBinaryAfterText = "Can't dump BINARY when you started with TEXT dump.";
inline constexpr const char* kStartAfterEnd = "Sorry, but the Start offset must\nbe less than the Ending Offset.";
inline constexpr const char* kSizeBelowZero = "Sorry, but the Data size to dump was LESS THAN Zero!";
inline constexpr const char* kEndBeforeStart = "Ending Address is Less Than Starting Address...";
inline constexpr const char* kNoFileName = "No file name specified...";
inline constexpr const char* kFileErrorCaption = "File Error...";
inline constexpr const char* kCannotCreateDump = "Fatal Error: Could not create\n %s";
inline constexpr const char* kCannotWriteDump = "Fatal Error: Could not write\n %s";
inline constexpr const char* kCannotAllocateDump = "Fatal Error: Could not allocate memory for data dumping.";
inline constexpr const char* kBinaryDumped = "Data was dumped to the binary file...";
inline constexpr const char* kBinaryDumpCaption = "Binary Dumping...";
inline constexpr const char* kTextDumped = "Data was dumped to the text file...";
inline constexpr const char* kTextDumpCaption = "Text Dumping...";
inline constexpr const char* kDumpingProgress = "Dumping to %s...";
inline constexpr const char* kEndMarkText = "<END>\n";

// Dump From List.
inline constexpr const char* kNoDumpLabels = "You have no available dump labels...";
inline constexpr const char* kBinaryDumpList = "BINARY Dump List: %d dump label(s)";
inline constexpr const char* kTextDumpList = "TEXT Dump List: %d dump label(s)";
inline constexpr const char* kDumpListShowsFirst = "The table holds %d dump labels; the list shows the first %d.";
// A refused label: the first text with the label's line, then the reason with its file.
inline constexpr const char* kLabelRefused = "The dump label %s was not dumped: ";
inline constexpr const char* kLabelWithoutName = "it has no name.";
inline constexpr const char* kLabelWithSeparator = "its name holds '/' or '\\'.";
inline constexpr const char* kLabelWithParent = "its name holds \"..\".";
inline constexpr const char* kLabelWithControl = "its name holds a control character.";
inline constexpr const char* kLabelNamesRom = "its file %s is the file being dumped.";
inline constexpr const char* kLabelNamesTable = "its file %s is the table being read.";
inline constexpr const char* kLabelNamesLink = "its file %s is a symbolic link.";
inline constexpr const char* kLabelRepeated = "its file %s is written by an earlier label.";

// Bookmarks and dump labels in the table file.
inline constexpr const char* kNoTableFile = "No Table file to Save Bookmark to...";
inline constexpr const char* kCannotWriteTableFile = "Fatal Error: Could not write to the Table file...";
inline constexpr const char* kNoBookmarkName = "No bookmark name entered...";
inline constexpr const char* kBookmarkSaved = "Bookmark was saved to the table file...";
inline constexpr const char* kDumpBookmarkCaption = "Dump Bookmark...";

// The Goto dialog.
inline constexpr const char* kGotoCaption = "Goto Offset";
inline constexpr const char* kJumpListCaption = "Jump List Offset";
inline constexpr const char* kBookmarkCaption = "Bookmark";
inline constexpr const char* kFilePositionFrame = " File Position ";
inline constexpr const char* kSaveBookmarkFrame = " Save Bookmark ";
inline constexpr const char* kJumpListFrame = " Offset Jump List ";
inline constexpr const char* kValueFormatFrame = " Value Format ";
inline constexpr const char* kHexadecimalButton = "Hexdecimal";
inline constexpr const char* kDecimalButton = "Decimal";

// Binary insertion.
inline constexpr const char* kInsertChooserFilter = "All files (*.*)|*.*";
inline constexpr const char* kCannotOpenInsertFile = "Fatal Error: Could not open requested file.\n";
inline constexpr const char* kCannotReadInsertFile = "Fatal Error: Could not read requested file.\n";
inline constexpr const char* kInsertQuestion = "Are you sure you want to insert at this position?";
inline constexpr const char* kInsertQuestionCaption = "Insert Data to the file...";
inline constexpr const char* kInsertCountQuestion = "Only %d byte(s) out of %d byte(s) can be inserted. Is this ok?";
inline constexpr const char* kInsertPastEnd = "Error: The insert position is past the end of the file!";
inline constexpr const char* kInsertWhilePending =
    "Error: You tried to insert Data while a dump or BYTE fill is pending.";
inline constexpr const char* kInserted = "Binary Data successfully inserted...";

// Byte fill.
inline constexpr const char* kFillWhileDumpPending = "Error: You tried to dump Data after initiating BYTE fill.";
inline constexpr const char* kFillNoValue = "Error: Must enter a value to use as a FILLER!";
inline constexpr const char* kFillInvalidOffset = "Error: One of the offsets are Invalid!";
inline constexpr const char* kFillPastEnd = "Error: One of the offsets are Greater than file size!";
inline constexpr const char* kFillCompleted = "BYTE Fill completed!";

}  // namespace zarvo::messages
