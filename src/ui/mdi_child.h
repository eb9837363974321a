#pragma once
// The editor window: shows its document as rows of offset, hexadecimal bytes and
// table text. It owns its document record from creation to close. Cells come from
// LayOutRow; the window only paints them, only the rows a paint asks for.

#include "core/document.h"
#include "ui/view_context.h"
#include "view/row_layout.h"

#include <QRect>
#include <QWidget>

#include <functional>
#include <memory>

namespace zarvo {

class TMDIChild final : public QWidget {
    Q_OBJECT
public:
    explicit TMDIChild(ViewContext& context, QWidget* parent = nullptr);
    ~TMDIChild() override;

    [[nodiscard]] DocRecord& document() { return *doc_; }
    [[nodiscard]] const DocRecord& document() const { return *doc_; }
    [[nodiscard]] bool hasData() const { return doc_->hasData(); }

    // Asked before the window closes; false keeps it open.
    void setCloseQuery(std::function<bool()> query) { closeQuery_ = std::move(query); }

    // Repaints the whole window and then the status bar.
    void FormPaint();
    // Repaints two rows of the page (both may be the same); the status bar stays.
    void ShowLine(int first, int second);
    // The blink tick: flips the cursor cell between its two colourings.
    void BlinkTick();
    // Sizes the rows to the window when rows follow the width; rows of rowPixels.
    void FitViewToWindow(int rowPixels);

    // The cells of one row of the page as the next paint draws them.
    [[nodiscard]] const RowLayout& LayOutPageRow(int row);
    [[nodiscard]] QRect rowRect(int row) const;
    [[nodiscard]] QRect blinkRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    [[nodiscard]] bool isCurrentEditor() const;
    [[nodiscard]] bool canPaint() const;
    void ClampTop();
    void PaintRow(class QPainter& painter, int row);
    void PaintCell(QPainter& painter, const ViewCell& cell, int y);
    void PaintBlinkCell(QPainter& painter);
    void ShowStatus();

    ViewContext& context_;
    std::unique_ptr<DocRecord> doc_;
    RowLayout layout_;
    std::function<bool()> closeQuery_;
    bool statusPending_ = false;
};

}  // namespace zarvo
