#pragma once
// The Goto dialog TJumpForm, serving three commands: Goto Offset (an offset typed in
// hexadecimal or decimal), Jump Offset List (a bookmark of the table picked from
// jmpbox) and Save Bookmark (a name of up to 20 characters typed). Created once,
// shown modally; the number base stays as it was between uses. Esc leaves it with
// nothing typed and nothing picked; its close box acts as Done.

#include "core/cp932.h"
#include "core/session.h"

#include <QDialog>

#include <optional>
#include <string>

class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zarvo {

class TJumpForm final : public QDialog {
    Q_OBJECT
public:
    TJumpForm(Session& session, const Cp932Codec& codec, QWidget* parent = nullptr);

    // Each command's face, set before it shows the dialog with exec().
    void PrepareGoto();
    void PrepareJumpList();
    void PrepareBookmark();
    // After Save Bookmark: the box takes texts of any length again.
    void LiftLengthLimit();

    // What the dialog closed with: the typed text (empty after Esc), as a number's
    // digits or as a bookmark name in the table's encoding.
    [[nodiscard]] std::string typedText() const;
    [[nodiscard]] std::string typedName() const;
    [[nodiscard]] bool hexadecimal() const;
    // The picked jump-list entry as the table file holds it; nothing when none.
    [[nodiscard]] std::optional<std::string> pickedEntry() const;

public slots:
    // Picking an entry empties the typed text.
    void jmpboxChange();
    // Jump-list offsets are always hexadecimal.
    void DecimalClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    void CreateControls();
    void SetFace(const char* caption, const char* frame, bool typing);
    void Cancel();
    // Enter takes the entry, Esc cancels, in the box and the list alike.
    [[nodiscard]] bool answerKeyPress(const QKeyEvent& event);
    [[nodiscard]] bool jmptxtKeyPress(const QKeyEvent& event);
    [[nodiscard]] bool jmpboxKeyPress(const QKeyEvent& event);
    [[nodiscard]] bool namingBookmark() const;

    Session& session_;
    const Cp932Codec& codec_;

    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* jmptxt = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QComboBox* jmpbox = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton* Hexdecimal = nullptr;
    QRadioButton* Decimal = nullptr;
    QPushButton* jbut = nullptr;
};

}  // namespace zarvo
