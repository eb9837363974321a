#pragma once
// The frame's document set: one document per editor window, created and closed with
// it. It makes the editor windows in the MDI area, finds the active one, and is the
// CurrentDocument every command and tool window acts through. The frame reaches a
// window's document only here.

#include "ui/common/editor_windows.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QMdiArea;
class QMdiSubWindow;

namespace zarvo {

struct DocRecord;
struct ViewContext;
class TMDIChild;

class DocumentWindows final : public EditorWindows {
    Q_OBJECT
public:
    // Asked before a window closes; false keeps it open.
    using CloseQuery = std::function<bool(DocRecord&)>;

    DocumentWindows(QMdiArea& area, ViewContext& context, QObject* parent = nullptr);
    ~DocumentWindows() override;

    void setCloseQuery(CloseQuery query) { closeQuery_ = std::move(query); }

    // Makes the editor window of doc, sized for rows of 16 bytes with their text (or
    // maximised when the active window is), places it inside the visible workspace
    // and shows it.
    TMDIChild* addWindow(std::shared_ptr<DocRecord> doc, const QString& caption);
    // The window whose document is the file at path (under any of its names), or none.
    [[nodiscard]] QMdiSubWindow* windowOfFile(const std::string& path) const;
    // Makes a window the active one, restoring it when it is minimised.
    void activate(QMdiSubWindow* subWindow);
    // Closes the active editor window (its document asks about unsaved changes).
    void closeActive();
    void setCaption(const DocRecord& doc, const QString& caption);

    // The shown editor windows (a closed one stays listed, hidden, until it is deleted).
    [[nodiscard]] std::vector<QMdiSubWindow*> subWindows() const;
    [[nodiscard]] std::vector<TMDIChild*> editors() const;
    [[nodiscard]] TMDIChild* activeEditor() const;
    [[nodiscard]] TMDIChild* editorOf(const DocRecord& doc) const;
    [[nodiscard]] static TMDIChild* editorIn(QMdiSubWindow* subWindow);
    // The document shown in a sub-window while it holds data; null otherwise.
    [[nodiscard]] std::shared_ptr<DocRecord> documentIn(const QMdiSubWindow* subWindow) const;
    // Closes every editor window, each asking about its changes; false when one stayed.
    [[nodiscard]] bool closeAll();

    // Set for a document whose table was read as it opened: its window's first
    // activation need not read it again.
    [[nodiscard]] bool takeFreshlyOpened(const DocRecord& doc);

    [[nodiscard]] std::shared_ptr<DocRecord> document() const override;
    void jumpTo(DocRecord& doc, int32_t offset) override;
    void showEdit(DocRecord& doc, const EditResult& result) override;
    void repaint(DocRecord& doc) override;

    [[nodiscard]] std::vector<QWidget*> editorWidgets() const override;
    [[nodiscard]] QWidget* activeEditorWidget() const override;
    void fitActiveToWindow() override;
    void repaintAll() override;

signals:
    // A window showed its document anew (after an edit, a command, a repaint).
    void documentShown();

private:
    struct Entry {
        std::shared_ptr<DocRecord> doc;
        QPointer<QMdiSubWindow> subWindow;
        const QObject* key = nullptr;  // the sub-window, still known while it is destroyed
        TMDIChild* editor = nullptr;
        bool freshlyOpened = false;
    };

    void forget(QObject* subWindow);
    [[nodiscard]] const Entry* entryOf(const DocRecord& doc) const;
    [[nodiscard]] QPoint placementFor(QMdiSubWindow& subWindow) const;
    [[nodiscard]] QSize sizeFor(const QMdiSubWindow& subWindow, const DocRecord& doc) const;

    QMdiArea& area_;
    ViewContext& context_;
    CloseQuery closeQuery_;
    std::vector<Entry> entries_;
};

}  // namespace zarvo
