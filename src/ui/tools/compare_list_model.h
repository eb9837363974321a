#pragma once
// The compare window's list: one line per run of differing bytes, made only when the
// view asks for it, so that a million runs list without building a million strings;
// or the single line saying the files match. Empty until the first compare.

#include "tools/difference_scanner.h"

#include <QAbstractListModel>

#include <vector>

namespace zarvo {

class CompareListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // The result of a compare; no runs lists the line saying the files match.
    void setRuns(std::vector<DifferenceRun> runs);

    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The text of a row as the list shows it; empty outside the list.
    [[nodiscard]] QString lineAt(int row) const;

private:
    std::vector<DifferenceRun> runs_;
    bool compared_ = false;
};

}  // namespace zarvo
