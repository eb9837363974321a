#include "ui/tools/compare_list_model.h"

#include "tools/file_compare.h"
#include "tools/tool_messages.h"

#include <algorithm>
#include <climits>

namespace zarvo {

void CompareListModel::setRuns(std::vector<DifferenceRun> runs)
{
    beginResetModel();
    runs_ = std::move(runs);
    compared_ = true;
    endResetModel();
}

int CompareListModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !compared_) return 0;
    if (runs_.empty()) return 1;
    return static_cast<int>(std::min<std::size_t>(runs_.size(), INT_MAX));
}

QVariant CompareListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return lineAt(index.row());
}

QString CompareListModel::lineAt(int row) const
{
    if (row < 0 || row >= rowCount()) return {};
    if (runs_.empty()) return QString::fromUtf8(messages::kCompareNoDifference);
    return QString::fromStdString(CompareLine(runs_[static_cast<std::size_t>(row)]));
}

}  // namespace zarvo
