#pragma once
// The dump dialog TDumpForm: a file name (the name of a dump label, the value of a
// byte fill) and the start and end offsets of the two-press commands F10 (text dump),
// F11 (binary dump), F2 (dump label) and F4 (byte fill), shown without blocking
// beside the editor; binary insertion shows it modally for its start offset alone.
// Created once, hidden; which command owns it is the session's dump mode.

#include "core/cp932.h"
#include "core/session.h"
#include "dump/dump_dialog.h"
#include "ui/common/current_document.h"
#include "ui/common/prompter.h"
#include "ui/dump/dump_progress_writer.h"

#include <QDialog>

#include <functional>
#include <string>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zarvo {

class TDumpForm final : public QDialog {
    Q_OBJECT
public:
    // tableReloaded runs after a dump label was appended and doc's table read again.
    TDumpForm(Session& session, Prompter& prompter, CurrentDocument& documents, const Cp932Codec& codec,
              std::function<void(DocRecord&)> tableReloaded, QWidget* parent = nullptr);

    // The three boxes as they stand: DFile as a path, or in the table's encoding
    // while a dump label is pending.
    [[nodiscard]] DumpFields fields() const;
    // Applies what a command decided: the boxes from fields, the captions, showing
    // (the keyboard back to the editor) or closing, the focus, the repaint of doc or
    // its table's reload (doc may be null when neither can happen), and the notice.
    void ShowOutcome(const DialogOutcome& outcome, const DumpFields& fields, DocRecord* doc);
    // Binary insertion: shows the dialog modally with only the start box usable,
    // holding startText. The start box's text when it closed, empty after Esc.
    [[nodiscard]] std::string AskInsertionStart(const std::string& startText);
    // True while the insertion shows the dialog.
    [[nodiscard]] bool insertionShown() const { return insertion_; }
    // Empties both offset boxes (the dump-label list does on Esc and on its jumps).
    void EmptyOffsets();

public slots:
    // Done: runs the pending command when all three boxes hold text.
    void Button1Click();
    // Any change of the three boxes: Done is usable exactly while all hold text.
    void EndOfsChange();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // FormClose: however the dialog goes, the pending command ends.
    void hideEvent(QHideEvent* event) override;

private:
    void CreateControls();
    // The keys of the three boxes; true when the key was settled.
    [[nodiscard]] bool BoxKeyPress(QLineEdit& box, const class QKeyEvent& event);
    void SetBox(QLineEdit& box, const std::string& value, const std::string& shown);
    void SetInsertionFace(bool insertion);
    void ReturnKeyboardToEditor();

    Session& session_;
    Prompter& prompter_;
    CurrentDocument& documents_;
    const Cp932Codec& codec_;
    std::function<void(DocRecord&)> tableReloaded_;
    bool insertion_ = false;
    DumpProgressWriter dumpWriter_;

    QFrame* Panel1 = nullptr;
    QLabel* StaticText1 = nullptr;
    QLineEdit* DFile = nullptr;
    QLabel* StaticText2 = nullptr;
    QLineEdit* BegOfs = nullptr;
    QLabel* StaticText3 = nullptr;
    QLineEdit* EndOfs = nullptr;
    QPushButton* Button1 = nullptr;
};

}  // namespace zarvo
