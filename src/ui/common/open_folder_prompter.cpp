#include "ui/common/open_folder_prompter.h"

#include "ui/common/qt_text.h"

#include <QFileInfo>

namespace zarvo {

std::optional<QString> OpenFolderPrompter::chooseOpenFile(const QString& caption, const QString& directory,
                                                          const QString& filter)
{
    std::optional<QString> chosen = inner_.chooseOpenFile(caption, directory, filter);
    if (chosen && !chosen->isEmpty()) session_.openFolder = ToPath(QFileInfo(*chosen).absolutePath());
    return chosen;
}

}  // namespace zarvo
