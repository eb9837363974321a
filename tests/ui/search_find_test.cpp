// The Find dialog: text and hexadecimal search through the typed keys and the
// options, the messages, incremental search, Search Again, collecting with the
// 128-line limit, the option buttons and the kana grid.

#include "search_windows.h"

#include <QComboBox>
#include <QToolButton>

using namespace zarvo;

namespace {

constexpr int kRomSize = 0x20000;

// "HeLLo" and "HELLO" for the case rules, "ABC" on the first byte.
QByteArray Rom() { return PlantedRom(kRomSize, {{0, "ABC"}, {0x100, "xHeLLo"}, {0x2000, "HELLO"}}); }

const QString kNotFound = QStringLiteral("Sorry... The string was not found.");
const QString kNoText = QStringLiteral("Error: No text entered to search for...");

}  // namespace

class SearchFindTest : public QObject {
    Q_OBJECT
private slots:
    void searchMovesTheCursorOrSays();
    void optionsAreSetAllAtOnceAndKept();
    void incrementalSearchFollowsEachKey();
    void searchAgainWalksOnFromTheMatch();
    void collectingStopsAt128AndSearchAgainShowsTheList();
    void kanaSearchTypesFromTheGrid();
};

void SearchFindTest::searchMovesTheCursorOrSays()
{
    const char* const text = "AsciiSearch1";
    const struct {
        const char* command;
        std::vector<const char*> options;
        QString typed;
        int cursor;
        QStringList texts;
        QStringList lines;
        bool pasted = false;  // put into the box as Ctrl+V does, past the key rules
    } cases[] = {
        {text, {"IgCase"}, "hello", 0x101, {}, {}},
        {text, {"FindFromStart"}, "ABC", 0, {}, {}},  // offset 0 itself
        {text, {}, "ABC", 0, {kNotFound}, {}},        // after the cursor only
        {text, {"IgCase", "SaveFnd"}, "hello", 0, {}, {"[$00000101]", "[$00002000]"}},
        {text, {}, "", 0, {kNoText}, {}},
        // Typed in lower case, one '*' typing the pair "**": 48 ** 4C, "HeL" at 0x101.
        {"HexSearch1", {"WildCrd"}, "48*4c", 0x101, {}, {}},
        {"HexSearch1", {}, "48 65 4c", 0x101, {}, {}},  // blanks between the pairs
        {"HexSearch1", {}, "48 65\t4C", 0x101, {}, {}, true},
    };
    for (const auto& c : cases) {
        FrameFixture fixture;
        TMDIChild* editor = fixture.openNew(QStringLiteral("rom.bin"), Rom());
        const SearchWindows windows(fixture);
        QString caption;
        fixture.triggerModal(c.command, [&] {
            caption = windows.find->windowTitle();
            windows.click(c.options);
            if (c.pasted) {
                windows.box()->insert(c.typed);
            } else {
                windows.type(c.typed);
            }
            windows.press(Qt::Key_Return);
        });
        QCOMPARE(caption,
                 c.command == text ? QStringLiteral("Find: ASCII Text...") : QStringLiteral("Find: HEX Search..."));
        QVERIFY(!windows.find->isVisible());
        QCOMPARE(DocumentOf(editor).cursorOffset, c.cursor);
        QCOMPARE(fixture.prompter.texts(), c.texts);
        QCOMPARE(windows.lines(), c.lines);
        QCOMPARE(windows.list->isVisible(), !c.lines.isEmpty());
        if (!c.lines.isEmpty()) QCOMPARE(windows.list->windowTitle(), QStringLiteral("Data List: 2 Match(es) Found!"));
    }
}

void SearchFindTest::optionsAreSetAllAtOnceAndKept()
{
    FrameFixture fixture;
    fixture.openNew(QStringLiteral("rom.bin"), Rom());
    const SearchWindows windows(fixture);
    QStringList afterSelectAll;
    QStringList afterRemoveAll;
    fixture.triggerModal("AsciiSearch1", [&] {
        QTest::mouseClick(windows.control<QToolButton>("SpeedButton2"), Qt::LeftButton);
        afterSelectAll = windows.checked();
        QTest::mouseClick(windows.control<QToolButton>("SpeedButton1"), Qt::LeftButton);
        afterRemoveAll = windows.checked();
        windows.click({"IgCase", "WildCrd"});
    });
    QCOMPARE(afterSelectAll, (QStringList{"IgCase", "WildCrd", "FindFromStart", "IncFind", "FindLimit"}));
    QCOMPARE(afterRemoveAll, QStringList{});
    // The dialog keeps its choice between uses.
    QStringList again;
    fixture.triggerModal("AsciiSearch1", [&] { again = windows.checked(); });
    QCOMPARE(again, (QStringList{"IgCase", "WildCrd"}));
}

void SearchFindTest::incrementalSearchFollowsEachKey()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNew(QStringLiteral("rom.bin"), Rom());
    const SearchWindows windows(fixture);
    std::vector<int> cursors;
    bool openWhileTyping = true;
    fixture.triggerModal("AsciiSearch1", [&] {
        windows.click({"IncFind"});
        // Each key searches from the cursor itself: "H" stays on "HeLLo", "HE" moves on.
        for (const QChar key : QStringLiteral("HEL")) {
            windows.type(key);
            cursors.push_back(DocumentOf(editor).cursorOffset);
            openWhileTyping = openWhileTyping && windows.find->isVisible();
        }
        windows.press(Qt::Key_Escape);
    });
    QCOMPARE(cursors, (std::vector<int>{0x101, 0x2000, 0x2000}));
    QVERIFY(openWhileTyping);
    QVERIFY(!windows.find->isVisible());
    QCOMPARE(fixture.prompter.texts(), QStringList{});

    // Esc dropped the pattern: Search Again has nothing to repeat.
    QTest::keyClick(fixture.frame.get(), Qt::Key_F3);
    QCOMPARE(fixture.prompter.texts(), QStringList{kNoText});
    QCOMPARE(DocumentOf(editor).cursorOffset, 0x2000);
}

void SearchFindTest::searchAgainWalksOnFromTheMatch()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNew(QStringLiteral("rom.bin"), Rom());
    const SearchWindows windows(fixture);
    fixture.triggerModal("AsciiSearch1", [&] {
        windows.type(QStringLiteral("HELLO"));
        windows.press(Qt::Key_Return);
    });
    QCOMPARE(DocumentOf(editor).cursorOffset, 0x2000);
    // F3 walks on from the match, which is the last one.
    QTest::keyClick(fixture.frame.get(), Qt::Key_F3);
    QCOMPARE(fixture.prompter.texts(), QStringList{kNotFound});
    QCOMPARE(DocumentOf(editor).cursorOffset, 0x2000);
}

void SearchFindTest::collectingStopsAt128AndSearchAgainShowsTheList()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNew(QStringLiteral("rom.bin"), Rom().replace(0x300, 200, QByteArray(200, 'Z')));
    const SearchWindows windows(fixture);
    fixture.placeCursor(*editor, 0x2000);
    fixture.triggerModal("AsciiSearch1", [&] {
        windows.click({"SaveFnd", "FindLimit", "FindFromStart"});
        windows.type(QStringLiteral("Z"));
        windows.press(Qt::Key_Return);
    });
    const QStringList lines = windows.lines();
    QCOMPARE(lines.size(), 128);
    QCOMPARE(lines.front(), QStringLiteral("[$00000300]"));
    QCOMPARE(lines.back(), QStringLiteral("[$0000037F]"));
    QCOMPARE(windows.list->windowTitle(), QStringLiteral("Data List: 128 Match(es) Found!"));
    // With lines listed, Search Again only brings the list back.
    windows.list->close();
    fixture.frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(fixture.frame.get()));
    QTest::keyClick(fixture.frame.get(), Qt::Key_F3);
    FrameFixture::settle();
    QVERIFY(windows.list->isVisible());
    QCOMPARE(windows.lines(), lines);
    QCOMPARE(DocumentOf(editor).cursorOffset, 0x2000);
}

void SearchFindTest::kanaSearchTypesFromTheGrid()
{
    FrameFixture fixture;
    // Table entries for あ (82A0) and い (82A2), not for ぃ (82A1) between them.
    fixture.writeFile(QStringLiteral("rom.tbl"), "80=\x82\xA0\n81=\x82\xA2\n");
    TMDIChild* editor = fixture.openNew(QStringLiteral("rom.bin"), PlantedRom(0x10000, {{0x500, "\x80\x81"}}));
    const SearchWindows windows(fixture);
    QWidget* grid = windows.control<QWidget>("fGrid");
    const auto cellPoint = [](int column, int row) { return QPoint(column * 24 + 12, row * 24 + 12); };
    QStringList boxTexts;
    QPoint highlight;
    fixture.triggerModal("KanaSearch1", [&] {
        QCOMPARE(windows.find->windowTitle(), QStringLiteral("Find: KANA Search..."));
        QCOMPARE(windows.find->height(), 287);
        QVERIFY(grid->isVisible());
        auto* kbox = windows.control<QComboBox>("kbox");
        for (int down = 0; down < 3; ++down) QTest::keyClick(kbox, Qt::Key_Down);  // to "Hiragana"
        for (const int column : {1, 2, 3}) QTest::mouseClick(grid, Qt::LeftButton, {}, cellPoint(column, 0));
        highlight = windows.control<QWidget>("ClickMe2")->pos();
        windows.type(QStringLiteral("x"));  // kana come from the grid only
        boxTexts << windows.box()->text();
        windows.press(Qt::Key_Backspace);
        boxTexts << windows.box()->text();
        QTest::mouseClick(grid, Qt::LeftButton, {}, cellPoint(3, 0));
        windows.press(Qt::Key_Return);  // swallowed: kana search starts with the button only
        QVERIFY(windows.find->isVisible());
        QTest::mouseClick(windows.control<QPushButton>("Button1"), Qt::LeftButton);
    });
    QCOMPARE(boxTexts, (QStringList{QStringLiteral("あい"), QStringLiteral("あ")}));
    QCOMPARE(highlight, QPoint(3 * 24 + 2, 144));
    QCOMPARE(DocumentOf(editor).cursorOffset, 0x500);
    QCOMPARE(fixture.prompter.texts(), QStringList{});

    fixture.triggerModal("AsciiSearch1", [&] { QCOMPARE(windows.find->height(), 119); });
    QVERIFY(!grid->isVisible());
}

QTEST_MAIN(SearchFindTest)
#include "search_find_test.moc"
