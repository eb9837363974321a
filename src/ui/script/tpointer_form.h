#pragma once
// The pointer dialog: the form of the pointers (machine, bits, offset, header, byte
// order) for Find Pointers to Cursor, and with the pointer table (first slot, count,
// step) for Dump Script. It shows what the session keeps and, on OK, keeps what was
// entered there; a wrong entry is told and the dialog stays open. Created once,
// hidden, and reused.

#include "core/session.h"
#include "ui/common/prompter.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;

namespace zarvo {

class TPointerForm final : public QDialog {
    Q_OBJECT
public:
    enum class Use { FindPointers, DumpScript };

    TPointerForm(Session& session, Prompter& prompter, QWidget* parent = nullptr);

    // Shows the dialog modally for a use; true when it was left with OK.
    [[nodiscard]] bool Ask(Use use);

public slots:
    void OkClick();
    // A machine chosen: the bits become the size its pointers usually have.
    void MachineChange();

private:
    void CreateControls();

    Session& session_;
    Prompter& prompter_;
    Use use_ = Use::FindPointers;

    QComboBox* FormBox = nullptr;
    QComboBox* BitsBox = nullptr;
    QLineEdit* PointerOffset = nullptr;
    QLineEdit* PointerHeader = nullptr;
    QCheckBox* BigEndian = nullptr;
    QCheckBox* EveryForm = nullptr;
    QLineEdit* TableStart = nullptr;
    QLineEdit* SlotCount = nullptr;
    QLineEdit* SlotStep = nullptr;
    QFormLayout* form_ = nullptr;  // the table rows show only for Dump Script
};

}  // namespace zarvo
