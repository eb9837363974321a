#pragma once
// The table editor and table maker (TTMForm): a table handled as a list of text
// lines. Entries are typed as KEY=text into TblVal and added with Enter, which
// proposes the next key; Japanese characters are picked from the Shift-JIS grid.
// The list is opened from and saved to table files, and closing offers the saved
// file as the active document's table. Created once by the frame, shown modally.

#include "core/cp932.h"
#include "core/session.h"
#include "core/table_editor_lines.h"
#include "core/table_key_counter.h"
#include "ui/common/prompter.h"

#include <QDialog>
#include <QFont>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QRadioButton;
class QScrollBar;

namespace zarvo {

struct DocRecord;
class ShiftJisGridView;
class TableLineList;
class CurrentDocument;

// What the table editor needs from the frame.
struct TableEditorHost {
    // Loads path as the active document's Table #1 (slot 0) or #2 (slot 1) without a
    // dialog and renames its swap item.
    std::function<void(int slot, const std::string& path)> loadTable;
    std::function<void()> showHelp;
};

class TTMForm final : public QDialog {
    Q_OBJECT
public:
    TTMForm(Session& session, Prompter& prompter, CurrentDocument& documents, TableEditorHost host,
            QWidget* parent = nullptr);
    ~TTMForm() override;

    // Mode 1: editing the active document's table, saved to fileName (empty for the
    // built-in ASCII table, which is then saved to a file the user picks).
    void PrepareEditor(const std::string& fileName);
    // Mode 0: a new table from an empty list.
    void PrepareMaker();
    // Mode 2: a new table from prepared lines (byte strings), the first one selected.
    void PrepareLines(const std::vector<std::string>& lines);

    // How the window was opened, kept in the session.
    [[nodiscard]] TableEditorMode mode() const { return session_.dialogs.tableEditor; }
    [[nodiscard]] const std::string& editFileName() const { return editFileName_; }
    // The list's lines as the table file holds them.
    [[nodiscard]] const std::vector<std::string>& TableLines() const { return lines_.lines(); }
    [[nodiscard]] const KeyCounterState& keyCounter() const { return keyCounter_; }

public slots:
    void OpenTableFile1Click();
    void SaveTableFile1Click();
    void SortTableList1Click();
    // Every way of closing (Exit, Esc, the close box) passes here.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls(QWidget* client);
    void CreateMenu(QMenuBar* bar);
    void FormShow();
    void FormCloseQuery();
    void TblValEnter();
    void CopyLineToValue(int row);
    void PlaceValueAt(int row);
    void GridPick(uint16_t code);
    void SetCharacterSet(uint16_t firstCode);
    void FillList(std::vector<std::string> lines);
    void UpdateCaption();
    void FocusValueAtEnd();
    [[nodiscard]] QString Decode(const std::string& bytes) const;
    [[nodiscard]] std::string Encode(const QString& text) const;

    Session& session_;
    Prompter& prompter_;
    CurrentDocument& documents_;
    TableEditorHost host_;
    Cp932Codec codec_;
    std::string editFileName_;
    TableEditorLines lines_;
    KeyCounterState keyCounter_;
    QFont gridFont;

    QLabel* StaticText1 = nullptr;
    QLineEdit* TblVal = nullptr;
    TableLineList* TblList = nullptr;
    QGroupBox* Symbols = nullptr;
    QRadioButton* Puncs = nullptr;
    QRadioButton* AscJap = nullptr;
    QRadioButton* Hira = nullptr;
    QRadioButton* Kata = nullptr;
    ShiftJisGridView* jGrid = nullptr;
    QScrollBar* TScrl = nullptr;

    QAction* OpenTableFile1 = nullptr;
    QAction* SaveTableFile1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* SortTableList1 = nullptr;
    QAction* RevINC = nullptr;
    QAction* HelpTopics1 = nullptr;
};

}  // namespace zarvo
