#pragma once
// The line list of the table editor (TblList): shows the editor's lines, and makes
// every change to them first and then to what it shows. Enter on the selected line
// and a double click copy a line; a right click offers to place the entry there;
// Delete removes the selected line; dragging one line onto another swaps the two.
// Escape is left to the window, which closes.

#include "core/cp932.h"
#include "core/table_editor_lines.h"

#include <QListWidget>

#include <functional>
#include <string>

namespace zarvo {

class TableLineList final : public QListWidget {
public:
    using RowHandler = std::function<void(int row)>;

    // Shows lines, decoded through codec; both outlive the list.
    TableLineList(TableEditorLines& lines, const Cp932Codec& codec, QWidget* parent);

    void setCopyHandler(RowHandler handler) { copyHandler_ = std::move(handler); }
    void setPlaceHandler(RowHandler handler) { placeHandler_ = std::move(handler); }

    // Shows every line anew, without a selection.
    void ShowLines();
    // Appends a line and selects it, scrolled into view.
    void AddLine(std::string line);
    // Puts line in place of the line at row.
    void ReplaceLine(int row, std::string line);
    // Removes a line; the selection stays at its position, or goes when it was the last.
    void RemoveLine(int row);
    // Swaps two lines and selects the second position; nothing for a missing or equal pair.
    void SwapLines(int from, int to);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    [[nodiscard]] int RowAt(const QPoint& pos) const;
    [[nodiscard]] QString Shown(int row) const;

    TableEditorLines& lines_;
    const Cp932Codec& codec_;
    RowHandler copyHandler_;
    RowHandler placeHandler_;
    int dragFrom = -1;
    int dragTo = -1;
    QPoint dragStart_;
    bool dragging_ = false;
};

}  // namespace zarvo
