#include "ui/tables/table_line_list.h"

#include "core/shift_jis_line.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace zarvo {

TableLineList::TableLineList(TableEditorLines& lines, const Cp932Codec& codec, QWidget* parent)
    : QListWidget(parent), lines_(lines), codec_(codec)
{
    setObjectName(QStringLiteral("TblList"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
}

int TableLineList::RowAt(const QPoint& pos) const
{
    const QListWidgetItem* item = itemAt(pos);
    return item == nullptr ? -1 : row(item);
}

QString TableLineList::Shown(int row) const
{
    return QString::fromStdU16String(DecodeTableLine(codec_, lines_.lines()[static_cast<std::size_t>(row)]));
}

void TableLineList::ShowLines()
{
    clear();
    QStringList texts;
    texts.reserve(lines_.count());
    for (int row = 0; row < lines_.count(); ++row) texts << Shown(row);
    addItems(texts);
}

void TableLineList::AddLine(std::string line)
{
    const int row = lines_.add(std::move(line));
    addItem(Shown(row));
    setCurrentRow(row);
    scrollToItem(currentItem());
}

void TableLineList::ReplaceLine(int row, std::string line)
{
    if (lines_.replace(row, std::move(line))) item(row)->setText(Shown(row));
}

void TableLineList::RemoveLine(int row)
{
    if (!lines_.remove(row)) return;
    delete takeItem(row);
    if (row < count()) {
        setCurrentRow(row);
    } else {
        setCurrentRow(-1);
        clearSelection();
    }
}

void TableLineList::SwapLines(int from, int to)
{
    if (!lines_.swap(from, to)) return;
    item(from)->setText(Shown(from));
    item(to)->setText(Shown(to));
    setCurrentRow(to);
}

void TableLineList::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (currentRow() >= 0 && currentItem() != nullptr && currentItem()->isSelected() && copyHandler_) {
            copyHandler_(currentRow());
        }
        return;
    case Qt::Key_Delete:
        if (currentItem() != nullptr && currentItem()->isSelected()) RemoveLine(currentRow());
        return;
    case Qt::Key_Escape:
        event->ignore();
        return;
    default:
        QListWidget::keyPressEvent(event);
    }
}

void TableLineList::mouseDoubleClickEvent(QMouseEvent* event)
{
    QListWidget::mouseDoubleClickEvent(event);
    const int row = RowAt(event->position().toPoint());
    if (row < 0) return;
    setCurrentRow(row);
    if (copyHandler_) copyHandler_(row);
}

void TableLineList::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    const QPoint pos = event->position().toPoint();
    const int row = RowAt(pos);
    if (event->button() == Qt::RightButton) {
        if (row >= 0 && placeHandler_) {
            setCurrentRow(row);
            placeHandler_(row);
        }
        return;
    }
    if (event->button() == Qt::LeftButton) {
        dragFrom = row;
        dragTo = -1;
        dragStart_ = pos;
        dragging_ = false;
    }
}

void TableLineList::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || dragFrom < 0) {
        QListWidget::mouseMoveEvent(event);
        return;
    }
    // While a line is dragged the selection stays on it.
    if ((event->position().toPoint() - dragStart_).manhattanLength() >= QApplication::startDragDistance()) {
        dragging_ = true;
        setCursor(Qt::DragMoveCursor);
    }
}

void TableLineList::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && dragging_) {
        dragging_ = false;
        unsetCursor();
        dragTo = RowAt(event->position().toPoint());
        SwapLines(dragFrom, dragTo);
        dragFrom = -1;
        dragTo = -1;
        return;
    }
    dragFrom = -1;
    QListWidget::mouseReleaseEvent(event);
}

}  // namespace zarvo
