// The tile editor taking over the editor windows: the switch and the window sizes,
// keys and the wheel moving the sheet instead of editing bytes, pick up, painting and
// put down with the mouse, region placement, Goto, activation and the last close.

#include "tile_fixture.h"
#include "ui/frame/document_windows.h"

#include <QFrame>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QWheelEvent>

using namespace zarvo;

namespace {

QByteArray BytesOf(const DocRecord& doc, int size)
{
    return QByteArray(reinterpret_cast<const char*>(doc.data()), size);
}

}  // namespace

class TileEditorTest : public QObject {
    Q_OBJECT
private slots:
    void switchHandsWindowsToSheetAndBack();
    void keysMoveSheetAndNeverEdit_data();
    void keysMoveSheetAndNeverEdit();
    void pickUpPaintPutDownAndSave();
    void regionPlacement_data();
    void regionPlacement();
    void gotoStartsSheetAtOffset();
    void activationAndLastClose();
};

void TileEditorTest::switchHandsWindowsToSheetAndBack()
{
    TileFixture fixture(PatternBytes(0x20000));
    QVERIFY(fixture.session.tiles.editorOn);
    QVERIFY(fixture.action("TileEdit1")->isChecked());
    QVERIFY(fixture.action("TileWindowSize1")->isEnabled());
    QVERIFY(fixture.tileWindow().isVisible());
    QCOMPARE(fixture.tileWindow().windowTitle(), QStringLiteral("Tile Editor"));
    QVERIFY(fixture.tileBar().isVisible());
    QVERIFY(!fixture.frame->statusPanels()->isVisible());
    QCOMPARE(fixture.editor->size(), QSize(268, 256));
    QCOMPARE(fixture.editor->cursor().shape(), Qt::BlankCursor);
    QVERIFY(!fixture.editor->scrollBar()->isVisible());
    QCOMPARE(fixture.tileBarTexts(), QStringList({"1 - Bitplane", "Offset: 00000000", "Tile Height: 8",
                                                  "Window Width: 16", "Cursor Size: 1 x 1", "Color Index: 0"}));
    // Menu hints go to TileBAR's last panel now, and back to MDIBar afterwards.
    QStatusTipEvent tip(QStringLiteral("a hint"));
    QCoreApplication::sendEvent(fixture.frame.get(), &tip);
    QCOMPARE(fixture.tileBar().panelText(6), QStringLiteral("a hint"));

    fixture.trigger("N2x2");
    QCOMPARE(fixture.editor->size(), QSize(396, 384));
    fixture.trigger("N1x1");
    QCOMPARE(fixture.editor->size(), QSize(268, 256));

    fixture.trigger("TileEdit1");
    QVERIFY(!fixture.session.tiles.editorOn);
    QVERIFY(!fixture.action("TileWindowSize1")->isEnabled());
    QVERIFY(!fixture.tileWindow().isVisible());
    QVERIFY(!fixture.tileBar().isVisible());
    QVERIFY(fixture.frame->statusPanels()->isVisible());
    QCOMPARE(fixture.frame->statusPanels()->panelText(5), QStringLiteral("a hint"));
    QCOMPARE(fixture.editor->size(), QSize(610, 256));
    QCOMPARE(fixture.editor->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(fixture.editor->scrollBar()->isVisible());
}

void TileEditorTest::keysMoveSheetAndNeverEdit_data()
{
    QTest::addColumn<bool>("inTileWindow");
    QTest::addColumn<int>("key");  // 0: one wheel notch towards the user
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QStringList>("status");  // panels 0 to 5 afterwards
    const auto status = [](const char* format, const char* offset, int height, int width, const char* cursor,
                           int shift) {
        return QStringList(
            {format, QStringLiteral("Offset: %1").arg(offset), QStringLiteral("Tile Height: %1").arg(height),
             QStringLiteral("Window Width: %1").arg(width), cursor, QStringLiteral("Color Index: %1").arg(shift)});
    };
    const char* bpp1 = "1 - Bitplane";
    const char* one = "Cursor Size: 1 x 1";
    // The sheet starts at 1000; a strip row of format 0 is 16 x 8 x 1 bytes.
    QTest::newRow("Down, editor") << false << int(Qt::Key_Down) << 0 << status(bpp1, "00001080", 8, 16, one, 0);
    QTest::newRow("Up") << true << int(Qt::Key_Up) << 0 << status(bpp1, "00000F80", 8, 16, one, 0);
    QTest::newRow("wheel") << false << 0 << 0 << status(bpp1, "00001080", 8, 16, one, 0);
    QTest::newRow("Page Down") << true << int(Qt::Key_PageDown) << 0 << status(bpp1, "00001800", 8, 16, one, 0);
    QTest::newRow("Left, editor") << false << int(Qt::Key_Left) << 0 << status(bpp1, "00000FFF", 8, 16, one, 0);
    QTest::newRow("Right") << true << int(Qt::Key_Right) << 0 << status(bpp1, "00001001", 8, 16, one, 0);
    QTest::newRow("Home") << true << int(Qt::Key_Home) << 0 << status(bpp1, "00000000", 8, 16, one, 0);
    QTest::newRow("End") << false << int(Qt::Key_End) << 0 << status(bpp1, "0001F800", 8, 16, one, 0);
    QTest::newRow("keypad +") << true << int(Qt::Key_Plus) << int(Qt::KeypadModifier)
                              << status(bpp1, "00001008", 8, 16, one, 0);
    QTest::newRow("Ctrl+Down") << true << int(Qt::Key_Down) << int(Qt::ControlModifier)
                               << status(bpp1, "00001000", 9, 16, one, 0);
    QTest::newRow("Ctrl+Left, editor") << false << int(Qt::Key_Left) << int(Qt::ControlModifier)
                                       << status(bpp1, "00001000", 8, 15, one, 0);
    QTest::newRow("Ctrl+keypad -") << true << int(Qt::Key_Minus) << int(Qt::ControlModifier | Qt::KeypadModifier)
                                   << status(bpp1, "00001000", 8, 16, one, -1);
    QTest::newRow("Shift+Right") << true << int(Qt::Key_Right) << int(Qt::ShiftModifier)
                                 << status(bpp1, "00001000", 8, 16, "Cursor Size: 1 x 2", 0);
    QTest::newRow("digit 4, editor") << false << int(Qt::Key_4) << 0
                                     << status("4 - Bitplane", "00001000", 8, 16, one, 0);
    QTest::newRow("keypad 0") << true << int(Qt::Key_0) << int(Qt::KeypadModifier)
                              << status("3 - Bitplane", "00001000", 8, 16, one, 0);
    // Hex digits and letters type nothing while the sheet is shown.
    QTest::newRow("A, editor") << false << int(Qt::Key_A) << 0 << status(bpp1, "00001000", 8, 16, one, 0);
}

void TileEditorTest::keysMoveSheetAndNeverEdit()
{
    QFETCH(bool, inTileWindow);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QStringList, status);
    const QByteArray bytes = PatternBytes(0x20000, 3, 7);
    TileFixture fixture(bytes);
    fixture.frame->documents().jumpTo(fixture.doc(), 0x1000);
    if (key == 0) {
        const QPointF at(100, 100);
        QWheelEvent wheel(at, fixture.editor->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(fixture.editor, &wheel);
        FrameFixture::settle();
    } else if (inTileWindow) {
        fixture.tileKey(key, Qt::KeyboardModifiers(modifiers));
    } else {
        fixture.editorKey(key, Qt::KeyboardModifiers(modifiers));
    }
    QCOMPARE(fixture.tileBarTexts(), status);
    QCOMPARE(BytesOf(fixture.doc(), bytes.size()), bytes);
    QVERIFY(!fixture.doc().modified);
    QCOMPARE(fixture.prompter.texts(), QStringList());
}

void TileEditorTest::pickUpPaintPutDownAndSave()
{
    QByteArray bytes = PatternBytes(0x10000);
    TileFixture fixture(bytes);
    TileSession& tiles = fixture.session.tiles;
    // W = H = 1, grid mode: a left click on cell (2, 1) takes sheet columns 16 to 23 of
    // rows 8 to 15 (format 0, h = 8: bytes 144 to 151, pixel x from bit 7 - x).
    ClickAt(fixture.editor, QPoint(52, 20));
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            QCOMPARE(int(tiles.editBuffer[row * 64 + column]), ((144 + row) >> (7 - column)) & 1);
        }
    }
    QVERIFY(fixture.doc().tileView.cursorShown != 0);

    // Index 1 for the left button, then a stroke over edit pixels 1 to 3 of row 0.
    ClickAt(fixture.tileWindow().paletteBox(), QPoint(12, 4));
    QCOMPARE(fixture.doc().tileView.leftColour, 1);
    QCOMPARE(fixture.tileWindow().leftSquare()->palette().color(QPalette::Window), QColor(0, 0, 0xAD));
    QWidget* editBox = fixture.tileWindow().editBox();
    QTest::mouseMove(editBox, QPoint(24, 8));
    // The pointer over the tile window takes the frame off the sheet.
    QCOMPARE(fixture.doc().tileView.cursorShown, 0);
    QTest::mousePress(editBox, Qt::LeftButton, Qt::NoModifier, QPoint(24, 8));
    QTest::mouseMove(editBox, QPoint(40, 9));
    QTest::mouseMove(editBox, QPoint(56, 10));
    QTest::mouseRelease(editBox, Qt::LeftButton, Qt::NoModifier, QPoint(56, 10));
    FrameFixture::settle();
    for (int column = 0; column < 8; ++column) {
        QCOMPARE(int(tiles.editBuffer[column]), column >= 1 && column <= 3 ? 1 : (144 >> (7 - column)) & 1);
    }
    QVERIFY(!fixture.doc().modified);

    // Put down on the same cell: byte 144 (0x90) takes bits 6 to 4, nothing else changes.
    ClickAt(fixture.editor, QPoint(52, 20), Qt::RightButton);
    QVERIFY(fixture.doc().modified);
    bytes[144] = char(0xF0);
    QCOMPARE(BytesOf(fixture.doc(), bytes.size()), bytes);
    // The region's white frame, then, with the pointer over the tile window, the pixel.
    QCOMPARE(fixture.sheetColour(17, 8), QColor(Qt::white));
    QTest::mouseMove(editBox, QPoint(70, 70));
    QCOMPARE(fixture.sheetColour(17, 8), QColor(0, 0, 0xAD));
    fixture.trigger("SaveFile1");
    QCOMPARE(fixture.prompter.texts(), QStringList({"Rom file was saved successfully!"}));
    QCOMPARE(fixture.readFile(QStringLiteral("rom.bin")), bytes);
}

void TileEditorTest::regionPlacement_data()
{
    QTest::addColumn<bool>("free");
    QTest::addColumn<int>("widthSteps");  // Shift+Right presses from W = 1
    QTest::addColumn<int>("clientX");
    QTest::addColumn<int>("column");
    QTest::newRow("grid, W = 8, cell 12") << false << 7 << 12 + 12 * 16 + 4 << 8;
    QTest::newRow("grid, W = 1, cell 15") << false << 0 << 12 + 15 * 16 + 2 << 15;
    QTest::newRow("free, W = 2, pixel 120") << true << 1 << 12 + 120 * 2 << 112;
    QTest::newRow("free, W = 1, pixel 33") << true << 0 << 12 + 33 * 2 << 33;
}

void TileEditorTest::regionPlacement()
{
    QFETCH(bool, free);
    QFETCH(int, widthSteps);
    QFETCH(int, clientX);
    QFETCH(int, column);
    TileFixture fixture(PatternBytes(0x10000));
    if (free) fixture.tileKey(Qt::Key_Tab);
    QCOMPARE(fixture.session.tiles.freeMovement, free);
    for (int step = 0; step < widthSteps; ++step) fixture.tileKey(Qt::Key_Right, Qt::ShiftModifier);
    ClickAt(fixture.editor, QPoint(clientX, 20));
    QCOMPARE(fixture.doc().tileView.cursorColumn, column);
}

void TileEditorTest::gotoStartsSheetAtOffset()
{
    TileFixture fixture(PatternBytes(0x20000));
    DocumentWindows& documents = fixture.frame->documents();
    // Not a row start: the offset itself starts the sheet.
    documents.jumpTo(fixture.doc(), 0x1234);
    QCOMPARE(fixture.doc().topOffset, 0x1234);
    QCOMPARE(fixture.tileBar().panelText(1), QStringLiteral("Offset: 00001234"));
    QCOMPARE(fixture.sheetColour(0, 0), (0x1234 & 0x80) != 0 ? QColor(0, 0, 0xAD) : QColor(Qt::black));
    // Near the end the clamp keeps 16 strip rows of 128 bytes in view.
    documents.jumpTo(fixture.doc(), 0x1FFF0);
    QCOMPARE(fixture.doc().topOffset, 0x1F800);
    QCOMPARE(fixture.tileBar().panelText(1), QStringLiteral("Offset: 0001F800"));
}

void TileEditorTest::activationAndLastClose()
{
    TileFixture fixture(QByteArray(0x10000, char(0xFF)));
    TMDIChild* first = fixture.editor;
    TMDIChild* second = fixture.openFocused(fixture.writeFile(QStringLiteral("two.bin"), QByteArray(0x10000, '\0')));
    QVERIFY(second != nullptr && second != first);
    // A window opened meanwhile is given to the sheet too.
    QCOMPARE(second->size(), QSize(268, 256));
    QCOMPARE(second->cursor().shape(), Qt::BlankCursor);
    fixture.editor = second;
    fixture.editorKey(Qt::Key_4);
    QCOMPARE(fixture.tileBar().panelText(0), QStringLiteral("4 - Bitplane"));

    // The pointer over the other window makes it the active one, with its own format.
    second->parentWidget()->move(first->parentWidget()->frameGeometry().right() + 10, 0);
    FrameFixture::settle();
    QTest::mouseMove(first, QPoint(100, 100));
    FrameFixture::settle();
    QCOMPARE(fixture.frame->activeEditor(), first);
    QCOMPARE(fixture.tileBar().panelText(0), QStringLiteral("1 - Bitplane"));
    // Only the active window shows a sheet: index 1 there, black in the other.
    fixture.editor = first;
    QCOMPARE(fixture.sheetColour(4, 4), QColor(0, 0, 0xAD));
    QCOMPARE(second->grab().toImage().pixelColor(100, 100), QColor(Qt::black));

    first->parentWidget()->close();
    FrameFixture::settle();
    QVERIFY(fixture.session.tiles.editorOn);
    second->parentWidget()->close();
    FrameFixture::settle();
    QVERIFY(!fixture.session.tiles.editorOn);
    QVERIFY(!fixture.action("TileEdit1")->isChecked());
    QVERIFY(!fixture.tileWindow().isVisible());
    QVERIFY(fixture.frame->statusPanels()->isVisible());
}

QTEST_MAIN(TileEditorTest)
#include "tile_editor_test.moc"
