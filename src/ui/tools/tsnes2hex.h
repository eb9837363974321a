#pragma once
// The SNES address converter TSnes2Hex: a file offset in the left field, an SNES
// address in the right one, converted either way in one of four mappings (Lo-ROM,
// Hi-ROM, work memory and video memory of a savestate), with a copier header and
// the $80 bank base as options. Goto Offset puts the active editor's cursor on the
// left field's offset. Created once by the frame, shown modally; the mapping, the
// options, the direction and both fields stay as they were between uses.

#include "core/session.h"
#include "tools/snes_address.h"
#include "ui/common/current_document.h"
#include "ui/common/prompter.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zarvo {

class TSnes2Hex final : public QDialog {
    Q_OBJECT
public:
    TSnes2Hex(Session& session, Prompter& prompter, CurrentDocument& documents, QWidget* parent = nullptr);

    [[nodiscard]] const SnesConverterState& state() const { return session_.dialogs.snesConverter; }

public slots:
    // The convert button: from the field of the current direction into the other.
    void _Convert();
    // Goto Offset.
    void Button1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void SelectMapping(SnesMapping mapping);

    Session& session_;
    Prompter& prompter_;
    CurrentDocument& documents_;

    QLabel* StaticText1 = nullptr;
    QPushButton* TextLabel = nullptr;
    QLineEdit* lorom1 = nullptr;
    QLineEdit* lorom2 = nullptr;
    QLabel* ZstText = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton* LoChk = nullptr;
    QRadioButton* HiChk = nullptr;
    QRadioButton* MemChk = nullptr;
    QRadioButton* VidChk = nullptr;
    QCheckBox* hdrbox = nullptr;
    QCheckBox* lorombox = nullptr;
    QPushButton* Button1 = nullptr;
};

}  // namespace zarvo
