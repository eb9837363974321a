// The relative search from the Find dialog: hits grouped by base value, the dialog's
// borrowed options given back, the cursor left in place, a first table made from a
// hit and saved by the table maker, and a long search that shows its progress,
// ignores a second start and stops when its document goes.

#include "search_windows.h"
#include "ui/frame/document_windows.h"
#include "ui/tables/ttm_form.h"

#include <QListWidget>
#include <QMdiArea>

using namespace zarvo;

namespace {

// "Abc" steps +21 +01: hits with the bases 60, 05, 10 and 1A.
QByteArray Rom(int size)
{
    return PlantedRom(size,
                      {{0x10, "\x60\x81\x82"}, {0x20, "\x05\x26\x27"}, {0x40, "\x10\x31\x32"}, {0x80, "\x1A\x3B\x3C"}});
}

const QStringList kAbcLines{
    "[$00000020] Abc             | A=05 a=25 0=F4", "[$00000040] Abc             | A=10 a=30 0=FF",
    "[$00000080] Abc             | A=1A a=3A 0=09", "[$00000010] Abc             | A=60 a=80 0=4F"};

}  // namespace

class SearchRelativeTest : public QObject {
    Q_OBJECT
private slots:
    void hitsAreListedByBase();
    void hitMakesAFirstTable();
    void noHitSaysNotFound();
    void longSearchShowsProgress_data();
    void longSearchShowsProgress();
};

void SearchRelativeTest::hitsAreListedByBase()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNew(QStringLiteral("rom.bin"), Rom(0x10000));
    DocRecord& doc = DocumentOf(editor);
    fixture.frame->documents().jumpTo(doc, 0x1234);
    const SearchWindows windows(fixture);
    fixture.triggerModal("AsciiSearch1", [&] { windows.click({"SaveFnd"}); });

    QString refused;
    bool borrowed = false;
    fixture.triggerModal("RelativeSearch1", [&] {
        borrowed = windows.checked().isEmpty() && !windows.control("SaveFnd")->isEnabled() &&
                   !windows.control("IncFind")->isEnabled();
        windows.type(QStringLiteral("ABCDEFGHIJKLMNOP"));
        refused = windows.box()->text();
        windows.box()->clear();
        windows.click({"FindFromStart"});
        windows.type(QStringLiteral("Abc"));
        windows.press(Qt::Key_Return);
    });
    QCOMPARE(refused, QStringLiteral("ABCDEFGHIJKLMNO"));
    QVERIFY(borrowed);
    // The borrowed options are given back.
    QCOMPARE(windows.checked(), (QStringList{"SaveFnd", "FindFromStart"}));
    QVERIFY(windows.control("SaveFnd")->isEnabled() && windows.control("IncFind")->isEnabled());
    QCOMPARE(windows.lines(), kAbcLines);
    QCOMPARE(windows.list->windowTitle(), QStringLiteral("Data List: 4 Match(es) Found!"));
    QCOMPARE(doc.cursorOffset, 0x1234);
}

void SearchRelativeTest::hitMakesAFirstTable()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNew(QStringLiteral("rom.bin"), Rom(0x10000));
    const SearchWindows windows(fixture);
    fixture.triggerModal("RelativeSearch1", [&] {
        windows.type(QStringLiteral("Abc"));
        windows.press(Qt::Key_Return);
    });
    QCOMPARE(windows.lines(), kAbcLines);
    // The table is made from the hit chosen in the list: the one at 80, where A is 1A.
    windows.enterOnLine(2);
    auto* maker = fixture.frame->findChild<TTMForm*>();
    QStringList prepared;
    fixture.prompter.answers = {true, true};  // "Save Table Data", then the table in use replaced
    fixture.prompter.files = {fixture.path(QStringLiteral("first.tbl"))};
    QTimer::singleShot(0, maker, [&] {
        prepared = window_test::ListLines(maker->findChild<QListWidget*>(QStringLiteral("TblList"))->model());
        QCOMPARE(maker->mode(), TableEditorMode::Prepared);
        maker->findChild<QAction*>(QStringLiteral("SaveTableFile1"))->trigger();
        maker->close();
    });
    windows.popup("CreateTBL1");
    FrameFixture::settle();

    QVERIFY(!windows.list->isVisible());
    QCOMPARE(prepared.size(), 95);
    const QStringList saved = QString::fromLatin1(fixture.readFile(QStringLiteral("first.tbl"))).split('\n');
    QCOMPARE(saved.join('\n'), prepared.join('\n') + '\n');
    QVERIFY(prepared.contains(QStringLiteral("1A=A")));
    // The saved table is the document's now: the hit reads as the word.
    const DocRecord& doc = DocumentOf(editor);
    QVERIFY2(RowTextColumn(*editor, doc.cursorRow).contains(QStringLiteral("Abc")),
             qPrintable(RowTextColumn(*editor, doc.cursorRow)));
}

void SearchRelativeTest::noHitSaysNotFound()
{
    FrameFixture fixture;
    fixture.openNew(QStringLiteral("rom.bin"), Rom(0x10000));
    const SearchWindows windows(fixture);
    fixture.triggerModal("RelativeSearch1", [&] {
        windows.type(QStringLiteral("Zz"));
        windows.press(Qt::Key_Return);
    });
    QCOMPARE(fixture.prompter.texts(), QStringList{QStringLiteral("Sorry... The string was not found.")});
    QCOMPARE(fixture.prompter.records.back().icon, MessageIcon::Exclamation);
}

void SearchRelativeTest::longSearchShowsProgress_data()
{
    QTest::addColumn<bool>("closeWindow");
    QTest::newRow("second start ignored") << false;
    QTest::newRow("window closed meanwhile") << true;
}

void SearchRelativeTest::longSearchShowsProgress()
{
    QFETCH(bool, closeWindow);
    FrameFixture fixture;
    // Ignoring case takes the 256 scans, long enough on 32 MiB to show progress.
    fixture.openNew(QStringLiteral("rom.bin"), Rom(32 * 1024 * 1024));
    const SearchWindows windows(fixture);
    QString progress;
    fixture.triggerModal("RelativeSearch1", [&] {
        windows.click({"IgCase", "FindFromStart"});
        windows.type(QStringLiteral("Abc"));
        QTimer::singleShot(150, windows.find, [&] {
            progress = windows.box()->text();
            windows.press(Qt::Key_Return);
            QTest::mouseClick(windows.control<QPushButton>("Button1"), Qt::LeftButton);
            if (closeWindow) fixture.frame->mdiArea()->closeAllSubWindows();
        });
        windows.press(Qt::Key_Return);
    });
    QVERIFY2(progress.startsWith(QStringLiteral("Searching %")) && progress.size() == 14, qPrintable(progress));
    QCOMPARE(windows.lines(), closeWindow ? QStringList{} : kAbcLines);
    QCOMPARE(windows.list->isVisible(), !closeWindow);
    QCOMPARE(fixture.prompter.texts(), QStringList{});
}

QTEST_MAIN(SearchRelativeTest)
#include "search_relative_test.moc"
