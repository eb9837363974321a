#pragma once
// The texts of the searches and their windows, exactly as users know them. The
// windows and zarvo-tool show these; the logic picks which one applies.

namespace zarvo::messages {

// Messages.
inline constexpr const char* kNoTextEntered = "Error: No text entered to search for...";
inline constexpr const char* kWildCardFirst = "Wild Card Character can't be used first!";
inline constexpr const char* kHexMissingDigit = "Hex string is missing one digit.";
inline constexpr const char* kWildCardNotEnabled = "Wild Card not enabled...";
inline constexpr const char* kErrorInStringCaption = "Error in String.";
inline constexpr const char* kStringNotFound = "Sorry... The string was not found.";
inline constexpr const char* kNoStringFoundCaption = "No string found...";
inline constexpr const char* kPatternTooLong =
    "The search text needs more than 39 bytes in this table.\nShorten it and search again.";
inline constexpr const char* kRelativeWordTooLong = "A relative search word has at most 15 letters.";

// The Find dialog TOptsForm.
inline constexpr const char* kFindCaption = "Find";
inline constexpr const char* kTextSearchCaption = "Find: ASCII Text...";
inline constexpr const char* kHexSearchCaption = "Find: HEX Search...";
inline constexpr const char* kKanaSearchCaption = "Find: KANA Search...";
inline constexpr const char* kRelativeSearchCaption = "Find: Relative Search...";
inline constexpr const char* kSearchOptionsFrame = " Search Options ";
inline constexpr const char* kEnterData = "Enter Data:";
inline constexpr const char* kFindButton = "&Find";
inline constexpr const char* kIgnoreCase = "Ignore &Case";
inline constexpr const char* kSaveFinds = "&Save Finds in a Search List.";
inline constexpr const char* kUseWildcards = "Use \" * \" for &Wildcards.";
inline constexpr const char* kFromTheBeginning = "Start Search From the &Begining";
inline constexpr const char* kSelectAllOptions = "Select &All Options on Form";
inline constexpr const char* kRemoveAllOptions = "&Remove All Options on Form";
inline constexpr const char* kIncrementalSearch = "Enable &Incremental Search";
inline constexpr const char* kLimitFinds = "Limit Search Results to 128 Finds";
inline constexpr const char* kSearchingFormat = "Searching %%%03d";  // the progress shown in FindBox

// The menu "&Search" of the frame.
inline constexpr const char* kSearchMenu = "&Search";
inline constexpr const char* kTextSearchItem = "&Text Search";
inline constexpr const char* kTextSearchHint = "Perform an ASCII text search";
inline constexpr const char* kHexSearchItem = "&Hex Search";
inline constexpr const char* kHexSearchHint = "Perform a HEX search";
inline constexpr const char* kKanaSearchItem = "&Kana Search";
inline constexpr const char* kKanaSearchHint = "Perform a KANA search";
inline constexpr const char* kRelativeSearchItem = "&Relative Search";
inline constexpr const char* kRelativeSearchHint = "Perform a Relative data search";
inline constexpr const char* kSearchAgainItem = "Search Again";
inline constexpr const char* kSearchAgainHint = "Perform last search again";

// The result list TListForm.
inline constexpr const char* kDataListCaption = "Data List...";
inline constexpr const char* kMatchesFoundFormat = "Data List: %d Match(es) Found!";
inline constexpr const char* kCreateTableItem = "Create table with Selected values";
inline constexpr const char* kJumpToStartItem = "Jump to Starting Offset";
inline constexpr const char* kJumpToEndItem = "Jump to Ending Offset";
inline constexpr const char* kExitItem = "Exit";

}  // namespace zarvo::messages
