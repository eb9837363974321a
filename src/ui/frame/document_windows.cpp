#include "ui/frame/document_windows.h"

#include "core/document.h"
#include "ui/editor/mdi_child.h"
#include "ui/editor/view_context.h"
#include "view/jump.h"

#include <QAction>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

namespace zarvo {

namespace {

constexpr int kCascadeStep = 24;  // each new window a title bar lower and to the right
// A new window shows rows of this many bytes with their text, and this many rows.
constexpr int kBytesShown = 16;
constexpr int kRowsShown = 16;

}  // namespace

DocumentWindows::DocumentWindows(QMdiArea& area, ViewContext& context, QObject* parent)
    : CurrentDocument(parent),
      area_(area),
      context_(context)
{}

DocumentWindows::~DocumentWindows()
{
    for (Entry& entry : entries_) {
        if (entry.subWindow) entry.subWindow->disconnect(this);
    }
}

TMDIChild* DocumentWindows::addWindow(std::shared_ptr<DocRecord> doc, const QString& caption)
{
    const QMdiSubWindow* previous = area_.currentSubWindow();
    const bool maximized = previous != nullptr && previous->isMaximized();
    auto* editor = new TMDIChild(context_, *doc);
    DocRecord* record = doc.get();
    editor->setCloseQuery([this, record] { return !closeQuery_ || closeQuery_(*record); });
    editor->setWindowTitle(caption + QStringLiteral("[*]"));
    QMdiSubWindow* subWindow = area_.addSubWindow(editor, Qt::SubWindow | Qt::CustomizeWindowHint |
                                                              Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    subWindow->setAttribute(Qt::WA_DeleteOnClose);
    // Ctrl+F4 and Ctrl+W belong to the File menu's Close; the window's own menu keeps
    // its Close item without them, so that the keys are not claimed twice.
    if (const QMenu* own = subWindow->systemMenu()) {
        for (QAction* item : own->actions()) {
            if (item->shortcuts().contains(QKeySequence(QKeySequence::Close))) item->setShortcuts({});
        }
    }
    subWindow->setWindowTitle(caption + QStringLiteral("[*]"));
    subWindow->resize(sizeFor(*subWindow, *record));
    subWindow->move(placementFor(*subWindow));
    entries_.push_back({std::move(doc), subWindow, subWindow, editor, record->hasData()});
    connect(subWindow, &QObject::destroyed, this, &DocumentWindows::forget);
    // The caption carries the modified mark ("game.smc*") while the document differs
    // from its file.
    connect(editor, &TMDIChild::documentShown, this, [this, subWindow, record] {
        subWindow->setWindowModified(record->modified);
        emit documentShown();
    });
    if (maximized) {
        subWindow->showMaximized();
    } else {
        subWindow->show();
    }
    emit windowsChanged();
    return editor;
}

QSize DocumentWindows::sizeFor(const QMdiSubWindow& subWindow, const DocRecord& doc) const
{
    // Rows of 16 bytes with their text column, measured with the view's fonts, inside
    // the window's frame; never larger than the visible workspace.
    const RowWidths widths = context_.rowWidths(doc.unicodeView, context_.session.settings.spacedHex);
    const QMargins frame = subWindow.contentsMargins();
    const QSize wanted(widths.fixed + kBytesShown * widths.perByte + frame.left() + frame.right(),
                       kRowsShown * context_.rowHeight() + frame.top() + frame.bottom());
    return area_.isVisible() ? wanted.boundedTo(area_.viewport()->size()) : wanted;
}

QPoint DocumentWindows::placementFor(QMdiSubWindow& subWindow) const
{
    // Cascade from the top left corner; a window that would reach past the visible
    // workspace starts the cascade again at the corner.
    const QRect visible = area_.viewport()->rect();
    const int windows = static_cast<int>(subWindows().size());
    const int stepsThatFit = std::min((visible.width() - subWindow.width()) / kCascadeStep,
                                      (visible.height() - subWindow.height()) / kCascadeStep);
    const int step = stepsThatFit > 0 ? windows % (stepsThatFit + 1) : 0;
    return QPoint(step * kCascadeStep, step * kCascadeStep);
}

void DocumentWindows::forget(QObject* subWindow)
{
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [subWindow](const Entry& entry) { return entry.key == subWindow; });
    if (found == entries_.end()) return;
    // Taken out of the set first, so nothing finds it while the listeners run.
    const std::shared_ptr<DocRecord> doc = std::move(found->doc);
    entries_.erase(found);
    emit documentClosing(doc.get());
    // Counted again once the window is gone for good.
    QMetaObject::invokeMethod(this, &DocumentWindows::windowsChanged, Qt::QueuedConnection);
}

void DocumentWindows::setCaption(const DocRecord& doc, const QString& caption)
{
    const Entry* entry = entryOf(doc);
    if (entry == nullptr || !entry->subWindow) return;
    entry->editor->setWindowTitle(caption + QStringLiteral("[*]"));
    entry->subWindow->setWindowTitle(caption + QStringLiteral("[*]"));
    entry->subWindow->setWindowModified(entry->doc->modified);
}

std::vector<QMdiSubWindow*> DocumentWindows::subWindows() const
{
    std::vector<QMdiSubWindow*> windows;
    for (QMdiSubWindow* subWindow : area_.subWindowList()) {
        if (editorIn(subWindow) != nullptr && !subWindow->isHidden()) windows.push_back(subWindow);
    }
    return windows;
}

std::vector<TMDIChild*> DocumentWindows::editors() const
{
    std::vector<TMDIChild*> editors;
    for (QMdiSubWindow* subWindow : subWindows()) editors.push_back(editorIn(subWindow));
    return editors;
}

TMDIChild* DocumentWindows::editorIn(QMdiSubWindow* subWindow)
{
    return subWindow == nullptr ? nullptr : qobject_cast<TMDIChild*>(subWindow->widget());
}

TMDIChild* DocumentWindows::activeEditor() const
{
    QMdiSubWindow* current = area_.currentSubWindow();
    if (current == nullptr || current->isHidden()) return nullptr;
    return editorIn(current);
}

TMDIChild* DocumentWindows::editorOf(const DocRecord& doc) const
{
    const Entry* entry = entryOf(doc);
    return entry == nullptr || !entry->subWindow ? nullptr : entry->editor;
}

const DocumentWindows::Entry* DocumentWindows::entryOf(const DocRecord& doc) const
{
    for (const Entry& entry : entries_) {
        if (entry.doc.get() == &doc) return &entry;
    }
    return nullptr;
}

QMdiSubWindow* DocumentWindows::windowOfFile(const std::string& path) const
{
    for (const Entry& entry : entries_) {
        std::error_code error;
        if (entry.subWindow && entry.doc->hasData() && std::filesystem::equivalent(entry.doc->fileName, path, error)) {
            return entry.subWindow;
        }
    }
    return nullptr;
}

void DocumentWindows::activate(QMdiSubWindow* subWindow)
{
    if (subWindow->isMinimized()) subWindow->showNormal();
    area_.setActiveSubWindow(subWindow);
}

void DocumentWindows::closeActive()
{
    if (QMdiSubWindow* current = area_.currentSubWindow(); current != nullptr && !current->isHidden()) current->close();
}

bool DocumentWindows::takeFreshlyOpened(const DocRecord& doc)
{
    for (Entry& entry : entries_) {
        if (entry.doc.get() == &doc) return std::exchange(entry.freshlyOpened, false);
    }
    return false;
}

bool DocumentWindows::closeAll()
{
    for (;;) {
        const std::vector<QMdiSubWindow*> windows = subWindows();
        if (windows.empty()) return true;
        if (!windows.front()->close()) return false;
        QCoreApplication::processEvents();
    }
}

void DocumentWindows::repaintAll()
{
    for (TMDIChild* editor : editors()) editor->FormPaint();
}

std::shared_ptr<DocRecord> DocumentWindows::document() const
{
    const TMDIChild* editor = activeEditor();
    if (editor == nullptr) return nullptr;
    for (const Entry& entry : entries_) {
        if (entry.editor == editor) return entry.doc != nullptr && entry.doc->hasData() ? entry.doc : nullptr;
    }
    return nullptr;
}

void DocumentWindows::jumpTo(DocRecord& doc, int32_t offset)
{
    // With the sheet showing, the repaint draws it afresh from the new offset.
    JumpTo(doc, context_.session, offset);
    repaint(doc);
}

void DocumentWindows::showEdit(DocRecord& doc, const EditResult& result)
{
    if (TMDIChild* editor = editorOf(doc)) editor->ShowEdit(result);
}

void DocumentWindows::repaint(DocRecord& doc)
{
    if (TMDIChild* editor = editorOf(doc)) editor->FormPaint();
}

}  // namespace zarvo
