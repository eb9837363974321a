#include "dump/binary_insertion.h"

#include "core/document_edit.h"
#include "core/hex_text.h"
#include "dump/dump_messages.h"
#include "dump/dump_range.h"

#include <algorithm>
#include <climits>
#include <fcntl.h>
#include <span>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zarvo {

const char* InsertionRefusal(const DumpState& state)
{
    switch (state.mode) {
    case DumpMode::BinaryStarted:
    case DumpMode::TextStarted:
    case DumpMode::LabelStarted:
    case DumpMode::FillStarted:
        return messages::kInsertWhilePending;
    case DumpMode::Idle:
    case DumpMode::NoFileName:
    case DumpMode::CannotCreate:
        break;
    }
    return nullptr;
}

bool InsertionFile::open(const std::string& path)
{
    path_ = path;
    size_ = 0;
    // Without blocking: a FIFO chosen by mistake must not hang the editor.
    file_.emplace(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (!file_->valid() || fstat(file_->get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > INT32_MAX) {
        file_.reset();
        return false;
    }
    size_ = static_cast<int32_t>(info.st_size);
    return true;
}

Notice InsertionFile::openFailure() const { return PlainNotice(std::string(messages::kCannotOpenInsertFile) + path_); }

bool InsertionFile::holds(int32_t count) const
{
    struct stat info {};
    return file_ && fstat(file_->get(), &info) == 0 && info.st_size >= count;
}

bool InsertionFile::read(int64_t offset, uint8_t* into, std::size_t count) const
{
    if (!file_ || lseek(file_->get(), offset, SEEK_SET) != offset) return false;
    return ReadFully(file_->get(), into, count);
}

std::string InsertionStartText(int32_t position) { return FormatHex(static_cast<uint32_t>(position), 0); }

InsertionPlan PlanInsertion(std::string_view startText, int32_t fileSize, const DocRecord& doc)
{
    InsertionPlan plan;
    const int64_t position = ReadDialogOffset(startText);
    if (position >= doc.viewSize) {
        plan.refusal = messages::kInsertPastEnd;
        return plan;
    }
    plan.position = static_cast<int32_t>(position);
    plan.count = std::max(fileSize, 0);
    const int32_t room = doc.viewSize - plan.position;
    if (plan.count > room) {
        plan.countQuestion = messages::kInsertCountQuestion;
        plan.countQuestion.replace(plan.countQuestion.find("%d"), 2, std::to_string(room));
        plan.countQuestion.replace(plan.countQuestion.find("%d"), 2, std::to_string(plan.count));
        plan.count = room;
    }
    return plan;
}

Notice InsertFileBytes(DocRecord& doc, const InsertionFile& file, const InsertionPlan& plan)
{
    if (plan.refusal != nullptr) return PlainNotice(plan.refusal);
    const Notice unreadable = PlainNotice(std::string(messages::kCannotReadInsertFile) + file.path());
    if (!file.holds(plan.count)) return unreadable;
    // In pieces, so that a large file never needs a second buffer of its size.
    constexpr int32_t kPiece = 1 << 20;
    std::vector<uint8_t> piece(static_cast<std::size_t>(std::clamp(plan.count, 0, kPiece)));
    // The whole insertion is one undo step, however many pieces it takes.
    const EditStep step(doc);
    for (int32_t done = 0; done < plan.count;) {
        const int32_t count = std::min(kPiece, plan.count - done);
        if (!file.read(done, piece.data(), static_cast<std::size_t>(count))) return unreadable;
        (void)OverwriteBytes(doc, plan.position + done,
                             std::span<const uint8_t>(piece.data(), static_cast<std::size_t>(count)));
        done += count;
    }
    return PlainNotice(messages::kInserted);
}

}  // namespace zarvo
