// The script and pointer commands of the Edit menu: Insert Text (Ctrl+Shift+I) as one
// undo step whose saved file is the one zarvo-tool writes, refusals that change nothing,
// Dump Script (Ctrl+Shift+D) whose script inserts back unchanged, Find Pointers to
// Cursor (Ctrl+Shift+P) into the Data List, and Follow Pointer (Ctrl+Shift+F).

#include "frame_fixture.h"
#include "script/script_insertion.h"
#include "script/script_table_file.h"
#include "search_windows.h"
#include "ui/frame/document_windows.h"
#include "ui/script/tpointer_form.h"

#include <QComboBox>

using namespace zarvo;
using namespace zarvo::window_test;

namespace {

// Capitals at 80.., small letters at A0.., blank 5F, line FE, end FF; 0102 collides.
const QByteArray kTable =
    "80=A\n81=B\n83=D\n84=E\n87=H\n8E=O\n92=S\nA0=a\nA4=e\nA7=h\nAB=l\nAE=o\nB1=r\nB3=t\n"
    "A3=d\nB6=w\nB8=y\n5F= \n01=1\n02=2\n0102=X\n/FE\n*FF\n";
// 16-bit pointers at 8000 to the block 10000-100FF, the table beside the ROM.
const QByteArray kHeader =
    "#VAR(T, TABLE)\n#ADDTBL(\"rom.tbl\", T)\n#ACTIVETBL(T)\n#VAR(P, CUSTOMPOINTER)\n"
    "#CREATEPTR(P, \"LINEAR\", $10000, 16)\n#VAR(S, POINTERTABLE)\n#PTRTBL(S, $8000, 2, P)\n"
    "#JMP($10000, $100FF)\n";

DocRecord& ActiveDocument(const FrameFixture& fixture) { return *fixture.frame->documents().document(); }

// What zarvo-tool's script insert makes of the file at romPath.
QByteArray InsertedByTheTool(const QString& romPath, const QString& scriptPath)
{
    QFile rom(romPath);
    QFile script(scriptPath);
    if (!rom.open(QIODevice::ReadOnly) || !script.open(QIODevice::ReadOnly)) qFatal("unreadable test file");
    const QByteArray file = rom.readAll();
    const QByteArray text = script.readAll();
    const ScriptInsertion done =
        InsertScript(std::span(reinterpret_cast<const uint8_t*>(file.constData()), file.size()), text.toStdString(),
                     scriptPath.toStdString(), TableReaderBeside(scriptPath.toStdString(), false));
    if (!done.error.empty()) qFatal("%s", done.error.c_str());
    return QByteArray(reinterpret_cast<const char*>(done.result.data()), static_cast<int>(done.result.size()));
}

// Opens name (with rom.tbl beside it), answering the savestate question when asked.
TMDIChild* OpenRom(FrameFixture& fixture, const QString& name, const QByteArray& bytes, bool savestate = false)
{
    fixture.writeFile(QStringLiteral("rom.tbl"), kTable);
    if (savestate) fixture.prompter.answers.push_back(true);
    return fixture.openNew(name, bytes);
}

void InsertText(FrameFixture& fixture, const QByteArray& body, const QByteArray& header = kHeader)
{
    fixture.prompter.files.push_back(fixture.writeFile(QStringLiteral("script.txt"), header + body));
    fixture.press(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_I);
}

// The pointer dialog shown by key, its fields retyped by name, then OK.
void AnswerPointerDialog(FrameFixture& fixture, QKeyCombination key,
                         const QList<std::pair<const char*, QString>>& fields)
{
    auto* dialog = fixture.frame->findChild<TPointerForm*>();
    fixture.whilePressed(dialog, key, [&] {
        for (const auto& [name, text] : fields) Child<QLineEdit>(dialog, name)->setText(text);
        Click(dialog, "OkButton");
    });
}

}  // namespace

class ScriptWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void savedInsertionEqualsTheTool_data();
    void savedInsertionEqualsTheTool();
    void insertionIsOneUndoStep();
    void refusalChangesNothing_data();
    void refusalChangesNothing();
    void atlasTablesItemReadsTheScriptsTables_data();
    void atlasTablesItemReadsTheScriptsTables();
    void dumpedScriptInsertsBackUnchanged();
    void dumpScriptNeedsATableFile();
    void findPointersListsEveryPlace_data();
    void findPointersListsEveryPlace();
    void listedPointerJumps();
    void followPointerGoesWhereItPoints_data();
    void followPointerGoesWhereItPoints();
};

void ScriptWindowsTest::savedInsertionEqualsTheTool_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("rom") << "rom.bin" << QByteArray("#WRITE(S, 1)\nHello<LINE>\nworld<END>\n#WRITE(S, 0)\nBye<END>\n");
    QTest::newRow("savestate without its header")
        << "rom.zst" << QByteArray("#AUTOWRITE(S, \"<END>\")\nOh<END>\nHa<END>\n");
}

void ScriptWindowsTest::savedInsertionEqualsTheTool()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, body);
    FrameFixture fixture;
    const QByteArray rom = PatternBytes(0x20000, 7, 13);
    OpenRom(fixture, name, rom, name.endsWith(QStringLiteral(".zst")));
    const QString original = fixture.writeFile(QStringLiteral("original"), rom);
    InsertText(fixture, body);
    fixture.trigger("SaveFile1");
    QCOMPARE(fixture.prompter.unexpected, 0);
    QCOMPARE(fixture.readFile(name), InsertedByTheTool(original, fixture.path(QStringLiteral("script.txt"))));
}

void ScriptWindowsTest::insertionIsOneUndoStep()
{
    FrameFixture fixture;
    const QByteArray rom = PatternBytes(0x20000, 7, 13);
    OpenRom(fixture, QStringLiteral("rom.bin"), rom);
    InsertText(fixture, "#WRITE(S, 0)\nHello world<END>\n#WRITE(S, 1)\nOh<END>\n");
    QVERIFY(Content(ActiveDocument(fixture)) != rom);
    fixture.press(Qt::ControlModifier | Qt::Key_Z);
    QCOMPARE(Content(ActiveDocument(fixture)), rom);
    QVERIFY(!ActiveDocument(fixture).modified);
}

void ScriptWindowsTest::refusalChangesNothing_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("told");
    QTest::newRow("unknown command") << QByteArray("#FOO(1)\n") << ":9: unknown command #FOO";
    QTest::newRow("missing character") << QByteArray("Ha!<END>\n") << "(U+0021)";
    QTest::newRow("reads back otherwise") << QByteArray("#WRITE(S)\n12<END>\n") << "would read back as \"X<END>\"";
    QTest::newRow("overflow by one") << QByteArray("#JMP($11000, $11003)\nHelo<END>\n")
                                     << "needs 5 bytes, has 4 (1 too many)";
}

void ScriptWindowsTest::refusalChangesNothing()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, told);
    FrameFixture fixture;
    const QByteArray rom = PatternBytes(0x20000, 7, 13);
    OpenRom(fixture, QStringLiteral("rom.bin"), rom);
    InsertText(fixture, body);
    QCOMPARE(Content(ActiveDocument(fixture)), rom);
    QVERIFY(!ActiveDocument(fixture).modified);
    const std::vector<PromptRecord> boxes = fixture.prompter.recordsOf(PromptRecord::Kind::MessageBox);
    QCOMPARE(boxes.size(), std::size_t{1});
    QCOMPARE(boxes[0].caption, QStringLiteral("Insert Text"));
    QVERIFY2(boxes[0].text.contains(told), qPrintable(boxes[0].text));
}

void ScriptWindowsTest::atlasTablesItemReadsTheScriptsTables_data()
{
    QTest::addColumn<bool>("atlas");
    QTest::addColumn<QByteArray>("written");  // empty: refused
    QTest::newRow("checked") << true << Bytes({0x8A, 0x8B, 0x8C, 0xFF});
    QTest::newRow("unchecked") << false << QByteArray();
}

void ScriptWindowsTest::atlasTablesItemReadsTheScriptsTables()
{
    QFETCH(bool, atlas);
    QFETCH(QByteArray, written);
    FrameFixture fixture;
    const QByteArray rom = PatternBytes(0x20000, 7, 13);
    OpenRom(fixture, QStringLiteral("rom.bin"), rom);
    // A three-byte key and an end token with its text: the script inserters' dialect.
    fixture.writeFile(QStringLiteral("atlas.tbl"), "8A8B8C=Zed\n/FF=<END>\n");
    if (atlas) fixture.trigger("AtlasTables1");
    QCOMPARE(fixture.action("AtlasTables1")->isChecked(), atlas);
    InsertText(fixture, "Zed<END>\n",
               "#VAR(T, TABLE)\n#ADDTBL(\"atlas.tbl\", T)\n#ACTIVETBL(T)\n#JMP($10000, $100FF)\n");
    const QByteArray expected = written.isEmpty() ? rom : WithBytes(rom, 0x10000, written);
    QCOMPARE(Content(ActiveDocument(fixture)), expected);
}

void ScriptWindowsTest::dumpedScriptInsertsBackUnchanged()
{
    FrameFixture fixture;
    // Three slots: two strings, the third pointing into the second, which holds the colliding
    // pair 01 02; filler between them.
    const QByteArray rom = PlantedRom(0x20000, {{0x8000, Bytes({0x08, 0x00, 0x00, 0x00, 0x0A, 0x00})},
                                                {0x10000, Bytes({0x87, 0xA4, 0xAB, 0xAB, 0xAE, 0xFF})},
                                                {0x10008, Bytes({0x83, 0xA4, 0x01, 0x02, 0xFF})}});
    OpenRom(fixture, QStringLiteral("rom.bin"), rom);
    const QString script = fixture.path(QStringLiteral("dumped.txt"));
    fixture.prompter.files.push_back(script);
    AnswerPointerDialog(fixture, Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_D,
                        {{"TableStart", "8000"}, {"SlotCount", "3"}, {"PointerOffset", "10000"}});
    QVERIFY(QFile::exists(script));
    fixture.prompter.files.push_back(script);
    fixture.press(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_I);
    QCOMPARE(fixture.prompter.unexpected, 0);
    QCOMPARE(Content(ActiveDocument(fixture)), rom);
    QVERIFY(fixture.prompter.texts().last().startsWith(QStringLiteral("Block $00010000-$0001000C: 13 bytes used")));
}

void ScriptWindowsTest::dumpScriptNeedsATableFile()
{
    FrameFixture fixture;
    fixture.openNew(QStringLiteral("rom.bin"), PatternBytes(0x20000));
    fixture.prompter.clear();
    fixture.press(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_D);
    QVERIFY(!fixture.frame->findChild<TPointerForm*>()->isVisible());
    QCOMPARE(fixture.prompter.log(), QStringList("box(Dump Script, stop): A script needs a table file: load one as the "
                                                 "active table first."));
}

void ScriptWindowsTest::findPointersListsEveryPlace_data()
{
    QTest::addColumn<bool>("everyForm");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("linear 16-bit") << false
                                   << QStringList{"[$00000100] LINEAR 16-bit", "[$00002001] LINEAR 16-bit",
                                                  "[$00003000] LINEAR 16-bit"};
    QTest::newRow("every form") << true << QStringList{"[$00000100] LINEAR 16-bit", "[$00000100] GB 16-bit",
                                                       "[$00002001] LINEAR 16-bit", "[$00002001] GB 16-bit",
                                                       "[$00003000] LINEAR 16-bit", "[$00003000] LINEAR 24-bit",
                                                       "[$00003000] GB 16-bit",     "[$00003000] GBA 32-bit"};
}

void ScriptWindowsTest::findPointersListsEveryPlace()
{
    QFETCH(bool, everyForm);
    QFETCH(QStringList, lines);
    FrameFixture fixture;
    TMDIChild* editor = OpenRom(fixture, QStringLiteral("rom.bin"),
                                PlantedRom(0x10000, {{0x100, Bytes({0x34, 0x12})},
                                                     {0x2001, Bytes({0x34, 0x12})},
                                                     {0x3000, Bytes({0x34, 0x12, 0x00, 0x08})}}));
    fixture.placeCursor(*editor, 0x1234);
    auto* dialog = fixture.frame->findChild<TPointerForm*>();
    fixture.whilePressed(dialog, Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_P, [&] {
        Child<QComboBox>(dialog, "FormBox")->setCurrentText(QStringLiteral("LINEAR"));
        Child<QCheckBox>(dialog, "EveryForm")->setChecked(everyForm);
        Click(dialog, "OkButton");
    });
    const SearchWindows windows(fixture);
    QCOMPARE(windows.lines(), lines);
    QVERIFY(windows.list->isVisible());
    QCOMPARE(windows.list->windowTitle(), QStringLiteral("Data List: %1 Pointer(s) Found!").arg(lines.size()));
}

void ScriptWindowsTest::listedPointerJumps()
{
    FrameFixture fixture;
    TMDIChild* editor =
        OpenRom(fixture, QStringLiteral("rom.bin"), PlantedRom(0x10000, {{0x2001, Bytes({0x34, 0x12})}}));
    fixture.placeCursor(*editor, 0x1234);
    fixture.session.script.pointers.everyForm = false;
    AnswerPointerDialog(fixture, Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_P, {});
    SearchWindows(fixture).enterOnLine(0);
    QCOMPARE(ActiveDocument(fixture).cursorOffset, 0x2001);
}

void ScriptWindowsTest::followPointerGoesWhereItPoints_data()
{
    QTest::addColumn<QString>("machine");
    QTest::addColumn<int>("bits");
    QTest::addColumn<qint64>("offset");
    QTest::addColumn<qint64>("header");
    QTest::addColumn<int>("place");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("target");  // -1: refused, the cursor stays
    QTest::addColumn<QString>("told");
    QTest::newRow("linear, header, negative offset")
        << "LINEAR" << 16 << qint64{-0xA000} << qint64{0x10} << 0x40 << Bytes({0x00, 0xC0}) << 0x2010 << "";
    QTest::newRow("lorom00 next bank") << "LOROM00" << 24 << qint64{0} << qint64{0} << 0x40 << Bytes({0x00, 0x80, 0x01})
                                       << 0x8000 << "";
    QTest::newRow("hirom") << "HIROM" << 24 << qint64{0} << qint64{0} << 0x40 << Bytes({0xFB, 0x5C, 0xC2}) << 0x25CFB
                           << "";
    QTest::newRow("gb, the bank of its place")
        << "GB" << 16 << qint64{0} << qint64{0} << 0x40100 << Bytes({0x61, 0x40}) << 0x40061 << "";
    QTest::newRow("gba") << "GBA" << 32 << qint64{0} << qint64{0} << 0x40 << Bytes({0x56, 0x34, 0x12, 0x08}) << 0x123456
                         << "";
    QTest::newRow("past the file")
        << "GBA" << 32 << qint64{0} << qint64{0} << 0x40 << Bytes({0, 0, 0x30, 0x08}) << -1
        << "The value $08300000 at $00000040 names no offset of the file as a GBA 32-bit pointer.";
    QTest::newRow("no room for the pointer") << "GBA" << 32 << qint64{0} << qint64{0} << 0x12FFFE << Bytes({0, 0}) << -1
                                             << "The GBA 32-bit pointer at $0012FFFE reaches past the end of the file.";
}

void ScriptWindowsTest::followPointerGoesWhereItPoints()
{
    QFETCH(QString, machine);
    QFETCH(int, bits);
    QFETCH(qint64, offset);
    QFETCH(qint64, header);
    QFETCH(int, place);
    QFETCH(QByteArray, stored);
    QFETCH(int, target);
    QFETCH(QString, told);
    FrameFixture fixture;
    TMDIChild* editor =
        OpenRom(fixture, QStringLiteral("rom.bin"), WithBytes(QByteArray(0x130000, '\0'), place, stored));
    fixture.session.script.pointers = PointerSettings{machine.toStdString(), bits, offset, header, false, 0, false};
    fixture.placeCursor(*editor, place);
    fixture.press(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_F);
    QCOMPARE(ActiveDocument(fixture).cursorOffset, target < 0 ? place : target);
    QCOMPARE(fixture.prompter.texts().join('|'), told);
}

QTEST_MAIN(ScriptWindowsTest)
#include "script_windows_test.moc"
