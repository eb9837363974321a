// The dump dialog and the Goto dialog under real keys: text and binary dumps taken
// with two presses (the last one also from inside the dialog) or Done, the refusals
// between the two-press commands, Esc and the close box, a dump label taken with F2
// twice, a byte fill around a range, Dump From List's batch; Goto Offset (Ctrl+G),
// Jump Offset List (Ctrl+J), Save Bookmark (Ctrl+B); and Insert Binary Data.

#include "frame_fixture.h"
#include "ui/dump/dump_commands.h"
#include "ui/dump/tdump_form.h"
#include "ui/dump/tjump_form.h"
#include "ui/frame/document_windows.h"
#include "ui/search/tlist_form.h"
#include "ui/settings/tcol_form.h"

#include <QClipboard>
#include <QComboBox>
#include <QListView>
#include <QSignalSpy>

#include <functional>

using namespace zarvo;
using namespace zarvo::window_test;

namespace {

// A shown frame with rom.bin (and rom.tbl unless the table is null) open at 16 bytes
// a row, the keyboard on its editor window, and the two dialogs; nothing asked yet.
struct DumpWindows {
    explicit DumpWindows(const QByteArray& rom, const QByteArray& table = {})
    {
        if (!table.isNull()) fixture.writeFile(QStringLiteral("rom.tbl"), table);
        editor = fixture.openForKeys(QStringLiteral("rom.bin"), rom);
        fixture.prompter.clear();
    }
    void moveCursor(int32_t offset) { fixture.frame->documents().jumpTo(editor->document(), offset); }
    [[nodiscard]] QLineEdit* box(const char* name) const { return Child<QLineEdit>(dump, name); }
    [[nodiscard]] QStringList shown() const { return fixture.prompter.log(); }
    [[nodiscard]] QPushButton* done() const { return Child<QPushButton>(dump, "Button1"); }
    // The dump dialog takes the keyboard, as a click on it would.
    void activateDump() const
    {
        dump->activateWindow();
        QTRY_VERIFY(dump->isActiveWindow());
    }
    // Runs work while the modal dialog that the keys on the editor window (or the item)
    // show is up.
    void whileModal(QDialog* dialog, const char* keys, const std::function<void()>& work, const char* item = nullptr)
    {
        const auto open = [&] {
            if (item != nullptr) return fixture.trigger(item);
            fixture.frame->activateWindow();
            WaitActive(fixture.frame.get());
            PlayKeys(editor, QString::fromLatin1(keys));
        };
        (void)WhileShown(dialog, open, [&] {
            QVERIFY(dialog->isModal());
            work();
        });
    }

    FrameFixture fixture;
    TMDIChild* editor = nullptr;
    DumpCommands* commands = fixture.frame->findChild<DumpCommands*>();
    TDumpForm* dump = commands->dumpDialog();
    TJumpForm* jump = commands->gotoDialog();
};

// 0x10: 41 42 41 FE F0 05, read by kTable as AB, A, a line end, [WAIT] and ($05).
QByteArray Rom() { return PatternBytes(0x80000, 0x60).replace(0x10, 6, QByteArray::fromHex("414241FEF005")); }

const QString kBlockChooser = QStringLiteral("open(Open, All files (*.*), .)");

const QByteArray kTable = "41=A\n4142=AB\n/FE\n.code=$F0 \"[WAIT]\"\n.startdump \"Range %startofs-%endofs\\n\"\n";

}  // namespace

class DumpWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void textDumpTakenWithTwoPresses();
    void binaryDumpThroughDone();
    void pendingCommands();
    void dumpLabelTakenWithF2();
    void byteFillAroundRange();
    void dumpFromList();
    void dumpFromListRefusesUnsafeLabels();
    void dumpListSaysWhenTheTableHasMoreLabels();
    void gotoOffset();
    void jumpList();
    void saveBookmark();
    void insertion();
    void insertionRefusals();
};

void DumpWindowsTest::textDumpTakenWithTwoPresses()
{
    DumpWindows windows(Rom(), kTable);
    windows.moveCursor(0x10);
    PlayKeys(windows.editor, QStringLiteral("{F10}"));
    QVERIFY(windows.dump->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), windows.fixture.frame.get());  // the editor keeps the keyboard
    QCOMPARE(windows.dump->windowTitle(), QStringLiteral("Dump Text Data [Press F10 to Dump]"));
    QCOMPARE(windows.box("BegOfs")->text(), QStringLiteral("00000010"));

    for (int step = 0; step < 5; ++step) PlayKeys(windows.editor, QStringLiteral("{Right}"));
    PlayKeys(windows.editor, QStringLiteral("{F10}"));
    QCOMPARE(windows.shown(), QStringList("box(File Error..., stop): No file name specified..."));
    QCOMPARE(windows.box("EndOfs")->text(), QStringLiteral("00000015"));
    QTRY_COMPARE(QApplication::focusWidget(), windows.box("DFile"));

    windows.fixture.prompter.clear();
    QTest::keyClicks(windows.box("DFile"), QStringLiteral("out.txt"));
    PlayKeys(windows.box("DFile"), QStringLiteral("{F10}"));
    QCOMPARE(windows.fixture.readFile(QStringLiteral("out.txt")),
             QByteArray("Range 00000010-00000015\nABA\n[WAIT]($05)"));
    QCOMPARE(windows.shown(), QStringList("box(Text Dumping..., exclamation): Data was dumped to the text file..."));
    QVERIFY(!windows.dump->isVisible());
    QCOMPARE(windows.fixture.session.dump.mode, DumpMode::Idle);
}

void DumpWindowsTest::binaryDumpThroughDone()
{
    DumpWindows windows(Rom());
    PlayKeys(windows.editor, QStringLiteral("{F11}"));
    windows.activateDump();
    QLineEdit* start = windows.box("BegOfs");
    start->selectAll();
    QTest::keyClicks(start, QStringLiteral("7fffg0"));
    QCOMPARE(start->text(), QStringLiteral("7FFF0"));
    QTest::keyClicks(windows.box("EndOfs"), QStringLiteral("90000"));
    QVERIFY(!windows.done()->isEnabled());  // Done waits for all three boxes
    QTest::keyClicks(windows.box("DFile"), QStringLiteral("part.dat"));
    // The end lies past the file: the dump is cut at fileSize, 16 bytes.
    QTest::mouseClick(windows.done(), Qt::LeftButton);
    FrameFixture::settle();
    QCOMPARE(windows.fixture.readFile(QStringLiteral("part.dat")), Rom().mid(0x7FFF0));
    QCOMPARE(windows.shown(),
             QStringList("box(Binary Dumping..., exclamation): Data was dumped to the binary file..."));
    QVERIFY(!windows.dump->isVisible());
}

void DumpWindowsTest::pendingCommands()
{
    const struct {
        const char* keys;  // on the editor window
        QStringList shown;
        DumpMode mode;
    } cases[] = {
        {"{F11}{F10}", {"Can't dump TEXT when you started with BINARY dump."}, DumpMode::BinaryStarted},
        // A dump is not refused during a fill: it runs on the boxes and misses the name.
        {"{F4}{F10}", {"box(File Error..., stop): No file name specified..."}, DumpMode::TextStarted},
    };
    for (const auto& c : cases) {
        DumpWindows windows(Rom(), kTable);
        PlayKeys(windows.editor, QString::fromLatin1(c.keys));
        QCOMPARE(windows.shown(), c.shown);
        QCOMPARE(windows.fixture.session.dump.mode, c.mode);
        QVERIFY(windows.dump->isVisible());
        // The close box abandons whatever is pending.
        windows.dump->close();
        QCOMPARE(windows.fixture.session.dump.mode, DumpMode::Idle);
        QCOMPARE(windows.done()->text(), QStringLiteral("Dump Data"));
    }
}

void DumpWindowsTest::dumpLabelTakenWithF2()
{
    DumpWindows windows(Rom(), "41=A");  // no line end: the label must not join the line
    QVERIFY(!windows.fixture.action("DumpFromList1")->isEnabled());
    windows.moveCursor(0x2000);
    PlayKeys(windows.editor, QStringLiteral("{F2}"));
    QCOMPARE(windows.dump->windowTitle(), QStringLiteral("Dump Bookmark [F2 - Save Bookmark]"));
    QCOMPARE(windows.done()->text(), QStringLiteral("Save Data"));
    windows.moveCursor(0x20FF);
    PlayKeys(windows.editor, QStringLiteral("{F2}"));
    QTRY_COMPARE(QApplication::focusWidget(), windows.box("DFile"));
    QTest::keyClicks(windows.box("DFile"), QStringLiteral("Intro"));
    PlayKeys(windows.box("DFile"), QStringLiteral("{F2}"));
    QCOMPARE(windows.fixture.readFile(QStringLiteral("rom.tbl")), QByteArray("41=A\n[00002000-000020FF]Intro\n"));
    QCOMPARE(windows.shown(),
             (QStringList{"No bookmark name entered...",
                          "box(Dump Bookmark..., exclamation): Bookmark was saved to the table file..."}));
    QCOMPARE(windows.fixture.session.tables.dumpLabels, std::vector<std::string>{"[00002000-000020FF]Intro"});
    QVERIFY(windows.fixture.action("DumpFromList1")->isEnabled());
    QCOMPARE(windows.done()->text(), QStringLiteral("Dump Data"));
}

void DumpWindowsTest::byteFillAroundRange()
{
    const QByteArray rom = PatternBytes(0x100);
    DumpWindows windows(rom);
    windows.moveCursor(0x20);
    PlayKeys(windows.editor, QStringLiteral("{F4}"));
    QCOMPARE(windows.dump->windowTitle(), QStringLiteral("BYTE Fill..."));
    QCOMPARE(Child<QLabel>(windows.dump, "StaticText1")->text(), QStringLiteral("Fill Byte Value"));
    windows.moveCursor(0x10);  // the end may lie before the start
    PlayKeys(windows.editor, QStringLiteral("{F4}"));
    QCOMPARE(windows.fixture.session.dump.mode, DumpMode::FillStarted);
    windows.activateDump();
    QTest::keyClicks(windows.box("DFile"), QStringLiteral("1ff"));  // the low byte: FF
    PlayKeys(windows.box("DFile"), QStringLiteral("{F4}"));
    QCOMPARE(windows.shown(), (QStringList{"Error: Must enter a value to use as a FILLER!", "BYTE Fill completed!"}));
    QVERIFY(!windows.dump->isVisible() && windows.editor->document().modified);
    windows.fixture.trigger("SaveFile1");
    QCOMPARE(windows.fixture.readFile(QStringLiteral("rom.bin")),
             QByteArray(rom).replace(0x10, 17, QByteArray(17, '\xFF')));
}

void DumpWindowsTest::dumpFromList()
{
    DumpWindows windows(Rom().replace(0x10, 3, "ABC"),
                        "41=A\n42=B\n[00000010-00000012]One\n[00000012-00000010]Back\n[00000011-00000011]Two\n");
    // Through the list window: its caption, and the labels chosen there dumped at once.
    const auto chooseAll = [&windows](QString& caption) {
        auto* list = windows.fixture.frame->findChild<TListForm*>();
        caption = list->windowTitle();
        list->listBox()->selectAll();
        QTest::keyClick(list->listBox(), Qt::Key_Return);
    };
    QString caption;
    windows.fixture.triggerModal("BinaryDump1", [&] { chooseAll(caption); });
    QCOMPARE(caption, QStringLiteral("BINARY Dump List: 3 dump label(s)"));
    QCOMPARE(windows.fixture.readFile(QStringLiteral("Two.dat")), QByteArray("B"));
    windows.fixture.triggerModal("TextDump1", [&] { chooseAll(caption); });
    QCOMPARE(caption, QStringLiteral("TEXT Dump List: 3 dump label(s)"));
    QCOMPARE(windows.fixture.readFile(QStringLiteral("Two.txt")), QByteArray("B"));
    windows.commands->DumpFromList({windows.fixture.session.tables.dumpLabels.front()}, DumpKind::Binary);
    QCOMPARE(windows.fixture.readFile(QStringLiteral("One.dat")), QByteArray("ABC"));

    windows.fixture.trigger("Asciitbl1");
    QVERIFY(!windows.fixture.action("DumpFromList1")->isEnabled());
    windows.fixture.prompter.clear();
    windows.fixture.trigger("TextDump1");
    QCOMPARE(windows.shown(), QStringList("You have no available dump labels..."));
}

void DumpWindowsTest::dumpFromListRefusesUnsafeLabels()
{
    DumpWindows windows(Rom().replace(0x10, 3, "ABC"), "[00000010-00000012]../Up\n[00000010-00000012]Ok\n"
                                                       "[00000011-00000011]Ok\n");
    windows.commands->DumpFromList(windows.fixture.session.tables.dumpLabels, DumpKind::Binary);
    QCOMPARE(windows.shown(),
             (QStringList{"box(File Error..., stop): The dump label [00000010-00000012]../Up was not dumped: its name "
                          "holds '/' or '\\'.",
                          "box(Binary Dumping..., exclamation): Data was dumped to the binary file...",
                          "box(File Error..., stop): The dump label [00000011-00000011]Ok was not dumped: its file " +
                              windows.fixture.path("Ok.dat") + " is written by an earlier label."}));
    QCOMPARE(windows.fixture.readFile(QStringLiteral("Ok.dat")), QByteArray("ABC"));
}

void DumpWindowsTest::dumpListSaysWhenTheTableHasMoreLabels()
{
    QByteArray table;
    for (int i = 0; i < 130; ++i) table += "[00000000-00000000]L" + QByteArray::number(i) + "\n";
    DumpWindows windows(Rom(), table);
    windows.fixture.triggerModal("TextDump1", [&] {
        QTest::keyClick(windows.fixture.frame->findChild<TListForm*>()->listBox(), Qt::Key_Escape);
    });
    QCOMPARE(windows.shown(), QStringList("The table holds 130 dump labels; the list shows the first 128."));
}

void DumpWindowsTest::gotoOffset()
{
    const struct {
        const char* radio;
        QString typed;
        QString pasted;  // with Ctrl+V
        QString shown;
        Qt::Key key;
        int offset;
    } cases[] = {
        {"Hexdecimal", "1gf", {}, "1F", Qt::Key_Return, 0x1F},  // g dropped, upper case
        {"Decimal", "f3f0", {}, "30", Qt::Key_Return, 30},
        {"Hexdecimal", {}, "12zz", "12zz", Qt::Key_Return, 0x12},  // a paste is not filtered
        {"Hexdecimal", "40", {}, "40", Qt::Key_Escape, 5},
        {"Hexdecimal", {}, {}, {}, Qt::Key_Return, 5},  // nothing typed
    };
    DumpWindows windows(PatternBytes(100));
    auto* box = Child<QLineEdit>(windows.jump, "jmptxt");
    for (const auto& c : cases) {
        windows.moveCursor(5);
        windows.whileModal(windows.jump, "{Ctrl+G}", [&] {
            QCOMPARE(windows.jump->windowTitle(), QStringLiteral("Goto Offset"));
            Click(windows.jump, c.radio);
            QTest::keyClicks(box, c.typed);
            QApplication::clipboard()->setText(c.pasted);
            if (!c.pasted.isEmpty()) QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(box->text(), c.shown);
            QTest::keyClick(box, c.key);
        });
        QCOMPARE(windows.editor->document().cursorOffset, c.offset);
    }
}

void DumpWindowsTest::jumpList()
{
    DumpWindows windows(PatternBytes(0x20000), "(1A2Bh)Title\n(FFFFFh)Far\n");
    auto* list = Child<QComboBox>(windows.jump, "jmpbox");
    // Downs in the list, the closing key, where the cursor lands.
    const struct {
        int downs;
        Qt::Key key;
        int offset;
    } picks[] = {{0, Qt::Key_Return, 5}, {1, Qt::Key_Escape, 5}, {1, Qt::Key_Return, 0x1A2B}};
    for (const auto& pick : picks) {
        windows.moveCursor(5);
        windows.whileModal(windows.jump, "{Ctrl+J}", [&] {
            QCOMPARE(windows.jump->windowTitle(), QStringLiteral("Jump List Offset"));
            QCOMPARE(list->itemText(0), QStringLiteral("Title->[1A2B]"));
            QTest::mouseClick(Child<QRadioButton>(windows.jump, "Decimal"), Qt::LeftButton);
            QVERIFY(Child<QRadioButton>(windows.jump, "Hexdecimal")->isChecked());
            QTest::keyClick(list, Qt::Key_F);  // typed characters pick nothing
            for (int step = 0; step < pick.downs; ++step) QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, pick.key);
        });
        QCOMPARE(windows.editor->document().cursorOffset, pick.offset);
    }
}

void DumpWindowsTest::saveBookmark()
{
    const struct {
        QByteArray table;  // null: none, the ASCII table is active
        int cursor;
        QString typed;
        QByteArray saved;
        QStringList shown;
    } cases[] = {
        {"", 0, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "(0h)ABCDEFGHIJKLMNOPQRST\n", {}},  // the name cut at 20
        {{}, 0x10, "Lost", {}, {"No Table file to Save Bookmark to..."}},
    };
    for (const auto& c : cases) {
        DumpWindows windows(PatternBytes(0x20000), c.table);
        windows.moveCursor(c.cursor);
        auto* box = Child<QLineEdit>(windows.jump, "jmptxt");
        windows.whileModal(windows.jump, "{Ctrl+B}", [&] {
            QCOMPARE(windows.jump->windowTitle(), QStringLiteral("Bookmark"));
            QTest::keyClicks(box, c.typed);
            QTest::keyClick(box, Qt::Key_Return);
        });
        QCOMPARE(windows.fixture.readFile(QStringLiteral("rom.tbl")), c.saved);
        QCOMPARE(windows.shown(), c.shown);
        // The table was read again: the jump list holds the new bookmark at once.
        QCOMPARE(windows.fixture.session.tables.jumpList.size(), std::size_t{c.shown.isEmpty() ? 1u : 0u});
        QVERIFY(box->maxLength() > 20);  // the limit is lifted again
    }
}

void DumpWindowsTest::insertion()
{
    const QString sure =
        QStringLiteral("ask(Insert Data to the file..., question): Are you sure you want to insert at this position?");
    const QString four = QStringLiteral(
        "ask(Insert Data to the file..., question): Only 4 byte(s) out of 16 byte(s) can be inserted. Is this ok?");
    const QString done = QStringLiteral("Binary Data successfully inserted...");
    const struct {
        QString start;  // typed over the cursor's offset; null: Esc leaves
        std::deque<bool> answers;
        int at;
        int count;  // bytes written
        QStringList shown;
    } cases[] = {
        {"", {true}, 0x10, 16, {sure, done}},
        {"ffffc", {true, true}, 0xFFFFC, 4, {sure, four, done}},  // cut at viewSize
        {"FFFFC", {true, false}, 0, 0, {sure, four}},
        {"", {false}, 0, 0, {sure}},
        {{}, {}, 0, 0, {}},
        {"100000", {}, 0, 0, {"Error: The insert position is past the end of the file!"}},
    };
    const QByteArray rom = PatternBytes(0x100000);
    const QByteArray block = PatternBytes(16, 0xA0, 3);
    const QString caption = QStringLiteral("Binary Data[ Press Enter to Insert ]");
    for (const auto& c : cases) {
        DumpWindows windows(rom);
        windows.moveCursor(0x10);
        windows.fixture.prompter.files.push_back(windows.fixture.writeFile(QStringLiteral("block.bin"), block));
        windows.fixture.prompter.answers = c.answers;
        QLineEdit* begin = windows.box("BegOfs");
        windows.whileModal(
            windows.dump, nullptr,
            [&] {
                QCOMPARE(windows.dump->windowTitle(), caption);
                QCOMPARE(begin->text(), QStringLiteral("10"));
                QVERIFY(!windows.box("EndOfs")->isEnabled() && !windows.box("DFile")->isEnabled());
                if (!c.start.isEmpty()) Retype(begin, c.start);
                QTest::keyClick(begin, c.start.isNull() ? Qt::Key_Escape : Qt::Key_Return);
            },
            "InsertBINARYData1");
        QCOMPARE(windows.shown(), QStringList{kBlockChooser} + c.shown);
        const DocRecord& doc = windows.editor->document();
        QCOMPARE(Content(doc), QByteArray(rom).replace(c.at, c.count, block.left(c.count)));
        QCOMPARE(doc.modified, c.count > 0);
        QVERIFY(windows.box("EndOfs")->isEnabled() && windows.dump->windowTitle() != caption);
    }
}

void DumpWindowsTest::insertionRefusals()
{
    DumpWindows windows(PatternBytes(0x100));
    windows.fixture.prompter.files.push_back(windows.fixture.folder.path());  // a folder cannot be inserted
    windows.fixture.trigger("InsertBINARYData1");
    // Nor can anything while a dump owns the dialog; no file is asked for then.
    PlayKeys(windows.editor, QStringLiteral("{F10}"));
    windows.fixture.trigger("InsertBINARYData1");
    QCOMPARE(
        windows.shown(),
        (QStringList{kBlockChooser, "Fatal Error: Could not open requested file.\n" + windows.fixture.folder.path(),
                     "Error: You tried to insert Data while a dump or BYTE fill is pending."}));
}

QTEST_MAIN(DumpWindowsTest)
#include "dump_windows_test.moc"
