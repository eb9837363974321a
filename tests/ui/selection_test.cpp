// The selection in the editor window driven with real events: Shift with the moving
// keys and a drag select, the selection is painted in both columns and named in the
// status bar's sixth panel, and copy and paste go through the real clipboard.

#include "view/selection.h"

#include "frame_fixture.h"
#include "ui/frame/document_windows.h"
#include "ui/settings/tcol_form.h"
#include "view/paste_messages.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QTest>

using namespace zarvo;
using namespace zarvo::window_test;

namespace {

// The selected bytes as "first-last", or "none"; and the sixth panel as shown.
QString Selected(const FrameFixture& fixture, const TMDIChild* editor)
{
    const std::optional<ByteRange> range = SelectedRange(DocumentOf(editor));
    const QString panel = Child<QLabel>(fixture.frame.get(), "MDIBarPanel5")->text();
    return (range ? QStringLiteral("%1-%2").arg(range->first).arg(range->last) : QStringLiteral("none")) + " " + panel;
}

// Byte `offset` of the first page painted on navy in both columns, at its cells' corners.
bool PaintedSelected(TMDIChild* editor, int32_t offset)
{
    const QImage image = editor->grab().toImage();
    const auto navy = [&](const QRect& cell) { return (image.pixel(cell.topLeft()) & 0xFFFFFF) == 0x000080; };
    return navy(CellRect(*editor, offset / 16, offset)) && navy(CellRect(*editor, offset / 16, offset, true));
}

// "ABC" and zeros, 16 bytes a row, the table 41=A 42=B 43=C, both columns of a row in view.
TMDIChild* OpenAbc(FrameFixture& fixture)
{
    fixture.frame->colForm()->fixedRow()->setChecked(false);
    fixture.writeFile(QStringLiteral("rom.tbl"), "41=A\n42=B\n43=C\n");
    TMDIChild* editor = fixture.openNewFocused(QStringLiteral("rom.bin"), QByteArray("ABC") + QByteArray(4093, '\0'));
    ResizeClient(*editor, 800, 300);
    fixture.prompter.clear();
    fixture.frame->statusPanels()->setHint(QStringLiteral("a hint"));
    return editor;
}

}  // namespace

class SelectionTest : public QObject {
    Q_OBJECT
private slots:
    void shiftKeysSelectAndAMoveEnds();
    void dragSelectsAndAClickEnds();
    void copyPutsTextOnTheClipboard_data();
    void copyPutsTextOnTheClipboard();
    void pasteWritesFromTheCursor_data();
    void pasteWritesFromTheCursor();
    void pasteIsRefusedOrCutAtTheEnd_data();
    void pasteIsRefusedOrCutAtTheEnd();
    void copyThenPasteGivesTheBytesBack_data();
    void copyThenPasteGivesTheBytesBack();
};

void SelectionTest::shiftKeysSelectAndAMoveEnds()
{
    FrameFixture fixture;
    TMDIChild* editor = OpenAbc(fixture);
    PlayKeys(editor, QStringLiteral("{Shift+Right}{Shift+Down}{Shift}"));
    QCOMPARE(Selected(fixture, editor), QStringLiteral("0-17 Selected: 18 bytes [00000000-00000011]"));
    QVERIFY(PaintedSelected(editor, 1) && PaintedSelected(editor, 16) && !PaintedSelected(editor, 18));
    PlayKeys(editor, QStringLiteral("{Left}"));
    QCOMPARE(Selected(fixture, editor), QStringLiteral("none a hint"));
    QVERIFY(!PaintedSelected(editor, 1));
}

void SelectionTest::dragSelectsAndAClickEnds()
{
    FrameFixture fixture;
    TMDIChild* editor = OpenAbc(fixture);
    fixture.placeCursor(*editor, 16);
    const QPoint from = CellPoint(*editor, 0, 5);
    const QPoint to = CellPoint(*editor, 1, 20);
    QTest::mousePress(editor, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(editor, (from + to) / 2);
    QTest::mouseMove(editor, to);
    QTest::mouseRelease(editor, Qt::LeftButton, Qt::NoModifier, to);
    FrameFixture::settle();
    QCOMPARE(Selected(fixture, editor), QStringLiteral("5-20 Selected: 16 bytes [00000005-00000014]"));
    QCOMPARE(DocumentOf(editor).cursorOffset, 16);  // where it was
    QVERIFY(PaintedSelected(editor, 12) && !PaintedSelected(editor, 21) && !PaintedSelected(editor, 4));
    // A click ends it, and the hint shows again.
    ClickAt(editor, CellPoint(*editor, 2, 40));
    QCOMPARE(Selected(fixture, editor), QStringLiteral("none a hint"));
    QCOMPARE(DocumentOf(editor).cursorOffset, 40);
}

void SelectionTest::copyPutsTextOnTheClipboard_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("copied");
    QTest::newRow("selection as hexadecimal") << "{Shift+Right}{Shift+Right}{Ctrl+Ins}"
                                              << "41 42 43";
    QTest::newRow("selection as shown") << "{Shift+Right}{Shift+Right}{Ctrl+Shift+Ins}"
                                        << "ABC";
    QTest::newRow("no selection: the cursor byte") << "{Down}{Ctrl+Ins}"
                                                   << "00";
}

void SelectionTest::copyPutsTextOnTheClipboard()
{
    QFETCH(QString, keys);
    QFETCH(QString, copied);
    FrameFixture fixture;
    TMDIChild* editor = OpenAbc(fixture);
    PlayKeys(editor, keys);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
}

void SelectionTest::pasteWritesFromTheCursor_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("hexadecimal") << "{Shift+Ins}"
                                 << "41 42 43" << QByteArray("ABC\0\0\0", 6);
    QTest::newRow("text") << "{Tab}{Shift+Ins}"
                          << "CAB\n"
                          << QByteArray("CAB\0\0\0", 6);
}

void SelectionTest::pasteWritesFromTheCursor()
{
    QFETCH(QString, keys);
    QFETCH(QString, pasted);
    QFETCH(QByteArray, written);
    FrameFixture fixture;
    TMDIChild* editor = OpenAbc(fixture);
    fixture.placeCursor(*editor, 0x12);
    QGuiApplication::clipboard()->setText(pasted);
    PlayKeys(editor, keys);
    QCOMPARE(Content(DocumentOf(editor)).mid(0x12, 6), written);
    QCOMPARE(DocumentOf(editor).cursorOffset, 0x15);  // after the bytes
    QVERIFY(fixture.prompter.records.empty());
}

void SelectionTest::pasteIsRefusedOrCutAtTheEnd_data()
{
    QTest::addColumn<bool>("textInput");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QByteArray>("last");  // the last four bytes of the view
    QTest::addColumn<QString>("message");
    QTest::newRow("no table code") << true << "AZ" << QByteArray(4, '\0')
                                   << QString::asprintf(messages::kPasteNoTableCode, 2, "Z");
    QTest::newRow("not hexadecimal") << false << "41 4G" << QByteArray(4, '\0')
                                     << QString::asprintf(messages::kPasteNotHex, 4);
    QTest::newRow("cut") << false << "01 02 03 04" << QByteArray("\0\0\x01\x02", 4)
                         << QString::asprintf(messages::kPasteCut, 2, 4);
}

void SelectionTest::pasteIsRefusedOrCutAtTheEnd()
{
    QFETCH(bool, textInput);
    QFETCH(QString, pasted);
    QFETCH(QByteArray, last);
    QFETCH(QString, message);
    FrameFixture fixture;
    TMDIChild* editor = OpenAbc(fixture);
    DocRecord& doc = DocumentOf(editor);
    if (textInput) PlayKeys(editor, QStringLiteral("{Tab}"));
    fixture.frame->documents().jumpTo(doc, 65533);
    QGuiApplication::clipboard()->setText(pasted);
    PlayKeys(editor, QStringLiteral("{Shift+Ins}"));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(doc.data()) + doc.viewSize - 4, 4), last);
    QCOMPARE(fixture.prompter.log(), QStringList{message});
}

void SelectionTest::copyThenPasteGivesTheBytesBack_data()
{
    QTest::addColumn<bool>("textInput");
    QTest::addColumn<bool>("unicodeView");
    QTest::addColumn<QString>("copied");
    QTest::newRow("hexadecimal input") << false << false << "41 42 10 81 40 42";
    QTest::newRow("text input") << true << false << "ABアあB";
    QTest::newRow("text input, Unicode view") << true << true << "ABアあB";
}

// Ctrl+Insert copies what Shift+Insert pastes in the same input: six bytes copied and
// pasted at 0x100 come back as they were.
void SelectionTest::copyThenPasteGivesTheBytesBack()
{
    QFETCH(bool, textInput);
    QFETCH(bool, unicodeView);
    QFETCH(QString, copied);
    FrameFixture fixture;
    fixture.writeFile(QStringLiteral("rom.tbl"), "41=A\n42=B\n10=\x83\x41\n8140=\x82\xA0\n");
    const QByteArray bytes(
        "AB\x10\x81\x40"
        "B");
    TMDIChild* editor = fixture.openNewFocused(QStringLiteral("rom.bin"), bytes + QByteArray(4090, '\0'));
    fixture.prompter.clear();
    if (unicodeView) fixture.trigger("ViewKana");
    if (textInput) PlayKeys(editor, QStringLiteral("{Tab}"));
    PlayKeys(editor, QStringLiteral("{Shift+Right}{Shift+Right}{Shift+Right}{Shift+Right}{Shift+Right}{Ctrl+Ins}"));
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    fixture.placeCursor(*editor, 0x100);
    PlayKeys(editor, QStringLiteral("{Shift+Ins}"));
    QCOMPARE(Content(DocumentOf(editor)).mid(0x100, 6), bytes);
    QVERIFY(fixture.prompter.records.empty());
}

QTEST_MAIN(SelectionTest)
#include "selection_test.moc"
