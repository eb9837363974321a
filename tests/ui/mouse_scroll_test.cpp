// Mouse clicks, the scroll bar VScrl, the wheel and window resizing on an editor
// window, driven with real events.

#include "frame_fixture.h"
#include "ui/settings/tcol_form.h"
#include "view/key_editing.h"

#include <QApplication>
#include <QCheckBox>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

using namespace zarvo;

namespace {

TMDIChild* OpenFocused(FrameFixture& fixture, const QByteArray& bytes)
{
    return fixture.openFocused(fixture.writeFile(QStringLiteral("rom.bin"), bytes));
}

// Where a page row shows byte `offset`: its hexadecimal cell, or its text cell.
QRect CellRect(TMDIChild& editor, int row, int32_t offset, bool text = false)
{
    const QRect rowRect = editor.rowRect(row);
    for (const ViewCell& cell : editor.LayOutPageRow(row).cells) {
        const CellKind wanted = text ? CellKind::Text : CellKind::Hex;
        if (cell.kind == wanted && cell.byteOffset == offset) {
            return QRect(cell.x, rowRect.top(), cell.width, rowRect.height());
        }
    }
    qFatal("no cell for offset %d on row %d", offset, row);
    return {};
}

// A point in the first third of that cell.
QPoint CellPoint(TMDIChild& editor, int row, int32_t offset, bool text = false)
{
    const QRect cell = CellRect(editor, row, offset, text);
    return QPoint(cell.left() + cell.width() / 3, cell.center().y());
}

void Click(TMDIChild& editor, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseMove(&editor, at);
    QTest::mouseClick(&editor, button, Qt::NoModifier, at);
    FrameFixture::settle();
}

void Wheel(QWidget* target, int angle)
{
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
    FrameFixture::settle();
}

// Resizes the editor window so that its client area is width pixels wide.
void ResizeClient(TMDIChild& editor, int width, int height)
{
    QWidget* frame = editor.parentWidget();
    frame->resize(frame->width() - editor.width() + width, frame->height() - editor.height() + height);
    FrameFixture::settle();
}

}  // namespace

class MouseScrollTest : public QObject {
    Q_OBJECT
private slots:
    void clickPlacesCursorOnHexCell_data();
    void clickPlacesCursorOnHexCell();
    void clickRules();
    void scrollBarSitsLeftAndIgnoresKeys();
    void scrollBarActions_data();
    void scrollBarActions();
    void draggingThumbMovesView();
    void wheelTurnsIntoLineSteps();
    void resizeSizesRowsToWidth_data();
    void resizeSizesRowsToWidth();
};

void MouseScrollTest::clickPlacesCursorOnHexCell_data()
{
    QTest::addColumn<bool>("spaced");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");  // -1: the last one
    QTest::newRow("spaced") << true << 2 << 5;
    QTest::newRow("spaced, last column") << true << 3 << -1;
    QTest::newRow("not spaced") << false << 1 << 7;
}

void MouseScrollTest::clickPlacesCursorOnHexCell()
{
    QFETCH(bool, spaced);
    QFETCH(int, row);
    QFETCH(int, column);
    FrameFixture fixture;
    fixture.frame->colForm()->spacedHex()->setChecked(spaced);
    TMDIChild* editor = OpenFocused(fixture, PatternBytes(8192));
    QVERIFY(editor != nullptr);
    const ViewState& view = fixture.session.view;
    DocRecord& doc = editor->document();
    doc.topOffset = 4 * view.bytesPerRow;
    editor->FormPaint();
    FrameFixture::settle();
    if (column < 0) column = view.bytesPerRow - 1;
    const int32_t target = doc.topOffset + row * view.bytesPerRow + column;

    Click(*editor, CellPoint(*editor, row, target));
    QCOMPARE(int(doc.cursorRow), row);
    QCOMPARE(int(doc.cursorColumn), column);
    QCOMPARE(doc.cursorOffset, target);
    QCOMPARE(doc.topOffset, 4 * view.bytesPerRow);
    // The cursor is drawn where the click was.
    QCOMPARE(editor->blinkRect(), CellRect(*editor, row, target));
}

void MouseScrollTest::clickRules()
{
    FrameFixture fixture;
    TMDIChild* editor = OpenFocused(fixture, QByteArray(8192, '\0'));
    QVERIFY(editor != nullptr);
    const ViewState& view = fixture.session.view;
    const DocRecord& doc = editor->document();
    // A click does not cancel a half-typed byte.
    QTest::keyClick(editor, '4');
    Click(*editor, CellPoint(*editor, 1, view.bytesPerRow + 3));
    QTest::keyClick(editor, '1');
    FrameFixture::settle();
    QCOMPARE(doc.data()[view.bytesPerRow + 3], uint8_t{0x41});
    QCOMPARE(doc.data()[0], uint8_t{0});
    QCOMPARE(doc.cursorOffset, view.bytesPerRow + 4);

    // In the text column: the row is taken, the column kept.
    Click(*editor, CellPoint(*editor, 3, 3 * view.bytesPerRow + 1, true));
    QCOMPARE(int(doc.cursorRow), 3);
    QCOMPARE(int(doc.cursorColumn), 4);

    // Other buttons and drags are no clicks.
    const QPoint cell = CellPoint(*editor, 0, 0);
    Click(*editor, cell, Qt::RightButton);
    QCOMPARE(doc.cursorOffset, 3 * view.bytesPerRow + 4);
    QTest::mousePress(editor, Qt::LeftButton, Qt::NoModifier, cell);
    QTest::mouseMove(editor, cell + QPoint(40, 0));
    QTest::mouseRelease(editor, Qt::LeftButton, Qt::NoModifier, cell + QPoint(40, 0));
    FrameFixture::settle();
    QCOMPARE(doc.cursorOffset, 3 * view.bytesPerRow + 4);
}

void MouseScrollTest::scrollBarSitsLeftAndIgnoresKeys()
{
    FrameFixture fixture;
    TMDIChild* editor = OpenFocused(fixture, PatternBytes(0x20000));
    QVERIFY(editor != nullptr);
    QScrollBar* bar = editor->scrollBar();
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->geometry(), QRect(0, 0, 12, editor->height()));
    QCOMPARE(bar->focusPolicy(), Qt::NoFocus);
    QCOMPARE(bar->maximum(), 0x20000);

    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End, Qt::Key_4}) QTest::keyClick(bar, key);
    FrameFixture::settle();
    QCOMPARE(bar->value(), 0);
    QCOMPARE(editor->document().cursorOffset, 0);
    QVERIFY(!editor->document().nibblePending);

    // A window without data has no bar to show.
    TMDIChild* empty = fixture.open(fixture.path(QStringLiteral("missing.bin")));
    QVERIFY(empty != nullptr);
    QVERIFY(!empty->scrollBar()->isVisible());
}

void MouseScrollTest::scrollBarActions_data()
{
    // What each action of the bar does: the key it stands for.
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("topRows");  // rows above the page afterwards; -1 = one page
    QTest::addColumn<int>("cursorRow");
    QTest::addColumn<int>("cursorColumn");  // -1 = the last one
    QTest::newRow("line down: Down") << int(QAbstractSlider::SliderSingleStepAdd) << 0 << 3 << 2;
    QTest::newRow("page down: PageDown") << int(QAbstractSlider::SliderPageStepAdd) << -1 << 2 << 2;
    QTest::newRow("bottom: End") << int(QAbstractSlider::SliderToMaximum) << 0 << 2 << -1;
}

void MouseScrollTest::scrollBarActions()
{
    QFETCH(int, action);
    QFETCH(int, topRows);
    QFETCH(int, cursorRow);
    QFETCH(int, cursorColumn);
    FrameFixture fixture;
    TMDIChild* editor = OpenFocused(fixture, PatternBytes(0x20000));
    QVERIFY(editor != nullptr);
    QTest::keyClick(editor, Qt::Key_Down);
    QTest::keyClick(editor, Qt::Key_Down);
    QTest::keyClick(editor, Qt::Key_Right);
    QTest::keyClick(editor, Qt::Key_Right);
    FrameFixture::settle();
    const ViewState& view = fixture.session.view;
    const DocRecord& doc = editor->document();

    editor->scrollBar()->triggerAction(QAbstractSlider::SliderAction(action));
    FrameFixture::settle();
    QCOMPARE(doc.topOffset, topRows < 0 ? view.pageBytes : topRows * view.bytesPerRow);
    QCOMPARE(int(doc.cursorRow), cursorRow);
    QCOMPARE(int(doc.cursorColumn), cursorColumn < 0 ? view.bytesPerRow - 1 : cursorColumn);
    QCOMPARE(editor->scrollBar()->value(), doc.topOffset);
    QCOMPARE(editor->scrollBar()->pageStep(), view.pageBytes);
}

void MouseScrollTest::draggingThumbMovesView()
{
    FrameFixture fixture;
    TMDIChild* editor = OpenFocused(fixture, PatternBytes(0x20000));
    QVERIFY(editor != nullptr);
    QScrollBar* bar = editor->scrollBar();
    const ViewState& view = fixture.session.view;
    const DocRecord& doc = editor->document();

    // The thumb moved by hand (held down) and by setting its position.
    for (const bool held : {true, false}) {
        const int32_t target = held ? 0x1234 : 0x8765;
        bar->setSliderDown(held);
        bar->setSliderPosition(target);
        bar->setSliderDown(false);
        FrameFixture::settle();
        QCOMPARE(doc.cursorOffset, target);
        QVERIFY(doc.topOffset <= target && target < doc.topOffset + view.pageBytes);
        QCOMPARE(int(doc.cursorColumn), target % view.bytesPerRow);
        QCOMPARE(bar->value(), doc.topOffset);
    }
}

void MouseScrollTest::wheelTurnsIntoLineSteps()
{
    FrameFixture fixture;
    TMDIChild* editor = OpenFocused(fixture, PatternBytes(0x20000));
    QVERIFY(editor != nullptr);
    const DocRecord& doc = editor->document();
    const int rows = VisibleRows(fixture.session.view, editor->height());
    QVERIFY(rows > 7);

    Wheel(editor, -120);  // one notch towards the user: three rows down
    QCOMPARE(int(doc.cursorRow), 3);
    Wheel(editor->scrollBar(), -120);  // over the bar the same
    QCOMPARE(int(doc.cursorRow), 6);
    QCOMPARE(doc.cursorOffset, 6 * fixture.session.view.bytesPerRow);
    Wheel(editor, 60);  // half a notch waits for the other half
    QCOMPARE(int(doc.cursorRow), 6);
    Wheel(editor, 60);
    QCOMPARE(int(doc.cursorRow), 3);
    Wheel(editor, 240);
    QCOMPARE(int(doc.cursorRow), 0);
    QCOMPARE(doc.topOffset, 0);
}

void MouseScrollTest::resizeSizesRowsToWidth_data()
{
    QTest::addColumn<bool>("autoSize");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("points");       // view font size; 0: the default font
    QTest::addColumn<int>("bytesPerRow");  // 0: as before; -1: as many as fit
    QTest::newRow("640 pixels") << true << 640 << 0 << -1;
    QTest::newRow("640 pixels, 12 points") << true << 640 << 12 << -1;
    QTest::newRow("900 pixels, 16 points") << true << 900 << 16 << -1;
    QTest::newRow("narrow") << true << 95 << 0 << 1;
    QTest::newRow("very wide") << true << 5000 << 0 << 128;
    QTest::newRow("fixed rows") << false << 640 << 0 << 0;
}

void MouseScrollTest::resizeSizesRowsToWidth()
{
    QFETCH(bool, autoSize);
    QFETCH(int, width);
    QFETCH(int, points);
    QFETCH(int, bytesPerRow);
    FrameFixture fixture;
    if (points > 0) fixture.frame->viewContext().setViewFont(QFont(QStringLiteral("DejaVu Sans Mono"), points), true);
    TMDIChild* editor = OpenFocused(fixture, PatternBytes(0x20000));
    QVERIFY(editor != nullptr);
    fixture.frame->colForm()->fixedRow()->setChecked(autoSize);
    const ViewState& view = fixture.session.view;
    const DocRecord& doc = editor->document();
    Click(*editor, CellPoint(*editor, 2, 2 * view.bytesPerRow + (view.bytesPerRow - 1) / 2));
    const int32_t cursor = doc.cursorOffset;
    const ViewState before = view;

    ResizeClient(*editor, width, 300);
    QCOMPARE(editor->width(), width);
    if (bytesPerRow == 0) {
        QCOMPARE(view.bytesPerRow, before.bytesPerRow);
        QCOMPARE(view.pageBytes, before.pageBytes);
    } else {
        if (bytesPerRow > 0) QCOMPARE(view.bytesPerRow, bytesPerRow);
        // Rows of the view font's own height fill the page.
        QCOMPARE(view.pageBytes, (editor->height() / view.rowHeight) * view.bytesPerRow);
    }
    if (bytesPerRow < 0) {
        // The offset, every byte and every text cell lie inside the window, and
        // there is no room left for two more bytes.
        std::vector<ViewCell> hex;
        std::vector<ViewCell> text;
        for (const ViewCell& cell : editor->LayOutPageRow(0).cells) {
            if (cell.kind == CellKind::Hex) hex.push_back(cell);
            if (cell.kind == CellKind::Text) text.push_back(cell);
        }
        QCOMPARE(static_cast<int>(hex.size()), view.bytesPerRow);
        QCOMPARE(static_cast<int>(text.size()), view.bytesPerRow);
        QVERIFY(text.back().x + text.back().width <= width);
        const int byteWidth = (hex[1].x - hex[0].x) + (text[1].x - text[0].x);
        QVERIFY(text.back().x + text.back().width + 2 * byteWidth > width);
    }
    QCOMPARE(doc.cursorOffset, cursor);
    QCOMPARE(doc.topOffset + doc.cursorRow * view.bytesPerRow + doc.cursorColumn, cursor);
}

QTEST_MAIN(MouseScrollTest)
#include "mouse_scroll_test.moc"
