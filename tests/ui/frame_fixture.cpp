#include "frame_fixture.h"

#include "ui/frame/document_windows.h"
#include "ui/settings/tcol_form.h"
#include "view/cursor_geometry.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPaintEvent>
#include <QWheelEvent>

namespace zarvo {

FrameFixture::FrameFixture()
    : startDirectory(QDir::currentPath()),
      configHome(qEnvironmentVariableIsSet("XDG_CONFIG_HOME") ? std::optional(qgetenv("XDG_CONFIG_HOME"))
                                                              : std::nullopt)
{
    QDir::setCurrent(folder.path());
    // The settings stay in the test's folder, and none reaches the user's own.
    writeFile(QStringLiteral("zv32ex.ini"), {});
    qputenv("XDG_CONFIG_HOME", path(QStringLiteral("config")).toLocal8Bit());
    frame = std::make_unique<TZarvoForm>(session, prompter);
    frame->resize(900, 700);
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
}

FrameFixture::~FrameFixture()
{
    frame.reset();
    settle();
    QDir::setCurrent(startDirectory);
    if (configHome) {
        qputenv("XDG_CONFIG_HOME", *configHome);
    } else {
        qunsetenv("XDG_CONFIG_HOME");
    }
}

QString FrameFixture::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("cannot write test file");
    return file.fileName();
}

QByteArray FrameFixture::readFile(const QString& name) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QAction* FrameFixture::action(const char* name) const
{
    auto* found = frame->findChild<QAction*>(QString::fromLatin1(name));
    if (found == nullptr) qFatal("no menu item %s", name);
    return found;
}

void FrameFixture::trigger(const char* name) const
{
    action(name)->trigger();
    settle();
}

void FrameFixture::triggerModal(const char* name, const std::function<void()>& work) const
{
    (void)window_test::WhileShown(
        nullptr, [this, name] { trigger(name); }, work);
}

bool FrameFixture::whilePressed(QDialog* dialog, QKeyCombination key, const std::function<void()>& work) const
{
    return window_test::WhileShown(
        dialog, [this, key] { press(key); }, work);
}

TMDIChild* FrameFixture::open(const QString& filePath)
{
    prompter.files.push_back(filePath);
    trigger("Open1");
    return frame->activeEditor();
}

TMDIChild* FrameFixture::openFocused(const QString& filePath)
{
    TMDIChild* editor = open(filePath);
    if (editor == nullptr) return nullptr;
    frame->activateWindow();
    editor->setFocus();
    settle();
    return editor;
}

TMDIChild* FrameFixture::openNew(const QString& name, const QByteArray& bytes)
{
    TMDIChild* editor = open(writeFile(name, bytes));
    if (editor == nullptr) qFatal("no window for %s", qPrintable(name));
    return editor;
}

TMDIChild* FrameFixture::openNewFocused(const QString& name, const QByteArray& bytes)
{
    TMDIChild* editor = openFocused(writeFile(name, bytes));
    if (editor == nullptr) qFatal("no window for %s", qPrintable(name));
    return editor;
}

TMDIChild* FrameFixture::openForKeys(const QString& name, const QByteArray& bytes)
{
    frame->colForm()->fixedRow()->setChecked(false);
    return openNewFocused(name, bytes);
}

void FrameFixture::activate(TMDIChild* editor) const
{
    frame->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(editor->parentWidget()));
    settle();
}

void FrameFixture::press(QKeyCombination key) const
{
    // Shortcuts reach the frame once it is the active window again (the offscreen
    // platform may leave a hidden dialog active).
    frame->activateWindow();
    window_test::WaitActive(frame.get());
    QTest::keyClick(frame.get(), key.key(), key.keyboardModifiers());
    settle();
}

QStringList FrameFixture::statusTexts() const
{
    QStringList texts;
    for (int panel = 0; panel < 5; ++panel) texts << frame->statusPanels()->panelText(panel);
    return texts;
}

void FrameFixture::placeCursor(TMDIChild& editor, int32_t offset) const
{
    DocumentOf(&editor).topOffset = CursorGeometry(session.view).PlaceCursor(DocumentOf(&editor), offset);
    editor.FormPaint();
    settle();
}

bool FrameFixture::showsCursorAt(const TMDIChild& editor, int32_t offset) const
{
    const DocRecord& doc = DocumentOf(&editor);
    return doc.cursorOffset == offset && doc.topOffset <= offset && offset < doc.topOffset + session.view.pageBytes &&
           editor.scrollBar()->value() == doc.topOffset;
}

void FrameFixture::settle()
{
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

namespace window_test {

bool WhileShown(QWidget* dialog, const std::function<void()>& open, const std::function<void()>& work)
{
    bool ran = false;
    bool stillShown = false;
    // Polled, since `open` may run events of its own before the dialog shows.
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        QWidget* shown = dialog != nullptr ? dialog : QApplication::activeModalWidget();
        if (shown == nullptr || !shown->isVisible()) return;
        poll.stop();
        work();
        ran = true;
        stillShown = shown->isVisible();
        if (stillShown) shown->close();
    });
    poll.start();
    open();
    FrameFixture::settle();
    poll.stop();
    if (!ran) qFatal("the dialog was not shown");
    return stillShown;
}

void WaitActive(const QWidget* window)
{
    if (!QTest::qWaitFor([window] { return QApplication::activeWindow() == window; })) qFatal("not activated");
}

void PlayKeys(QWidget* target, const QString& script)
{
    for (qsizetype at = 0; at < script.size(); ++at) {
        if (script[at] != QLatin1Char('{')) {
            QTest::keyClick(target, script[at].toLatin1());
            continue;
        }
        const qsizetype end = script.indexOf(QLatin1Char('}'), at);
        const QString name = script.mid(at + 1, end - at - 1);
        at = end;
        if (name == QLatin1String("Shift")) {
            QTest::keyClick(target, Qt::Key_Shift, Qt::ShiftModifier);
            continue;
        }
        const QKeyCombination key = QKeySequence(name)[0];
        if (key.key() == Qt::Key_unknown) qFatal("no key %s", qPrintable(name));
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
    }
    FrameFixture::settle();
}

void ClickAt(QWidget* target, QPoint at, Qt::MouseButton button)
{
    QTest::mouseMove(target, at);
    QTest::mouseClick(target, button, Qt::NoModifier, at);
    FrameFixture::settle();
}

void Click(const QObject* window, const char* name)
{
    QTest::mouseClick(Child<QAbstractButton>(window, name), Qt::LeftButton);
}

void Retype(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

void Wheel(QWidget* target, int angle)
{
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
    FrameFixture::settle();
}

QStringList ListLines(const QAbstractItemModel* model)
{
    QStringList lines;
    for (int row = 0; row < model->rowCount(); ++row) lines << model->index(row, 0).data().toString();
    return lines;
}

std::vector<ViewCell> Cells(TMDIChild& editor, int row, CellKind kind)
{
    std::vector<ViewCell> cells;
    for (const ViewCell& cell : editor.LayOutPageRow(row).cells) {
        if (cell.kind == kind) cells.push_back(cell);
    }
    return cells;
}

ViewCell Cell(TMDIChild& editor, int row, int32_t offset, bool text)
{
    for (const ViewCell& cell : Cells(editor, row, text ? CellKind::Text : CellKind::Hex)) {
        if (cell.byteOffset == offset) return cell;
    }
    qFatal("no cell for offset %d on row %d", offset, row);
    return {};
}

QRect CellRect(TMDIChild& editor, int row, int32_t offset, bool text)
{
    const QRect rowRect = editor.rowRect(row);
    const ViewCell cell = Cell(editor, row, offset, text);
    return QRect(cell.x, rowRect.top(), cell.width, rowRect.height());
}

QString Caption(const TMDIChild& editor)
{
    const QWidget* window = editor.parentWidget();
    return window->windowTitle().replace(QStringLiteral("[*]"), window->isWindowModified() ? "*" : "");
}

QPoint CellPoint(TMDIChild& editor, int row, int32_t offset, bool text)
{
    const QRect cell = CellRect(editor, row, offset, text);
    return QPoint(cell.left() + cell.width() / 3, cell.center().y());
}

void ResizeClient(TMDIChild& editor, int width, int height)
{
    QWidget* frame = editor.parentWidget();
    frame->resize(frame->width() - editor.width() + width, frame->height() - editor.height() + height);
    FrameFixture::settle();
}

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (const int value : values) bytes.append(static_cast<char>(value));
    return bytes;
}

QByteArray WithBytes(QByteArray bytes, int at, const QByteArray& changed)
{
    bytes.replace(at, changed.size(), changed);
    return bytes;
}

QByteArray Content(const DocRecord& doc) { return QByteArray(reinterpret_cast<const char*>(doc.data()), doc.fileSize); }

PaintSpy::PaintSpy(QWidget* widget) { widget->installEventFilter(this); }

QRegion PaintSpy::painted() const
{
    QRegion all;
    for (const QRegion& region : regions) all += region;
    return all;
}

bool PaintSpy::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) regions.push_back(static_cast<QPaintEvent*>(event)->region());
    return QObject::eventFilter(watched, event);
}

}  // namespace window_test

QByteArray PatternBytes(int size, int start, int step)
{
    QByteArray bytes(size, '\0');
    for (int index = 0; index < size; ++index) bytes[index] = static_cast<char>((index * step + start) & 0xFF);
    return bytes;
}

DocRecord& DocumentOf(const TMDIChild* editor)
{
    const auto* subWindow = editor != nullptr ? qobject_cast<const QMdiSubWindow*>(editor->parentWidget()) : nullptr;
    const auto* windows = subWindow != nullptr ? subWindow->window()->findChild<DocumentWindows*>() : nullptr;
    const std::shared_ptr<DocRecord> doc = windows != nullptr ? windows->documentIn(subWindow) : nullptr;
    if (doc == nullptr) qFatal("no document in the window");
    return *doc;
}

QString RowTextColumn(TMDIChild& editor, int row)
{
    QString joined;
    for (const ViewCell& cell : window_test::Cells(editor, row, CellKind::Text)) {
        joined += QString::fromLatin1(cell.text.c_str());
    }
    return joined;
}

QString RowOffsetText(TMDIChild& editor, int row)
{
    const std::vector<ViewCell> offset = window_test::Cells(editor, row, CellKind::Offset);
    return offset.empty() ? QString() : QString::fromLatin1(offset.front().text.c_str());
}

}  // namespace zarvo
