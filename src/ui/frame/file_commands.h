#pragma once
// The File menu's document commands: Open, Save, Save As and Close, and the question
// asked before a modified document's window closes. A file already open is shown in
// its window rather than opened twice; a file that cannot be opened leaves no window.

#include "core/output_file.h"
#include "ui/common/menu_actions.h"
#include "ui/common/prompter.h"

#include <QObject>

#include <string>

class QAction;
class QMenu;

namespace zarvo {

struct DocRecord;
struct Session;
class DocumentWindows;

class FileCommands final : public QObject {
    Q_OBJECT
public:
    FileCommands(Session& session, Prompter& prompter, DocumentWindows& windows, QObject* parent = nullptr);

    // Open1, SaveFile1, SaveFileAs, Close1 and the Recent Files submenu.
    void AddMenuItems(QMenu& file, EditorItems& editorItems);

    // Writes the document back to its file; false when that failed (the message was shown).
    [[nodiscard]] bool SaveDocument(DocRecord& doc);
    // Asked before a window closes: false keeps it open.
    [[nodiscard]] bool EditorCloseQuery(DocRecord& doc);
    // The document's window became active: when its file changed on disk since it was
    // read or saved, asks whether to read it again (once for each change). Reading it
    // is one step of the document's undo history.
    void CheckFileOnDisk(DocRecord& doc);
    // Opens a file as Open does, without the chooser.
    void OpenDocument(const QString& path);

public slots:
    void Open1Click();
    void SaveFile1Click();
    void SaveFileAsClick();
    void Close1Click();

signals:
    // A document was opened, read again or renamed: menus and the table captions follow it.
    void documentsChanged();

private:
    // Writes doc to path on a worker thread while the windows stay painted (a long
    // write shows its progress); on success MarkAsFileContent: path is its file.
    [[nodiscard]] SaveError WriteDocument(DocRecord& doc, const std::string& path);
    // The save message, with the changed bytes past the file's end that were not written.
    [[nodiscard]] QString SavedText(const DocRecord& doc) const;
    void AfterSave(DocRecord& doc);
    void RememberRecentFile(const std::string& path, bool opened);
    void FillRecentFilesMenu();

    Session& session_;
    Prompter& prompter_;
    DocumentWindows& windows_;
    bool saving_ = false;  // the file on disk changes under the save: it is not asked about
    QAction* Open1 = nullptr;
    QAction* SaveFile1 = nullptr;
    QAction* SaveFileAs = nullptr;
    QAction* Close1 = nullptr;
    QMenu* RecentFiles1 = nullptr;
};

}  // namespace zarvo
