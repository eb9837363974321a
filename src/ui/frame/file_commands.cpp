#include "ui/frame/file_commands.h"

#include "core/document_edit.h"
#include "core/document_file.h"
#include "core/messages.h"
#include "core/open_sequence.h"
#include "core/recent_files.h"
#include "core/session.h"
#include "ui/common/qt_text.h"
#include "ui/frame/document_windows.h"

#include <QAction>
#include <QDir>
#include <QMenu>

#include <memory>

namespace zarvo {

namespace {

QString AllFilesFilter() { return QStringLiteral("All files (*.*)"); }

QString CaptionFor(const std::string& path) { return FromPath(FileNamePart(path)); }

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
    RecentFiles1 = AddSubMenu(&file, "RecentFiles1", tr("Recent &Files"), tr("Open one of the files opened last"));
    FillRecentFilesMenu();
    connect(Open1, &QAction::triggered, this, &FileCommands::Open1Click);
    connect(SaveFile1, &QAction::triggered, this, &FileCommands::SaveFile1Click);
    connect(SaveFileAs, &QAction::triggered, this, &FileCommands::SaveFileAsClick);
    editorItems.insert(editorItems.end(), {SaveFile1, SaveFileAs});
}

void FileCommands::Open1Click()
{
    const std::optional<QString> path =
        prompter_.chooseOpenFile(tr("Open File for Editing"), FromPath(session_.currentDirectory), AllFilesFilter());
    if (!path || path->isEmpty()) return;
    OpenDocument(*path);
}

void FileCommands::OpenDocument(const QString& path)
{
    auto doc = std::make_shared<DocRecord>();
    const std::string file = ToPath(path);
    OpenChoices choices;
    choices.removeSavestateHeader = [this] {
        return prompter_.askYesNo(Text(messages::kSavestateQuestion), Text(messages::kSavestateCaption),
                                  MessageIcon::Question);
    };
    const OpenOutcome opened = OpenDocumentSequence(*doc, session_.tables, file, choices);
    // A file that cannot be read still gets its window, empty: it paints nothing and
    // closes normally.
    windows_.addWindow(doc, CaptionFor(file));
    RememberRecentFile(file, opened.error == OpenError::None);
    if (opened.error != OpenError::None) {
        prompter_.showMessage(Text(messages::kCannotOpenFile));
    } else {
        session_.currentDirectory = ToPath(QDir::currentPath());
        if (opened.table == TableLoadResult::OutOfMemory) prompter_.showMessage(Text(messages::kTableAllocation));
    }
    emit documentsChanged();
}

bool FileCommands::SaveDocument(DocRecord& doc)
{
    if (!doc.hasData() || doc.fileName.empty()) return true;
    if (SaveDocumentFile(doc) != SaveError::None) {
        prompter_.showMessage(Text(messages::kProblemWriting));
        return false;
    }
    prompter_.showMessage(Text(messages::kSavedSuccessfully));
    MarkDocumentSaved(doc);
    doc.diskStamp = StampOf(doc.fileName).value_or(FileStamp{});
    windows_.repaint(doc);
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
    const std::optional<QString> path = prompter_.chooseSaveFile(tr("Save File As"), QString(), AllFilesFilter());
    if (!path || path->isEmpty()) return;
    if (SaveDocumentAs(*doc, ToPath(*path)) != SaveError::None) {
        prompter_.showMessage(Text(messages::kProblemWriting));
        return;
    }
    prompter_.showMessage(Text(messages::kSavedSuccessfully));
    MarkDocumentSaved(*doc);
    doc->diskStamp = StampOf(doc->fileName).value_or(FileStamp{});
    windows_.setCaption(*doc, CaptionFor(doc->fileName));
    windows_.repaint(*doc);
    emit documentsChanged();
}

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
    if (!ChangedOnDisk(doc)) return;
    // Asked once for this change: the answer, whatever it is, takes the file as it is now.
    doc.diskStamp = StampOf(doc.fileName).value_or(FileStamp{});
    const QString question = QString::asprintf(messages::kFileChangedQuestion, doc.fileName.c_str());
    if (!prompter_.askYesNo(question, Text(messages::kFileChangedCaption), MessageIcon::Question)) return;
    if (ReloadDocument(doc).error != OpenError::None) {
        prompter_.showMessage(Text(messages::kCannotOpenFile));
        return;
    }
    windows_.repaint(doc);
    emit documentsChanged();
}

}  // namespace zarvo
