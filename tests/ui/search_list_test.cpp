// The result list: stepping through search hits by double click and Enter, the
// popup's commands on hits and on dump labels, Esc, and the dump-label modes that
// hand the chosen labels over to Dump From List.

#include "search_windows.h"

using namespace zarvo;

namespace {

struct HookCalls {
    std::vector<std::pair<int32_t, std::vector<std::string>>> chosen;
    int offsetsCleared = 0;
};

void SetHooks(TListForm& list, HookCalls& calls)
{
    list.setDumpHooks(
        {[&calls](int32_t mode, const std::vector<std::string>& labels) { calls.chosen.emplace_back(mode, labels); },
         [&calls] { ++calls.offsetsCleared; }});
}

}  // namespace

class SearchListTest : public QObject {
    Q_OBJECT
private slots:
    void hitsJumpAndKeepTheWindowOpen();
    void dumpLabelModes();
};

void SearchListTest::hitsJumpAndKeepTheWindowOpen()
{
    FrameFixture fixture;
    TMDIChild* editor =
        fixture.openNew(QStringLiteral("rom.bin"), PlantedRom(0x20000, {{0x1A2B0, "HIT"}, {0x1B000, "HIT"}}));
    const DocRecord& doc = DocumentOf(editor);
    const SearchWindows windows(fixture);
    HookCalls calls;
    SetHooks(*windows.list, calls);
    fixture.triggerModal("AsciiSearch1", [&] {
        windows.click({"SaveFnd"});
        windows.type(QStringLiteral("HIT"));
        windows.press(Qt::Key_Return);
    });
    QCOMPARE(windows.lines(), (QStringList{"[$0001A2B0]", "[$0001B000]"}));

    QListView* listBox = windows.list->listBox();
    QTest::mouseDClick(listBox->viewport(), Qt::LeftButton, {},
                       listBox->visualRect(windows.list->lines()->index(0, 0)).center());
    FrameFixture::settle();
    QCOMPARE(doc.cursorOffset, 0x1A2B0);
    QVERIFY(windows.list->isVisible());
    windows.enterOnLine(1);
    QCOMPARE(doc.cursorOffset, 0x1B000);

    // A search line names no range and no value: the popup's commands leave it be.
    for (const char* item : {"JumptoStartingOffset1", "JumptoEndingOffset1", "CreateTBL1"}) windows.popup(item);
    FrameFixture::settle();
    QCOMPARE(doc.cursorOffset, 0x1B000);
    QVERIFY(windows.list->isVisible());
    QCOMPARE(calls.offsetsCleared, 0);

    QTest::keyClick(listBox, Qt::Key_Escape);
    QVERIFY(!windows.list->isVisible());
    QCOMPARE(calls.offsetsCleared, 1);
    QCOMPARE(windows.lines().size(), 2);  // closing keeps the lines
}

void SearchListTest::dumpLabelModes()
{
    const struct {
        int mode;
        const char* jump;
        int cursor;
    } cases[] = {{1, "JumptoStartingOffset1", 0x12000}, {2, "JumptoEndingOffset1", 0x120FF}};  // binary, text
    for (const auto& [mode, jump, cursor] : cases) {
        FrameFixture fixture;
        fixture.writeFile(QStringLiteral("rom.tbl"), "41=A\n[00012000-000120FF]Intro\n[00000010-00000020]Two\n");
        TMDIChild* editor = fixture.openNew(QStringLiteral("rom.bin"), QByteArray(0x20000, '\0'));
        const SearchWindows windows(fixture);
        HookCalls calls;
        SetHooks(*windows.list, calls);
        QStringList listed;
        bool createEnabled = true;
        QTimer::singleShot(0, windows.list, [&] {
            listed = windows.lines();
            createEnabled = windows.list->findChild<QAction*>(QStringLiteral("CreateTBL1"))->isEnabled();
            // Both labels chosen, the second with Ctrl, then Enter hands them over.
            QListView* listBox = windows.list->listBox();
            QTest::mouseClick(listBox->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              listBox->visualRect(windows.list->lines()->index(1, 0)).center());
            QTest::keyClick(listBox, Qt::Key_Return);
            listBox->setCurrentIndex(windows.list->lines()->index(0, 0));
            windows.popup(jump);
        });
        windows.list->ShowDumpLabels(mode, QStringLiteral("Dump From List"));

        QCOMPARE(listed, (QStringList{"[00012000-000120FF]Intro", "[00000010-00000020]Two"}));
        QVERIFY(!createEnabled);
        QCOMPARE(calls.chosen.size(), std::size_t{1});
        QCOMPARE(calls.chosen[0].first, mode);
        QCOMPARE(calls.chosen[0].second,
                 (std::vector<std::string>{"[00012000-000120FF]Intro", "[00000010-00000020]Two"}));
        QCOMPARE(DocumentOf(editor).cursorOffset, cursor);
        QVERIFY(!windows.list->isVisible());
        QCOMPARE(calls.offsetsCleared, 1);
        QCOMPARE(fixture.session.search.list.mode, 0);
    }
}

QTEST_MAIN(SearchListTest)
#include "search_list_test.moc"
