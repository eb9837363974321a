#include "ui/frame/file_commands.h"

#include "core/document_edit.h"
#include "core/document_file.h"
#include "core/messages.h"
#include "core/open_sequence.h"
#include "core/recent_files.h"
#include "core/session.h"
#include "ui/common/background_task.h"
#include "ui/common/chooser_start.h"
#include "ui/common/qt_text.h"
#include "ui/editor/mdi_child.h"
#include "ui/frame/document_windows.h"

#include <QAction>
#include <QDir>
#include <QMdiSubWindow>
#include <QMenu>

#include <memory>
#include <utility>

namespace zarvo {

namespace {

QString AllFilesFilter() { return QStringLiteral("All files (*.*)"); }

QString CaptionFor(const std::string& path) { return FromPath(FileNamePart(path)); }

// The open failure's message, and on its second line the path and why it failed.
QString OpenFailureText(const std::string& path, const InputFailure& failure)
{
    return Text(messages::kCannotOpenFile) + QLatin1Char('\n') + FromPath(InputFailureText(failure, path));
}

}  // namespace

FileCommands::FileCommands(Session& session, Prompter& prompter, DocumentWindows& windows, QObject* parent)
    : QObject(parent),
      session_(session),
      prompter_(prompter),
      windows_(windows)
{
    session_.recentFilesPath = RecentFilesPathBeside(session_.settingsPath);
    session_.recentFiles = ReadRecentFiles(session_.recentFilesPath);
}

void FileCommands::AddMenuItems(QMenu& file, EditorItems& editorItems)
{
    Open1 = AddMenuAction(&file, "Open1", tr("&Open File for Editing..."), QKeySequence(tr("Ctrl+O")),
                          tr("Open a file for editing"));
    SaveFile1 = AddMenuAction(&file, "SaveFile1", tr("&Save File..."), QKeySequence(tr("Ctrl+S")),
                              tr("Write the file back to disk"));
    SaveFileAs = AddMenuAction(&file, "SaveFileAs", tr("Save File &As"), QKeySequence(tr("Ctrl+A")),
                               tr("Write the file under a new name"));
    Close1 = AddMenuAction(&file, "Close1", tr("&Close"), QKeySequence(tr("Ctrl+F4")), tr("Close the active window"));
    Close1->setShortcuts({QKeySequence(tr("Ctrl+F4")), QKeySequence(tr("Ctrl+W"))});
    RecentFiles1 = AddSubMenu(&file, "RecentFiles1", tr("Recent &Files"), tr("Open one of the files opened last"));
    FillRecentFilesMenu();
    connect(Open1, &QAction::triggered, this, &FileCommands::Open1Click);
    connect(SaveFile1, &QAction::triggered, this, &FileCommands::SaveFile1Click);
    connect(SaveFileAs, &QAction::triggered, this, &FileCommands::SaveFileAsClick);
    connect(Close1, &QAction::triggered, this, &FileCommands::Close1Click);
    editorItems.insert(editorItems.end(), {SaveFile1, SaveFileAs, Close1});
}

void FileCommands::Open1Click()
{
    const std::shared_ptr<DocRecord> active = windows_.document();
    const std::optional<QString> path =
        prompter_.chooseOpenFile(tr("Open File for Editing"), ChooserFolder(session_, active.get()), AllFilesFilter());
    if (!path || path->isEmpty()) return;
    OpenDocument(*path);
}

void FileCommands::OpenDocument(const QString& path)
{
    const std::string file = ToPath(path);
    // One file, one window: a file already open is shown where it is.
    if (QMdiSubWindow* shown = windows_.windowOfFile(file)) {
        RememberRecentFile(file, true);
        windows_.activate(shown);
        // Opened again because it changed on disk, perhaps: it is offered to be read again.
        if (TMDIChild* editor = DocumentWindows::editorIn(shown)) CheckFileOnDisk(editor->document());
        emit documentsChanged();
        return;
    }
    auto doc = std::make_shared<DocRecord>();
    OpenChoices choices;
    choices.removeSavestateHeader = [this] {
        return prompter_.askYesNo(Text(messages::kSavestateQuestion), Text(messages::kSavestateCaption),
                                  MessageIcon::Question);
    };
    const OpenOutcome opened = OpenDocumentSequence(*doc, session_.tables, file, choices);
    RememberRecentFile(file, opened.error == OpenError::None);
    // A file that cannot be read gets no window: the message says why.
    if (opened.error != OpenError::None) {
        prompter_.showMessage(OpenFailureText(file, opened.failure));
        return;
    }
    windows_.addWindow(doc, CaptionFor(file));
    session_.currentDirectory = ToPath(QDir::currentPath());
    if (opened.table == TableLoadResult::OutOfMemory) prompter_.showMessage(Text(messages::kTableAllocation));
    emit documentsChanged();
}

SaveError FileCommands::WriteDocument(DocRecord& doc, const std::string& path)
{
    SaveError result = SaveError::CannotWrite;
    const bool wasSaving = std::exchange(saving_, true);
    const QString label = QString::asprintf(messages::kSavingProgress, FileNamePart(path).c_str());
    RunWithProgress(qobject_cast<QWidget*>(parent()), label, [&](TaskProgress& progress) {
        result = WriteDocumentTo(doc, path, [&progress](std::size_t done, std::size_t total) {
            progress.report(static_cast<int64_t>(done), static_cast<int64_t>(total));
        });
    });
    // Before any window is activated again, which looks whether the file changed.
    if (result == SaveError::None) MarkAsFileContent(doc, path);
    saving_ = wasSaving;
    return result;
}

QString FileCommands::SavedText(const DocRecord& doc) const
{
    QString text = Text(messages::kSavedSuccessfully);
    if (const int32_t unsaved = ChangedBytesPastFileEnd(doc); unsaved > 0) {
        text += QLatin1Char('\n') + QString::asprintf(messages::kChangedPastEndNotSaved, unsaved);
    }
    return text;
}

void FileCommands::AfterSave(DocRecord& doc)
{
    prompter_.showMessage(SavedText(doc));
    windows_.repaint(doc);
}

bool FileCommands::SaveDocument(DocRecord& doc)
{
    if (!doc.hasData() || doc.fileName.empty()) return true;
    if (WriteDocument(doc, doc.fileName) != SaveError::None) {
        prompter_.showMessage(Text(messages::kProblemWriting));
        return false;
    }
    AfterSave(doc);
    return true;
}

void FileCommands::SaveFile1Click()
{
    if (const std::shared_ptr<DocRecord> doc = windows_.document()) (void)SaveDocument(*doc);
}

void FileCommands::SaveFileAsClick()
{
    const std::shared_ptr<DocRecord> doc = windows_.document();
    if (doc == nullptr || doc->fileName.empty()) return;
    const std::optional<QString> path =
        prompter_.chooseSaveFile(tr("Save File As"), ChooserSuggestion(session_, doc.get()), AllFilesFilter());
    if (!path || path->isEmpty()) return;
    const std::string target = ToPath(*path);
    if (WriteDocument(*doc, target) != SaveError::None) {
        prompter_.showMessage(Text(messages::kProblemWriting));
        return;
    }
    AfterSave(*doc);
    windows_.setCaption(*doc, CaptionFor(doc->fileName));
    emit documentsChanged();
}

void FileCommands::Close1Click() { windows_.closeActive(); }

bool FileCommands::EditorCloseQuery(DocRecord& doc)
{
    if (!doc.modified) return true;
    const QString question = QString::asprintf(messages::kModifiedQuestion, doc.fileName.c_str());
    switch (prompter_.askYesNoOrDismiss(question, Text(messages::kModifiedCaption), MessageIcon::Question)) {
    case Answer::No:
        return true;
    case Answer::Dismissed:
        // Esc or the box's close button: nothing is saved and nothing is lost.
        return false;
    case Answer::Yes:
        break;
    }
    // When the save fails the window stays open, so the changes are not lost.
    return SaveDocument(doc);
}

void FileCommands::RememberRecentFile(const std::string& path, bool opened)
{
    // A file that cannot be opened any more leaves the list.
    session_.recentFiles =
        opened ? WithRecentFile(session_.recentFiles, path) : WithoutRecentFile(session_.recentFiles, path);
    // The list is a convenience: a folder that cannot be written keeps it for this run.
    (void)WriteRecentFiles(session_.recentFilesPath, session_.recentFiles);
    FillRecentFilesMenu();
}

void FileCommands::FillRecentFilesMenu()
{
    if (RecentFiles1 == nullptr) return;
    RecentFiles1->clear();
    for (std::size_t index = 0; index < session_.recentFiles.size(); ++index) {
        const QString path = FromPath(session_.recentFiles[index]);
        QAction* item = RecentFiles1->addAction(
            QStringLiteral("&%1 %2").arg(index + 1).arg(QString(path).replace(QLatin1Char('&'), QStringLiteral("&&"))));
        item->setObjectName(QStringLiteral("RecentFile%1").arg(index + 1));
        connect(item, &QAction::triggered, this, [this, path] { OpenDocument(path); });
    }
    RecentFiles1->menuAction()->setEnabled(!session_.recentFiles.empty());
}

void FileCommands::CheckFileOnDisk(DocRecord& doc)
{
    if (saving_ || !ChangedOnDisk(doc)) return;
    // Asked once for this change: the answer, whatever it is, takes the file as it is now.
    TakeDiskStamp(doc);
    const char* form = doc.modified ? messages::kFileChangedOverEditsQuestion : messages::kFileChangedQuestion;
    const QString question = QString::asprintf(form, doc.fileName.c_str());
    if (!prompter_.askYesNo(question, Text(messages::kFileChangedCaption), MessageIcon::Question)) return;
    if (const OpenOutcome read = ReloadDocument(doc); read.error != OpenError::None) {
        prompter_.showMessage(OpenFailureText(doc.fileName, read.failure));
        return;
    }
    windows_.repaint(doc);
    emit documentsChanged();
}

}  // namespace zarvo
