#pragma once
// The result list window TListForm ("Data List..."): the hits of the searches, or in
// its modes 1 and 2 the dump labels of the active table for Dump From List. A double
// click or Enter on a hit puts the cursor of the current document on its offset and
// leaves the window open, so the user can step through the hits. Created once,
// hidden and reused; the lines live in the session and stay until a command
// replaces them.

#include "core/session.h"
#include "ui/common/current_document.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QListView;
class QMenu;

namespace zarvo {

class ResultListModel;

class TListForm final : public QDialog {
    Q_OBJECT
public:
    // Dump From List's part of the window, set by the dump commands; nothing happens
    // while a hook is unset.
    struct DumpHooks {
        // Modes 1 and 2: a double click or Enter hands over the selected dump labels (in
        // list order) for a binary (mode 1) or text (mode 2) dump, which closes the window.
        std::function<void(int32_t mode, const std::vector<std::string>& labels)> labelsChosen;
        // Esc and the popup's jumps empty the dump dialog's start and end offset boxes.
        std::function<void()> clearDumpOffsets;
    };
    // Opens the table editor modally on the lines "Create table with Selected values" made.
    using PreparedLinesEditor = std::function<void(const std::vector<std::string>& lines)>;

    TListForm(Session& session, CurrentDocument& documents, PreparedLinesEditor editPreparedLines,
              QWidget* parent = nullptr);
    ~TListForm() override;

    void setDumpHooks(DumpHooks hooks) { dumpHooks_ = std::move(hooks); }

    // The searches changed the lines: the list shows them again, the selected line kept
    // when it is still there, else the first one selected.
    void LinesChanged();
    // The searches' way of showing the window: the caption the session holds, shown
    // (not modally) when hidden, brought to the front when shown.
    void ShowResults();
    // Dump From List: the window in mode 1 or 2 with the given caption, several lines
    // selectable, shown modally; it fills itself with the dump labels. Returns when it
    // has closed.
    void ShowDumpLabels(int32_t mode, const QString& caption);

    // The selected lines in list order, as the session holds them (bytes).
    [[nodiscard]] std::vector<std::string> selectedLines() const;
    [[nodiscard]] QListView* listBox() const { return ListBox1; }
    [[nodiscard]] ResultListModel* lines() const { return model_; }

public slots:
    void ListBox1DblClick();
    void CreateTBL1Click();
    void JumptoStartingOffset1Click();
    void JumptoEndingOffset1Click();
    void Exit1Click();
    // Every way of closing passes here (FormClose): the mode returns to 0.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreatePopup();
    void FormShow();
    void SelectFirstLine();
    void JumpToLabelEnd(bool endOffset);
    void EscapeClose();
    [[nodiscard]] bool FormKeyPress(const QKeyEvent& event);

    Session& session_;
    CurrentDocument& documents_;
    PreparedLinesEditor editPreparedLines_;
    DumpHooks dumpHooks_;
    ResultListModel* model_ = nullptr;
    bool placed_ = false;

    QListView* ListBox1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* CreateTBL1 = nullptr;
    QAction* JumptoStartingOffset1 = nullptr;
    QAction* JumptoEndingOffset1 = nullptr;
    QAction* Exit1 = nullptr;
};

}  // namespace zarvo
