#pragma once
// The View menu: the form offsets are shown in, the Unicode text column of the active
// document, and the status bar.

#include "core/session.h"
#include "ui/common/menu_actions.h"

#include <QObject>

class QAction;
class QActionGroup;
class QMenu;
class QStatusBar;

namespace zarvo {

class EditorWindows;

class ViewCommands final : public QObject {
    Q_OBJECT
public:
    ViewCommands(Session& session, EditorWindows& windows, QStatusBar& statusBar, QObject* parent = nullptr);

    void AddMenuItems(QMenu& view, EditorItems& editorItems);
    // The check mark of ViewKana shows the active document's view.
    void ShowViewOf(bool unicodeView);
    [[nodiscard]] bool kanaItemEnabled() const;

public slots:
    void OffsetModeClick(OffsetMode mode);
    void ViewKanaClick(bool checked);
    void ViewStatusBar1Click(bool checked);

private:
    Session& session_;
    EditorWindows& windows_;
    QStatusBar& statusBar_;
    QActionGroup* offsetModeGroup_ = nullptr;
    QAction* ViewKana = nullptr;
};

}  // namespace zarvo
