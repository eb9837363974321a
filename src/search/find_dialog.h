#pragma once
// The Find dialog's commands as logic: opening it for a search kind, the Find
// button, incremental search, Search Again, the option buttons and closing. The
// dialog reads its controls, calls one of these and shows what they return; the
// check boxes live in the session's FindDialogState.

#include "core/document.h"
#include "core/notice.h"
#include "core/search_state.h"
#include "core/session.h"
#include "search/search_progress.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zarvo {

inline constexpr int32_t kFindDialogClientHeight = 119;  // text, hexadecimal, relative: no grid
inline constexpr int32_t kKanaDialogOuterHeight = 314;   // kana: with kbox and the grid

struct FindDialogLayout {
    const char* caption = nullptr;  // "Find: ASCII Text..." etc.
    bool showsKanaGrid = false;     // kbox and fGrid shown, outer height kKanaDialogOuterHeight
    bool upperCaseBox = false;      // FindBox types letters in upper case (hexadecimal search)
    int32_t boxLength = kFindBoxLength;
};

// A search command of the menu (not Search Again): matchCount = 0, SearchKind = kind,
// and for the relative search SaveFnd and IncFind unchecked and disabled (SaveFnd's
// state kept) and FindBox limited to 15 characters. Then the dialog is shown modally.
[[nodiscard]] FindDialogLayout OpenFindDialog(SearchSession& search, FindKind kind);

// Showing the dialog (FormShow): FindBox is emptied by the window; no relative search
// has run yet. The pattern is kept, so that Search Again after a dialog closed
// without a search repeats the last search instead of looking for zero bytes.
void ShowFindDialog(SearchSession& search);
// Closing it (FormCloseQuery; Esc also drops the pattern length, so Search Again
// refuses): FindBox is emptied by the window, fromStartUsed = 0.
void CloseFindDialog(SearchSession& search, bool byEscape);

struct AfterDialogOutcome {
    bool showList = false;         // list.caption was set: show the result list (not modally)
    std::optional<Notice> notice;  // the relative search found nothing
};

// When the modal dialog has closed: the relative search gives SaveFnd and IncFind
// back; with matchCount not 0 the list caption is "Data List: %d Match(es) Found!"
// and the list is shown; a relative search that found nothing says so. The frame is
// then repainted.
[[nodiscard]] AfterDialogOutcome AfterFindDialog(SearchSession& search);

struct FindButtonOutcome {
    bool ignored = false;      // a search was already running: nothing happened
    bool closeDialog = false;  // the dialog closes (CloseFindDialog, then AfterFindDialog)
    bool showList = false;     // incremental search: list.caption was set, show the list
    bool repaint = false;      // repaint the frame: a moved cursor is shown
    bool cursorMoved = false;
    std::optional<Notice> notice;  // to show before closing
};

// The Find button (also Enter, and every change of the text with incremental search)
// with boxText as FindBox's Shift-JIS bytes on doc (null without an editor window).
// The relative search runs here, reporting to progress between its passes; while it
// runs every further press is ignored.
[[nodiscard]] FindButtonOutcome PressFindButton(Session& session, DocRecord* doc, std::string_view boxText,
                                                const SearchProgress& progress = {});

// FindBoxChange: incremental search runs the Find button at every change, except
// in hexadecimal search while a digit lacks its pair (blanks between pairs aside).
[[nodiscard]] bool SearchesOnChange(const SearchSession& search, std::string_view boxText);

// Search Again (F3): with matchCount not 0 it only brings the list back (showList);
// with no pattern it says "Error: No text entered to search for..."; otherwise
// SearchKind = 3 and the Find button runs on the kept pattern without the dialog
// (repaint when it found a match).
[[nodiscard]] FindButtonOutcome SearchAgain(Session& session, DocRecord* doc);

// A click on a check box or kbox: incremental search and collecting exclude each
// other, so IncFind unchecks SaveFnd. The window then puts FindBox's caret at the end.
void ApplyOptionClick(FindDialogState& dialog);
// "&Remove All Options on Form": every option unchecked.
void RemoveAllOptions(FindDialogState& dialog);
// "Select &All Options on Form": every enabled option checked, then the click rule.
void SelectAllOptions(FindDialogState& dialog);

}  // namespace zarvo
