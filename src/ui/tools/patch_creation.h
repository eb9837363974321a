#pragma once
// Making a patch file (IPS or BPS) that turns an unchanged file, chosen by the user,
// into the active document: the chooser, the work on a worker thread with progress
// after half a second, and the notice it ends with.

#include "core/notice.h"
#include "ui/common/prompter.h"

#include <QString>

#include <string>

class QWidget;

namespace zarvo {

struct DocRecord;
struct Session;
class CurrentDocument;

// Reads the unchanged file at unchangedPath and writes the patch; only reads the document.
using PatchCreator = Notice (*)(const DocRecord& doc, const std::string& unchangedPath);

// Does nothing without a document, or when the chooser is cancelled.
void CreatePatchFromChosenFile(const Session& session, Prompter& prompter, CurrentDocument& documents,
                               QWidget* progressParent, const QString& progressLabel, PatchCreator create);

}  // namespace zarvo
