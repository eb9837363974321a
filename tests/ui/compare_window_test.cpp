// The compare window (Ctrl+C): files chosen with the "..." buttons, the list of
// differing runs, the captions and messages, the failures that keep the list, a
// second start while one runs, a million runs, and the jump on double click or Enter.

#include "frame_fixture.h"
#include "ui/tools/tcomp_form.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace zarvo;

namespace {

using Kind = PromptRecord::Kind;

const QString kCompleted = QStringLiteral("File comparison completed!");
const QString kMatch = QStringLiteral("These files match to smallest file length.");

struct CompareWindow {
    explicit CompareWindow(const FrameFixture& fixture) : form(fixture.frame->findChild<TCompForm*>())
    {
        for (QObject* found : {static_cast<QObject*>(form), static_cast<QObject*>(list())}) {
            if (found == nullptr) qFatal("no compare window");
        }
    }

    template <typename Control>
    [[nodiscard]] Control* control(const char* name) const
    {
        auto* found = form->findChild<Control*>(QString::fromLatin1(name));
        if (found == nullptr) qFatal("no control %s", name);
        return found;
    }
    [[nodiscard]] QListView* list() const { return form->findChild<QListView*>(QStringLiteral("CompList")); }
    [[nodiscard]] QStringList lines() const
    {
        QStringList all;
        const QAbstractItemModel* model = list()->model();
        for (int row = 0; row < model->rowCount(); ++row) all << model->index(row, 0).data().toString();
        return all;
    }
    void click(const char* name) const
    {
        QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton);
        FrameFixture::settle();
    }
    // Both paths typed in, then Compare.
    void compare(const QString& first, const QString& second) const
    {
        control<QLineEdit>("Edit1")->setText(first);
        control<QLineEdit>("Edit2")->setText(second);
        click("Button3");
    }
    [[nodiscard]] QPoint rowPoint(int row) const { return list()->visualRect(list()->model()->index(row, 0)).center(); }

    TCompForm* form;
};

void ShowCompareWindow(FrameFixture& fixture)
{
    QTest::keyClick(fixture.frame.get(), Qt::Key_C, Qt::ControlModifier);
    FrameFixture::settle();
}

QByteArray WithBytes(QByteArray bytes, int at, const QByteArray& changed)
{
    bytes.replace(at, changed.size(), changed);
    return bytes;
}

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
    const QString none = QStringLiteral("Compare Files...Results: 0 difference(s) found.");
    QTest::newRow("identical") << base << base << QStringList{kMatch} << none;
    QTest::newRow("one byte") << base << WithBytes(base, 0x1F, QByteArray(1, '\xEE'))
                              << QStringList{QStringLiteral("[0000001F] ;      1 byte  different at location.")}
                              << QStringLiteral("Compare Files...Results: 1 difference(s) found.");
    // Runs of one and two bytes around one equal byte, and one at the last compared byte.
    QByteArray runs = WithBytes(base, 0x40, QByteArray(1, '\xEE'));
    runs = WithBytes(runs, 0x42, QByteArray(2, '\xEE'));
    runs = WithBytes(runs, 0x1FF, QByteArray(1, '\xEE'));
    QTest::newRow("separate runs") << base + "longer" << runs
                                   << QStringList{QStringLiteral("[00000040] ;      1 byte  different at location."),
                                                  QStringLiteral("[00000042] ;      2 bytes different at location."),
                                                  QStringLiteral("[000001FF] ;      1 byte  different at location.")}
                                   << QStringLiteral("Compare Files...Results: 3 difference(s) found.");
}

void CompareWindowTest::listsRunsOfDifferingBytes()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(QStringList, lines);
    QFETCH(QString, caption);
    FrameFixture fixture;
    ShowCompareWindow(fixture);
    const CompareWindow window(fixture);
    QVERIFY(window.form->isVisible());
    QVERIFY(!window.form->isModal());
    QCOMPARE(window.form->windowTitle(), QStringLiteral("Compare Files..."));

    window.compare(fixture.writeFile(QStringLiteral("a.bin"), first),
                   fixture.writeFile(QStringLiteral("b.bin"), second));
    QCOMPARE(window.lines(), lines);
    QCOMPARE(window.form->windowTitle(), caption);
    QCOMPARE(fixture.prompter.texts(), QStringList{kCompleted});
    QCOMPARE(fixture.prompter.recordsOf(Kind::Message).size(), std::size_t{1});
}

void CompareWindowTest::choosersFillThePathFields()
{
    FrameFixture fixture;
    ShowCompareWindow(fixture);
    const CompareWindow window(fixture);
    const QString first = fixture.writeFile(QStringLiteral("a.bin"), PatternBytes(64));
    const QString second = fixture.writeFile(QStringLiteral("b.bin"), WithBytes(PatternBytes(64), 2, "xy"));
    fixture.prompter.files = {first, second, std::nullopt};
    window.click("Button1");
    window.click("Button2");
    window.click("Button1");  // cancelled: the field keeps its path
    QCOMPARE(window.control<QLineEdit>("Edit1")->text(), first);
    QCOMPARE(window.control<QLineEdit>("Edit2")->text(), second);
    const std::vector<PromptRecord> choosers = fixture.prompter.recordsOf(Kind::OpenFile);
    QCOMPARE(choosers.size(), std::size_t{3});
    for (const PromptRecord& chooser : choosers) {
        QCOMPARE(chooser.caption, QStringLiteral("Open"));
        QCOMPARE(chooser.filter, QStringLiteral("All files (*.*)"));
        QCOMPARE(chooser.directory, QDir::currentPath());
    }

    window.click("Button3");
    QCOMPARE(window.lines(), QStringList{QStringLiteral("[00000002] ;      2 bytes different at location.")});
}

void CompareWindowTest::failuresKeepTheList()
{
    FrameFixture fixture;
    ShowCompareWindow(fixture);
    const CompareWindow window(fixture);
    const QString first = fixture.writeFile(QStringLiteral("a.bin"), PatternBytes(64));
    const QString second = fixture.writeFile(QStringLiteral("b.bin"), WithBytes(PatternBytes(64), 9, "z"));
    window.compare(first, second);
    const QStringList listed = window.lines();
    QCOMPARE(listed.size(), 1);
    fixture.prompter.clear();

    window.compare(first, QString());
    QCOMPARE(fixture.prompter.texts(), QStringList{QStringLiteral("Error: Missing file name(s).")});
    QCOMPARE(window.lines(), listed);
    QCOMPARE(window.form->windowTitle(), QStringLiteral("Compare Files..."));
    QVERIFY(window.form->isVisible());

    fixture.prompter.clear();
    window.compare(first, fixture.path(QStringLiteral("missing.bin")));
    QCOMPARE(fixture.prompter.texts(), QStringList{QStringLiteral("Fatal Error: Could not open A file...")});
    QCOMPARE(window.lines(), listed);
    QVERIFY(!window.form->isVisible());  // the window hides after this one

    // Shown again, it still holds the paths and the list.
    ShowCompareWindow(fixture);
    QVERIFY(window.form->isVisible());
    QCOMPARE(window.control<QLineEdit>("Edit1")->text(), first);
    QCOMPARE(window.lines(), listed);
}

void CompareWindowTest::secondStartWhileRunningIsIgnored()
{
    FrameFixture fixture;
    ShowCompareWindow(fixture);
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
    QCOMPARE(fixture.prompter.texts(), QStringList{kCompleted});
    QCOMPARE(window.lines(), QStringList{QStringLiteral("[001FFFF0] ;     10 bytes different at location.")});
    QVERIFY(!window.form->comparing());
}

void CompareWindowTest::listsAMillionRuns()
{
    FrameFixture fixture;
    ShowCompareWindow(fixture);
    const CompareWindow window(fixture);
    // Every even byte differs: a run of one byte each.
    QByteArray changed(2000000, '\0');
    for (int at = 0; at < changed.size(); at += 2) changed[at] = 1;
    window.compare(fixture.writeFile(QStringLiteral("a.bin"), QByteArray(2000000, '\0')),
                   fixture.writeFile(QStringLiteral("b.bin"), changed));

    const QAbstractItemModel* model = window.list()->model();
    QCOMPARE(model->rowCount(), 1000000);
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("[00000000] ;      1 byte  different at location."));
    QCOMPARE(model->index(999999, 0).data().toString(),
             QStringLiteral("[001E847E] ;      1 byte  different at location."));
    QCOMPARE(window.form->windowTitle(), QStringLiteral("Compare Files...Results: 1000000 difference(s) found."));
    // The end of the list can be scrolled to and shown.
    window.list()->scrollToBottom();
    FrameFixture::settle();
    QVERIFY(window.list()->viewport()->rect().intersects(window.list()->visualRect(model->index(999999, 0))));
}

void CompareWindowTest::jumpsOnDoubleClickAndEnter()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.open(fixture.writeFile(QStringLiteral("rom.smc"), PatternBytes(0x9000)));
    QVERIFY(editor != nullptr);
    ShowCompareWindow(fixture);
    const CompareWindow window(fixture);
    QByteArray changed = WithBytes(PatternBytes(0xA000), 0x234, "ab");
    changed = WithBytes(changed, 0x9F00, "c");  // past the end of the document
    window.compare(fixture.writeFile(QStringLiteral("a.bin"), PatternBytes(0xA000)),
                   fixture.writeFile(QStringLiteral("b.bin"), changed));
    QCOMPARE(window.lines().size(), 2);
    const DocRecord& doc = editor->document();
    const ViewState& view = fixture.session.view;

    QTest::mouseDClick(window.list()->viewport(), Qt::LeftButton, {}, window.rowPoint(0));
    FrameFixture::settle();
    QCOMPARE(doc.cursorOffset, 0x234);
    QVERIFY(doc.topOffset <= 0x234 && 0x234 < doc.topOffset + view.pageBytes);
    QCOMPARE(editor->scrollBar()->value(), doc.topOffset);

    window.list()->setCurrentIndex(window.list()->model()->index(1, 0));
    QTest::keyClick(window.list(), Qt::Key_Return);
    FrameFixture::settle();
    QCOMPARE(doc.cursorOffset, 0x8FFF);  // the document's last byte

    // The line saying the files match jumps nowhere.
    window.compare(fixture.path(QStringLiteral("a.bin")), fixture.path(QStringLiteral("a.bin")));
    QCOMPARE(window.lines(), QStringList{kMatch});
    QTest::mouseDClick(window.list()->viewport(), Qt::LeftButton, {}, window.rowPoint(0));
    QTest::keyClick(window.list(), Qt::Key_Enter);
    FrameFixture::settle();
    QCOMPARE(doc.cursorOffset, 0x8FFF);
}

QTEST_MAIN(CompareWindowTest)
#include "compare_window_test.moc"
