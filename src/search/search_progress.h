#pragma once
// Progress of the long searches. The window lets its events run from the callback
// and shows the progress text; returning false stops the search (the document has
// closed).

#include <cstdint>
#include <functional>
#include <string>

namespace zarvo {

// Told how far a search got, 0..100; false stops it.
using SearchProgress = std::function<bool(int32_t percent)>;

// The progress text shown in FindBox: "Searching %" and three digits ("Searching %042").
[[nodiscard]] std::string SearchingText(int32_t percent);

}  // namespace zarvo
