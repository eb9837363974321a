#pragma once
// The Find dialog TOptsForm: one dialog for the text, hexadecimal, kana and relative
// searches. The user types what to look for into FindBox (or picks kana from the
// grid fGrid), sets the options, and presses Find; the search logic does the rest and
// the dialog shows what it returns. Created once, hidden, shown modally by each search
// command; the options live in the session's FindDialogState.

#include "core/cp932.h"
#include "core/session.h"
#include "search/kana_grid.h"
#include "ui/common/current_document.h"
#include "ui/common/prompter.h"

#include <QDialog>
#include <QFont>

#include <array>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace zarvo {

struct FindDialogLayout;
class GridMarker;
class KanaGridView;
class TListForm;

class TOptsForm final : public QDialog {
    Q_OBJECT
public:
    TOptsForm(Session& session, Prompter& prompter, CurrentDocument& documents, TListForm& list,
              QWidget* parent = nullptr);
    ~TOptsForm() override;

    // Lays the dialog out for a search command: caption, the kana grid shown or hidden,
    // the options as the session holds them.
    void Prepare(const FindDialogLayout& layout);
    // Shows the session's options: check marks, the enabled states and FindBox's limit.
    void ShowOptions();

    // FindBox's text as the search reads it: Shift-JIS bytes.
    [[nodiscard]] std::string BoxBytes() const;
    [[nodiscard]] QLineEdit* findBox() const { return FindBox; }

public slots:
    // The Find button, Enter, and every change of the text with incremental search.
    void Button1Click();
    // A click on a check box or kbox.
    void IgCaseClick();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void kboxChange(int index);
    void fGridClick();
    // Every way of closing passes here (FormCloseQuery).
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A check box and the option it shows.
    struct OptionBox {
        QCheckBox* box;
        bool SearchOptions::*option;
    };

    void CreateControls();
    [[nodiscard]] std::array<OptionBox, 6> OptionBoxes() const;
    void FormShow();
    // FindBoxKeyPress: true when the key was handled (swallowed or replaced).
    [[nodiscard]] bool FindBoxKeyPress(QKeyEvent& event, bool inFindBox);
    void FindBoxChange();
    void fGridMouseMove(KanaCell cell);
    void DrawKanaGrid();
    void CloseByEscape();
    void ShowProgress(int32_t percent);
    void SetBoxText(const QString& text);
    void CaretToEnd();

    Session& session_;
    Prompter& prompter_;
    CurrentDocument& documents_;
    TListForm& list_;
    Cp932Codec codec_;
    QFont gridFont;
    KanaCell hovered_;
    bool closingByEscape_ = false;
    bool placed_ = false;

    QGroupBox* GroupBox1 = nullptr;
    QLabel* StaticText3 = nullptr;
    QLineEdit* FindBox = nullptr;
    QPushButton* Button1 = nullptr;
    QCheckBox* IgCase = nullptr;
    QCheckBox* SaveFnd = nullptr;
    QCheckBox* WildCrd = nullptr;
    QCheckBox* FindFromStart = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QCheckBox* IncFind = nullptr;
    QCheckBox* FindLimit = nullptr;
    QComboBox* kbox = nullptr;
    KanaGridView* fGrid = nullptr;
    GridMarker* ClickMe2 = nullptr;
};

}  // namespace zarvo
