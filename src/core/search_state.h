#pragma once
// The state of the searches, one search at a time for the whole program: the last
// pattern, the Find dialog's options and mode, and the lines of the result list.
// The search logic (src/search) works on these records; the windows show them.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zarvo {

// The mode of the Find dialog, kept in the tag of its text box FindBox.
enum class FindKind : int32_t {
    Text = 0,
    Hex = 1,
    Relative = 2,
    Again = 3,  // Search Again repeats the kept pattern
    Kana = 4,
};

inline constexpr int32_t kSearchPatternBytes = 39;  // searchPattern holds these and a terminating zero
inline constexpr int32_t kFindLimitMatches = 128;   // what "Limit Search Results to 128 Finds" allows
inline constexpr int32_t kFindBoxLength = 32;       // characters FindBox takes
inline constexpr int32_t kRelativeWordLength = 15;  // ... while the relative search uses it
inline constexpr uint8_t kWildcardByte = 0x2A;      // '*': any byte while WildCrd is checked

// The check boxes of the Find dialog, all unchecked at start.
struct SearchOptions {
    bool IgCase = false;         // "Ignore &Case": ASCII letters compared in upper case
    bool SaveFnd = false;        // "&Save Finds in a Search List.": list every match, cursor stays
    bool WildCrd = false;        // "Use \" * \" for &Wildcards.": pattern byte 0x2A matches any byte
    bool FindFromStart = false;  // "Start Search From the &Begining"
    bool IncFind = false;        // "Enable &Incremental Search": search at every change of the text
    bool FindLimit = false;      // "Limit Search Results to 128 Finds"
};

struct SearchState {
    // The bytes of the last search and a terminating zero.
    std::array<uint8_t, kSearchPatternBytes + 1> searchPattern{};
    int32_t patternLength = 0;  // 0 after Esc: Search Again refuses to run
    int32_t matchCount = 0;     // result lines written since the last search command
    bool searchFound = false;   // the last scan stopped on a match and moved the cursor
    FindKind SearchKind = FindKind::Text;
    int32_t fromStartUsed = 0;  // 1 once "Start Search From the Begining" has been applied
    // A relative search ran while the dialog was shown (it says "not found" afterwards).
    bool relativeSearchRan = false;
};

// What the Find dialog shows besides its text, kept while it is hidden.
struct FindDialogState {
    SearchOptions options;
    bool saveFndEnabled = true;  // SaveFnd and IncFind are disabled while the relative
    bool incFindEnabled = true;  // search borrows the dialog
    bool saveFndBeforeRelative = false;
    int32_t boxLength = kFindBoxLength;  // FindBox's character limit
    int32_t kanaGrid = 0;                // item of kbox, the grid shown in kana search
    bool searchRunning = false;          // a search is under way: inputs that would start one are ignored
};

// One line of the result list, kept small: a list can hold a hit for every byte of
// a large image. Lines are formatted when they are shown.
enum class ResultLineKind : uint8_t {
    Match,        // "[$%08X]" with value as the offset
    RelativeHit,  // "[$%08X] %-15s | A=%02X a=%02X 0=%02X" with the list's relativeWord
    Stored,       // storedLines[value], such as a dump label
};

struct ResultEntry {
    int32_t value = 0;  // the offset, or the index into storedLines
    ResultLineKind kind = ResultLineKind::Match;
    uint8_t base = 0;  // a relative hit's first byte
};

// The result list window TListForm.
struct ResultListState {
    int32_t mode = 0;  // its tag: 0 search results, 1 dump labels for a binary dump, 2 for a text dump
    std::vector<ResultEntry> entries;
    std::string relativeWord;  // the word of the relative-search lines
    std::vector<std::string> storedLines;
    std::string caption = "Data List...";
};

struct SearchSession {
    SearchState state;
    FindDialogState dialog;
    ResultListState list;
};

}  // namespace zarvo
