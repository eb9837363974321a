#include "ui/dump/dump_progress_writer.h"

#include "core/document_file.h"
#include "dump/dump_messages.h"
#include "ui/common/background_task.h"

#include <QString>

namespace zarvo {

DumpOutput DumpProgressWriter::output()
{
    const DumpWriter writer = [this](const std::string& path, const DumpProducer& produce) {
        SaveError result = SaveError::CannotWrite;
        const QString label = QString::asprintf(messages::kDumpingProgress, FileNamePart(path).c_str());
        RunWithProgress(parent_, label, [&](TaskProgress& progress) {
            running_ = &progress;
            result = WriteFileReplacing(path, produce);
            running_ = nullptr;
        });
        return result;
    };
    const DumpProgress progress = [this](int64_t done, int64_t total) {
        if (running_ != nullptr) running_->report(done, total);
    };
    return {writer, progress};
}

}  // namespace zarvo
