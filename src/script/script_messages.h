#pragma once
// The texts of the script and pointer commands in the editor. Texts holding %s or
// %d are patterns the logic fills in itself; none is ever handed to printf.

namespace zarvo::messages {

inline constexpr const char* kInsertTextCaption = "Insert Text";
inline constexpr const char* kDumpScriptCaption = "Dump Script";
inline constexpr const char* kPointerCaption = "Pointers";
inline constexpr const char* kScriptChooserFilter = "Script files (*.txt)|*.txt|All files (*.*)|*.*";
inline constexpr const char* kScriptUnreadable = "The script could not be read:\n%s";
inline constexpr const char* kScriptWritesHeader =
    "The script writes into the savestate's header, which the editor keeps apart from the data: nothing was "
    "inserted.";
inline constexpr const char* kNoTableForScript = "A script needs a table file: load one as the active table first.";
inline constexpr const char* kScriptDumped = "Script written to %s: %s string(s).";
inline constexpr const char* kScriptSlotsSkipped = "\n%s slot(s) point outside the file and were left out.";
inline constexpr const char* kCannotWriteScript = "Could not write the script\n %s";
inline constexpr const char* kPointerListCaption = "Data List: %s Pointer(s) Found!";
inline constexpr const char* kNoPointersFound = "No pointer to $%s was found.";
inline constexpr const char* kPointerPastEnd = "The %s pointer at $%s reaches past the end of the file.";
inline constexpr const char* kPointerNamesNoOffset =
    "The value $%s at $%s names no offset of the file as a %s pointer.";

// The pointer dialog's fields.
inline constexpr const char* kBadPointerTable = "The pointer table's start must be a hexadecimal offset in the file.";
inline constexpr const char* kBadPointerCount = "The count must be a decimal number of slots from 1 to 16777216.";
inline constexpr const char* kBadPointerStep = "The step must be a decimal number of bytes from 0 to 1048576.";
inline constexpr const char* kBadPointerOffset =
    "The offset must be hexadecimal up to 7FFFFFFF, with a '-' in front when negative.";
inline constexpr const char* kBadPointerHeader = "The header must be a hexadecimal number up to 7FFFFFFF.";

}  // namespace zarvo::messages
