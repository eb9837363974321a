// Real key strokes on an editor window: hexadecimal and text typing, moving and
// scrolling, the Ctrl keys, the input-mode keys Tab / Shift+Tab / Alt+Tab, and
// saving what was typed.

#include "core/messages.h"
#include "frame_fixture.h"
#include "ui/settings/tcol_form.h"
#include "view/key_editing.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTest>

using namespace zarvo;

namespace {

// Plays a key script on the editor: plain characters are typed as they stand,
// "{...}" is a key with modifiers as QKeySequence writes it ("{Ctrl+Right}",
// "{Shift+Backtab}"), "{Shift}" the Shift key alone.
void Play(QWidget* target, const QString& script)
{
    for (qsizetype at = 0; at < script.size(); ++at) {
        if (script[at] != QLatin1Char('{')) {
            QTest::keyClick(target, script[at].toLatin1());
            continue;
        }
        const qsizetype end = script.indexOf(QLatin1Char('}'), at);
        const QString name = script.mid(at + 1, end - at - 1);
        at = end;
        if (name == QLatin1String("Shift")) {
            QTest::keyClick(target, Qt::Key_Shift, Qt::ShiftModifier);
            continue;
        }
        const QKeyCombination key = QKeySequence(name)[0];
        QVERIFY2(key.key() != Qt::Key_unknown, qPrintable(name));
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
    }
    FrameFixture::settle();
}

// A character typed through an input that gives its text only (a Japanese one).
void TypeText(QWidget* target, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    FrameFixture::settle();
}

// Opens bytes in a window that has the keyboard, rows not following its width.
TMDIChild* OpenForKeys(FrameFixture& fixture, const QByteArray& bytes, const QByteArray& table = {})
{
    if (!table.isEmpty()) fixture.writeFile(QStringLiteral("rom.tbl"), table);
    fixture.frame->colForm()->fixedRow()->setChecked(false);
    return fixture.openFocused(fixture.writeFile(QStringLiteral("rom.bin"), bytes));
}

QByteArray FirstBytes(const TMDIChild& editor, int count)
{
    return QByteArray(reinterpret_cast<const char*>(editor.document().data()), count);
}

}  // namespace

class EditingKeysTest : public QObject {
    Q_OBJECT
private slots:
    void hexTyping_data();
    void hexTyping();
    void movesScrollTheViewAndTheBar();
    void inputModeKeys();
    void textTyping_data();
    void textTyping();
    void typedBytesAreSaved();
};

void EditingKeysTest::hexTyping_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QByteArray>("bytes");  // the first four bytes afterwards
    QTest::addColumn<int>("cursor");
    QTest::addColumn<bool>("pending");
    QTest::newRow("two digits") << "4f" << QByteArray("\x4F\x01\x02\x03", 4) << 1 << false;
    QTest::newRow("Right between digits") << "4{Right}1" << QByteArray("\x00\x01\x02\x03", 4) << 1 << true;
    QTest::newRow("Shift between digits") << "4{Shift}1" << QByteArray("\x41\x01\x02\x03", 4) << 1 << false;
    QTest::newRow("upper case with Shift held") << "{Shift+F}{Shift+E}" << QByteArray("\xFE\x01\x02\x03", 4) << 1
                                               << false;
    QTest::newRow("no digit cancels") << "4G" << QByteArray("\x00\x01\x02\x03", 4) << 0 << false;
    QTest::newRow("Tab keeps the first digit") << "4{Tab}{Tab}1" << QByteArray("\x41\x01\x02\x03", 4) << 1 << false;
    QTest::newRow("Ctrl+digit types nothing") << "{Ctrl+5}{Ctrl+6}" << QByteArray("\x00\x01\x02\x03", 4) << 0 << false;
}

void EditingKeysTest::hexTyping()
{
    QFETCH(QString, script);
    QFETCH(QByteArray, bytes);
    QFETCH(int, cursor);
    QFETCH(bool, pending);
    FrameFixture fixture;
    TMDIChild* editor = OpenForKeys(fixture, PatternBytes(4096));
    QVERIFY(editor != nullptr);

    Play(editor, script);
    QCOMPARE(FirstBytes(*editor, 4), bytes);
    QCOMPARE(editor->document().cursorOffset, cursor);
    QCOMPARE(editor->document().nibblePending, pending);
    QCOMPARE(editor->document().modified, bytes != QByteArray("\x00\x01\x02\x03", 4));
    QVERIFY(!editor->document().textMode);
}

void EditingKeysTest::movesScrollTheViewAndTheBar()
{
    FrameFixture fixture;
    TMDIChild* editor = OpenForKeys(fixture, PatternBytes(0x20000));
    QVERIFY(editor != nullptr);
    const ViewState& view = fixture.session.view;
    const DocRecord& doc = editor->document();
    const QScrollBar* bar = editor->scrollBar();
    const int rows = VisibleRows(view, editor->height());

    // Up at offset 0 stays there; Shift does not change what an arrow does.
    Play(editor, QStringLiteral("{Up}{Shift+Down}{Right}"));
    QCOMPARE(doc.cursorOffset, view.bytesPerRow + 1);
    QCOMPARE(fixture.frame->statusPanels()->panelText(3),
             QStringLiteral("Decimal Offset: %1").arg(view.bytesPerRow + 1));

    // Right on the last cell of the page scrolls one row and goes to column 0.
    Play(editor, QStringLiteral("{Ctrl+PgDown}{End}{Right}"));
    QCOMPARE(doc.topOffset, view.bytesPerRow);
    QCOMPARE(int(doc.cursorRow), rows - 1);
    QCOMPARE(int(doc.cursorColumn), 0);
    QCOMPARE(bar->value(), view.bytesPerRow);

    // PageDown keeps the cursor cell and moves the page and the bar by a page.
    Play(editor, QStringLiteral("{PgDown}"));
    QCOMPARE(doc.topOffset, view.bytesPerRow + view.pageBytes);
    QCOMPARE(bar->value(), doc.topOffset);
    QCOMPARE(int(doc.cursorRow), rows - 1);
    QCOMPARE(bar->maximum(), 0x20000);
    QCOMPARE(bar->singleStep(), view.bytesPerRow);
    QCOMPARE(bar->pageStep(), view.pageBytes);

    // Ctrl+Right widens the rows up to 32 bytes, the cursor keeping its byte.
    const int32_t cursor = doc.cursorOffset;
    for (int step = 0; step < 40; ++step) Play(editor, QStringLiteral("{Ctrl+Right}"));
    QCOMPARE(view.bytesPerRow, 32);
    QCOMPARE(doc.cursorOffset, cursor);
    QCOMPARE(bar->singleStep(), 32);
}

void EditingKeysTest::inputModeKeys()
{
    FrameFixture fixture;
    TMDIChild* editor = OpenForKeys(fixture, QByteArray(4096, '\0'), "41=A\n42=B\n");
    QVERIFY(editor != nullptr);
    QAction* mode = fixture.action("HexEditMode1");
    QVERIFY(!mode->isChecked());

    Play(editor, QStringLiteral("{Tab}"));
    QVERIFY(editor->document().textMode);
    QVERIFY(mode->isChecked());
    QCOMPARE(QApplication::focusWidget(), editor);
    Play(editor, QStringLiteral("AB4"));
    QCOMPARE(FirstBytes(*editor, 3), QByteArray("AB\0", 3));

    Play(editor, QStringLiteral("{Tab}"));
    QVERIFY(!editor->document().textMode);
    QVERIFY(!mode->isChecked());
    QCOMPARE(QApplication::focusWidget(), editor);
    Play(editor, QStringLiteral("42"));
    QCOMPARE(FirstBytes(*editor, 3), QByteArray("ABB", 3));

    // Shift+Tab (as Backtab, or as Tab with Shift) and Alt+Tab toggle the switches.
    QAction* mbe = fixture.action("D_MBE");
    Play(editor, QStringLiteral("{Shift+Backtab}{Alt+Tab}"));
    QVERIFY(mbe->isChecked() && fixture.session.input.D_MBE);
    QVERIFY(fixture.action("D_DTE")->isChecked() && fixture.session.input.D_DTE);
    Play(editor, QStringLiteral("{Shift+Tab}"));
    QVERIFY(!mbe->isChecked() && !fixture.session.input.D_MBE);
    QVERIFY(!editor->document().textMode);
    QCOMPARE(QApplication::focusWidget(), editor);

    // The items work from the menu too (a desktop may keep Alt+Tab for itself).
    fixture.trigger("HexEditMode1");
    QVERIFY(editor->document().textMode && mode->isChecked());
    fixture.trigger("D_DTE");
    QVERIFY(!fixture.session.input.D_DTE);
}

void EditingKeysTest::textTyping_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QString>("switches");  // keys after Tab: "{Shift+Backtab}" D_MBE, "{Alt+Tab}" D_DTE
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("bytes");  // from offset 2 on
    QTest::addColumn<int>("cursor");
    QTest::newRow("lowest byte of a character") << QByteArray("81=A\n80=A\n") << ""
                                                << "AA" << QByteArray("\x80\x80\x00", 3) << 4;
    QTest::newRow("two-byte entry") << QByteArray("8140=A\n") << ""
                                    << "A" << QByteArray("\x81\x40\x00", 3) << 4;
    QTest::newRow("two-byte entry with D_MBE") << QByteArray("8140=A\n") << "{Shift+Backtab}"
                                               << "A" << QByteArray("\x00\x00\x00", 3) << 2;
    QTest::newRow("DTE with the byte before") << QByteArray("41=A\n42=B\n90=AB\n") << "{Alt+Tab}"
                                              << "AB" << QByteArray("\x90\x42\x00", 3) << 4;
    QTest::newRow("Shift-JIS character") << QByteArray("10=\x83\x41\n") << "" << QStringLiteral("ア")
                                         << QByteArray("\x10\x00", 2) << 3;
}

void EditingKeysTest::textTyping()
{
    QFETCH(QByteArray, table);
    QFETCH(QString, switches);
    QFETCH(QString, typed);
    QFETCH(QByteArray, bytes);
    QFETCH(int, cursor);
    FrameFixture fixture;
    TMDIChild* editor = OpenForKeys(fixture, QByteArray(4096, '\0'), table);
    QVERIFY(editor != nullptr);
    Play(editor, QStringLiteral("{Right}{Right}{Tab}") + switches);

    for (const QChar c : typed) {
        if (c.unicode() < 0x80) {
            Play(editor, QString(c));
        } else {
            TypeText(editor, QString(c));
        }
    }
    const auto* data = reinterpret_cast<const char*>(editor->document().data());
    QCOMPARE(QByteArray(data + 2, bytes.size()), bytes);
    QCOMPARE(editor->document().cursorOffset, cursor);
    QCOMPARE(editor->document().modified, cursor != 2);
}

void EditingKeysTest::typedBytesAreSaved()
{
    FrameFixture fixture;
    const QByteArray original = PatternBytes(300);
    TMDIChild* editor = OpenForKeys(fixture, original, "41=A\n");
    QVERIFY(editor != nullptr);

    Play(editor, QStringLiteral("C0DE{Down}{Home}{Tab}AA{Tab}FF"));
    QVERIFY(editor->document().modified);
    Play(editor, QStringLiteral("{Ctrl+S}"));
    QVERIFY(!editor->document().modified);
    QCOMPARE(fixture.prompter.texts(), QStringList{QString::fromUtf8(messages::kSavedSuccessfully)});

    QByteArray expected = original;
    const int row = fixture.session.view.bytesPerRow;
    expected[0] = char(0xC0);
    expected[1] = char(0xDE);
    expected[row] = 'A';
    expected[row + 1] = 'A';
    expected[row + 2] = char(0xFF);
    QCOMPARE(fixture.readFile(QStringLiteral("rom.bin")), expected);
}

QTEST_MAIN(EditingKeysTest)
#include "editing_keys_test.moc"
