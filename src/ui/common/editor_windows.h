#pragma once
// The set of editor windows as the commands that act on all of them see it (the View
// and Options menus, the tile editor): their widgets, the active one, and whole
// repaints. The frame's document set implements it; what a command does to the
// current document goes through CurrentDocument as everywhere else.

#include "ui/common/current_document.h"

#include <vector>

class QWidget;

namespace zarvo {

class EditorWindows : public CurrentDocument {
    Q_OBJECT
public:
    using CurrentDocument::CurrentDocument;

    // The shown editor windows, none when every window is closed.
    [[nodiscard]] virtual std::vector<QWidget*> editorWidgets() const = 0;
    // The active editor window, or none.
    [[nodiscard]] virtual QWidget* activeEditorWidget() const = 0;
    // Sizes the active window's rows to its width (when rows follow the width) and its
    // page to the rows that fit; the cursor keeps its byte on the page.
    virtual void fitActiveToWindow() = 0;
    // Repaints every editor window.
    virtual void repaintAll() = 0;

signals:
    // A window was added or went away for good.
    void windowsChanged();
};

}  // namespace zarvo
