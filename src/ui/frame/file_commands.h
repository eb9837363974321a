#pragma once
// The File menu's document commands: Open, Save and Save As, and the question asked
// before a modified document's window closes.

#include "ui/common/menu_actions.h"
#include "ui/common/prompter.h"

#include <QObject>

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

    // Open1, SaveFile1 and SaveFileAs.
    void AddMenuItems(QMenu& file, EditorItems& editorItems);

    // Writes the document back to its file; false when that failed (the message was shown).
    [[nodiscard]] bool SaveDocument(DocRecord& doc);
    // Asked before a window closes: false keeps it open.
    [[nodiscard]] bool EditorCloseQuery(DocRecord& doc);

public slots:
    void Open1Click();
    void SaveFile1Click();
    void SaveFileAsClick();

signals:
    // A document was opened or renamed: menus and the table captions follow it.
    void documentsChanged();

private:
    void OpenDocument(const QString& path);

    Session& session_;
    Prompter& prompter_;
    DocumentWindows& windows_;
    QAction* Open1 = nullptr;
    QAction* SaveFile1 = nullptr;
    QAction* SaveFileAs = nullptr;
};

}  // namespace zarvo
