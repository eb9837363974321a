#pragma once
// File filters as the tools name them, "Description (*.x)|*.x|...", turned into the
// form the file choosers take, "Description (*.x);;...".

#include <QString>

namespace zarvo {

// Each description|pattern pair becomes one filter; a description that does not show
// its pattern in parentheses gets it appended.
[[nodiscard]] QString ChooserFilter(const char* pairs);

}  // namespace zarvo
