// The editor window driven with real events: hexadecimal and text typing, the moving
// keys, the input-mode keys Tab / Shift+Tab / Alt+Tab, mouse clicks, the scroll bar
// VScrl, the wheel, and rows sized to the window.

#include "frame_fixture.h"
#include "view/key_editing.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QKeyEvent>
#include <QRawFont>
#include <QTextLayout>

using namespace zarvo;
using namespace zarvo::window_test;

class EditorWindowTest : public QObject {
    Q_OBJECT
private slots:
    void hexTyping();
    void movesScrollTheViewAndTheBar();
    void inputModeKeysAndTextTyping();
    void onlyLeftClicksWithoutDragPlaceTheCursor();
    void scrollBarTakesNoKeys();
    void wheelTurnsIntoLineSteps();
    void thumbMovesThePage_data();
    void thumbMovesThePage();
    void barActionsActAsTheirKeys_data();
    void barActionsActAsTheirKeys();
    void resizeSizesRowsToWidth();
    void pageKeysUseTheRowsThatFitNow_data();
    void pageKeysUseTheRowsThatFitNow();
    void statusShowsTheActiveWindowsCursor_data();
    void statusShowsTheActiveWindowsCursor();
    void japaneseTextDrawsWithTheJapaneseFace_data();
    void japaneseTextDrawsWithTheJapaneseFace();
    void rowsSizedToTheWidthHoldFullWidthCharacters_data();
    void rowsSizedToTheWidthHoldFullWidthCharacters();
};

void EditorWindowTest::hexTyping()
{
    const struct {
        QString script;
        QByteArray bytes;  // the first two bytes afterwards
        int cursor;
    } cases[] = {
        {"4f", Bytes({0x4F, 0x01}), 1},
        {"4{Shift}1", Bytes({0x41, 0x01}), 1},           // Shift alone between the digits
        {"{Shift+F}{Shift+E}", Bytes({0xFE, 0x01}), 1},  // upper case
        {"4{Tab}{Tab}1", Bytes({0x41, 0x01}), 1},        // Tab keeps the first digit
        {"{Ctrl+5}{Ctrl+6}", Bytes({0x00, 0x01}), 0},    // Ctrl+digit types nothing
    };
    for (const auto& c : cases) {
        FrameFixture fixture;
        TMDIChild* editor = fixture.openForKeys(QStringLiteral("rom.bin"), PatternBytes(4096));
        PlayKeys(editor, c.script);
        const DocRecord& doc = DocumentOf(editor);
        QCOMPARE(Content(doc).left(2), c.bytes);
        QCOMPARE(doc.cursorOffset, c.cursor);
        QVERIFY(!doc.nibblePending && !doc.textMode);
        QCOMPARE(doc.modified, c.cursor != 0);
    }
}

void EditorWindowTest::movesScrollTheViewAndTheBar()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.openForKeys(QStringLiteral("rom.bin"), PatternBytes(0x20000));
    const ViewState& view = fixture.session.view;
    const DocRecord& doc = DocumentOf(editor);
    const QScrollBar* bar = editor->scrollBar();
    const int rows = VisibleRows(view, editor->height());

    PlayKeys(editor, QStringLiteral("{Shift+Down}{Right}"));
    QCOMPARE(fixture.statusTexts()[3], QStringLiteral("Decimal Offset: %1").arg(view.bytesPerRow + 1));

    // Right on the last cell of the page scrolls one row, and the bar follows.
    PlayKeys(editor, QStringLiteral("{Ctrl+PgDown}{End}{Right}"));
    QCOMPARE(doc.topOffset, view.bytesPerRow);
    QCOMPARE(int(doc.cursorRow), rows - 1);
    QCOMPARE(bar->value(), view.bytesPerRow);
    PlayKeys(editor, QStringLiteral("{PgDown}"));
    QCOMPARE(doc.topOffset, view.bytesPerRow + view.pageBytes);
    QCOMPARE(bar->value(), doc.topOffset);
    QCOMPARE((QList<int>{bar->maximum(), bar->singleStep(), bar->pageStep()}),
             (QList<int>{0x20000, view.bytesPerRow, view.pageBytes}));

    // Ctrl+Right widens the rows, the cursor keeping its byte and the bar its steps.
    const int32_t cursor = doc.cursorOffset;
    const int width = view.bytesPerRow;
    PlayKeys(editor, QStringLiteral("{Ctrl+Right}"));
    QCOMPARE(view.bytesPerRow, width + 1);
    QCOMPARE(doc.cursorOffset, cursor);
    QCOMPARE(bar->singleStep(), width + 1);
}

void EditorWindowTest::inputModeKeysAndTextTyping()
{
    FrameFixture fixture;
    // "ア" is 83 41 in Shift-JIS.
    fixture.writeFile(QStringLiteral("rom.tbl"), "41=A\n42=B\n10=\x83\x41\n");
    TMDIChild* editor = fixture.openForKeys(QStringLiteral("rom.bin"), QByteArray(4096, '\0'));
    QAction* mode = fixture.action("HexEditMode1");

    PlayKeys(editor, QStringLiteral("{Tab}"));
    QVERIFY(DocumentOf(editor).textMode && mode->isChecked());
    QCOMPARE(QApplication::focusWidget(), editor);
    PlayKeys(editor, QStringLiteral("AB4"));
    // A character typed through an input that gives its text only (a Japanese one).
    QKeyEvent japanese(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("ア"));
    QApplication::sendEvent(editor, &japanese);
    PlayKeys(editor, QStringLiteral("{Tab}"));
    QVERIFY(!DocumentOf(editor).textMode && !mode->isChecked());
    QCOMPARE(QApplication::focusWidget(), editor);
    PlayKeys(editor, QStringLiteral("42"));
    QCOMPARE(Content(DocumentOf(editor)).left(5), QByteArray("AB\x10\x42\0", 5));

    // Shift+Tab (as Backtab, or as Tab with Shift) and Alt+Tab toggle the switches.
    QAction* mbe = fixture.action("D_MBE");
    PlayKeys(editor, QStringLiteral("{Shift+Backtab}{Alt+Tab}"));
    QVERIFY(mbe->isChecked() && fixture.session.input.D_MBE);
    QVERIFY(fixture.action("D_DTE")->isChecked() && fixture.session.input.D_DTE);
    PlayKeys(editor, QStringLiteral("{Shift+Tab}"));
    QVERIFY(!mbe->isChecked() && !fixture.session.input.D_MBE);
    QVERIFY(!DocumentOf(editor).textMode);
    QCOMPARE(QApplication::focusWidget(), editor);

    // The items work from the menu too (a desktop may keep Alt+Tab for itself).
    fixture.trigger("HexEditMode1");
    QVERIFY(DocumentOf(editor).textMode && mode->isChecked());
    fixture.trigger("D_DTE");
    QVERIFY(!fixture.session.input.D_DTE);
}

void EditorWindowTest::onlyLeftClicksWithoutDragPlaceTheCursor()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNewFocused(QStringLiteral("rom.bin"), PatternBytes(8192));
    const int32_t row = fixture.session.view.bytesPerRow;
    DocRecord& doc = DocumentOf(editor);
    doc.topOffset = 4 * row;
    editor->FormPaint();
    FrameFixture::settle();
    const int32_t target = doc.topOffset + 2 * row + 5;

    ClickAt(editor, CellPoint(*editor, 2, target));
    QCOMPARE(doc.cursorOffset, target);
    QCOMPARE(doc.topOffset, 4 * row);
    // The cursor is drawn where the click was.
    QCOMPARE(editor->blinkRect(), CellRect(*editor, 2, target));

    // A click does not cancel a half-typed byte.
    QTest::keyClick(editor, '4');
    ClickAt(editor, CellPoint(*editor, 1, 5 * row + 3));
    PlayKeys(editor, QStringLiteral("1"));
    QCOMPARE(Content(doc).mid(5 * row + 3, 1), QByteArray("\x41"));
    QCOMPARE(doc.cursorOffset, 5 * row + 4);

    const QPoint cell = CellPoint(*editor, 0, 4 * row);
    ClickAt(editor, cell, Qt::RightButton);
    QTest::mousePress(editor, Qt::LeftButton, Qt::NoModifier, cell);
    QTest::mouseMove(editor, cell + QPoint(40, 0));
    QTest::mouseRelease(editor, Qt::LeftButton, Qt::NoModifier, cell + QPoint(40, 0));
    FrameFixture::settle();
    QCOMPARE(doc.cursorOffset, 5 * row + 4);
}

void EditorWindowTest::scrollBarTakesNoKeys()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNewFocused(QStringLiteral("rom.bin"), PatternBytes(0x20000));
    QScrollBar* bar = editor->scrollBar();
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->geometry(), QRect(0, 0, 12, editor->height()));
    QCOMPARE(bar->focusPolicy(), Qt::NoFocus);
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End, Qt::Key_4}) QTest::keyClick(bar, key);
    FrameFixture::settle();
    const DocRecord& doc = DocumentOf(editor);
    QCOMPARE(bar->value(), 0);
    QCOMPARE(doc.cursorOffset, 0);
    QVERIFY(!doc.nibblePending);
}

void EditorWindowTest::wheelTurnsIntoLineSteps()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNewFocused(QStringLiteral("rom.bin"), PatternBytes(0x20000));
    const DocRecord& doc = DocumentOf(editor);
    // Over the rows and over the bar alike.
    const ViewState& view = fixture.session.view;
    QVERIFY(VisibleRows(view, editor->height()) > 7);
    Wheel(editor, -120);  // one notch towards the user: three rows down
    QCOMPARE(int(doc.cursorRow), 3);
    Wheel(editor->scrollBar(), -120);
    QCOMPARE(doc.cursorOffset, 6 * view.bytesPerRow);
    Wheel(editor, 60);  // half a notch waits for the other half
    QCOMPARE(int(doc.cursorRow), 6);
    Wheel(editor, 60);
    QCOMPARE(int(doc.cursorRow), 3);
    Wheel(editor, 240);
    QCOMPARE(int(doc.cursorRow), 0);
    QCOMPARE(doc.topOffset, 0);
}

void EditorWindowTest::thumbMovesThePage_data()
{
    QTest::addColumn<bool>("held");
    QTest::addColumn<int>("target");
    QTest::newRow("held down") << true << 0x1234;
    QTest::newRow("position set") << false << 0x8765;
}

void EditorWindowTest::thumbMovesThePage()
{
    QFETCH(bool, held);
    QFETCH(int, target);
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNewFocused(QStringLiteral("rom.bin"), PatternBytes(0x20000));
    QScrollBar* bar = editor->scrollBar();
    bar->setSliderDown(held);
    bar->setSliderPosition(target);
    bar->setSliderDown(false);
    FrameFixture::settle();
    QVERIFY(fixture.showsCursorAt(*editor, target));
    QCOMPARE(int(DocumentOf(editor).cursorColumn), target % fixture.session.view.bytesPerRow);
}

void EditorWindowTest::barActionsActAsTheirKeys_data()
{
    // From row 2, column 2: the key each action stands for.
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("topRows");  // rows above the page afterwards; -1 = one page
    QTest::addColumn<int>("cursorRow");
    QTest::addColumn<int>("cursorColumn");  // -1 = the last one
    QTest::newRow("Down") << int(QAbstractSlider::SliderSingleStepAdd) << 0 << 3 << 2;
    QTest::newRow("PageDown") << int(QAbstractSlider::SliderPageStepAdd) << -1 << 2 << 2;
    QTest::newRow("End") << int(QAbstractSlider::SliderToMaximum) << 0 << 2 << -1;
}

void EditorWindowTest::barActionsActAsTheirKeys()
{
    QFETCH(int, action);
    QFETCH(int, topRows);
    QFETCH(int, cursorRow);
    QFETCH(int, cursorColumn);
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNewFocused(QStringLiteral("rom.bin"), PatternBytes(0x20000));
    const ViewState& view = fixture.session.view;
    const DocRecord& doc = DocumentOf(editor);
    PlayKeys(editor, QStringLiteral("{Down}{Down}{Right}{Right}"));
    editor->scrollBar()->triggerAction(QAbstractSlider::SliderAction(action));
    FrameFixture::settle();
    QCOMPARE(doc.topOffset, topRows < 0 ? view.pageBytes : topRows * view.bytesPerRow);
    QCOMPARE(int(doc.cursorRow), cursorRow);
    QCOMPARE(int(doc.cursorColumn), cursorColumn < 0 ? view.bytesPerRow - 1 : cursorColumn);
    QCOMPARE(editor->scrollBar()->value(), doc.topOffset);
}

void EditorWindowTest::resizeSizesRowsToWidth()
{
    // Measured with the view font in use, not the one the program started with.
    const int width = 900;
    FrameFixture fixture;
    fixture.frame->viewContext().setViewFont(QFont(QStringLiteral("DejaVu Sans Mono"), 16), true);
    TMDIChild* editor = fixture.openNewFocused(QStringLiteral("rom.bin"), PatternBytes(0x20000));
    const ViewState& view = fixture.session.view;
    const DocRecord& doc = DocumentOf(editor);
    ClickAt(editor, CellPoint(*editor, 2, 2 * view.bytesPerRow + (view.bytesPerRow - 1) / 2));
    const int32_t cursor = doc.cursorOffset;

    ResizeClient(*editor, width, 300);
    QCOMPARE(editor->width(), width);
    // Rows of the view font's own height fill the page.
    QVERIFY(view.rowHeight >= QFontMetrics(fixture.frame->viewContext().viewFont).height());
    QCOMPARE(view.pageBytes, (editor->height() / view.rowHeight) * view.bytesPerRow);
    // The offset, every byte and every text cell lie inside the window, and there is
    // no room left for two more bytes.
    const std::vector<ViewCell> hex = Cells(*editor, 0, CellKind::Hex);
    const std::vector<ViewCell> text = Cells(*editor, 0, CellKind::Text);
    QCOMPARE(static_cast<int>(hex.size()), view.bytesPerRow);
    QCOMPARE(static_cast<int>(text.size()), view.bytesPerRow);
    QVERIFY(text.back().x + text.back().width <= width);
    const int byteWidth = (hex[1].x - hex[0].x) + (text[1].x - text[0].x);
    QVERIFY(text.back().x + text.back().width + 2 * byteWidth > width);
    QCOMPARE(doc.cursorOffset, cursor);
    QCOMPARE(doc.topOffset + doc.cursorRow * view.bytesPerRow + doc.cursorColumn, cursor);
}

void EditorWindowTest::pageKeysUseTheRowsThatFitNow_data()
{
    QTest::addColumn<bool>("fixedRow");
    QTest::addColumn<int>("firstHeight");
    QTest::addColumn<int>("height");
    QTest::newRow("fixed row, enlarged") << true << 150 << 500;
    QTest::newRow("fixed row, shrunk") << true << 500 << 150;
    QTest::newRow("auto-sized row, enlarged") << false << 150 << 500;
}

// After a resize Page Down moves by the rows the window shows, and Ctrl+End puts the
// last byte on the last whole row, the cursor inside the file.
void EditorWindowTest::pageKeysUseTheRowsThatFitNow()
{
    QFETCH(bool, fixedRow);
    QFETCH(int, firstHeight);
    QFETCH(int, height);
    FrameFixture fixture;
    const QByteArray bytes = PatternBytes(0x20000);
    TMDIChild* editor = fixedRow ? fixture.openForKeys(QStringLiteral("rom.bin"), bytes)
                                 : fixture.openNewFocused(QStringLiteral("rom.bin"), bytes);
    ResizeClient(*editor, 600, firstHeight);
    ResizeClient(*editor, 600, height);
    const ViewState& view = fixture.session.view;
    const DocRecord& doc = DocumentOf(editor);
    const int rows = editor->height() / view.rowHeight;
    PlayKeys(editor, QStringLiteral("{Ctrl+PgDown}{PgDown}"));
    QCOMPARE(doc.topOffset, rows * view.bytesPerRow);
    QCOMPARE(int(doc.cursorRow), rows - 1);

    PlayKeys(editor, QStringLiteral("{Ctrl+End}"));
    QCOMPARE(doc.topOffset + rows * view.bytesPerRow, 0x20000);
    QVERIFY(doc.cursorOffset < 0x20000);
    QCOMPARE(fixture.statusTexts()[3], QStringLiteral("Decimal Offset: %1").arg(doc.cursorOffset));
}

void EditorWindowTest::statusShowsTheActiveWindowsCursor_data()
{
    QTest::addColumn<QString>("step");
    QTest::newRow("new font") << "font";
    QTest::newRow("offset form") << "LoROM1";
    QTest::newRow("Ctrl+End after enlarging") << "end";
    QTest::newRow("window switch") << "switch";
}

// Whatever repaints the windows, the five panels show the active window's cursor
// byte and offset: a's bytes are their offset, b's their offset plus 0x80.
void EditorWindowTest::statusShowsTheActiveWindowsCursor()
{
    QFETCH(QString, step);
    FrameFixture fixture;
    TMDIChild* a = fixture.openForKeys(QStringLiteral("a.bin"), PatternBytes(0x20000));
    TMDIChild* b = fixture.openNewFocused(QStringLiteral("b.bin"), PatternBytes(0x20000, 0x80));
    fixture.placeCursor(*b, 0x1234);
    fixture.activate(a);
    fixture.placeCursor(*a, 0x321);
    if (step == QLatin1String("font")) {
        fixture.prompter.fonts.push_back(QFont(QStringLiteral("DejaVu Sans Mono"), 20));
        fixture.trigger("SetFont1");
    } else if (step == QLatin1String("end")) {
        ResizeClient(*a, 500, 150);
        ResizeClient(*a, 500, 450);
        PlayKeys(a, QStringLiteral("{Ctrl+PgDown}{Ctrl+End}"));
    } else if (step == QLatin1String("switch")) {
        // a shrinks while b is active: back in a, the cursor's byte is still shown.
        PlayKeys(a, QStringLiteral("{Ctrl+PgDown}"));
        fixture.activate(b);
        ResizeClient(*a, 500, 120);
        fixture.activate(a);
    } else {
        fixture.trigger(step.toLatin1().constData());
    }
    const DocRecord& doc = DocumentOf(a);
    const int32_t cursor = doc.cursorOffset;
    QVERIFY(cursor >= doc.topOffset && cursor < doc.topOffset + fixture.session.view.pageBytes && cursor < 0x20000);
    const QStringList status = fixture.statusTexts();
    QCOMPARE(status[0], QStringLiteral("Decimal: %1").arg(cursor & 0xFF));
    QCOMPARE(status[3], QStringLiteral("Decimal Offset: %1").arg(cursor));
}

void EditorWindowTest::japaneseTextDrawsWithTheJapaneseFace_data()
{
    QTest::addColumn<bool>("unicodeView");
    QTest::addColumn<int>("byte");
    QTest::addColumn<QString>("shown");
    for (const bool unicode : {false, true}) {
        const char* view = unicode ? "Unicode view" : "text column";
        QTest::addRow("%s, katakana", view) << unicode << 0x10 << QStringLiteral("ア");
        QTest::addRow("%s, hiragana", view) << unicode << 0x11 << QStringLiteral("あ");
        QTest::addRow("%s, kanji", view) << unicode << 0x12 << QStringLiteral("漢字");
    }
}

// A Japanese table's entries show their characters, each drawn from a face that has
// its glyph (no empty box), the Japanese one.
void EditorWindowTest::japaneseTextDrawsWithTheJapaneseFace()
{
    QFETCH(bool, unicodeView);
    QFETCH(int, byte);
    QFETCH(QString, shown);
    FrameFixture fixture;
    fixture.writeFile(QStringLiteral("rom.tbl"), "10=\x83\x41\n11=\x82\xA0\n12=\x8A\xBF\x8E\x9A\n");
    TMDIChild* editor = fixture.openNewFocused(QStringLiteral("rom.bin"), Bytes({0x10, 0x11, 0x12}));
    if (unicodeView) fixture.trigger("ViewKana");
    const ViewCell cell = Cell(*editor, 0, byte - 0x10, true);
    const FontTextMeasure& measure = fixture.frame->viewContext().measure;
    QCOMPARE(measure.displayText(cell.text, cell.unicode), shown);
    QTextLayout layout(shown, measure.font(cell.unicode));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        QCOMPARE(run.rawFont().familyName(), QStringLiteral("IPAGothic"));
        QVERIFY(!run.glyphIndexes().contains(0));
    }
}

void EditorWindowTest::rowsSizedToTheWidthHoldFullWidthCharacters_data()
{
    QTest::addColumn<bool>("unicodeView");
    QTest::newRow("text column") << false;
    QTest::newRow("Unicode view") << true;
}

// One byte a katakana: the text column of a row sized to the window ends inside it.
void EditorWindowTest::rowsSizedToTheWidthHoldFullWidthCharacters()
{
    QFETCH(bool, unicodeView);
    FrameFixture fixture;
    fixture.writeFile(QStringLiteral("rom.tbl"), "10=\x83\x41\n");
    TMDIChild* editor = fixture.openNewFocused(QStringLiteral("rom.bin"), QByteArray(4096, '\x10'));
    if (unicodeView) fixture.trigger("ViewKana");
    for (const int width : {450, 700}) {
        ResizeClient(*editor, width, 300);
        const std::vector<ViewCell> text = Cells(*editor, 0, CellKind::Text);
        QCOMPARE(static_cast<int>(text.size()), fixture.session.view.bytesPerRow);
        QVERIFY(text.back().x + text.back().width <= width);
    }
}

QTEST_MAIN(EditorWindowTest)
#include "editor_window_test.moc"
