#pragma once
// The size dialog TExpander: the active document is cut or extended (with 0xFF
// bytes) to a size entered in bytes, megabits or megabytes, optionally plus a copier
// header's bytes. Created once by the frame, shown modally; the entries, the check
// box and the unit stay as they were between uses.

#include "core/session.h"
#include "tools/rom_resize.h"
#include "ui/common/current_document.h"
#include "ui/common/prompter.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zarvo {

class TExpander final : public QDialog {
    Q_OBJECT
public:
    TExpander(const ViewState& view, Prompter& prompter, CurrentDocument& documents, QWidget* parent = nullptr);

public slots:
    // The unit buttons and the showing: the size text in the checked unit, whose code
    // goes into the Done button's tag.
    void rBYTESClick();
    // Done: checks the entries, asks, and changes the size.
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    [[nodiscard]] SizeUnit CheckedUnit() const;

    const ViewState& view_;
    Prompter& prompter_;
    CurrentDocument& documents_;

    QLabel* SizeTxt = nullptr;
    QLabel* StaticText1 = nullptr;
    QLineEdit* ExpOther = nullptr;
    QCheckBox* addHdrChkBox = nullptr;
    QLineEdit* addHdr = nullptr;
    QRadioButton* rBYTES = nullptr;
    QRadioButton* rMBITS = nullptr;
    QRadioButton* rMBYTE = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
};

}  // namespace zarvo
