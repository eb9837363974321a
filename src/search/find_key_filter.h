#pragma once
// The key rules of the Find dialog (its box, its check boxes and the dialog share
// them): which typed key reaches FindBox, which is swallowed, and which is typed as
// something else, with the command a key starts.

#include "core/search_state.h"
#include "core/table.h"

#include <string>
#include <string_view>

namespace zarvo {

enum class FindKey {
    Character,  // a typed character, its bytes in FindBox's Shift-JIS encoding
    Enter,
    Escape,
    Backspace,
};

struct TypedFindKey {
    FindKey key = FindKey::Character;
    std::string_view character;  // for Character
};

enum class KeyVerdict {
    Pass,          // the key is typed into the box as it is
    Swallow,       // the key never reaches the box
    Replace,       // the key is swallowed; text replaces the box's selection, the caret after it
    EraseLastTwo,  // the key is swallowed; the box's last two characters go, the caret at the end
};

enum class KeyCommand {
    None,
    RunFind,      // as the Find button
    CloseDialog,  // Esc: the dialog closes with patternLength = 0
};

struct KeyFilterResult {
    KeyVerdict verdict = KeyVerdict::Pass;
    std::string text;  // for Replace
    KeyCommand command = KeyCommand::None;
    const char* message = nullptr;  // a plain message to show first
};

// The rule for key typed while boxText (Shift-JIS bytes) is in FindBox, in the search
// kind, with the dialog's options and the active table. Text search lets through
// only characters that begin some entry text (blank and Backspace always);
// hexadecimal search only hexadecimal digits (upper-cased), the blank that may stand
// between pairs, '*' and Backspace; with
// wildcards both let everything through. '*' with wildcards is refused in an empty
// box and typed as the pair "**" in hexadecimal and kana search, where Backspace
// removes a trailing pair at once. Kana search takes only '*' and Backspace: its
// characters come from the grid.
[[nodiscard]] KeyFilterResult FilterFindKey(const TypedFindKey& key, std::string_view boxText, FindKind kind,
                                            const SearchOptions& options, const TableData& table);

}  // namespace zarvo
