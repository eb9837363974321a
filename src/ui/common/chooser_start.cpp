#include "ui/common/chooser_start.h"

#include "core/document.h"
#include "core/document_file.h"
#include "ui/common/qt_text.h"

namespace zarvo {

namespace {

[[nodiscard]] bool HasFile(const DocRecord* doc) { return doc != nullptr && !doc->fileName.empty(); }

}  // namespace

QString ChooserFolder(const Session& session, const DocRecord* doc)
{
    if (HasFile(doc)) return FromPath(FolderPart(doc->fileName));
    return FromPath(session.openFolder.empty() ? session.currentDirectory : session.openFolder);
}

QString ChooserSuggestion(const Session& session, const DocRecord* doc, std::string_view extension)
{
    if (!HasFile(doc)) return ChooserFolder(session, doc);
    return FromPath(extension.empty() ? doc->fileName : PathWithExtension(doc->fileName, extension));
}

}  // namespace zarvo
