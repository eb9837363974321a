#pragma once
// The editor window: shows its document as rows of offset, hexadecimal bytes and
// table text, and turns keys, clicks, drags, the wheel and its scroll bar VScrl into
// calls of the editing logic: moves, typing, the selection and its copy and paste
// through the clipboard (Ctrl+Insert, Ctrl+Shift+Insert, Shift+Insert). It is a view
// of one document of the frame's set. Cells come from LayOutRow; the window only
// paints them, only the rows a paint asks for.
// While the tile editor is on, the window shows the tile sheet instead and hands its
// keys, pointer and wheel to it (ViewContext::tileInput, a ViewTakeover).

#include "core/document.h"
#include "ui/editor/editor_input.h"
#include "ui/editor/view_context.h"
#include "view/key_editing.h"
#include "view/mouse_placement.h"
#include "view/row_layout.h"
#include "view/view_sizing.h"

#include <QPoint>
#include <QRect>
#include <QWidget>

#include <functional>
#include <memory>

class QScrollBar;

namespace zarvo {

class TMDIChild final : public QWidget {
    Q_OBJECT
public:
    TMDIChild(ViewContext& context, DocRecord& doc, QWidget* parent = nullptr);
    ~TMDIChild() override;

    [[nodiscard]] bool hasData() const { return doc_.hasData(); }
    // The vertical scroll bar along the left edge; it shows topOffset.
    [[nodiscard]] QScrollBar* scrollBar() const { return VScrl; }

    // Asked before the window closes; false keeps it open.
    void setCloseQuery(std::function<bool()> query) { closeQuery_ = std::move(query); }

    // Repaints the whole window and then the status bar.
    void FormPaint();
    // Repaints two rows of the page (both may be the same); the status bar stays.
    void ShowLine(int first, int second);
    // The blink tick: flips the cursor cell between its two colourings.
    void BlinkTick();
    // Sizes the rows to the window when rows follow the width, and the page to the
    // rows of the view font that fit; the cursor keeps its byte on the page.
    void FitViewToWindow();
    // Shows what an edit changed: the rows or the window it names, the status bar,
    // and the scroll bar at topOffset.
    void ShowEdit(const EditResult& result);

    // The cells of one row of the page as the next paint draws them.
    [[nodiscard]] const RowLayout& LayOutPageRow(int row) const;
    [[nodiscard]] QRect rowRect(int row) const;
    [[nodiscard]] QRect blinkRect() const;

signals:
    // The window showed its document anew after an edit or a repaint: menus, the
    // caption's modified mark and the like follow it.
    void documentShown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // Tab and Shift+Tab belong to the input-mode menu items, never to the focus chain.
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] bool isCurrentEditor() const;
    [[nodiscard]] bool canPaint() const;
    [[nodiscard]] bool showsSheet() const;
    void PointerOverSheet(const QMouseEvent& event);
    void RefreshBlinkCell();
    [[nodiscard]] RowWidths rowWidths() const;
    void PaintRow(class QPainter& painter, int row) const;
    void PaintBlinkCell(QPainter& painter);
    void ShowStatus();
    void SyncScrollBar();
    void RecordMouse(const QPoint& position);
    void ClipboardKeyPressed(ClipboardKey key);
    void VScrlScroll(int sliderAction);
    void WheelTurned(QWheelEvent* event);

    ViewContext& context_;
    DocRecord& doc_;            // owned by the frame's document set, which outlives the window
    mutable RowLayout layout_;  // storage reused by every row laid out
    std::function<bool()> closeQuery_;
    QScrollBar* VScrl = nullptr;
    bool leftPressed_ = false;
    QPoint pressPosition_;
    MouseDrag drag_;          // a selection a drag with the left button makes
    int wheelRemainder_ = 0;  // angle delta not yet turned into rows
    RowWidths fittedWidths_;  // the widths the view was last fitted to the window with
};

}  // namespace zarvo
