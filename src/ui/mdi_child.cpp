#include "ui/mdi_child.h"

#include "core/place_cursor.h"
#include "ui/mdi_status_bar.h"
#include "view/status_text.h"
#include "view/view_sizing.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

namespace zarvo {

namespace {

bool IsBlank(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

// The painter's pen and font are set only when a cell needs different ones.
class CellPainter {
public:
    CellPainter(QPainter& painter, const FontTextMeasure& measure) : painter_(painter), measure_(measure) {}

    void paint(const QRect& rect, ColourRef text, ColourRef back, std::string_view bytes, bool unicode)
    {
        // The window's own background has already cleared the painted area to black.
        if (back != kBlack) painter_.fillRect(rect, ToQColor(back));
        if (bytes.empty()) return;
        if (!penSet_ || text != pen_) {
            painter_.setPen(ToQColor(text));
            pen_ = text;
            penSet_ = true;
        }
        if (!fontSet_ || unicode != unicodeFont_) {
            painter_.setFont(measure_.font(unicode));
            unicodeFont_ = unicode;
            fontSet_ = true;
        }
        painter_.drawStaticText(rect.topLeft(), measure_.staticText(bytes, unicode));
    }

private:
    QPainter& painter_;
    const FontTextMeasure& measure_;
    ColourRef pen_ = 0;
    bool penSet_ = false;
    bool unicodeFont_ = false;
    bool fontSet_ = false;
};

}  // namespace

TMDIChild::TMDIChild(ViewContext& context, QWidget* parent)
    : QWidget(parent), context_(context), doc_(std::make_unique<DocRecord>())
{
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setCursor(Qt::ArrowCursor);
}

TMDIChild::~TMDIChild()
{
    if (context_.blinkOwner == this) context_.blinkOwner = nullptr;
}

void TMDIChild::FormPaint()
{
    statusPending_ = true;
    update();
}

void TMDIChild::ShowLine(int first, int second)
{
    update(rowRect(first));
    update(rowRect(second));
}

void TMDIChild::BlinkTick()
{
    if (!canPaint() || context_.blinkOwner != this) return;
    context_.blink.phase = !context_.blink.phase;
    update(blinkRect());
}

void TMDIChild::FitViewToWindow(int rowPixels)
{
    ViewState& view = context_.session.view;
    if (context_.session.settings.autoSizeRows) view.bytesPerRow = BytesPerRowForWidth(width());
    view.pageBytes = RowsForHeight(height(), rowPixels) * view.bytesPerRow;
}

const RowLayout& TMDIChild::LayOutPageRow(int row)
{
    const ViewState& view = context_.session.view;
    const DocRecord& doc = *doc_;
    RowRequest request;
    request.data = doc.data();
    request.limit = doc.data() != nullptr ? doc.viewSize : 0;
    const int64_t rowOffset = static_cast<int64_t>(doc.topOffset) + static_cast<int64_t>(row) * view.bytesPerRow;
    request.rowOffset = static_cast<int32_t>(std::min<int64_t>(rowOffset, std::numeric_limits<int32_t>::max()));
    request.row = row;
    request.bytesPerRow = view.bytesPerRow;
    request.offsetMode = view.offsetMode;
    request.spacedHex = context_.session.settings.spacedHex;
    request.unicodeView = doc.unicodeView;
    request.textMode = doc.textMode;
    request.cursorRow = doc.cursorRow;
    request.cursorColumn = doc.cursorColumn;
    request.clientWidth = width();
    LayOutRow(request, doc.table, context_.colours, context_.measure, layout_);
    return layout_;
}

QRect TMDIChild::rowRect(int row) const
{
    const int height = context_.rowHeight();
    return QRect(0, row * height, width(), height);
}

QRect TMDIChild::blinkRect() const
{
    const BlinkCell& blink = context_.blink;
    const int height = context_.rowHeight();
    return QRect(blink.x, blink.row * height, context_.measure.width(blink.text, blink.unicode), height);
}

bool TMDIChild::isCurrentEditor() const
{
    const auto* subWindow = qobject_cast<const QMdiSubWindow*>(parentWidget());
    if (subWindow == nullptr || subWindow->mdiArea() == nullptr) return true;
    return subWindow->mdiArea()->currentSubWindow() == subWindow;
}

bool TMDIChild::canPaint() const { return context_.session.applicationReady && doc_->hasData(); }

void TMDIChild::ClampTop()
{
    DocRecord& doc = *doc_;
    const int32_t pageBytes = context_.session.view.pageBytes;
    if (doc.topOffset < 0) doc.topOffset = 0;
    if (static_cast<int64_t>(doc.topOffset) + pageBytes > doc.viewSize) doc.topOffset = doc.viewSize - pageBytes;
    // A page larger than the document starts at its beginning.
    if (doc.topOffset < 0) doc.topOffset = 0;
}

void TMDIChild::paintEvent(QPaintEvent* event)
{
    // The background is already black: a window without data shows nothing else.
    if (!canPaint()) return;
    QPainter painter(this);
    // A paint of the cursor cell alone is the blink tick's (or an expose of just that
    // cell): it shows the cell in its current phase. Any larger paint is a normal one.
    if (context_.blinkOwner == this && blinkRect().contains(event->rect())) {
        PaintBlinkCell(painter);
        return;
    }
    ClampTop();
    const int height = context_.rowHeight();
    const int rows = this->height() / height + 1;  // the last one may be cut off
    const QRect area = event->rect();
    const int first = std::max(0, area.top() / height);
    const int last = std::min(rows - 1, area.bottom() / height);
    for (int row = first; row <= last; ++row) {
        if (event->region().intersects(rowRect(row))) PaintRow(painter, row);
    }
    DocRecord& doc = *doc_;
    doc.cursorOffset = doc.topOffset + doc.cursorRow * context_.session.view.bytesPerRow + doc.cursorColumn;
    if (std::exchange(statusPending_, false) || area.contains(rect())) ShowStatus();
}

void TMDIChild::PaintRow(QPainter& painter, int row)
{
    const RowLayout& layout = LayOutPageRow(row);
    const int y = row * context_.rowHeight();
    CellPainter cells(painter, context_.measure);
    for (const ViewCell& cell : layout.cells) {
        const QRect rect(cell.x, y, cell.width, context_.rowHeight());
        cells.paint(rect, cell.colours.text, cell.colours.back, IsBlank(cell.text) ? std::string_view{} : cell.text,
                    cell.unicode);
    }
    if (layout.blink) {
        context_.blink = *layout.blink;
        context_.blink.phase = true;
        context_.blinkOwner = this;
    }
}

void TMDIChild::PaintBlinkCell(QPainter& painter)
{
    const BlinkCell& blink = context_.blink;
    ColourRef text = blink.highText;
    ColourRef back = blink.highBack;
    if (!blink.phase) {
        // In text input only the background blinks.
        text = doc_->textMode ? blink.highText : blink.lowText;
        back = blink.lowBack;
    }
    CellPainter cells(painter, context_.measure);
    cells.paint(blinkRect(), text, back, blink.text, blink.unicode);
}

void TMDIChild::ShowStatus()
{
    const DocRecord& doc = *doc_;
    if (context_.statusBar == nullptr || doc.cursorOffset < 0 || doc.cursorOffset >= doc.viewSize) return;
    context_.statusBar->setValueTexts(StatusTexts(doc.data()[doc.cursorOffset], doc.cursorOffset));
}

void TMDIChild::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!canPaint() || !isCurrentEditor() || !context_.session.settings.autoSizeRows) return;
    FitViewToWindow(context_.rowHeight());
    const ViewState& view = context_.session.view;
    doc_->topOffset = PlaceCursor(*doc_, doc_->cursorOffset, view.bytesPerRow, view.pageBytes);
    FormPaint();
}

void TMDIChild::closeEvent(QCloseEvent* event)
{
    if (closeQuery_ && !closeQuery_()) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace zarvo
