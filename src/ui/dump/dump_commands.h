#pragma once
// The Edit menu's goto, bookmark, dump, insertion and fill commands: Goto Offset,
// Jump Offset List, Save Bookmark, Save Dump Bookmark (F2), Dump Text (F10), Dump
// Binary Data (F11), Dump From List, Insert Binary Data and BYTE Fill (F4); the script
// commands go in front of Insert Binary Data. The
// dump dialog and the Goto dialog are created once here and reused; the two-press
// keys also work while the dump dialog has the keyboard.

#include "core/cp932.h"
#include "dump/dump_range.h"
#include "ui/common/menu_actions.h"
#include "ui/common/prompter.h"
#include "ui/dump/dump_progress_writer.h"

#include <QObject>

#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace zarvo {

struct DocRecord;
struct Session;
class CurrentDocument;
class TDumpForm;
class TJumpForm;

class DumpCommands final : public QObject {
    Q_OBJECT
public:
    // tableReloaded runs after a bookmark or dump label was appended to doc's table
    // file and the table read again: the menus and the window follow the new lines.
    DumpCommands(Session& session, Prompter& prompter, CurrentDocument& documents,
                 std::function<void(DocRecord&)> tableReloaded, QWidget* dialogParent);

    void AddMenuItems(QMenu& edit, EditorItems& editorItems);
    // Dump From List is usable exactly while the table holds dump labels.
    void UpdateMenuItems();

    // Dumps the chosen dump-label lines (entries of the session's dumpLabels, as the
    // table file holds them) of the active document, top to bottom, to files named
    // after the labels with ".dat" (binary) or ".txt" (text). Only the last dump
    // announces its success; failures are told as they come, and a line that is no
    // label is skipped.
    void DumpFromList(const std::vector<std::string>& lines, DumpKind kind);
    // Empties the dump dialog's offset boxes, as the dump-label list does on Esc and
    // on its jumps.
    void EmptyDumpOffsets();

    [[nodiscard]] TDumpForm* dumpDialog() const { return DumpForm; }
    [[nodiscard]] TJumpForm* gotoDialog() const { return JumpForm; }

public slots:
    void Jump1Click();
    void JumpList1Click();
    void Bookmark1Click();
    void SaveDumpBookmarkData1Click();
    void DumpTextClick();
    void DumpRawClick();
    void BinaryDump1Click();
    void TextDump1Click();
    void InsertBINARYData1Click();
    void BYTEfill1Click();

signals:
    // Dump From List: the dump-label list is to be shown modally in its mode 1
    // (binary) or 2 (text) with this caption, several lines selectable; its choice
    // comes back through DumpFromList.
    void dumpListRequested(int listMode, const QString& caption);

private:
    void DumpKey(DumpKind kind);
    void RequestDumpList(DumpKind kind);
    [[nodiscard]] int32_t CursorOf(const DocRecord& doc) const;

    Session& session_;
    Prompter& prompter_;
    CurrentDocument& documents_;
    std::function<void(DocRecord&)> tableReloaded_;
    Cp932Codec codec_;  // bookmark and label names are in the table's encoding
    TDumpForm* DumpForm = nullptr;
    TJumpForm* JumpForm = nullptr;
    QMenu* DumpFromList1 = nullptr;
    DumpProgressWriter dumpWriter_;
};

}  // namespace zarvo
