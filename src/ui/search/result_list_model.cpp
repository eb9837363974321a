#include "ui/search/result_list_model.h"

#include "core/shift_jis_line.h"
#include "search/result_list.h"

#include <algorithm>
#include <climits>

namespace zarvo {

ResultListModel::ResultListModel(const ResultListState& list, QObject* parent) : QAbstractListModel(parent), list_(list)
{}

void ResultListModel::linesChanged()
{
    beginResetModel();
    endResetModel();
}

int ResultListModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid()) return 0;
    return static_cast<int>(std::min<std::size_t>(ResultLineCount(list_), INT_MAX));
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::SizeHintRole && rowSize_.isValid()) return rowSize_;
    if (role != Qt::DisplayRole) return {};
    // A relative-search word and a dump label's name are Shift-JIS text like the table's.
    return QString::fromStdU16String(DecodeTableLine(codec_, lineAt(index.row())));
}

std::string ResultListModel::lineAt(int row) const
{
    if (row < 0 || row >= rowCount()) return {};
    return ResultLineText(list_, static_cast<std::size_t>(row));
}

}  // namespace zarvo
