#pragma once
// The texts the program shows, written once, exactly as users know them.

namespace zarvo::messages {

inline constexpr const char* kApplicationTitle = "Zarvo32 EX for Windows";

inline constexpr const char* kCannotOpenFile = "Fata Error: Unable to open file.";
inline constexpr const char* kProblemWriting = "Fata Error: Problem writing to the file.";
inline constexpr const char* kSavedSuccessfully = "Rom file was saved successfully!";
inline constexpr const char* kSavestateQuestion =
    "This is a ZSnes SaveState file. Do you wish to\nRemove the header and edit the other data only?";
inline constexpr const char* kSavestateCaption = "Confirmation...";
inline constexpr const char* kModifiedQuestion = "\"%s\"\nhas been modified. Do you wish to save the data?";
inline constexpr const char* kModifiedCaption = "ROM Data Modified...";
inline constexpr const char* kFileChangedQuestion =
    "\"%s\"\nhas been changed on disk by another program. Do you wish to read it again?";
// Asked instead when the document holds edits that are not saved.
inline constexpr const char* kFileChangedOverEditsQuestion =
    "\"%s\"\nhas been changed on disk by another program. Do you wish to read it again?\n"
    "Your unsaved changes will be replaced; Undo gives them back.";
inline constexpr const char* kFileChangedCaption = "File Changed...";
// After the save message, when a small file's view buffer holds changes past its end.
inline constexpr const char* kChangedPastEndNotSaved = "%d changed bytes past the end of the file were not saved";
// The progress window of a long save.
inline constexpr const char* kSavingProgress = "Saving %s...";
inline constexpr const char* kHelpError = "Error loading HH.exe. It is required for HTML Help files...";
inline constexpr const char* kHelpErrorCaption = "Zarvo32 EX Help error";
inline constexpr const char* kTableAllocation = "Error Allocating Memory for the Table File...";
inline constexpr const char* kConfigFileUpdated = "Config File Updated!";
inline constexpr const char* kCannotSaveSettings = "Error: Could not save settings.";

// The table editor and table maker.
inline constexpr const char* kTableEditorCaption = "Table Editor";
inline constexpr const char* kPlaceTableValue = "Place the table value here?";
inline constexpr const char* kSaveTableData = "Save Table Data";
inline constexpr const char* kSaveTableCaption = "Save File";
inline constexpr const char* kNoFileSelected = "No file selected...";
inline constexpr const char* kCannotOpenTableFile = "Could not open the Table File...";
inline constexpr const char* kReplaceTableQuestion = "Would you like to replace\n \"%s\"\nwith this file\n \"%s\"?\n";

}  // namespace zarvo::messages
