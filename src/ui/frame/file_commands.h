#pragma once
// The File menu's document commands: Open, Save and Save As, and the question asked
// before a modified document's window closes.

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

    // Open1, SaveFile1, SaveFileAs and the Recent Files submenu.
    void AddMenuItems(QMenu& file, EditorItems& editorItems);

    // Writes the document back to its file; false when that failed (the message was shown).
    [[nodiscard]] bool SaveDocument(DocRecord& doc);
    // Asked before a window closes: false keeps it open.
    [[nodiscard]] bool EditorCloseQuery(DocRecord& doc);
    // The document's window became active: when its file changed on disk since it was
    // read or saved, asks whether to read it again (once for each change).
    void CheckFileOnDisk(DocRecord& doc);
    // Opens a file as Open does, without the chooser.
    void OpenDocument(const QString& path);

public slots:
    void Open1Click();
    void SaveFile1Click();
    void SaveFileAsClick();

signals:
    // A document was opened or renamed: menus and the table captions follow it.
    void documentsChanged();

private:
    void RememberRecentFile(const std::string& path, bool opened);
    void FillRecentFilesMenu();

    Session& session_;
    Prompter& prompter_;
    DocumentWindows& windows_;
    QAction* Open1 = nullptr;
    QAction* SaveFile1 = nullptr;
    QAction* SaveFileAs = nullptr;
    QMenu* RecentFiles1 = nullptr;
};

}  // namespace zarvo
