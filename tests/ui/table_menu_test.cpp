// Loading Table #1 and Table #2, switching between them and the ASCII table, and
// re-reading the table when an editor window becomes active.

#include "frame_fixture.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

using namespace zarvo;

namespace {

// Bytes 41 42 43 44 ...: the first text cells show what the table makes of them.
QByteArray Rom() { return PatternBytes(256, 0x41); }

void Activate(FrameFixture& fixture, TMDIChild* editor)
{
    fixture.frame->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(editor->parentWidget()));
    FrameFixture::settle();
}

}  // namespace

class TableMenuTest : public QObject {
    Q_OBJECT
private slots:
    void tablesChosenThroughDialog();
    void cancelledTableDialogChangesNothing();
    void swapItemsReadTheFilesAgain();
    void swapItemWithoutTableDoesNothing();
    void activationReReadsTable();
    void activationFallsBackWhenTableVanished();
};

void TableMenuTest::tablesChosenThroughDialog()
{
    FrameFixture fixture;
    const QString first = fixture.writeFile(QStringLiteral("first.tbl"), "41=a\n42=b\n");
    const QString second = fixture.writeFile(QStringLiteral("second.TBL"), "41=X\n4243=YZ\n");
    TMDIChild* editor = fixture.open(fixture.writeFile(QStringLiteral("rom.bin"), Rom()));
    QVERIFY(editor != nullptr);
    QVERIFY(RowTextColumn(*editor, 0).startsWith(QStringLiteral("ABCD")));
    const DocRecord& doc = editor->document();

    fixture.prompter.clear();
    fixture.prompter.files.push_back(first);
    fixture.trigger("Tbl11");
    const std::vector<PromptRecord> dialogs = fixture.prompter.recordsOf(PromptRecord::Kind::OpenFile);
    QCOMPARE(dialogs.size(), std::size_t{1});
    QCOMPARE(dialogs[0].filter, QStringLiteral("Tbl files (*.tbl *.TBL)"));
    QCOMPARE(dialogs[0].directory, QString::fromStdString(fixture.session.currentDirectory));
    QCOMPARE(doc.table.activeTable, int8_t{0});
    QCOMPARE(doc.table.tableName[0], first.toStdString());
    QCOMPARE(fixture.action("tblv1")->text(), QStringLiteral("first.tbl"));
    QVERIFY(RowTextColumn(*editor, 0).startsWith(QStringLiteral("ab..")));

    fixture.prompter.files.push_back(second);
    fixture.trigger("Tbl21");
    QCOMPARE(doc.table.activeTable, int8_t{1});
    QCOMPARE(doc.table.tableName[1], second.toStdString());
    QCOMPARE(doc.table.tableName[0], first.toStdString());
    QCOMPARE(fixture.action("tblv1")->text(), QStringLiteral("first.tbl"));
    QCOMPARE(fixture.action("tblv2")->text(), QStringLiteral("second.TBL"));
    QVERIFY(RowTextColumn(*editor, 0).startsWith(QStringLiteral("XYZ.")));
    QCOMPARE(fixture.prompter.unexpected, 0);
}

void TableMenuTest::cancelledTableDialogChangesNothing()
{
    FrameFixture fixture;
    const QString table = fixture.writeFile(QStringLiteral("rom.tbl"), "41=q\n");
    TMDIChild* editor = fixture.open(fixture.writeFile(QStringLiteral("rom.bin"), Rom()));
    QVERIFY(editor != nullptr);

    fixture.prompter.files.push_back(std::nullopt);
    fixture.trigger("Tbl21");
    const DocRecord& doc = editor->document();
    QCOMPARE(doc.table.activeTable, int8_t{0});
    QCOMPARE(doc.table.tableName[0], table.toStdString());
    QCOMPARE(doc.table.tableName[1], std::string());
    QCOMPARE(fixture.action("tblv2")->text(), QStringLiteral("..."));
    QVERIFY(RowTextColumn(*editor, 0).startsWith(QStringLiteral("q...")));
}

void TableMenuTest::swapItemsReadTheFilesAgain()
{
    FrameFixture fixture;
    const QString first = fixture.writeFile(QStringLiteral("one.tbl"), "41=1\n");
    const QString second = fixture.writeFile(QStringLiteral("two.tbl"), "41=2\n");
    TMDIChild* editor = fixture.open(fixture.writeFile(QStringLiteral("rom.bin"), Rom()));
    QVERIFY(editor != nullptr);
    fixture.prompter.files.push_back(first);
    fixture.trigger("Tbl11");
    fixture.prompter.files.push_back(second);
    fixture.trigger("Tbl21");
    const DocRecord& doc = editor->document();

    // Table #1 comes back from the disk as it is now.
    fixture.writeFile(QStringLiteral("one.tbl"), "41=one\n");
    fixture.trigger("tblv1");
    QCOMPARE(doc.table.activeTable, int8_t{0});
    QVERIFY(RowTextColumn(*editor, 0).startsWith(QStringLiteral("one...")));

    fixture.trigger("tblv2");
    QCOMPARE(doc.table.activeTable, int8_t{1});
    QVERIFY(RowTextColumn(*editor, 0).startsWith(QStringLiteral("2...")));

    fixture.trigger("Asciitbl1");
    QCOMPARE(doc.table.activeTable, int8_t{2});
    QVERIFY(RowTextColumn(*editor, 0).startsWith(QStringLiteral("ABCD")));
    // The remembered tables stay available.
    QCOMPARE(fixture.action("tblv1")->text(), QStringLiteral("one.tbl"));
    QCOMPARE(fixture.action("tblv2")->text(), QStringLiteral("two.tbl"));
    QCOMPARE(fixture.prompter.unexpected, 0);
}

void TableMenuTest::swapItemWithoutTableDoesNothing()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.open(fixture.writeFile(QStringLiteral("rom.bin"), Rom()));
    QVERIFY(editor != nullptr);
    fixture.trigger("Asciitbl1");
    QCOMPARE(editor->document().table.activeTable, int8_t{2});

    fixture.trigger("tblv1");
    fixture.trigger("tblv2");
    QCOMPARE(editor->document().table.activeTable, int8_t{2});
    QCOMPARE(fixture.prompter.records.size(), std::size_t{1});  // only the file choice of Open
}

void TableMenuTest::activationReReadsTable()
{
    FrameFixture fixture;
    const QString table = fixture.writeFile(QStringLiteral("game.tbl"), "41=old\n");
    TMDIChild* game = fixture.open(fixture.writeFile(QStringLiteral("game.bin"), Rom()));
    TMDIChild* other = fixture.open(fixture.writeFile(QStringLiteral("other.bin"), Rom()));
    QVERIFY(game != nullptr && other != nullptr);
    QCOMPARE(fixture.action("tblv1")->text(), QStringLiteral("..."));

    fixture.writeFile(QStringLiteral("game.tbl"), "41=new\n[00000010-00000020]Intro\n");
    QVERIFY(RowTextColumn(*game, 0).startsWith(QStringLiteral("old")));
    Activate(fixture, game);
    QCOMPARE(fixture.frame->activeEditor(), game);
    QVERIFY(RowTextColumn(*game, 0).startsWith(QStringLiteral("new...")));
    QCOMPARE(fixture.action("tblv1")->text(), QStringLiteral("game.tbl"));
    QCOMPARE(game->document().table.tableName[0], table.toStdString());
    // The program-wide dump labels belong to the active window's table.
    QCOMPARE(fixture.session.tables.dumpLabels, std::vector<std::string>{"[00000010-00000020]Intro"});

    Activate(fixture, other);
    QCOMPARE(fixture.action("tblv1")->text(), QStringLiteral("..."));
    QVERIFY(RowTextColumn(*other, 0).startsWith(QStringLiteral("ABCD")));
}

void TableMenuTest::activationFallsBackWhenTableVanished()
{
    FrameFixture fixture;
    fixture.writeFile(QStringLiteral("game.tbl"), "41=z\n");
    TMDIChild* game = fixture.open(fixture.writeFile(QStringLiteral("game.bin"), Rom()));
    TMDIChild* other = fixture.open(fixture.writeFile(QStringLiteral("other.bin"), Rom()));
    QVERIFY(game != nullptr && other != nullptr);
    QVERIFY(QFile::remove(fixture.path(QStringLiteral("game.tbl"))));

    Activate(fixture, game);
    QCOMPARE(game->document().table.activeTable, int8_t{2});
    QVERIFY(RowTextColumn(*game, 0).startsWith(QStringLiteral("ABCD")));
    QCOMPARE(fixture.prompter.texts(), QStringList());
}

QTEST_MAIN(TableMenuTest)
#include "table_menu_test.moc"
