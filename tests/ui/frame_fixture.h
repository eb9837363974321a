#pragma once
// A shown frame with a scripted prompter and a temporary folder for the files a
// test makes. Each test function builds its own. The frame starts in that folder,
// which holds an empty settings file, so the settings file it reads and writes at
// exit is the test's own; the configuration folder is "config" in it. It brings the
// Qt Test pieces and the common controls that every window test drives.

#include "core/session.h"
#include "scripted_prompter.h"
#include "ui/editor/mdi_child.h"
#include "ui/editor/mdi_status_bar.h"
#include "ui/frame/zarvo_form.h"

#include <QAction>
#include <QApplication>
#include <QByteArray>
#include <QCheckBox>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPoint>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QRegion>
#include <QScrollBar>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

class QAbstractItemModel;
class QDialog;

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
    // Presses a frame shortcut that shows `dialog` modally and runs `work` while it is
    // shown; a dialog still shown afterwards is closed. True when `work` left it shown.
    bool whilePressed(QDialog* dialog, QKeyCombination key, const std::function<void()>& work) const;
    // Opens a file through the Open command; the new window, or none.
    TMDIChild* open(const QString& filePath);
    // Opens a file and gives its window the keyboard, as a click on it would.
    TMDIChild* openFocused(const QString& filePath);
    // Writes a file and opens it; a test whose own file does not open stops there.
    TMDIChild* openNew(const QString& name, const QByteArray& bytes);
    // The same, the window given the keyboard.
    TMDIChild* openNewFocused(const QString& name, const QByteArray& bytes);
    // The same, with rows of a fixed width that do not follow the window's.
    TMDIChild* openForKeys(const QString& name, const QByteArray& bytes);
    // Makes an editor window the active one, as a click on its caption would.
    void activate(TMDIChild* editor) const;
    // A key pressed on the frame, made the active window first: menu shortcuts.
    void press(QKeyCombination key) const;
    // The five value panels of the status bar.
    [[nodiscard]] QStringList statusTexts() const;
    // Puts the cursor on a byte as a jump does, and repaints.
    void placeCursor(TMDIChild& editor, int32_t offset) const;
    // True when the cursor is on `offset`, the page shows it and the scroll bar stands at the page.
    [[nodiscard]] bool showsCursorAt(const TMDIChild& editor, int32_t offset) const;
    // Runs the pending paints and other events.
    static void settle();

    Session session;
    ScriptedPrompter prompter;
    QTemporaryDir folder;
    QString startDirectory;  // the working directory before, given back at the end
    std::optional<QByteArray> configHome;  // XDG_CONFIG_HOME before (none: unset), given back at the end
    std::unique_ptr<TZarvoForm> frame;
};

// Helpers of the window tests, apart so that no test's own helper clashes with them.
namespace window_test {

// Runs `open`, which shows `dialog` (nullptr: whichever window it shows modally), and
// `work` while the dialog is shown; a dialog still shown after `work` is closed. True
// when `work` left it shown.
bool WhileShown(QWidget* dialog, const std::function<void()>& open, const std::function<void()>& work);
// Waits until the window is the active one itself (a window also counts as active
// while its tool window is); a test whose window never becomes active stops there.
void WaitActive(const QWidget* window);

// A named child control; a test whose window lacks it stops there.
template <typename Control>
[[nodiscard]] Control* Child(const QObject* parent, const char* name)
{
    auto* found = parent->findChild<Control*>(QString::fromLatin1(name));
    if (found == nullptr) qFatal("no control %s", name);
    return found;
}

// Plays a key script: plain characters are typed as they stand, "{...}" is a key with
// modifiers as QKeySequence writes it ("{Ctrl+Right}", "{Shift+Backtab}"), "{Shift}"
// the Shift key alone.
void PlayKeys(QWidget* target, const QString& script);
// A left click (or another button) without a move in between.
void ClickAt(QWidget* target, QPoint at, Qt::MouseButton button = Qt::LeftButton);
// A left click on a window's named button.
void Click(const QObject* window, const char* name);
// Empties a line edit and types the text into it key by key.
void Retype(QLineEdit* field, const QString& text);
// A wheel turn of `angle` eighths of a degree over the middle of the widget.
void Wheel(QWidget* target, int angle);
// The texts of a list's rows.
[[nodiscard]] QStringList ListLines(const QAbstractItemModel* model);
// The cell where a page row shows byte `offset`: its hexadecimal cell, or its text cell.
[[nodiscard]] ViewCell Cell(TMDIChild& editor, int row, int32_t offset, bool text = false);
// Where that cell lies in the window.
[[nodiscard]] QRect CellRect(TMDIChild& editor, int row, int32_t offset, bool text = false);
// A point in the first third of that cell.
[[nodiscard]] QPoint CellPoint(TMDIChild& editor, int row, int32_t offset, bool text = false);
// The cells of one kind in a page row, left to right.
[[nodiscard]] std::vector<ViewCell> Cells(TMDIChild& editor, int row, CellKind kind);
// The caption as the frame draws it: "name", or "name*" while the document is modified.
[[nodiscard]] QString Caption(const TMDIChild& editor);
// Resizes the editor's sub-window so that its client area has the given size.
void ResizeClient(TMDIChild& editor, int width, int height);

[[nodiscard]] QByteArray Bytes(std::initializer_list<int> values);
// The bytes with `changed` written over them at `at`.
[[nodiscard]] QByteArray WithBytes(QByteArray bytes, int at, const QByteArray& changed);
// The document's fileSize bytes.
[[nodiscard]] QByteArray Content(const DocRecord& doc);

// Records the regions of the paint events a widget receives.
class PaintSpy final : public QObject {
public:
    explicit PaintSpy(QWidget* widget);
    // Everything painted so far.
    [[nodiscard]] QRegion painted() const;

    std::vector<QRegion> regions;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace window_test

// The document an editor window shows, found through its frame's document set; a test
// whose window shows none stops there.
[[nodiscard]] DocRecord& DocumentOf(const TMDIChild* editor);
// bytes[i] = (i * step + start) & 0xFF, a recognisable pattern.
[[nodiscard]] QByteArray PatternBytes(int size, int start = 0, int step = 1);
// The joined texts of the text column of one page row.
[[nodiscard]] QString RowTextColumn(TMDIChild& editor, int row);
// The text of the offset column of one page row.
[[nodiscard]] QString RowOffsetText(TMDIChild& editor, int row);

}  // namespace zarvo
