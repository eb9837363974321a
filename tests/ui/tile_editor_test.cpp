// The tile editor taking over the editor windows: the switch and the window sizes,
// keys and the wheel moving the sheet instead of editing bytes, pick up, painting and
// put down with the mouse, Goto, region placement, activation and the last close.

#include "tile_fixture.h"
#include "ui/frame/document_windows.h"

#include <QFrame>
#include <QStatusTipEvent>

using namespace zarvo;

class TileEditorTest : public QObject {
    Q_OBJECT
private slots:
    void switchHandsWindowsToSheetAndBack();
    void keysMoveSheetAndNeverEdit();
    void pickUpAndStrokeChangeOnlyTheEditBox();
    void putDownWritesTheEditBoxAndSaves();
    void gotoAndRegionPlacement();
    void activationAndLastClose();
};

void TileEditorTest::switchHandsWindowsToSheetAndBack()
{
    TileFixture fixture(PatternBytes(0x20000));
    QVERIFY(fixture.session.tiles.editorOn);
    QVERIFY(fixture.action("TileEdit1")->isChecked());
    QVERIFY(fixture.action("TileWindowSize1")->isEnabled());
    QVERIFY(fixture.tileWindow().isVisible());
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

    // Ctrl+L in the editor window is the frame's item.
    fixture.editorKey(Qt::Key_L, Qt::ControlModifier);
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

void TileEditorTest::keysMoveSheetAndNeverEdit()
{
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    // The sheet starts at 1000; a strip row of format 0 is 16 x 8 x 1 bytes.
    const struct {
        bool inTileWindow;
        int key;  // 0: one wheel notch towards the user
        Qt::KeyboardModifiers modifiers;
        int panel;  // the one TileBAR panel that changes
        const char* text;
    } cases[] = {
        {false, Qt::Key_Down, none, 1, "Offset: 00001080"},
        {true, Qt::Key_Up, none, 1, "Offset: 00000F80"},
        {false, 0, none, 1, "Offset: 00001080"},
        {true, Qt::Key_PageDown, none, 1, "Offset: 00001800"},
        {false, Qt::Key_Left, none, 1, "Offset: 00000FFF"},
        {true, Qt::Key_Right, none, 1, "Offset: 00001001"},
        {true, Qt::Key_Home, none, 1, "Offset: 00000000"},
        {false, Qt::Key_End, none, 1, "Offset: 0001F800"},
        {true, Qt::Key_Plus, keypad, 1, "Offset: 00001008"},
        {true, Qt::Key_Down, ctrl, 2, "Tile Height: 9"},
        {false, Qt::Key_Left, ctrl, 3, "Window Width: 15"},
        {true, Qt::Key_Right, Qt::ShiftModifier, 4, "Cursor Size: 1 x 2"},
        {true, Qt::Key_Minus, ctrl | keypad, 5, "Color Index: -1"},
        {false, Qt::Key_4, none, 0, "4 - Bitplane"},
        {true, Qt::Key_0, keypad, 0, "3 - Bitplane"},
        {false, Qt::Key_A, none, 0, "1 - Bitplane"},  // letters type nothing while the sheet is shown
    };
    const QByteArray bytes = PatternBytes(0x20000, 3, 7);
    for (const auto& c : cases) {
        QStringList status({"1 - Bitplane", "Offset: 00001000", "Tile Height: 8", "Window Width: 16",
                            "Cursor Size: 1 x 1", "Color Index: 0"});
        status[c.panel] = QString::fromLatin1(c.text);
        TileFixture fixture(bytes);
        fixture.frame->documents().jumpTo(fixture.doc(), 0x1000);
        if (c.key == 0) {
            window_test::Wheel(fixture.editor, -120);
        } else if (c.inTileWindow) {
            fixture.tileKey(c.key, c.modifiers);
        } else {
            fixture.editorKey(c.key, c.modifiers);
        }
        QCOMPARE(fixture.tileBarTexts(), status);
        QCOMPARE(window_test::Content(fixture.doc()), bytes);
        QVERIFY(!fixture.doc().modified);
        QCOMPARE(fixture.prompter.texts(), QStringList());
    }
}

void TileEditorTest::pickUpAndStrokeChangeOnlyTheEditBox()
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
    FrameFixture::settle();
    // A stroke repaints the edit box alone.
    const window_test::PaintSpy editBoxPaints(editBox);
    const window_test::PaintSpy sheetPaints(fixture.editor);
    const window_test::PaintSpy clipBoardPaints(fixture.tileWindow().clipBoardBox());
    QTest::mousePress(editBox, Qt::LeftButton, Qt::NoModifier, QPoint(24, 8));
    QTest::mouseMove(editBox, QPoint(40, 9));
    QTest::mouseMove(editBox, QPoint(56, 10));
    QTest::mouseRelease(editBox, Qt::LeftButton, Qt::NoModifier, QPoint(56, 10));
    FrameFixture::settle();
    QVERIFY(!editBoxPaints.regions.empty());
    QCOMPARE(sheetPaints.regions.size() + clipBoardPaints.regions.size(), std::size_t{0});
    for (int column = 0; column < 8; ++column) {
        QCOMPARE(int(tiles.editBuffer[column]), column >= 1 && column <= 3 ? 1 : (144 >> (7 - column)) & 1);
    }
    QVERIFY(!fixture.doc().modified);
}

void TileEditorTest::putDownWritesTheEditBoxAndSaves()
{
    QByteArray bytes = PatternBytes(0x10000);
    TileFixture fixture(bytes);
    ClickAt(fixture.editor, QPoint(52, 20));
    ClickAt(fixture.tileWindow().paletteBox(), QPoint(12, 4));
    QWidget* editBox = fixture.tileWindow().editBox();
    QTest::mousePress(editBox, Qt::LeftButton, Qt::NoModifier, QPoint(24, 8));
    QTest::mouseMove(editBox, QPoint(40, 9));
    QTest::mouseMove(editBox, QPoint(56, 10));
    QTest::mouseRelease(editBox, Qt::LeftButton, Qt::NoModifier, QPoint(56, 10));
    // Put down on the same cell: byte 144 (0x90) takes bits 6 to 4, nothing else changes.
    ClickAt(fixture.editor, QPoint(52, 20), Qt::RightButton);
    QVERIFY(fixture.doc().modified);
    bytes[144] = char(0xF0);
    QCOMPARE(window_test::Content(fixture.doc()), bytes);
    // The region's white frame, then, with the pointer over the tile window, the pixel.
    QCOMPARE(fixture.sheetColour(17, 8), QColor(Qt::white));
    QTest::mouseMove(editBox, QPoint(70, 70));
    QCOMPARE(fixture.sheetColour(17, 8), QColor(0, 0, 0xAD));
    fixture.trigger("SaveFile1");
    QCOMPARE(fixture.prompter.texts(), QStringList({"Rom file was saved successfully!"}));
    QCOMPARE(fixture.readFile(QStringLiteral("rom.bin")), bytes);
}

void TileEditorTest::gotoAndRegionPlacement()
{
    TileFixture fixture(PatternBytes(0x10000));
    DocumentWindows& documents = fixture.frame->documents();
    // Not a row start: the offset itself starts the sheet.
    documents.jumpTo(fixture.doc(), 0x1234);
    QCOMPARE(fixture.doc().topOffset, 0x1234);
    QCOMPARE(fixture.tileBar().panelText(1), QStringLiteral("Offset: 00001234"));
    QCOMPARE(fixture.sheetColour(0, 0), (0x1234 & 0x80) != 0 ? QColor(0, 0, 0xAD) : QColor(Qt::black));
    // Near the end the clamp keeps 16 strip rows of 128 bytes in view.
    documents.jumpTo(fixture.doc(), 0xFFF0);
    QCOMPARE(fixture.doc().topOffset, 0xF800);
    QCOMPARE(fixture.tileBar().panelText(1), QStringLiteral("Offset: 0000F800"));

    // Free movement, W = 2 (16 pixels): a click on sheet pixel 120 puts the region's first column at 112.
    fixture.tileKey(Qt::Key_Tab);
    QVERIFY(fixture.session.tiles.freeMovement);
    fixture.tileKey(Qt::Key_Right, Qt::ShiftModifier);
    ClickAt(fixture.editor, SheetPoint(120, 10));
    QCOMPARE(fixture.doc().tileView.cursorColumn, 112);
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
