#pragma once
// A shown frame with a scripted prompter and a temporary folder for the files a
// test makes. Each test function builds its own. The frame starts in that folder,
// so the settings file it reads and writes at exit is the test's own.

#include "core/session.h"
#include "scripted_prompter.h"
#include "ui/editor/mdi_child.h"
#include "ui/editor/mdi_status_bar.h"
#include "ui/frame/zarvo_form.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class QAction;

namespace zarvo {

struct FrameFixture {
    FrameFixture();
    ~FrameFixture();

    [[nodiscard]] QString path(const QString& name) const { return folder.filePath(name); }
    // Writes bytes to a file in the folder and returns its path.
    QString writeFile(const QString& name, const QByteArray& bytes) const;
    [[nodiscard]] QByteArray readFile(const QString& name) const;

    [[nodiscard]] QAction* action(const char* name) const;
    void trigger(const char* name) const;
    // Triggers a command that shows a window modally; work runs inside it, and the
    // window still shown afterwards is closed. Checks belong after the call.
    void triggerModal(const char* name, const std::function<void()>& work) const;
    // Opens a file through the Open command; the new window, or none.
    TMDIChild* open(const QString& filePath);
    // Opens a file and gives its window the keyboard, as a click on it would.
    TMDIChild* openFocused(const QString& filePath);
    // Runs the pending paints and other events.
    static void settle();

    Session session;
    ScriptedPrompter prompter;
    QTemporaryDir folder;
    QString startDirectory;  // the working directory before, given back at the end
    std::unique_ptr<TZarvoForm> frame;
};

// bytes[i] = (i * step + start) & 0xFF, a recognisable pattern.
[[nodiscard]] QByteArray PatternBytes(int size, int start = 0, int step = 1);
// The joined texts of the text column of one page row.
[[nodiscard]] QString RowTextColumn(TMDIChild& editor, int row);
// The text of the offset column of one page row.
[[nodiscard]] QString RowOffsetText(TMDIChild& editor, int row);

}  // namespace zarvo
