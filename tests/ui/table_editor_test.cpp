// The table editor and table maker: typing entries, the character grid, editing the
// list, opening and saving table files, and the closing question that makes the
// saved file the document's table.

#include "core/messages.h"
#include "core/table_loader.h"
#include "frame_fixture.h"
#include "ui/tables/shift_jis_grid_view.h"
#include "ui/tables/ttm_form.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <functional>
#include <sys/resource.h>

using namespace zarvo;

namespace {

// The form and its controls, found by name as the user knows them.
struct Editor {
    explicit Editor(FrameFixture& fixture)
        : form(fixture.frame->findChild<TTMForm*>()),
          TblVal(form->findChild<QLineEdit*>(QStringLiteral("TblVal"))),
          TblList(form->findChild<QListWidget*>(QStringLiteral("TblList"))),
          jGrid(form->findChild<ShiftJisGridView*>(QStringLiteral("jGrid"))),
          TScrl(form->findChild<QScrollBar*>(QStringLiteral("TScrl")))
    {}

    [[nodiscard]] QAction* action(const char* name) const
    {
        return form->findChild<QAction*>(QString::fromLatin1(name));
    }
    // Typed key by key; text beyond ASCII, which has no key here, is pasted in.
    void type(const QString& text) const
    {
        bool ascii = true;
        for (const QChar c : text) ascii = ascii && c.unicode() < 0x80;
        if (ascii) {
            QTest::keyClicks(TblVal, text);
        } else {
            TblVal->insert(text);
        }
        QTest::keyClick(TblVal, Qt::Key_Return);
    }
    [[nodiscard]] QStringList lines() const
    {
        QStringList all;
        for (int row = 0; row < TblList->count(); ++row) all << TblList->item(row)->text();
        return all;
    }
    [[nodiscard]] QPoint rowPoint(int row) const { return TblList->visualItemRect(TblList->item(row)).center(); }
    [[nodiscard]] static QPoint cellPoint(int column, int row)
    {
        return ShiftJisGridView::cellOrigin(column, row) + QPoint(12, 12);
    }
    // Shows the window without waiting for it to close, as the maker.
    void showMaker() const
    {
        form->PrepareMaker();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    TTMForm* form;
    QLineEdit* TblVal;
    QListWidget* TblList;
    ShiftJisGridView* jGrid;
    QScrollBar* TScrl;
};

// Runs a frame command that shows the window modally; work runs inside it and must
// end by closing the window. Checks belong after the call.
void RunModal(FrameFixture& fixture, const char* command, const std::function<void(Editor&)>& work)
{
    Editor editor(fixture);
    QTimer::singleShot(0, editor.form, [&editor, &work] {
        work(editor);
        if (editor.form->isVisible()) editor.form->close();
    });
    fixture.trigger(command);
}

QStringList FileLines(const FrameFixture& fixture, const QString& name)
{
    QStringList lines = QString::fromLatin1(fixture.readFile(name)).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

QByteArray Rom() { return PatternBytes(256, 0x41); }

}  // namespace

class TableEditorTest : public QObject {
    Q_OBJECT
private slots:
    void typedEntriesProposeNextKey_data();
    void typedEntriesProposeNextKey();
    void proposalsFollowOneAnother();
    void gridPicksCharactersIntoTheEntry();
    void listEditingKeysAndMouse();
    void sortPasteAndEscape();
    void savedListReadsBackThroughTableLoader();
    void saveQuestionsAndDialog();
    void saveFailureLeavesTheOldFile();
    void editorListsTheActiveTable();
    void editorSavesAndReloadsTheTable();
    void openTableFileIntoTheList();
    void closingQuestionSwitchesTheDocumentTable();
};

void TableEditorTest::typedEntriesProposeNextKey_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("proposal");

    QTest::newRow("normal") << "8140=a" << false << "8140=a"
                            << "8141=";
    QTest::newRow("reverse") << "8140=" << true << "8140="
                             << "8240=";
    QTest::newRow("one digit") << "a=x" << false << "0A=x"
                               << "0B=";
    QTest::newRow("lower case") << "ab=x" << false << "AB=x"
                                << "AC=";
    QTest::newRow("six digits wrap") << "FFFFFF=" << true << "FFFFFF="
                                     << "000000=";
    QTest::newRow("no equals sign") << "a note" << false << "a note"
                                    << "a note";
    QTest::newRow("kana text") << QString::fromUtf8("8140=\u3042") << false << QString::fromUtf8("8140=\u3042")
                               << "8141=";
}

void TableEditorTest::typedEntriesProposeNextKey()
{
    QFETCH(QString, typed);
    QFETCH(bool, reverse);
    QFETCH(QString, line);
    QFETCH(QString, proposal);
    FrameFixture fixture;
    Editor editor(fixture);
    editor.showMaker();
    editor.action("RevINC")->setChecked(reverse);

    editor.type(typed);
    QCOMPARE(editor.lines(), QStringList{line});
    QCOMPARE(editor.TblList->currentRow(), 0);
    QCOMPARE(editor.TblVal->text(), proposal);
    QCOMPARE(editor.TblVal->cursorPosition(), proposal.size());
    editor.form->close();
}

void TableEditorTest::proposalsFollowOneAnother()
{
    FrameFixture fixture;
    Editor editor(fixture);
    editor.showMaker();
    editor.type(QStringLiteral("fe=a"));
    editor.type(QStringLiteral("b"));  // after the proposed FF=
    editor.type(QStringLiteral("c"));
    editor.action("RevINC")->trigger();
    editor.TblVal->setText(QStringLiteral("12ff="));
    QTest::keyClick(editor.TblVal, Qt::Key_Return);
    QCOMPARE(editor.TblVal->text(), QStringLiteral("13FF="));
    // An empty entry adds nothing.
    editor.TblVal->clear();
    QTest::keyClick(editor.TblVal, Qt::Key_Return);
    QCOMPARE(editor.lines(), (QStringList{"FE=a", "FF=b", "00=c", "12FF="}));

    // The count and its width survive closing and opening the window again.
    editor.form->close();
    editor.showMaker();
    QVERIFY(editor.lines().isEmpty());
    QVERIFY(editor.TblVal->text().isEmpty());
    QCOMPARE(editor.form->keyCounter().keyDigits, 4);
    QCOMPARE(editor.form->keyCounter().nextKey, 0x13FFu);
    editor.form->close();
}

void TableEditorTest::gridPicksCharactersIntoTheEntry()
{
    FrameFixture fixture;
    Editor editor(fixture);
    editor.showMaker();
    QCOMPARE((QList<int>{editor.TScrl->minimum(), editor.TScrl->maximum(), editor.TScrl->singleStep(),
                         editor.TScrl->pageStep(), editor.TScrl->value()}),
             (QList<int>{32768, 65376, 16, 160, 0x8140}));  // opens on the checked punctuation set

    auto* hira = editor.form->findChild<QRadioButton*>(QStringLiteral("Hira"));
    QTest::mouseClick(hira, Qt::LeftButton);
    QCOMPARE(editor.TScrl->value(), 0x82A0);

    // The marker follows the mouse and names the cell's code.
    QMouseEvent hover(QEvent::MouseMove, Editor::cellPoint(2, 0), editor.jGrid->mapToGlobal(Editor::cellPoint(2, 0)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
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
    QTest::mouseClick(editor.jGrid, Qt::LeftButton, {}, Editor::cellPoint(0, 1));  // 82B0
    QCOMPARE(editor.TblVal->text(), QString::fromUtf8("82A2=\u3044x\u3052"));

    // A code without a character of its own goes in as the full-width space.
    editor.TScrl->setValue(0x8000);
    editor.TblVal->clear();
    QTest::mouseClick(editor.jGrid, Qt::LeftButton, {}, Editor::cellPoint(3, 3));
    QCOMPARE(editor.TblVal->text(), QString::fromUtf8("\u3000"));

    // 28 bytes take one more character, 30 bytes none.
    QTest::mouseClick(editor.form->findChild<QRadioButton*>(QStringLiteral("Kata")), Qt::LeftButton);
    QCOMPARE(editor.TScrl->value(), 0x8340);
    editor.TblVal->setText(QString(28, QLatin1Char('a')));
    QTest::mouseClick(editor.jGrid, Qt::LeftButton, {}, Editor::cellPoint(1, 0));  // 8341
    QCOMPARE(editor.TblVal->text(), QString(28, QLatin1Char('a')) + QString::fromUtf8("\u30A2"));
    QTest::mouseClick(editor.jGrid, Qt::LeftButton, {}, Editor::cellPoint(1, 0));
    QCOMPARE(editor.TblVal->text(), QString(28, QLatin1Char('a')) + QString::fromUtf8("\u30A2"));
    editor.form->close();
}

void TableEditorTest::listEditingKeysAndMouse()
{
    FrameFixture fixture;
    Editor editor(fixture);
    editor.form->PrepareLines({"41=A", "42=B", "43=C", "44=D", "45=E"});
    editor.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor.form));
    QCOMPARE(editor.form->mode(), TableEditorMode::Prepared);
    QCOMPARE(editor.TblList->currentRow(), 0);
    QWidget* rows = editor.TblList->viewport();

    // Enter copies the selected line, a double click the clicked one.
    editor.TblList->setCurrentRow(1);
    QTest::keyClick(editor.TblList, Qt::Key_Return);
    QCOMPARE(editor.TblVal->text(), QStringLiteral("42=B"));
    QTest::mouseDClick(rows, Qt::LeftButton, {}, editor.rowPoint(2));
    QCOMPARE(editor.TblVal->text(), QStringLiteral("43=C"));
    QCOMPARE(editor.TblList->currentRow(), 2);

    // A right click offers to put the entry there.
    editor.TblVal->setText(QStringLiteral("44=d"));
    fixture.prompter.answers = {false, true};
    QTest::mouseClick(rows, Qt::LeftButton, {}, editor.rowPoint(0));
    QTest::mouseClick(rows, Qt::RightButton, {}, editor.rowPoint(3));
    QCOMPARE(editor.lines(), (QStringList{"41=A", "42=B", "43=C", "44=D", "45=E"}));
    QTest::mouseClick(rows, Qt::RightButton, {}, editor.rowPoint(3));
    QCOMPARE(editor.lines(), (QStringList{"41=A", "42=B", "43=C", "44=d", "45=E"}));
    const std::vector<PromptRecord> questions = fixture.prompter.recordsOf(PromptRecord::Kind::Question);
    QCOMPARE(questions.size(), std::size_t{2});
    QCOMPARE(questions[0].text, QStringLiteral("Place the table value here?"));
    QCOMPARE(questions[0].caption, QStringLiteral("Table Editor"));
    QVERIFY(editor.TblVal->hasFocus());
    // With an empty entry nothing is asked.
    editor.TblVal->clear();
    QTest::mouseClick(rows, Qt::RightButton, {}, editor.rowPoint(1));
    QCOMPARE(fixture.prompter.recordsOf(PromptRecord::Kind::Question).size(), std::size_t{2});

    // Delete keeps the selection at its place; after the last line none is left selected.
    editor.TblList->setCurrentRow(1);
    QTest::keyClick(editor.TblList, Qt::Key_Delete);
    QCOMPARE(editor.lines(), (QStringList{"41=A", "43=C", "44=d", "45=E"}));
    QCOMPARE(editor.TblList->currentRow(), 1);
    editor.TblList->setCurrentRow(3);
    QTest::keyClick(editor.TblList, Qt::Key_Delete);
    QCOMPARE(editor.lines(), (QStringList{"41=A", "43=C", "44=d"}));
    QVERIFY(editor.TblList->selectedItems().isEmpty());
    QTest::keyClick(editor.TblList, Qt::Key_Delete);
    QCOMPARE(editor.lines().size(), 3);

    // Dragging one line onto another swaps the two; a click is no drag.
    QTest::mousePress(rows, Qt::LeftButton, {}, editor.rowPoint(0));
    QTest::mouseMove(rows, editor.rowPoint(1));
    QTest::mouseMove(rows, editor.rowPoint(2));
    QTest::mouseRelease(rows, Qt::LeftButton, {}, editor.rowPoint(2));
    QCOMPARE(editor.lines(), (QStringList{"44=d", "43=C", "41=A"}));
    QCOMPARE(editor.TblList->currentRow(), 2);
    QTest::mouseClick(rows, Qt::LeftButton, {}, editor.rowPoint(1));
    QCOMPARE(editor.lines(), (QStringList{"44=d", "43=C", "41=A"}));
    QCOMPARE(fixture.prompter.unexpected, 0);
    editor.form->close();
}

void TableEditorTest::sortPasteAndEscape()
{
    FrameFixture fixture;
    Editor editor(fixture);
    editor.form->PrepareLines({"b=2", "A=1", "/FF", "a=0"});
    editor.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor.form));

    QCOMPARE(editor.action("SortTableList1")->shortcut(), QKeySequence(Qt::Key_F3));
    editor.action("SortTableList1")->trigger();
    QCOMPARE(editor.lines(), (QStringList{"/FF", "a=0", "A=1", "b=2"}));
    // Sorting happens once: later lines are appended.
    editor.type(QStringLiteral("01=z"));
    QCOMPARE(editor.lines().back(), QStringLiteral("01=z"));

    QGuiApplication::clipboard()->setText(QString::fromUtf8("\u3042\u3044"));
    editor.TblVal->setText(QStringLiteral("8140="));
    QTest::keyClick(editor.TblVal, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(editor.TblVal->text(), QString::fromUtf8("8140=\u3042\u3044"));

    // Esc closes from the entry box and from the list alike.
    QTest::keyClick(editor.TblVal, Qt::Key_Escape);
    QVERIFY(!editor.form->isVisible());
    editor.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor.form));
    QTest::keyClick(editor.TblList, Qt::Key_Escape);
    QVERIFY(!editor.form->isVisible());
}

void TableEditorTest::savedListReadsBackThroughTableLoader()
{
    FrameFixture fixture;
    Editor editor(fixture);
    editor.showMaker();
    editor.type(QStringLiteral("41=A"));
    editor.type(QStringLiteral("a"));  // 42=a
    editor.TblVal->setText(QStringLiteral("8140="));
    QTest::mouseClick(editor.form->findChild<QRadioButton*>(QStringLiteral("Hira")), Qt::LeftButton);
    QTest::mouseClick(editor.jGrid, Qt::LeftButton, {}, Editor::cellPoint(2, 0));  // 82A2
    QTest::keyClick(editor.TblVal, Qt::Key_Return);
    editor.TblVal->clear();
    editor.type(QStringLiteral("/FF"));
    QCOMPARE(editor.TblVal->text(), QStringLiteral("/FF"));  // no key: the line stays for the next edit
    editor.TblVal->clear();
    editor.type(QStringLiteral("(1A2Bh)Title"));
    QCOMPARE(editor.lines().size(), 5);

    fixture.prompter.answers = {true};
    fixture.prompter.files.push_back(fixture.path(QStringLiteral("made")));  // the extension is added
    editor.action("SaveTableFile1")->trigger();
    QCOMPARE(fixture.prompter.unexpected, 0);
    QCOMPARE(fixture.prompter.recordsOf(PromptRecord::Kind::SaveFile).at(0).filter,
             QStringLiteral("TBL files (*.tbl)"));
    QCOMPARE(editor.form->editFileName(), fixture.path(QStringLiteral("made.tbl")).toStdString());
    QCOMPARE(editor.form->windowTitle(), QStringLiteral("Table Editor [made.tbl]"));
    QCOMPARE(fixture.readFile(QStringLiteral("made.tbl")),
             QByteArray("41=A\n42=a\n8140=\x82\xA2\n/FF\n(1A2Bh)Title\n"));

    DocRecord doc;
    TableSession tables;
    QCOMPARE(TableLoader(doc, tables, editor.form->editFileName()), TableLoadResult::Loaded);
    QCOMPARE(doc.table.singleText[0x41].value_or("-"), std::string("A"));
    QCOMPARE(doc.table.singleText[0x42].value_or("-"), std::string("a"));
    QCOMPARE(doc.table.pairText[0x8140].value_or("-"), std::string("\x82\xA2"));
    QCOMPARE(doc.table.endMark, uint16_t{0});
    QCOMPARE(doc.table.lineCode, uint16_t{0xFF});
    QCOMPARE(tables.jumpList, std::vector<std::string>{"Title->[1A2B]"});

    // A second save goes to the same file without a dialog.
    editor.type(QStringLiteral("43=C"));
    fixture.prompter.answers = {true};
    editor.action("SaveTableFile1")->trigger();
    QCOMPARE(fixture.prompter.recordsOf(PromptRecord::Kind::SaveFile).size(), std::size_t{1});
    QCOMPARE(FileLines(fixture, QStringLiteral("made.tbl")).size(), 6);
    editor.form->close();
}

void TableEditorTest::saveQuestionsAndDialog()
{
    FrameFixture fixture;
    Editor editor(fixture);
    editor.showMaker();
    editor.type(QStringLiteral("41=A"));
    const QString target = fixture.path(QStringLiteral("new.tbl"));

    // No, Cancel and an empty name write nothing.
    fixture.prompter.answers = {false, true, true};
    fixture.prompter.files = {std::nullopt, QString()};
    for (int attempt = 0; attempt < 3; ++attempt) editor.action("SaveTableFile1")->trigger();
    QCOMPARE(fixture.prompter.texts(),
             (QStringList{"Save Table Data", "Save Table Data", "Save Table Data", "No file selected..."}));
    const PromptRecord question = fixture.prompter.recordsOf(PromptRecord::Kind::Question).at(0);
    QCOMPARE(question.caption, QStringLiteral("Save File"));
    QCOMPARE(question.icon, MessageIcon::Question);
    QVERIFY(editor.form->editFileName().empty());
    QCOMPARE(editor.form->windowTitle(), QStringLiteral("Table Editor []"));
    QVERIFY(!QFile::exists(target));
    QCOMPARE(fixture.prompter.unexpected, 0);
    editor.form->close();
}

void TableEditorTest::saveFailureLeavesTheOldFile()
{
    FrameFixture fixture;
    const QString table = fixture.writeFile(QStringLiteral("old.tbl"), "41=A\n42=B\n");
    Editor editor(fixture);
    editor.showMaker();
    fixture.prompter.files.push_back(table);
    editor.action("OpenTableFile1")->trigger();
    for (int line = 0; line < 100; ++line) editor.type(QStringLiteral("8140=a long entry"));

    // The disk fills up half-way through the write.
    struct rlimit old {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 256;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    fixture.prompter.answers = {true};
    editor.action("SaveTableFile1")->trigger();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(fixture.prompter.texts().back(), QStringLiteral("Could not open the Table File..."));
    QCOMPARE(fixture.readFile(QStringLiteral("old.tbl")), QByteArray("41=A\n42=B\n"));
    QCOMPARE(editor.form->editFileName(), table.toStdString());

    // A new file whose folder is gone keeps the list without a name.
    editor.form->PrepareMaker();
    editor.type(QStringLiteral("41=A"));
    fixture.prompter.answers = {true};
    fixture.prompter.files.push_back(fixture.path(QStringLiteral("gone/new.tbl")));
    editor.action("SaveTableFile1")->trigger();
    QCOMPARE(fixture.prompter.texts().back(), QStringLiteral("Could not open the Table File..."));
    QVERIFY(editor.form->editFileName().empty());
    QCOMPARE(fixture.prompter.unexpected, 0);
    editor.form->close();
}

void TableEditorTest::editorListsTheActiveTable()
{
    FrameFixture fixture;
    TMDIChild* rom = fixture.open(fixture.writeFile(QStringLiteral("rom.bin"), Rom()));
    QVERIFY(rom != nullptr);
    QCOMPARE(fixture.action("TableEdit1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
    QCOMPARE(fixture.action("TableMaker1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+M")));

    // The built-in ASCII table comes as its 95 lines, unshifted.
    rom->document().asciiShift = 1;
    QStringList shown;
    QString caption;
    RunModal(fixture, "TableEdit1", [&](Editor& editor) {
        shown = editor.lines();
        caption = editor.form->windowTitle();
    });
    QCOMPARE(shown.size(), 95);
    QCOMPARE(shown.front(), QStringLiteral("20= "));
    QCOMPARE(shown[0x41 - 0x20], QStringLiteral("41=A"));
    QCOMPARE(shown.back(), QStringLiteral("7E=~"));
    QCOMPARE(caption, QStringLiteral("Table Editor []"));

    // A table file comes line for line, free text and all.
    const QString table = fixture.writeFile(QStringLiteral("game.tbl"), "41=a\r\nFree text\n\n8140=\x82\xA0\n");
    fixture.prompter.files.push_back(table);
    fixture.trigger("Tbl11");
    RunModal(fixture, "TableEdit1", [&](Editor& editor) {
        shown = editor.lines();
        caption = editor.form->windowTitle();
    });
    QCOMPARE(shown, (QStringList{"41=a", "Free text", "", QString::fromUtf8("8140=\u3042")}));
    QCOMPARE(caption, QStringLiteral("Table Editor [game.tbl]"));
    QCOMPARE(fixture.prompter.unexpected, 0);
}

void TableEditorTest::editorSavesAndReloadsTheTable()
{
    FrameFixture fixture;
    fixture.writeFile(QStringLiteral("rom.tbl"), "41=a\n");
    TMDIChild* rom = fixture.open(fixture.writeFile(QStringLiteral("rom.bin"), Rom()));
    QVERIFY(rom != nullptr);
    QVERIFY(RowTextColumn(*rom, 0).startsWith(QStringLiteral("a...")));

    fixture.prompter.answers = {true};
    RunModal(fixture, "TableEdit1", [&](Editor& editor) {
        editor.type(QStringLiteral("42=bee"));
        editor.action("SaveTableFile1")->trigger();
    });
    // Saved to the table's own file without a dialog, without the closing question,
    // and in effect once the window is closed.
    QCOMPARE(fixture.prompter.texts(), QStringList{"Save Table Data"});
    QCOMPARE(fixture.readFile(QStringLiteral("rom.tbl")), QByteArray("41=a\n42=bee\n"));
    QVERIFY(RowTextColumn(*rom, 0).startsWith(QStringLiteral("abee..")));
    QCOMPARE(fixture.prompter.unexpected, 0);
}

void TableEditorTest::openTableFileIntoTheList()
{
    FrameFixture fixture;
    const QString table = fixture.writeFile(QStringLiteral("other.TBL"), "50=p\n51=q");
    Editor editor(fixture);
    editor.showMaker();
    editor.type(QStringLiteral("41=A"));

    // A missing file and Cancel leave the list alone.
    fixture.prompter.files = {fixture.path(QStringLiteral("missing.tbl")), std::nullopt, table};
    editor.action("OpenTableFile1")->trigger();
    editor.action("OpenTableFile1")->trigger();
    QCOMPARE(editor.lines(), QStringList{"41=A"});
    QVERIFY(editor.form->editFileName().empty());

    editor.action("OpenTableFile1")->trigger();
    const PromptRecord dialog = fixture.prompter.recordsOf(PromptRecord::Kind::OpenFile).at(0);
    QCOMPARE(dialog.filter, QStringLiteral("Tbl files (*.tbl *.TBL)"));
    QCOMPARE(dialog.directory, QString::fromStdString(fixture.session.currentDirectory));
    QCOMPARE(editor.lines(), (QStringList{"50=p", "51=q"}));
    QCOMPARE(editor.form->editFileName(), table.toStdString());
    QCOMPARE(editor.form->windowTitle(), QStringLiteral("Table Editor [other.TBL]"));
    QCOMPARE(fixture.prompter.unexpected, 0);
    editor.form->close();
}

void TableEditorTest::closingQuestionSwitchesTheDocumentTable()
{
    FrameFixture fixture;
    const QString first = fixture.writeFile(QStringLiteral("rom.tbl"), "41=a\n");
    TMDIChild* rom = fixture.open(fixture.writeFile(QStringLiteral("rom.bin"), Rom()));
    QVERIFY(rom != nullptr);
    const DocRecord& doc = rom->document();
    QCOMPARE(doc.table.tableName[0], first.toStdString());

    // The maker's table saved under a new name: No keeps the document's table.
    const QString made = fixture.path(QStringLiteral("made.tbl"));
    fixture.prompter.answers = {true, false};
    fixture.prompter.files.push_back(made);
    RunModal(fixture, "TableMaker1", [&](Editor& editor) {
        editor.type(QStringLiteral("41=X"));
        editor.type(QStringLiteral("YZ"));
        editor.action("SaveTableFile1")->trigger();
        editor.action("Exit1")->trigger();
    });
    const QString question =
        QStringLiteral("Would you like to replace\n \"%1\"\nwith this file\n \"%2\"?\n").arg(first, made);
    QCOMPARE(fixture.prompter.texts(), (QStringList{"Save Table Data", question}));
    const PromptRecord asked = fixture.prompter.recordsOf(PromptRecord::Kind::Question).at(1);
    QCOMPARE(asked.caption, QStringLiteral("Table Editor"));
    QCOMPARE(asked.icon, MessageIcon::Question);
    QCOMPARE(doc.table.tableName[0], first.toStdString());
    QVERIFY(RowTextColumn(*rom, 0).startsWith(QStringLiteral("a...")));

    // Yes makes the saved file Table #1: loaded at once, the swap item renamed.
    fixture.prompter.clear();
    fixture.prompter.answers = {true, true};
    fixture.prompter.files.push_back(made);
    RunModal(fixture, "TableMaker1", [&](Editor& editor) {
        editor.type(QStringLiteral("41=X"));
        editor.type(QStringLiteral("YZ"));
        editor.action("SaveTableFile1")->trigger();
    });
    QCOMPARE(fixture.prompter.texts(), (QStringList{"Save Table Data", question}));
    QCOMPARE(doc.table.activeTable, int8_t{0});
    QCOMPARE(doc.table.tableName[0], made.toStdString());
    QCOMPARE(fixture.action("tblv1")->text(), QStringLiteral("made.tbl"));
    QVERIFY(RowTextColumn(*rom, 0).startsWith(QStringLiteral("XYZ..")));

    // On the ASCII table nothing is offered.
    fixture.trigger("Asciitbl1");
    fixture.prompter.clear();
    fixture.prompter.answers = {true};
    fixture.prompter.files.push_back(fixture.path(QStringLiteral("third.tbl")));
    RunModal(fixture, "TableMaker1", [&](Editor& editor) {
        editor.type(QStringLiteral("41=Q"));
        editor.action("SaveTableFile1")->trigger();
    });
    QCOMPARE(fixture.prompter.texts(), QStringList{"Save Table Data"});
    QCOMPARE(doc.table.activeTable, int8_t{2});
    QCOMPARE(fixture.prompter.unexpected, 0);
}

QTEST_MAIN(TableEditorTest)
#include "table_editor_test.moc"
