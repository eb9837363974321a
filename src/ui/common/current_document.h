#pragma once
// What every command, tool window and dialog acts on: the document of the active
// editor window. Nothing else reaches a document, and nothing holds a window to do so.
//
// Long work (a search, a compare, a dump) keeps the document as a std::weak_ptr and
// locks it afresh after each time it let window events run: the document of a window
// closed meanwhile is gone, the lock fails, and the work stops.

#include "view/key_editing.h"

#include <QObject>

#include <cstdint>
#include <memory>

namespace zarvo {

struct DocRecord;

class CurrentDocument : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The active editor window's document while it holds data; null otherwise.
    [[nodiscard]] virtual std::shared_ptr<DocRecord> document() const = 0;
    // Puts the document's cursor on offset (the page kept inside the document) and
    // repaints its window.
    virtual void jumpTo(DocRecord& doc, int32_t offset) = 0;
    // Repaints what an edit of the document changed, as the result names it.
    virtual void showEdit(DocRecord& doc, const EditResult& result) = 0;
    // Repaints the document's window whole, after a command rewrote the document.
    virtual void repaint(DocRecord& doc) = 0;

signals:
    // A document is about to go away with its window.
    void documentClosing(const DocRecord* doc);
};

// The document chosen before a modal exchange, while it is still the active one.
[[nodiscard]] inline std::shared_ptr<DocRecord> StillCurrent(const std::weak_ptr<DocRecord>& chosen,
                                                             const CurrentDocument& documents)
{
    std::shared_ptr<DocRecord> doc = chosen.lock();
    return doc != nullptr && doc == documents.document() ? doc : nullptr;
}

}  // namespace zarvo
