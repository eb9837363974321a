#pragma once
// The result list's lines as a list model over the session's ResultListState. A line
// is formatted only when the view asks for it, so a relative search that hits every
// byte of a large image lists without building a string per hit.

#include "core/cp932.h"
#include "core/search_state.h"

#include <QAbstractListModel>
#include <QSize>

#include <string>

namespace zarvo {

class ResultListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    ResultListModel(const ResultListState& list, QObject* parent);

    // The searches changed the lines: the view reads them again.
    void linesChanged();
    // Every row of the list is this size (its item height and the width of its longest line).
    void setRowSize(QSize size) { rowSize_ = size; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The line as the session holds it (bytes); empty outside the list.
    [[nodiscard]] std::string lineAt(int row) const;

private:
    const ResultListState& list_;
    Cp932Codec codec_;
    QSize rowSize_;
};

}  // namespace zarvo
