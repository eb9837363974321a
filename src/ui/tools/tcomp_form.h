#pragma once
// The compare window TCompForm: two files named on disk are compared byte by byte
// over the shorter one's length, and every run of differing bytes is listed; a line
// chosen by double click or Enter puts the active editor's cursor on its offset.
// A tool window that stays above the frame, created once and only shown and hidden;
// the paths and the list stay between uses.

#include "core/session.h"
#include "ui/common/current_document.h"
#include "ui/common/prompter.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace zarvo {

class CompareListModel;

class TCompForm final : public QDialog {
    Q_OBJECT
public:
    TCompForm(const Session& session, Prompter& prompter, CurrentDocument& documents, QWidget* parent = nullptr);

    [[nodiscard]] bool comparing() const { return comparing_; }

public slots:
    // "..." beside Edit1 (tag 0) or Edit2 (tag 1): a file chosen into that field.
    void Button1Click(int tag);
    // Compare: a second start while one runs is ignored.
    void Button3Click();
    // Double click or Enter on the list: the jump to the chosen line's offset.
    void CompListDblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();

    const Session& session_;
    Prompter& prompter_;
    CurrentDocument& documents_;
    CompareListModel* model_ = nullptr;
    bool comparing_ = false;

    QGroupBox* GroupBox1 = nullptr;
    QLabel* StaticText1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* StaticText2 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QListView* CompList = nullptr;
    QLabel* StaticText3 = nullptr;
};

}  // namespace zarvo
