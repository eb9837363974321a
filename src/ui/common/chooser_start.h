#pragma once
// Where the file choosers start: in the active document's folder, showing the name a
// file for it obviously has; without a document, in the folder of the file last
// chosen to open, else in the folder the program started in.

#include "core/session.h"

#include <QString>

#include <string_view>

namespace zarvo {

struct DocRecord;

// The folder alone.
[[nodiscard]] QString ChooserFolder(const Session& session, const DocRecord* doc);
// The document's own path, or with extension given, its name with that extension in
// its folder (game.tbl for a table of game.smc).
[[nodiscard]] QString ChooserSuggestion(const Session& session, const DocRecord* doc, std::string_view extension = {});

}  // namespace zarvo
