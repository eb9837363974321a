#include "frame_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>

namespace zarvo {

FrameFixture::FrameFixture() : startDirectory(QDir::currentPath())
{
    QDir::setCurrent(folder.path());
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
    QTimer::singleShot(0, frame.get(), [&work] {
        QWidget* modal = QApplication::activeModalWidget();
        work();
        if (modal != nullptr && modal->isVisible()) modal->close();
    });
    trigger(name);
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

void FrameFixture::settle()
{
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

QByteArray PatternBytes(int size, int start, int step)
{
    QByteArray bytes(size, '\0');
    for (int index = 0; index < size; ++index) bytes[index] = static_cast<char>((index * step + start) & 0xFF);
    return bytes;
}

QString RowTextColumn(TMDIChild& editor, int row)
{
    QString joined;
    for (const ViewCell& cell : editor.LayOutPageRow(row).cells) {
        if (cell.kind == CellKind::Text) joined += QString::fromLatin1(cell.text.c_str());
    }
    return joined;
}

QString RowOffsetText(TMDIChild& editor, int row)
{
    for (const ViewCell& cell : editor.LayOutPageRow(row).cells) {
        if (cell.kind == CellKind::Offset) return QString::fromLatin1(cell.text.c_str());
    }
    return {};
}

}  // namespace zarvo
