// The tables: loading Table #1 and Table #2, switching between them and the ASCII
// table, re-reading the table when an editor window becomes active; and the table
// editor and maker: typing entries, the character grid, editing the list, opening and
// saving table files, and the closing question that makes the saved file the
// document's table.

#include "frame_fixture.h"
#include "ui/tables/shift_jis_grid_view.h"
#include "ui/tables/ttm_form.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QListWidget>
#include <QMouseEvent>

#include <functional>

using namespace zarvo;
using namespace zarvo::window_test;

namespace {

// Bytes 41 42 43 44 ...: the first text cells show what the table makes of them.
QByteArray Rom() { return PatternBytes(256, 0x41); }

// Beside the document, with its name.
const QString kTableChooser = QStringLiteral("open(Open Table File, Tbl files (*.tbl *.TBL), ./rom.tbl)");

// The form and its controls, found by name as the user knows them.
struct Editor {
    explicit Editor(FrameFixture& fixture)
        : form(fixture.frame->findChild<TTMForm*>()),
          TblVal(Child<QLineEdit>(form, "TblVal")),
          TblList(Child<QListWidget>(form, "TblList")),
          jGrid(Child<ShiftJisGridView>(form, "jGrid")),
          TScrl(Child<QScrollBar>(form, "TScrl"))
    {}

    void trigger(const char* name) const { Child<QAction>(form, name)->trigger(); }
    // Typed key by key, then Enter.
    void type(const QString& text) const
    {
        QTest::keyClicks(TblVal, text);
        QTest::keyClick(TblVal, Qt::Key_Return);
    }
    [[nodiscard]] QStringList lines() const { return ListLines(TblList->model()); }
    [[nodiscard]] QPoint rowPoint(int row) const { return TblList->visualItemRect(TblList->item(row)).center(); }
    void clickCell(int column, int row) const
    {
        QTest::mouseClick(jGrid, Qt::LeftButton, {}, ShiftJisGridView::cellOrigin(column, row) + QPoint(12, 12));
    }
    void clickSet(const char* name) const { QTest::mouseClick(Child<QRadioButton>(form, name), Qt::LeftButton); }
    // Shows the window without waiting for it to close, as the maker, or with lines.
    void show(const std::vector<std::string>& prepared = {}) const
    {
        if (prepared.empty()) {
            form->PrepareMaker();
        } else {
            form->PrepareLines(prepared);
        }
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    TTMForm* form;
    QLineEdit* TblVal;
    QListWidget* TblList;
    ShiftJisGridView* jGrid;
    QScrollBar* TScrl;
};

// Presses a frame shortcut that shows the window modally; work runs inside it, and a
// window still shown afterwards is closed. Checks belong after the call.
void RunModal(FrameFixture& fixture, QKeyCombination key, const std::function<void(Editor&)>& work)
{
    Editor editor(fixture);
    fixture.whilePressed(editor.form, key, [&] { work(editor); });
}

bool Shows(TMDIChild* editor, const char* text)
{
    return RowTextColumn(*editor, 0).startsWith(QString::fromLatin1(text));
}

}  // namespace

class TablesTest : public QObject {
    Q_OBJECT
private slots:
    void tableMenuChoosesSwapsAndReReads();
    void activationReReadsTheTable();
    void entriesFillTheListAndTheKeyCounts();
    void gridSetsScrollToTheirCodes_data();
    void gridSetsScrollToTheirCodes();
    void gridPicksGoInAtTheCaret();
    void gridPicksStopAtThirtyBytes();
    void makerSaveRefusalsWriteNothing_data();
    void makerSaveRefusalsWriteNothing();
    void makerSavesItsLinesToOneFile();
    void makerOpensTableFiles();
    void listLinesGoToTheEntry();
    void rightClickPlacesTheEntryWhenAgreed();
    void deleteKeepsTheSelectionsPlace();
    void draggingALineSwapsItWithAnother();
    void sortOnceThenAppendAndPaste();
    void escapeCloses_data();
    void escapeCloses();
    void editorShowsTheActiveTable();
    void editorSavesToTheTablesOwnFile();
    void makerOffersItsFileAsTheTable_data();
    void makerOffersItsFileAsTheTable();
};

void TablesTest::tableMenuChoosesSwapsAndReReads()
{
    FrameFixture fixture;
    const QString first = fixture.writeFile(QStringLiteral("one.tbl"), "41=1\n42=b\n");
    const QString second = fixture.writeFile(QStringLiteral("two.TBL"), "41=X\n4243=YZ\n");
    TMDIChild* editor = fixture.openNew(QStringLiteral("rom.bin"), Rom());
    const DocRecord& doc = DocumentOf(editor);
    QVERIFY(Shows(editor, "ABCD"));
    // Without tables the swap items do nothing, nor does a cancelled choice.
    fixture.prompter.clear();
    fixture.trigger("Asciitbl1");
    fixture.trigger("tblv1");
    fixture.trigger("tblv2");
    fixture.prompter.files = {std::nullopt, first, second};
    fixture.trigger("Tbl21");
    QCOMPARE(doc.table.activeTable, int8_t{2});
    QCOMPARE(fixture.action("tblv2")->text(), QStringLiteral("..."));

    fixture.trigger("Tbl11");
    QCOMPARE(doc.table.activeTable, int8_t{0});
    QCOMPARE(doc.table.tableName[0], first.toStdString());
    QCOMPARE(fixture.action("tblv1")->text(), QStringLiteral("one.tbl"));
    QVERIFY(Shows(editor, "1b.."));
    fixture.trigger("Tbl21");
    QCOMPARE(doc.table.activeTable, int8_t{1});
    QCOMPARE(doc.table.tableName[1], second.toStdString());
    QCOMPARE(fixture.action("tblv2")->text(), QStringLiteral("two.TBL"));
    QVERIFY(Shows(editor, "XYZ."));
    QCOMPARE(fixture.prompter.log(), QStringList(3, kTableChooser));

    // Table #1 comes back from the disk as it is now.
    fixture.writeFile(QStringLiteral("one.tbl"), "41=one\n");
    fixture.trigger("tblv1");
    QCOMPARE(doc.table.activeTable, int8_t{0});
    QVERIFY(Shows(editor, "one..."));
    fixture.trigger("tblv2");
    QVERIFY(Shows(editor, "XYZ."));
    fixture.trigger("Asciitbl1");
    QCOMPARE(doc.table.activeTable, int8_t{2});
    QVERIFY(Shows(editor, "ABCD"));
    // The remembered tables stay available.
    QCOMPARE(fixture.action("tblv1")->text() + fixture.action("tblv2")->text(), QStringLiteral("one.tbltwo.TBL"));
    QCOMPARE(fixture.prompter.unexpected, 0);
}

void TablesTest::activationReReadsTheTable()
{
    FrameFixture fixture;
    const QString table = fixture.writeFile(QStringLiteral("game.tbl"), "41=old\n");
    TMDIChild* game = fixture.openNew(QStringLiteral("game.bin"), Rom());
    TMDIChild* other = fixture.openNew(QStringLiteral("other.bin"), Rom());
    QCOMPARE(fixture.action("tblv1")->text(), QStringLiteral("..."));

    fixture.writeFile(QStringLiteral("game.tbl"), "41=new\n[00000010-00000020]Intro\n");
    QVERIFY(Shows(game, "old"));
    fixture.activate(game);
    QCOMPARE(fixture.frame->activeEditor(), game);
    QVERIFY(Shows(game, "new..."));
    QCOMPARE(fixture.action("tblv1")->text(), QStringLiteral("game.tbl"));
    QCOMPARE(DocumentOf(game).table.tableName[0], table.toStdString());
    // The program-wide dump labels belong to the active window's table.
    QCOMPARE(fixture.session.tables.dumpLabels, std::vector<std::string>{"[00000010-00000020]Intro"});

    fixture.activate(other);
    QCOMPARE(fixture.action("tblv1")->text(), QStringLiteral("..."));
    QVERIFY(Shows(other, "ABCD"));

    // A table gone from the disk falls back to the ASCII table without a word.
    QVERIFY(QFile::remove(table));
    fixture.activate(game);
    QCOMPARE(DocumentOf(game).table.activeTable, int8_t{2});
    QVERIFY(Shows(game, "ABCD"));
    QCOMPARE(fixture.prompter.texts(), QStringList());
}

void TablesTest::entriesFillTheListAndTheKeyCounts()
{
    FrameFixture fixture;
    Editor editor(fixture);
    editor.show();
    editor.type(QStringLiteral("fe=a"));
    QCOMPARE(editor.TblList->currentRow(), 0);
    QCOMPARE(editor.TblVal->text(), QStringLiteral("FF="));
    QCOMPARE(editor.TblVal->cursorPosition(), 3);
    // Counting in reverse steps the first byte of the key.
    editor.trigger("RevINC");
    Retype(editor.TblVal, QStringLiteral("12ff="));
    QTest::keyClick(editor.TblVal, Qt::Key_Return);
    QCOMPARE(editor.TblVal->text(), QStringLiteral("13FF="));
    // An empty entry adds nothing; a kana text, which has no key here, is pasted in.
    editor.TblVal->clear();
    QTest::keyClick(editor.TblVal, Qt::Key_Return);
    editor.TblVal->insert(QString::fromUtf8("8140=\u3042"));
    QTest::keyClick(editor.TblVal, Qt::Key_Return);
    QCOMPARE(editor.lines(), (QStringList{"FE=a", "12FF=", QString::fromUtf8("8140=\u3042")}));
    QCOMPARE(editor.TblList->currentRow(), 2);

    // The count and its width survive closing and opening the window again.
    editor.form->close();
    editor.show();
    QVERIFY(editor.lines().isEmpty() && editor.TblVal->text().isEmpty());
    QCOMPARE(editor.form->keyCounter().keyDigits, 4);
    QCOMPARE(editor.form->keyCounter().nextKey, 0x8240u);
}

void TablesTest::gridSetsScrollToTheirCodes_data()
{
    QTest::addColumn<QString>("set");
    QTest::addColumn<int>("code");
    QTest::newRow("punctuation, checked at first") << QString() << 0x8140;
    QTest::newRow("hiragana") << QStringLiteral("Hira") << 0x82A0;
    QTest::newRow("katakana") << QStringLiteral("Kata") << 0x8340;
}

void TablesTest::gridSetsScrollToTheirCodes()
{
    QFETCH(QString, set);
    QFETCH(int, code);
    FrameFixture fixture;
    Editor editor(fixture);
    editor.show();
    if (!set.isEmpty()) editor.clickSet(qPrintable(set));
    QCOMPARE((QList<int>{editor.TScrl->minimum(), editor.TScrl->maximum(), editor.TScrl->singleStep(),
                         editor.TScrl->pageStep(), editor.TScrl->value()}),
             (QList<int>{32768, 65376, 16, 160, code}));
}

void TablesTest::gridPicksGoInAtTheCaret()
{
    FrameFixture fixture;
    Editor editor(fixture);
    editor.show();
    editor.clickSet("Hira");
    // The marker follows the mouse and names the cell's code.
    const QPoint cell = ShiftJisGridView::cellOrigin(2, 0) + QPoint(12, 12);
    QMouseEvent hover(QEvent::MouseMove, cell, editor.jGrid->mapToGlobal(cell), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(editor.jGrid, &hover);
    GridMarker* ClickMe = editor.jGrid->marker();
    QVERIFY(ClickMe->isVisible());
    QCOMPARE(ClickMe->pos(), ShiftJisGridView::cellOrigin(2, 0));
    QCOMPARE(ClickMe->toolTip(), QStringLiteral("82A2"));

    // Picks go in at the caret, which then moves to the end.
    editor.TblVal->setText(QStringLiteral("82A2=x"));
    editor.TblVal->setCursorPosition(5);
    QTest::mouseClick(ClickMe, Qt::LeftButton);
    QCOMPARE(editor.TblVal->text(), QString::fromUtf8("82A2=\u3044x"));
    QCOMPARE(editor.TblVal->cursorPosition(), editor.TblVal->text().size());
    editor.clickCell(0, 1);  // 82B0
    QCOMPARE(editor.TblVal->text(), QString::fromUtf8("82A2=\u3044x\u3052"));
}

void TablesTest::gridPicksStopAtThirtyBytes()
{
    FrameFixture fixture;
    Editor editor(fixture);
    editor.show();
    editor.clickSet("Kata");
    // 28 bytes take one more character, 30 bytes none.
    const QString full = QString(28, QLatin1Char('a')) + QString::fromUtf8("\u30A2");
    editor.TblVal->setText(QString(28, QLatin1Char('a')));
    editor.clickCell(1, 0);  // 8341
    QCOMPARE(editor.TblVal->text(), full);
    editor.clickCell(1, 0);
    QCOMPARE(editor.TblVal->text(), full);
}

void TablesTest::makerSaveRefusalsWriteNothing_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("shown");
    const QString asked = QStringLiteral("Save Table Data");
    QTest::newRow("no") << false << false << QString() << QStringList{asked};
    QTest::newRow("cancelled") << true << true << QString() << QStringList{asked};
    QTest::newRow("empty name") << true << false << QString() << QStringList{asked, "No file selected..."};
    QTest::newRow("folder gone") << true << false << QStringLiteral("gone/new.tbl")
                                 << QStringList{asked, "Could not open the Table File..."};
}

void TablesTest::makerSaveRefusalsWriteNothing()
{
    QFETCH(bool, yes);
    QFETCH(bool, cancel);
    QFETCH(QString, file);
    QFETCH(QStringList, shown);
    FrameFixture fixture;
    Editor editor(fixture);
    editor.show();
    editor.type(QStringLiteral("41=A"));
    fixture.prompter.answers = {yes};
    if (yes) {
        fixture.prompter.files = {cancel ? std::nullopt
                                         : std::optional(file.isEmpty() ? QString() : fixture.path(file))};
    }
    editor.trigger("SaveTableFile1");
    QCOMPARE(fixture.prompter.texts(), shown);
    QCOMPARE(editor.form->windowTitle(), QStringLiteral("Table Editor []"));
    QVERIFY(editor.form->editFileName().empty());
    // Only the settings file the fixture keeps in its folder.
    QCOMPARE(QDir(fixture.folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("zv32ex.ini")});
}

void TablesTest::makerSavesItsLinesToOneFile()
{
    FrameFixture fixture;
    Editor editor(fixture);
    editor.show();
    editor.type(QStringLiteral("41=A"));
    editor.TblVal->setText(QStringLiteral("8140="));
    editor.clickSet("Hira");
    editor.clickCell(2, 0);  // 82A2
    QTest::keyClick(editor.TblVal, Qt::Key_Return);
    editor.TblVal->clear();
    editor.type(QStringLiteral("/FF"));
    QCOMPARE(editor.TblVal->text(), QStringLiteral("/FF"));  // no key: the line stays for the next edit

    fixture.prompter.answers = {true};
    fixture.prompter.files.push_back(fixture.path(QStringLiteral("made")));  // the extension is added
    editor.trigger("SaveTableFile1");
    QCOMPARE(fixture.prompter.log(),
             (QStringList{"ask(Save File, question): Save Table Data", "save(Save Table File, TBL files (*.tbl), .)"}));
    QCOMPARE(editor.form->editFileName(), fixture.path(QStringLiteral("made.tbl")).toStdString());
    QCOMPARE(editor.form->windowTitle(), QStringLiteral("Table Editor [made.tbl]"));
    QCOMPARE(fixture.readFile(QStringLiteral("made.tbl")), QByteArray("41=A\n8140=\x82\xA2\n/FF\n"));

    // A second save goes to the same file without a dialog.
    editor.TblVal->clear();
    editor.type(QStringLiteral("43=C"));
    fixture.prompter.answers = {true};
    editor.trigger("SaveTableFile1");
    QCOMPARE(fixture.prompter.recordsOf(PromptRecord::Kind::SaveFile).size(), std::size_t{1});
    QCOMPARE(fixture.readFile(QStringLiteral("made.tbl")), QByteArray("41=A\n8140=\x82\xA2\n/FF\n43=C\n"));
}

void TablesTest::makerOpensTableFiles()
{
    FrameFixture fixture;
    Editor editor(fixture);
    editor.show({"41=A", "42=B"});
    // A missing file and Cancel leave the list alone; a table file fills it.
    const QString table = fixture.writeFile(QStringLiteral("other.TBL"), "50=p\n51=q");
    fixture.prompter.files = {fixture.path(QStringLiteral("missing.tbl")), std::nullopt, table};
    editor.trigger("OpenTableFile1");
    editor.trigger("OpenTableFile1");
    QCOMPARE(editor.lines(), (QStringList{"41=A", "42=B"}));
    editor.trigger("OpenTableFile1");
    // No document: where the program started.
    QCOMPARE(fixture.prompter.log(), QStringList(3, "open(Open Table File, Tbl files (*.tbl *.TBL), .)"));
    QCOMPARE(editor.lines(), (QStringList{"50=p", "51=q"}));
    QCOMPARE(editor.form->editFileName(), table.toStdString());
    QCOMPARE(editor.form->windowTitle(), QStringLiteral("Table Editor [other.TBL]"));
    QCOMPARE(fixture.prompter.unexpected, 0);
}

void TablesTest::listLinesGoToTheEntry()
{
    FrameFixture fixture;
    Editor editor(fixture);
    editor.show({"41=A", "42=B", "43=C", "44=D", "45=E"});
    QCOMPARE(editor.form->mode(), TableEditorMode::Prepared);
    QCOMPARE(editor.TblList->currentRow(), 0);
    // Enter copies the selected line, a double click the clicked one.
    editor.TblList->setCurrentRow(1);
    QTest::keyClick(editor.TblList, Qt::Key_Return);
    QCOMPARE(editor.TblVal->text(), QStringLiteral("42=B"));
    QTest::mouseDClick(editor.TblList->viewport(), Qt::LeftButton, {}, editor.rowPoint(2));
    QCOMPARE(editor.TblVal->text(), QStringLiteral("43=C"));
    QCOMPARE(editor.TblList->currentRow(), 2);
}

void TablesTest::rightClickPlacesTheEntryWhenAgreed()
{
    FrameFixture fixture;
    Editor editor(fixture);
    editor.show({"41=A", "42=B", "43=C", "44=D", "45=E"});
    QWidget* rows = editor.TblList->viewport();
    // A right click offers to put the entry there; with an empty entry nothing is asked.
    editor.TblVal->setText(QStringLiteral("44=d"));
    fixture.prompter.answers = {false, true};
    QTest::mouseClick(rows, Qt::LeftButton, {}, editor.rowPoint(0));
    QTest::mouseClick(rows, Qt::RightButton, {}, editor.rowPoint(3));
    QCOMPARE(editor.lines(), (QStringList{"41=A", "42=B", "43=C", "44=D", "45=E"}));
    QTest::mouseClick(rows, Qt::RightButton, {}, editor.rowPoint(3));
    QCOMPARE(editor.lines(), (QStringList{"41=A", "42=B", "43=C", "44=d", "45=E"}));
    QVERIFY(editor.TblVal->hasFocus());
    editor.TblVal->clear();
    QTest::mouseClick(rows, Qt::RightButton, {}, editor.rowPoint(1));
    QCOMPARE(fixture.prompter.log(),
             QStringList(2, QStringLiteral("ask(Table Editor, none): Place the table value here?")));
    QCOMPARE(fixture.prompter.unexpected, 0);
}

void TablesTest::deleteKeepsTheSelectionsPlace()
{
    FrameFixture fixture;
    Editor editor(fixture);
    editor.show({"41=A", "42=B", "43=C", "44=D"});
    // Delete keeps the selection at its place; after the last line none is left selected.
    editor.TblList->setCurrentRow(1);
    QTest::keyClick(editor.TblList, Qt::Key_Delete);
    QCOMPARE(editor.lines(), (QStringList{"41=A", "43=C", "44=D"}));
    QCOMPARE(editor.TblList->currentRow(), 1);
    editor.TblList->setCurrentRow(2);
    QTest::keyClick(editor.TblList, Qt::Key_Delete);
    QVERIFY(editor.TblList->selectedItems().isEmpty());
    QTest::keyClick(editor.TblList, Qt::Key_Delete);
    QCOMPARE(editor.lines(), (QStringList{"41=A", "43=C"}));
}

void TablesTest::draggingALineSwapsItWithAnother()
{
    FrameFixture fixture;
    Editor editor(fixture);
    editor.show({"41=A", "43=C", "44=d"});
    QWidget* rows = editor.TblList->viewport();
    QTest::mousePress(rows, Qt::LeftButton, {}, editor.rowPoint(0));
    QTest::mouseMove(rows, editor.rowPoint(1));
    QTest::mouseMove(rows, editor.rowPoint(2));
    QTest::mouseRelease(rows, Qt::LeftButton, {}, editor.rowPoint(2));
    QCOMPARE(editor.lines(), (QStringList{"44=d", "43=C", "41=A"}));
    QCOMPARE(editor.TblList->currentRow(), 2);
    // A click is no drag.
    QTest::mouseClick(rows, Qt::LeftButton, {}, editor.rowPoint(1));
    QCOMPARE(editor.lines(), (QStringList{"44=d", "43=C", "41=A"}));
}

void TablesTest::sortOnceThenAppendAndPaste()
{
    FrameFixture fixture;
    Editor editor(fixture);
    editor.show({"44=d", "43=C", "41=A"});
    // F3 sorts once: later lines are appended.
    QTest::keyClick(editor.TblVal, Qt::Key_F3);
    editor.type(QStringLiteral("01=z"));
    QCOMPARE(editor.lines(), (QStringList{"41=A", "43=C", "44=d", "01=z"}));
    QGuiApplication::clipboard()->setText(QString::fromUtf8("\u3042\u3044"));
    editor.TblVal->setText(QStringLiteral("8140="));
    QTest::keyClick(editor.TblVal, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(editor.TblVal->text(), QString::fromUtf8("8140=\u3042\u3044"));
}

void TablesTest::escapeCloses_data()
{
    QTest::addColumn<bool>("fromList");
    QTest::newRow("entry box") << false;
    QTest::newRow("list") << true;
}

void TablesTest::escapeCloses()
{
    QFETCH(bool, fromList);
    FrameFixture fixture;
    Editor editor(fixture);
    editor.show({"41=A"});
    QTest::keyClick(fromList ? static_cast<QWidget*>(editor.TblList) : editor.TblVal, Qt::Key_Escape);
    QVERIFY(!editor.form->isVisible());
}

void TablesTest::editorShowsTheActiveTable()
{
    FrameFixture fixture;
    TMDIChild* rom = fixture.openNew(QStringLiteral("rom.bin"), Rom());
    // The built-in ASCII table comes as its 95 lines, unshifted.
    DocumentOf(rom).asciiShift = 1;
    QStringList shown;
    QString caption;
    const auto look = [&](Editor& editor) {
        shown = editor.lines();
        caption = editor.form->windowTitle();
    };
    RunModal(fixture, Qt::ControlModifier | Qt::Key_T, look);
    QCOMPARE(shown.size(), 95);
    QCOMPARE(shown.front() + shown[0x41 - 0x20] + shown.back(), QStringLiteral("20= 41=A7E=~"));
    QCOMPARE(caption, QStringLiteral("Table Editor []"));

    // A table file comes line for line, free text and all.
    fixture.prompter.files.push_back(
        fixture.writeFile(QStringLiteral("game.tbl"), "41=a\r\nFree text\n\n8140=\x82\xA0\n"));
    fixture.trigger("Tbl11");
    RunModal(fixture, Qt::ControlModifier | Qt::Key_T, look);
    QCOMPARE(shown, (QStringList{"41=a", "Free text", "", QString::fromUtf8("8140=\u3042")}));
    QCOMPARE(caption, QStringLiteral("Table Editor [game.tbl]"));
}

void TablesTest::editorSavesToTheTablesOwnFile()
{
    FrameFixture fixture;
    fixture.writeFile(QStringLiteral("rom.tbl"), "41=a\r\nFree text\n\n8140=\x82\xA0\n");
    TMDIChild* rom = fixture.openNew(QStringLiteral("rom.bin"), Rom());
    // Saved without a dialog, without the closing question, and in effect once the window is closed.
    fixture.prompter.clear();
    fixture.prompter.answers = {true};
    RunModal(fixture, Qt::ControlModifier | Qt::Key_T, [&](Editor& editor) {
        editor.type(QStringLiteral("42=bee"));
        editor.trigger("SaveTableFile1");
    });
    QCOMPARE(fixture.prompter.texts(), QStringList{"Save Table Data"});
    QCOMPARE(fixture.readFile(QStringLiteral("rom.tbl")), QByteArray("41=a\nFree text\n\n8140=\x82\xA0\n42=bee\n"));
    QVERIFY(Shows(rom, "abee.."));
}

void TablesTest::makerOffersItsFileAsTheTable_data()
{
    QTest::addColumn<bool>("ascii");
    QTest::addColumn<bool>("replace");
    QTest::newRow("no keeps the table") << false << false;
    QTest::newRow("yes replaces it") << false << true;
    QTest::newRow("nothing offered on ASCII") << true << false;
}

void TablesTest::makerOffersItsFileAsTheTable()
{
    QFETCH(bool, ascii);
    QFETCH(bool, replace);
    FrameFixture fixture;
    const QString first = fixture.writeFile(QStringLiteral("rom.tbl"), "41=a\n");
    TMDIChild* rom = fixture.openNew(QStringLiteral("rom.bin"), Rom());
    const DocRecord& doc = DocumentOf(rom);
    if (ascii) fixture.trigger("Asciitbl1");
    const QString made = fixture.path(QStringLiteral("made.tbl"));
    fixture.prompter.clear();
    fixture.prompter.answers = ascii ? std::deque<bool>{true} : std::deque<bool>{true, replace};
    fixture.prompter.files.push_back(made);
    RunModal(fixture, Qt::ControlModifier | Qt::Key_M, [&](Editor& editor) {
        editor.type(QStringLiteral("41=X"));
        editor.trigger("SaveTableFile1");
        editor.trigger("Exit1");
    });
    const QString question =
        QStringLiteral("ask(Table Editor, question): Would you like to replace\n \"%1\"\nwith this file\n \"%2\"?\n")
            .arg(first, made);
    QCOMPARE(fixture.prompter.log().mid(2), ascii ? QStringList() : QStringList{question});
    QCOMPARE(fixture.prompter.unexpected, 0);
    QCOMPARE(doc.table.activeTable, int8_t(ascii ? 2 : 0));
    // Yes makes the saved file Table #1: loaded at once, the swap item renamed.
    QCOMPARE(doc.table.tableName[0], (replace ? made : first).toStdString());
    QCOMPARE(fixture.action("tblv1")->text(), replace ? QStringLiteral("made.tbl") : QStringLiteral("rom.tbl"));
    if (!ascii) QVERIFY(Shows(rom, replace ? "X..." : "a."));
}

QTEST_MAIN(TablesTest)
#include "tables_test.moc"
