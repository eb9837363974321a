#include "search/find_dialog.h"

#include "search/relative_search.h"
#include "search/result_list.h"
#include "search/search_messages.h"
#include "search/search_pattern.h"
#include "search/search_run.h"

namespace zarvo {

namespace {

// Marks a search as running for as long as it runs, so that the window's events
// let through between its passes cannot start another.
class RunningMark {
public:
    explicit RunningMark(bool& running) : running_(running) { running_ = true; }
    ~RunningMark() { running_ = false; }
    RunningMark(const RunningMark&) = delete;
    RunningMark& operator=(const RunningMark&) = delete;

private:
    bool& running_;
};

[[nodiscard]] const char* CaptionOf(FindKind kind)
{
    switch (kind) {
    case FindKind::Text:
        return messages::kTextSearchCaption;
    case FindKind::Hex:
        return messages::kHexSearchCaption;
    case FindKind::Relative:
        return messages::kRelativeSearchCaption;
    case FindKind::Kana:
        return messages::kKanaSearchCaption;
    case FindKind::Again:
        break;
    }
    return messages::kFindCaption;
}

// The list caption "Data List: %d Match(es) Found!" when matches were listed.
[[nodiscard]] bool CaptionListWithMatches(SearchSession& search)
{
    if (search.state.matchCount == 0) return false;
    search.list.caption = MatchesFoundCaption(search.state.matchCount);
    return true;
}

}  // namespace

FindDialogLayout OpenFindDialog(SearchSession& search, FindKind kind)
{
    search.state.matchCount = 0;
    search.state.SearchKind = kind;
    FindDialogState& dialog = search.dialog;
    if (kind == FindKind::Relative) {
        dialog.saveFndBeforeRelative = dialog.options.SaveFnd;
        dialog.options.SaveFnd = false;
        dialog.saveFndEnabled = false;
        dialog.options.IncFind = false;
        dialog.incFindEnabled = false;
        dialog.boxLength = kRelativeWordLength;
    } else {
        dialog.boxLength = kFindBoxLength;
    }
    FindDialogLayout layout;
    layout.caption = CaptionOf(kind);
    layout.showsKanaGrid = kind == FindKind::Kana;
    layout.upperCaseBox = kind == FindKind::Hex;
    layout.boxLength = dialog.boxLength;
    return layout;
}

void ShowFindDialog(SearchSession& search) { search.state.relativeSearchRan = false; }

void CloseFindDialog(SearchSession& search, bool byEscape)
{
    search.state.fromStartUsed = 0;
    if (byEscape) search.state.patternLength = 0;
}

AfterDialogOutcome AfterFindDialog(SearchSession& search)
{
    AfterDialogOutcome outcome;
    FindDialogState& dialog = search.dialog;
    const bool relative = search.state.SearchKind == FindKind::Relative;
    if (relative) {
        dialog.boxLength = kFindBoxLength;
        dialog.options.SaveFnd = dialog.saveFndBeforeRelative;
        dialog.saveFndEnabled = true;
        dialog.incFindEnabled = true;
    }
    outcome.showList = CaptionListWithMatches(search);
    if (!outcome.showList && relative && search.state.relativeSearchRan) {
        outcome.notice = Notice{NoticeKind::Exclamation, messages::kNoStringFoundCaption, messages::kStringNotFound};
    }
    return outcome;
}

FindButtonOutcome PressFindButton(Session& session, DocRecord* doc, std::string_view boxText,
                                  const SearchProgress& progress)
{
    FindButtonOutcome outcome;
    SearchSession& search = session.search;
    if (search.dialog.searchRunning) {
        outcome.ignored = true;
        return outcome;
    }
    const RunningMark running(search.dialog.searchRunning);
    const SearchOptions& options = search.dialog.options;
    const FindKind kind = search.state.SearchKind;
    if (boxText.empty() && kind != FindKind::Again) {
        if (options.IncFind) return outcome;
        outcome.notice = PatternErrorNotice(PatternError::NothingToSearch);
        outcome.closeDialog = true;
        return outcome;
    }
    if (options.SaveFnd) ClearResultList(search.list);

    if (kind == FindKind::Relative) {
        outcome.notice = RunRelativeSearch(session, doc, boxText, progress).notice;
    } else {
        bool patternReady = true;
        if (kind == FindKind::Kana && doc != nullptr) {
            const SearchPattern pattern = BuildKanaPattern(doc->table, boxText);
            if (pattern.error != PatternError::None) {
                outcome.notice = PatternErrorNotice(pattern.error);
                patternReady = false;
            } else {
                StorePattern(search.state, pattern);
            }
        }
        if (patternReady) {
            const SearchRunOutcome run = RunSearch(session, doc, boxText);
            outcome.notice = run.notice;
            outcome.cursorMoved = run.scan.found;
        }
    }

    if (!options.IncFind) {
        outcome.closeDialog = true;
    } else {
        outcome.showList = CaptionListWithMatches(search);
    }
    outcome.repaint = true;
    return outcome;
}

bool SearchesOnChange(const SearchSession& search, std::string_view boxText)
{
    if (!search.dialog.options.IncFind) return false;
    // Not while a hexadecimal digit waits for its pair.
    return !(search.state.SearchKind == FindKind::Hex &&
             BuildHexPattern(boxText, true).error == PatternError::HexMissingDigit);
}

FindButtonOutcome SearchAgain(Session& session, DocRecord* doc)
{
    FindButtonOutcome outcome;
    SearchSession& search = session.search;
    if (search.dialog.searchRunning) {
        outcome.ignored = true;
        return outcome;
    }
    if (CaptionListWithMatches(search)) {
        outcome.showList = true;
        return outcome;
    }
    if (search.state.patternLength == 0) {
        outcome.notice = PatternErrorNotice(PatternError::NothingToSearch);
        return outcome;
    }
    search.state.SearchKind = FindKind::Again;
    outcome = PressFindButton(session, doc, {});
    outcome.closeDialog = false;  // the dialog is not shown
    outcome.repaint = outcome.cursorMoved;
    return outcome;
}

void ApplyOptionClick(FindDialogState& dialog)
{
    if (dialog.options.IncFind) dialog.options.SaveFnd = false;
}

void RemoveAllOptions(FindDialogState& dialog)
{
    dialog.options = SearchOptions{};
    ApplyOptionClick(dialog);
}

void SelectAllOptions(FindDialogState& dialog)
{
    SearchOptions& options = dialog.options;
    if (dialog.saveFndEnabled) options.SaveFnd = true;
    options.IgCase = true;
    options.WildCrd = true;
    options.FindFromStart = true;
    if (dialog.incFindEnabled) options.IncFind = true;
    options.FindLimit = true;
    ApplyOptionClick(dialog);
}

}  // namespace zarvo
