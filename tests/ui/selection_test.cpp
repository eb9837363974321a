// The selection in the editor window driven with real events: Shift with the moving
// keys and a drag select, the selection is painted in both columns and named in the
// status bar's sixth panel, and copy and paste go through the real clipboard.

#include "view/selection.h"

#include "core/document_edit.h"
#include "frame_fixture.h"
#include "ui/frame/document_windows.h"
#include "ui/settings/tcol_form.h"
#include "view/paste_messages.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>

using namespace zarvo;
using namespace zarvo::window_test;

namespace {

constexpr QRgb kNavyRgb = 0x000080;

// "ABC" and zeros, 16 bytes a row, the table 41=A 42=B 43=C, the window given the
// keyboard; nothing asked yet.
TMDIChild* OpenAbc(FrameFixture& fixture)
{
    fixture.frame->colForm()->fixedRow()->setChecked(false);
    fixture.writeFile(QStringLiteral("rom.tbl"), "41=A\n42=B\n43=C\n");
    TMDIChild* editor = fixture.openNewFocused(QStringLiteral("rom.bin"), QByteArray("ABC") + QByteArray(4093, '\0'));
    ResizeClient(*editor, 800, 300);  // wide enough for both columns of a row
    fixture.prompter.clear();
    return editor;
}

// The selected bytes as "first-last", or "none".
QString Selected(const TMDIChild* editor)
{
    const std::optional<ByteRange> range = SelectedRange(editor->document());
    return range ? QStringLiteral("%1-%2").arg(range->first).arg(range->last) : QStringLiteral("none");
}

QString SixthPanel(const FrameFixture& fixture) { return Child<QLabel>(fixture.frame.get(), "MDIBarPanel5")->text(); }

bool PaintedSelected(TMDIChild* editor, int32_t offset, bool text)
{
    return PaintedColours(editor, CellRect(*editor, offset / 16, offset, text)).contains(kNavyRgb);
}

}  // namespace

class SelectionTest : public QObject {
    Q_OBJECT
private slots:
    void shiftKeysSelect_data();
    void shiftKeysSelect();
    void dragSelectsAndAClickEndsIt();
    void copyAndPasteThroughTheClipboard();
    void refusedAndCutPastesAreTold_data();
    void refusedAndCutPastesAreTold();
};

void SelectionTest::shiftKeysSelect_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("panel");
    QTest::newRow("Shift+Right twice") << "{Shift+Right}{Shift+Right}"
                                       << "0-2"
                                       << "Selected: 3 bytes [00000000-00000002]";
    QTest::newRow("Shift+Down") << "{Shift+Down}"
                                << "0-16"
                                << "Selected: 17 bytes [00000000-00000010]";
    QTest::newRow("Shift+End") << "{Right}{Shift+End}"
                               << "1-15"
                               << "Selected: 15 bytes [00000001-0000000F]";
    QTest::newRow("Shift alone keeps it") << "{Shift+Right}{Shift}"
                                          << "0-1"
                                          << "Selected: 2 bytes [00000000-00000001]";
    QTest::newRow("a move ends it") << "{Shift+Right}{Shift+Right}{Left}"
                                    << "none"
                                    << "";
}

void SelectionTest::shiftKeysSelect()
{
    QFETCH(QString, script);
    QFETCH(QString, selected);
    QFETCH(QString, panel);
    FrameFixture fixture;
    TMDIChild* editor = OpenAbc(fixture);
    PlayKeys(editor, script);
    QCOMPARE(Selected(editor), selected);
    QCOMPARE(SixthPanel(fixture), panel);
    // Byte 1 is inside every selection here and never under the cursor at its end.
    const bool inside = selected != QStringLiteral("none") && selected != QStringLiteral("0-1");
    QCOMPARE(PaintedSelected(editor, 1, false), inside);
    QCOMPARE(PaintedSelected(editor, 1, true), inside);
}

void SelectionTest::dragSelectsAndAClickEndsIt()
{
    FrameFixture fixture;
    TMDIChild* editor = OpenAbc(fixture);
    const QPoint from = CellPoint(*editor, 0, 5);
    const QPoint to = CellPoint(*editor, 1, 20);
    QTest::mousePress(editor, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(editor, (from + to) / 2);
    QTest::mouseMove(editor, to);
    QTest::mouseRelease(editor, Qt::LeftButton, Qt::NoModifier, to);
    FrameFixture::settle();
    QCOMPARE(Selected(editor), QStringLiteral("5-20"));
    QCOMPARE(editor->document().cursorOffset, 0);
    QCOMPARE(SixthPanel(fixture), QStringLiteral("Selected: 16 bytes [00000005-00000014]"));
    QVERIFY(PaintedSelected(editor, 12, false) && PaintedSelected(editor, 12, true));
    QVERIFY(!PaintedSelected(editor, 21, false) && !PaintedSelected(editor, 4, true));

    // A hint shows again once the selection is gone.
    fixture.frame->statusPanels()->setHint(QStringLiteral("a hint"));
    QCOMPARE(SixthPanel(fixture), QStringLiteral("Selected: 16 bytes [00000005-00000014]"));
    ClickAt(editor, CellPoint(*editor, 2, 40));
    QCOMPARE(Selected(editor), QStringLiteral("none"));
    QCOMPARE(editor->document().cursorOffset, 40);
    QCOMPARE(SixthPanel(fixture), QStringLiteral("a hint"));
}

void SelectionTest::copyAndPasteThroughTheClipboard()
{
    FrameFixture fixture;
    TMDIChild* editor = OpenAbc(fixture);
    DocRecord& doc = editor->document();
    QClipboard* clipboard = QGuiApplication::clipboard();
    PlayKeys(editor, QStringLiteral("{Shift+Right}{Shift+Right}{Ctrl+Ins}"));
    QCOMPARE(clipboard->text(), QStringLiteral("41 42 43"));
    PlayKeys(editor, QStringLiteral("{Ctrl+Shift+Ins}"));
    QCOMPARE(clipboard->text(), QStringLiteral("ABC"));
    QCOMPARE(Selected(editor), QStringLiteral("0-2"));

    // Hexadecimal text over byte 0x12, the cursor after it; one step undoes it all.
    PlayKeys(editor, QStringLiteral("{Down}{Ctrl+Ins}"));
    QCOMPARE(clipboard->text(), QStringLiteral("00"));
    clipboard->setText(QStringLiteral("41 42 43"));
    PlayKeys(editor, QStringLiteral("{Shift+Ins}"));
    QCOMPARE(Content(doc).mid(0x12, 4), QByteArray("ABC\0", 4));
    QCOMPARE(doc.cursorOffset, 0x15);
    QVERIFY(UndoEdit(doc));
    QCOMPARE(Content(doc).mid(0x12, 3), QByteArray(3, '\0'));
    QCOMPARE(doc.cursorOffset, 0x12);

    // Table text in text input.
    clipboard->setText(QStringLiteral("CAB\n"));
    PlayKeys(editor, QStringLiteral("{Tab}{Shift+Ins}"));
    QCOMPARE(Content(doc).mid(0x12, 3), QByteArray("CAB"));
    QCOMPARE(doc.cursorOffset, 0x15);
    QVERIFY(fixture.prompter.records.empty());
}

void SelectionTest::refusedAndCutPastesAreTold_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("textInput");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("bytes");  // the last four bytes of the view afterwards
    const QByteArray untouched(4, '\0');
    QTest::newRow("not hexadecimal") << "41 4G" << false << 0 << QString::asprintf(messages::kPasteNotHex, 4)
                                     << untouched;
    QTest::newRow("empty") << "" << false << 0 << QString::fromUtf8(messages::kPasteEmpty) << untouched;
    QTest::newRow("no table entry") << "AZ" << true << 0 << QString::asprintf(messages::kPasteNoTableCode, 2, "Z")
                                    << untouched;
    QTest::newRow("cut at the end") << "01 02 03 04" << false << 65533 << QString::asprintf(messages::kPasteCut, 2, 4)
                                    << QByteArray("\0\0\x01\x02", 4);
}

void SelectionTest::refusedAndCutPastesAreTold()
{
    QFETCH(QString, clipboard);
    QFETCH(bool, textInput);
    QFETCH(int, cursor);
    QFETCH(QString, message);
    QFETCH(QByteArray, bytes);
    FrameFixture fixture;
    TMDIChild* editor = OpenAbc(fixture);
    DocRecord& doc = editor->document();
    fixture.frame->documents().jumpTo(doc, cursor);
    QCOMPARE(doc.cursorOffset, cursor);
    if (textInput) PlayKeys(editor, QStringLiteral("{Tab}"));
    QGuiApplication::clipboard()->setText(clipboard);
    PlayKeys(editor, QStringLiteral("{Shift+Ins}"));
    QCOMPARE(fixture.prompter.log(), QStringList{message});
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(doc.data()) + doc.viewSize - 4, 4), bytes);
    QCOMPARE(Content(doc).left(3), QByteArray("ABC"));
    QCOMPARE(doc.modified, cursor != 0);
}

QTEST_MAIN(SelectionTest)
#include "selection_test.moc"
