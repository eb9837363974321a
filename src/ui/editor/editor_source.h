#pragma once
// How a tool window finds the editor window it acts on: the frame's active editor
// window holding data, asked afresh at every use, or none.

#include <functional>

namespace zarvo {

class TMDIChild;

using EditorSource = std::function<TMDIChild*()>;

}  // namespace zarvo
