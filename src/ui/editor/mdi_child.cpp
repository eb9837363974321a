#include "ui/editor/mdi_child.h"

#include "ui/common/prompter.h"
#include "ui/common/qt_text.h"
#include "ui/common/view_takeover.h"
#include "ui/editor/clipboard_transfer.h"
#include "ui/editor/mdi_status_bar.h"
#include "view/cursor_geometry.h"
#include "view/scroll_mapping.h"
#include "view/selection.h"
#include "view/selection_keys.h"
#include "view/status_text.h"
#include "view/text_input.h"
#include "view/view_resize.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

namespace zarvo {

namespace {

constexpr int kWheelNotch = 120;       // angle delta of one notch of a mouse wheel
constexpr int kRowsPerWheelNotch = 3;  // each row one line step of the scroll bar

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

TMDIChild::TMDIChild(ViewContext& context, DocRecord& doc, QWidget* parent)
    : QWidget(parent),
      context_(context),
      doc_(doc)
{
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::StrongFocus);
    // Every move is recorded, not only drags: a click acts on the last record.
    setMouseTracking(true);

    VScrl = new QScrollBar(Qt::Vertical, this);
    VScrl->setObjectName(QStringLiteral("VScrl"));
    // Keys belong to the window; the bar never takes the focus or acts on a key.
    VScrl->setFocusPolicy(Qt::NoFocus);
    VScrl->setGeometry(0, 0, kScrollBarWidth, height());
    VScrl->installEventFilter(this);
    // Shown with the document's first page: a window without data shows nothing.
    VScrl->hide();
    connect(VScrl, &QScrollBar::actionTriggered, this, &TMDIChild::VScrlScroll);
}

TMDIChild::~TMDIChild()
{
    if (context_.blinkOwner == this) context_.blinkOwner = nullptr;
}

void TMDIChild::FormPaint()
{
    emit documentShown();
    if (showsSheet()) {
        // The tile editor has the window: no scroll bar, the sheet drawn afresh.
        VScrl->hide();
        context_.tileInput->refresh(*this, doc_, isCurrentEditor());
        return;
    }
    update();
    if (!canPaint()) return;
    // Rows that follow the width are refitted when their cells' widths changed since
    // (a table of wider characters loaded, the Unicode view switched).
    if (context_.session.settings.autoSizeRows && isCurrentEditor() && rowWidths() != fittedWidths_) {
        FitViewToWindow();
    }
    // Every full repaint keeps the page inside the document and puts cursorOffset on
    // the cursor's cell before anything is drawn; painting itself changes nothing.
    CursorGeometry(context_.session.view).SettleFullPaint(doc_);
    RefreshBlinkCell();
    SyncScrollBar();
    ShowStatus();
}

void TMDIChild::ShowEdit(const EditResult& result)
{
    emit documentShown();
    if (showsSheet()) {
        if (result.repaint != Repaint::Nothing) FormPaint();
        return;
    }
    switch (result.repaint) {
    case Repaint::Nothing:
        return;
    case Repaint::Status:
        ShowStatus();
        break;
    case Repaint::Rows:
        ShowLine(result.firstRow, result.secondRow);
        ShowStatus();
        break;
    case Repaint::Full:
        FormPaint();
        break;
    }
    SyncScrollBar();
}

void TMDIChild::SyncScrollBar()
{
    const ScrollRange range = ScrollRangeFor(doc_, context_.session.view);
    // Set from here, the bar must not report a move of its own: while its thumb is
    // held, a new value would otherwise come back as a drag to that value.
    const QSignalBlocker quiet(VScrl);
    VScrl->show();
    VScrl->setRange(range.minimum, range.maximum);
    VScrl->setSingleStep(range.singleStep);
    VScrl->setPageStep(range.pageStep);
    VScrl->setValue(doc_.topOffset);
}

void TMDIChild::ShowLine(int first, int second)
{
    if (showsSheet()) {
        FormPaint();
        return;
    }
    if (canPaint()) {
        CursorGeometry(context_.session.view).SettleCursorOffset(doc_);
        RefreshBlinkCell();
    }
    update(rowRect(first));
    update(rowRect(second));
}

void TMDIChild::RefreshBlinkCell()
{
    // The cell the blink timer redraws is the cursor cell of the current input mode.
    const RowLayout& layout = LayOutPageRow(doc_.cursorRow);
    if (layout.blink) {
        context_.blink = *layout.blink;
        context_.blink.phase = true;
        context_.blinkOwner = this;
    } else if (context_.blinkOwner == this) {
        context_.blinkOwner = nullptr;
    }
}

void TMDIChild::BlinkTick()
{
    if (!canPaint() || showsSheet() || context_.blinkOwner != this) return;
    context_.blink.phase = !context_.blink.phase;
    update(blinkRect());
}

void TMDIChild::FitViewToWindow()
{
    fittedWidths_ = rowWidths();
    FitViewToArea(doc_, context_.session, ClientArea{width(), height(), fittedWidths_});
}

RowWidths TMDIChild::rowWidths() const
{
    return context_.rowWidths(doc_.unicodeView, context_.session.settings.spacedHex, &doc_.table);
}

const RowLayout& TMDIChild::LayOutPageRow(int row) const
{
    LayOutRow(PageRowRequest(doc_, context_.session, row, width()), doc_.table, context_.colours, context_.measure,
              layout_);
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

bool TMDIChild::canPaint() const { return context_.session.applicationReady && doc_.hasData(); }

bool TMDIChild::showsSheet() const { return context_.tileInput != nullptr && context_.tileInput->takesOver(); }

void TMDIChild::paintEvent(QPaintEvent* event)
{
    // The background is already black: a window without data shows nothing else.
    if (!canPaint()) return;
    QPainter painter(this);
    if (showsSheet()) {
        context_.tileInput->paint(painter, *this, doc_, isCurrentEditor());
        return;
    }
    // A paint of the cursor cell alone is the blink tick's (or an expose of just that
    // cell): it shows the cell in its current phase. Any larger paint is a normal one.
    if (context_.blinkOwner == this && blinkRect().contains(event->rect())) {
        PaintBlinkCell(painter);
        return;
    }
    const int height = context_.rowHeight();
    const int rows = this->height() / height + 1;  // the last one may be cut off
    const QRect area = event->rect();
    const int first = std::max(0, area.top() / height);
    const int last = std::min(rows - 1, area.bottom() / height);
    for (int row = first; row <= last; ++row) {
        if (event->region().intersects(rowRect(row))) PaintRow(painter, row);
    }
}

void TMDIChild::PaintRow(QPainter& painter, int row) const
{
    const RowLayout& layout = LayOutPageRow(row);
    const int y = row * context_.rowHeight();
    CellPainter cells(painter, context_.measure);
    for (const ViewCell& cell : layout.cells) {
        const QRect rect(cell.x, y, cell.width, context_.rowHeight());
        cells.paint(rect, cell.colours.text, cell.colours.back, IsBlank(cell.text) ? std::string_view{} : cell.text,
                    cell.unicode);
        if (cell.trailingBlank > 0) {
            cells.paint(QRect(cell.x + cell.width, y, cell.trailingBlank, context_.rowHeight()), cell.colours.text,
                        cell.trailingBack, {}, false);
        }
    }
}

void TMDIChild::PaintBlinkCell(QPainter& painter)
{
    const BlinkCell& blink = context_.blink;
    ColourRef text = blink.highText;
    ColourRef back = blink.highBack;
    if (!blink.phase) {
        // In text input only the background blinks.
        text = doc_.textMode ? blink.highText : blink.lowText;
        back = blink.lowBack;
    }
    CellPainter cells(painter, context_.measure);
    cells.paint(blinkRect(), text, back, blink.text, blink.unicode);
}

void TMDIChild::ShowStatus()
{
    const DocRecord& doc = doc_;
    // The panels describe the active window's cursor and selection, never those of a
    // window repainted behind it (a new font or offset form repaints them all).
    if (context_.statusBar == nullptr || !isCurrentEditor()) return;
    const std::optional<ByteRange> selected = SelectedRange(doc);
    context_.statusBar->setSelectionText(selected ? Text(SelectionStatusText(*selected)) : QString());
    if (doc.cursorOffset < 0 || doc.cursorOffset >= doc.viewSize) return;
    context_.statusBar->setValueTexts(StatusTexts(doc.data()[doc.cursorOffset], doc.cursorOffset));
}

void TMDIChild::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    VScrl->setGeometry(0, 0, kScrollBarWidth, height());
    if (showsSheet()) {
        // The sheet stretches over whatever the window's size is.
        update();
        return;
    }
    // The view settings are the program's: only the active window sizes them.
    if (!canPaint() || !isCurrentEditor()) return;
    fittedWidths_ = rowWidths();
    ShowEdit(ResizeView(doc_, context_.session, ClientArea{width(), height(), fittedWidths_}));
}

void TMDIChild::closeEvent(QCloseEvent* event)
{
    if (closeQuery_ && !closeQuery_()) {
        event->ignore();
        return;
    }
    event->accept();
}

void TMDIChild::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    if (showsSheet()) {
        context_.tileInput->keyPressed(*event);
        return;
    }
    // The frame's menu items take Tab and Shift+Tab; whatever gets here is dropped.
    if (IsInputModeKey(*event) || !canPaint()) return;
    if (const std::optional<ClipboardKey> clipboardKey = ClipboardKeyFor(*event)) {
        ClipboardKeyPressed(*clipboardKey);
        return;
    }
    Session& session = context_.session;
    ShowEdit(SelectingKeyDown(doc_, session, height(), StrokeFor(*event)));
    for (const std::string& character : TypedCharacters(*event, context_.codec)) {
        ShowEdit(KeyPress(doc_, session, height(), character));
    }
}

void TMDIChild::ClipboardKeyPressed(ClipboardKey key)
{
    switch (key) {
    case ClipboardKey::CopyHex:
    case ClipboardKey::CopyTableText:
        // In text input Ctrl+Insert copies what that input pastes back: the text column.
        CopyToClipboard(doc_, context_, key == ClipboardKey::CopyTableText || doc_.textMode);
        return;
    case ClipboardKey::Paste: {
        const ClipboardPaste paste = PasteFromClipboard(doc_, context_);
        ShowEdit(paste.result);
        if (!paste.notice.isEmpty() && context_.prompter != nullptr) context_.prompter->showMessage(paste.notice);
        return;
    }
    }
}

bool TMDIChild::focusNextPrevChild(bool /*next*/) { return false; }

void TMDIChild::RecordMouse(const QPoint& position)
{
    RecordMouseMove(context_.session.mouse, position.x(), position.y(), context_.rowHeight());
}

void TMDIChild::PointerOverSheet(const QMouseEvent& event)
{
    if (!canPaint()) return;
    // The window under the pointer becomes the active one, showing its own sheet.
    if (!isCurrentEditor()) {
        auto* subWindow = qobject_cast<QMdiSubWindow*>(parentWidget());
        if (subWindow != nullptr && subWindow->mdiArea() != nullptr)
            subWindow->mdiArea()->setActiveSubWindow(subWindow);
    }
    context_.tileInput->pointerMoved(*this, doc_, event.position().toPoint(), event.buttons());
}

void TMDIChild::mouseMoveEvent(QMouseEvent* event)
{
    if (showsSheet()) {
        PointerOverSheet(*event);
        return;
    }
    RecordMouse(event->position().toPoint());
    if (drag_.pressed && event->buttons().testFlag(Qt::LeftButton) && canPaint()) {
        ShowEdit(DragTo(doc_, context_.session, height(), context_.measure, drag_));
    }
    QWidget::mouseMoveEvent(event);
}

void TMDIChild::mousePressEvent(QMouseEvent* event)
{
    if (showsSheet()) {
        PointerOverSheet(*event);
        return;
    }
    // The pointer is where the button went down, moved there or not.
    RecordMouse(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        leftPressed_ = true;
        pressPosition_ = event->position().toPoint();
        drag_ = canPaint() ? PressForDrag(doc_, context_.session, height(), context_.measure) : MouseDrag{};
    }
    QWidget::mousePressEvent(event);
}

void TMDIChild::mouseReleaseEvent(QMouseEvent* event)
{
    if (showsSheet()) {
        leftPressed_ = false;
        drag_ = {};
        return;
    }
    const QPoint position = event->position().toPoint();
    RecordMouse(position);
    // A drag that selected bytes is no click, wherever it was let go.
    const bool click = event->button() == Qt::LeftButton && leftPressed_ && !drag_.selecting &&
                       (position - pressPosition_).manhattanLength() < QApplication::startDragDistance();
    if (event->button() == Qt::LeftButton) {
        leftPressed_ = false;
        drag_ = {};
    }
    if (click && canPaint()) ShowEdit(Click(doc_, context_.session, height(), context_.measure));
    QWidget::mouseReleaseEvent(event);
}

void TMDIChild::wheelEvent(QWheelEvent* event) { WheelTurned(event); }

void TMDIChild::WheelTurned(QWheelEvent* event)
{
    event->accept();
    if (!canPaint()) return;
    // A notch is three line steps of the scroll bar, the keys Up and Down stand for;
    // a finer wheel adds up until it makes a notch.
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ -= notches * kWheelNotch;
    if (showsSheet()) {
        context_.tileInput->wheelTurned(notches);
        return;
    }
    const ScrollAction action = notches > 0 ? ScrollAction::LineUp : ScrollAction::LineDown;
    const int steps = (notches < 0 ? -notches : notches) * kRowsPerWheelNotch;
    for (int step = 0; step < steps; ++step) {
        ShowEdit(Scroll(doc_, context_.session, height(), action, VScrl->value()));
    }
}

void TMDIChild::VScrlScroll(int sliderAction)
{
    const std::optional<ScrollAction> action = ScrollActionFor(sliderAction);
    if (!action || !canPaint() || showsSheet()) return;
    ShowEdit(Scroll(doc_, context_.session, height(), *action, VScrl->sliderPosition()));
}

bool TMDIChild::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == VScrl) {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return true;  // the bar discards every key
        case QEvent::Wheel:
            // Over the bar the wheel scrolls as over the rows, not by dragging the thumb.
            WheelTurned(static_cast<QWheelEvent*>(event));
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zarvo
