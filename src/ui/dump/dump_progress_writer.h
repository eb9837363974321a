#pragma once
// Dumps written on a worker thread: the windows stay painted while a large dump and
// its file's sync take their time, and a progress window follows the dumped range
// when the dump takes longer than half a second.

#include "dump/dump_file.h"

class QWidget;

namespace zarvo {

class TaskProgress;

class DumpProgressWriter {
public:
    explicit DumpProgressWriter(QWidget* parent) : parent_(parent) {}

    // The writer and the progress that go together; valid while this object lives.
    [[nodiscard]] DumpOutput output();

private:
    QWidget* parent_;
    TaskProgress* running_ = nullptr;  // the progress of the dump being written, on its thread
};

}  // namespace zarvo
