// The compare window (Ctrl+C): files chosen with the "..." buttons, the list of
// differing runs, the captions and messages, the failures that keep the list, a
// second start while one runs, a million runs, and the jump on double click or Enter.

#include "frame_fixture.h"
#include "ui/tools/tcomp_form.h"

#include <QAbstractItemModel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace zarvo;
using namespace zarvo::window_test;

namespace {

const QString kCompleted = QStringLiteral("File comparison completed!");
const QString kMatch = QStringLiteral("These files match to smallest file length.");

struct CompareWindow {
    explicit CompareWindow(FrameFixture& fixture)
    {
        fixture.press(Qt::ControlModifier | Qt::Key_C);
        form = fixture.frame->findChild<TCompForm*>();
        list = Child<QListView>(form, "CompList");
    }

    [[nodiscard]] QStringList lines() const
    {
        QStringList all;
        const QAbstractItemModel* model = list->model();
        for (int row = 0; row < model->rowCount(); ++row) all << model->index(row, 0).data().toString();
        return all;
    }
    void click(const char* name) const
    {
        QTest::mouseClick(Child<QPushButton>(form, name), Qt::LeftButton);
        FrameFixture::settle();
    }
    // Both paths typed in, then Compare.
    void compare(const QString& first, const QString& second) const
    {
        Child<QLineEdit>(form, "Edit1")->setText(first);
        Child<QLineEdit>(form, "Edit2")->setText(second);
        click("Button3");
    }
    [[nodiscard]] QPoint rowPoint(int row) const { return list->visualRect(list->model()->index(row, 0)).center(); }

    TCompForm* form = nullptr;
    QListView* list = nullptr;
};

}  // namespace

class CompareWindowTest : public QObject {
    Q_OBJECT
private slots:
    void listsRunsOfDifferingBytes_data();
    void listsRunsOfDifferingBytes();
    void choosersFillThePathFields();
    void failuresKeepTheList();
    void secondStartWhileRunningIsIgnored();
    void listsAMillionRuns();
    void jumpsOnDoubleClickAndEnter();
};

void CompareWindowTest::listsRunsOfDifferingBytes_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("caption");

    const QByteArray base = PatternBytes(0x200, 3, 5);
    QTest::newRow("identical") << base << base << QStringList{kMatch}
                               << "Compare Files...Results: 0 difference(s) found.";
    // Runs of one and two bytes around one equal byte, and one at the last compared byte.
    const QByteArray runs =
        WithBytes(WithBytes(WithBytes(base, 0x40, "\xEE"), 0x42, "\xEE\xEE"), 0x1FF, QByteArray(1, '\xEE'));
    QTest::newRow("separate runs") << base + "longer" << runs
                                   << QStringList{"[00000040] ;      1 byte  different at location.",
                                                  "[00000042] ;      2 bytes different at location.",
                                                  "[000001FF] ;      1 byte  different at location."}
                                   << "Compare Files...Results: 3 difference(s) found.";
}

void CompareWindowTest::listsRunsOfDifferingBytes()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(QStringList, lines);
    QFETCH(QString, caption);
    FrameFixture fixture;
    const CompareWindow window(fixture);
    QVERIFY(window.form->isVisible() && !window.form->isModal());
    QCOMPARE(window.form->windowTitle(), QStringLiteral("Compare Files..."));

    window.compare(fixture.writeFile(QStringLiteral("a.bin"), first),
                   fixture.writeFile(QStringLiteral("b.bin"), second));
    QCOMPARE(window.lines(), lines);
    QCOMPARE(window.form->windowTitle(), caption);
    QCOMPARE(fixture.prompter.log(), QStringList{kCompleted});
}

void CompareWindowTest::choosersFillThePathFields()
{
    FrameFixture fixture;
    const CompareWindow window(fixture);
    const QString first = fixture.writeFile(QStringLiteral("a.bin"), PatternBytes(64));
    const QString second = fixture.writeFile(QStringLiteral("b.bin"), WithBytes(PatternBytes(64), 2, "xy"));
    fixture.prompter.files = {first, second, std::nullopt};
    window.click("Button1");
    window.click("Button2");
    window.click("Button1");  // cancelled: the field keeps its path
    QCOMPARE(Child<QLineEdit>(window.form, "Edit1")->text(), first);
    QCOMPARE(Child<QLineEdit>(window.form, "Edit2")->text(), second);
    QCOMPARE(fixture.prompter.log(), QStringList(3, QStringLiteral("open(Open, All files (*.*), .)")));

    window.click("Button3");
    QCOMPARE(window.lines(), QStringList{QStringLiteral("[00000002] ;      2 bytes different at location.")});
}

void CompareWindowTest::failuresKeepTheList()
{
    FrameFixture fixture;
    CompareWindow window(fixture);
    const QString first = fixture.writeFile(QStringLiteral("a.bin"), PatternBytes(64));
    const QString second = fixture.writeFile(QStringLiteral("b.bin"), WithBytes(PatternBytes(64), 9, "z"));
    window.compare(first, second);
    const QStringList listed = window.lines();
    QCOMPARE(listed.size(), 1);
    fixture.prompter.clear();

    window.compare(first, QString());
    QCOMPARE(fixture.prompter.log(), QStringList{QStringLiteral("Error: Missing file name(s).")});
    QCOMPARE(window.lines(), listed);
    QCOMPARE(window.form->windowTitle(), QStringLiteral("Compare Files..."));
    QVERIFY(window.form->isVisible());

    fixture.prompter.clear();
    window.compare(first, fixture.path(QStringLiteral("missing.bin")));
    QCOMPARE(fixture.prompter.log(), QStringList{QStringLiteral("Fatal Error: Could not open A file...")});
    QCOMPARE(window.lines(), listed);
    QVERIFY(!window.form->isVisible());  // the window hides after this one

    // Shown again, it still holds the paths and the list.
    window = CompareWindow(fixture);
    QVERIFY(window.form->isVisible());
    QCOMPARE(Child<QLineEdit>(window.form, "Edit1")->text(), first);
    QCOMPARE(window.lines(), listed);
}

void CompareWindowTest::secondStartWhileRunningIsIgnored()
{
    FrameFixture fixture;
    const CompareWindow window(fixture);
    // Large enough to report progress several times on the way.
    const QByteArray bytes = PatternBytes(2 * 1024 * 1024, 1, 3);
    const QString first = fixture.writeFile(QStringLiteral("a.bin"), bytes);
    const QString second = fixture.writeFile(QStringLiteral("b.bin"), WithBytes(bytes, 0x1FFFF0, "difference"));
    QStringList captionsWhileRunning;
    QTimer::singleShot(0, window.form, [&] {
        captionsWhileRunning << window.form->windowTitle();
        QVERIFY(window.form->comparing());
        window.click("Button3");  // runs the window's events, so the compare goes on meanwhile
    });
    window.compare(first, second);

    QCOMPARE(captionsWhileRunning.size(), 1);
    QVERIFY2(captionsWhileRunning[0].startsWith(QStringLiteral("Compare Files...Please Wait.")),
             qPrintable(captionsWhileRunning[0]));
    QCOMPARE(fixture.prompter.log(), QStringList{kCompleted});
    QCOMPARE(window.lines(), QStringList{QStringLiteral("[001FFFF0] ;     10 bytes different at location.")});
    QVERIFY(!window.form->comparing());
}

void CompareWindowTest::listsAMillionRuns()
{
    FrameFixture fixture;
    const CompareWindow window(fixture);
    // Every even byte differs: a run of one byte each.
    QByteArray changed(2000000, '\0');
    for (int at = 0; at < changed.size(); at += 2) changed[at] = 1;
    window.compare(fixture.writeFile(QStringLiteral("a.bin"), QByteArray(2000000, '\0')),
                   fixture.writeFile(QStringLiteral("b.bin"), changed));

    const QAbstractItemModel* model = window.list->model();
    QCOMPARE(model->rowCount(), 1000000);
    QCOMPARE(model->index(999999, 0).data().toString(),
             QStringLiteral("[001E847E] ;      1 byte  different at location."));
    QCOMPARE(window.form->windowTitle(), QStringLiteral("Compare Files...Results: 1000000 difference(s) found."));
    // The end of the list can be scrolled to and shown.
    window.list->scrollToBottom();
    FrameFixture::settle();
    QVERIFY(window.list->viewport()->rect().intersects(window.list->visualRect(model->index(999999, 0))));
}

void CompareWindowTest::jumpsOnDoubleClickAndEnter()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNew(QStringLiteral("rom.smc"), PatternBytes(0x9000));
    const CompareWindow window(fixture);
    // The second run lies past the end of the document.
    const QByteArray changed = WithBytes(WithBytes(PatternBytes(0xA000), 0x234, "ab"), 0x9F00, "c");
    window.compare(fixture.writeFile(QStringLiteral("a.bin"), PatternBytes(0xA000)),
                   fixture.writeFile(QStringLiteral("b.bin"), changed));
    QCOMPARE(window.lines().size(), 2);
    const DocRecord& doc = editor->document();

    QTest::mouseDClick(window.list->viewport(), Qt::LeftButton, {}, window.rowPoint(0));
    FrameFixture::settle();
    QCOMPARE(doc.cursorOffset, 0x234);
    QVERIFY(doc.topOffset <= 0x234 && 0x234 < doc.topOffset + fixture.session.view.pageBytes);
    QCOMPARE(editor->scrollBar()->value(), doc.topOffset);

    window.list->setCurrentIndex(window.list->model()->index(1, 0));
    QTest::keyClick(window.list, Qt::Key_Return);
    FrameFixture::settle();
    QCOMPARE(doc.cursorOffset, 0x8FFF);  // the document's last byte

    // The line saying the files match jumps nowhere.
    window.compare(fixture.path(QStringLiteral("a.bin")), fixture.path(QStringLiteral("a.bin")));
    QCOMPARE(window.lines(), QStringList{kMatch});
    QTest::mouseDClick(window.list->viewport(), Qt::LeftButton, {}, window.rowPoint(0));
    QTest::keyClick(window.list, Qt::Key_Enter);
    FrameFixture::settle();
    QCOMPARE(doc.cursorOffset, 0x8FFF);
}

QTEST_MAIN(CompareWindowTest)
#include "compare_window_test.moc"
