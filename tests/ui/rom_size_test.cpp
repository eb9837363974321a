// The size dialog (Ctrl+N): the size text in each unit, the new size in bytes,
// megabits or megabytes with an optional header, its question and messages, the
// digit-only entries, and what the dialog keeps between uses.

#include "frame_fixture.h"
#include "ui/tools/texpander.h"
#include "view/cursor_geometry.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace zarvo;

namespace {

using Kind = PromptRecord::Kind;

struct Expander {
    explicit Expander(const FrameFixture& fixture) : form(fixture.frame->findChild<TExpander*>()) {}

    template <typename Control>
    [[nodiscard]] Control* control(const char* name) const
    {
        auto* found = form->findChild<Control*>(QString::fromLatin1(name));
        if (found == nullptr) qFatal("no control %s", name);
        return found;
    }
    [[nodiscard]] QLineEdit* size() const { return control<QLineEdit>("ExpOther"); }
    [[nodiscard]] QLineEdit* header() const { return control<QLineEdit>("addHdr"); }
    [[nodiscard]] QString sizeText() const { return control<QLabel>("SizeTxt")->text(); }
    void click(const char* name) const { QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton); }
    void type(QLineEdit* field, const QString& text) const
    {
        field->clear();
        QTest::keyClicks(field, text);
    }

    TExpander* form;
};

// Opens the dialog with Ctrl+N and runs work while it is shown; a dialog still open
// afterwards is cancelled. True when it was still open.
bool WithExpander(FrameFixture& fixture, const std::function<void(const Expander&)>& work)
{
    // The shortcut reaches the frame once it is the active window again.
    fixture.frame->activateWindow();
    if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == fixture.frame.get(); })) {
        qFatal("the frame did not become active");
    }
    const Expander expander(fixture);
    bool ran = false;
    bool stillOpen = false;
    QTimer::singleShot(0, expander.form, [&] {
        if (!expander.form->isVisible()) return;
        work(expander);
        ran = true;
        stillOpen = expander.form->isVisible();
        if (stillOpen) expander.click("BitBtn2");
    });
    QTest::keyClick(fixture.frame.get(), Qt::Key_N, Qt::ControlModifier);
    FrameFixture::settle();
    if (!ran) qFatal("the size dialog was not shown");
    return stillOpen;
}

QByteArray Content(const DocRecord& doc) { return QByteArray(reinterpret_cast<const char*>(doc.data()), doc.fileSize); }

}  // namespace

class RomSizeTest : public QObject {
    Q_OBJECT
private slots:
    void changesSize_data();
    void changesSize();
    void emptyHeaderFieldWarnsAndGoesOn();
    void refusalsKeepDialogAndDocument_data();
    void refusalsKeepDialogAndDocument();
    void entriesTakeDigitsOnly();
    void shrinkingKeepsCursorInside();
    void entriesAreKeptBetweenUses();
};

void RomSizeTest::changesSize_data()
{
    QTest::addColumn<int>("oldSize");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("headerEntry");  // empty: "Add Header" stays unchecked
    QTest::addColumn<QString>("sizeText");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("done");
    QTest::addColumn<int>("newSize");

    QTest::newRow("megabits up") << 0x100000 << "rMBITS"
                                 << "16"
                                 << ""
                                 << "Size of ROM: 8 Mega BITS"
                                 << "Expand the ROM to 16 Mega-BIT(S)?"
                                 << "Rom expanded to 16 Mega-BIT(S)!\nSave ROM to save all changes." << 2097152;
    QTest::newRow("megabits down") << 0x100000 << "rMBITS"
                                   << "4"
                                   << ""
                                   << "Size of ROM: 8 Mega BITS"
                                   << "Expand the ROM to  4 Mega-BIT(S)?"
                                   << "Rom expanded to 4 Mega-BIT(S)!\nSave ROM to save all changes." << 524288;
    QTest::newRow("bytes with header") << 1000 << "rBYTES"
                                       << "8"
                                       << "512"
                                       << "Size of ROM: 1000 BYTES"
                                       << "Expand the ROM to  8 BYTE(S)?"
                                       << "Rom expanded to 8 BYTE(S)!\nSave ROM to save all changes." << 520;
    QTest::newRow("megabytes, rounded down")
        << 0x180000 << "rMBYTE"
        << "2"
        << ""
        << "Size of ROM: 1 Mega BYTES"
        << "Expand the ROM to  2 Mega-BYTE(S)?"
        << "Rom expanded to 2 Mega-BYTE(S)!\nSave ROM to save all changes." << 0x200000;
}

void RomSizeTest::changesSize()
{
    QFETCH(int, oldSize);
    QFETCH(QString, unit);
    QFETCH(QString, entry);
    QFETCH(QString, headerEntry);
    QFETCH(QString, sizeText);
    QFETCH(QString, question);
    QFETCH(QString, done);
    QFETCH(int, newSize);
    FrameFixture fixture;
    const QByteArray original = PatternBytes(oldSize, 1);
    TMDIChild* editor = fixture.open(fixture.writeFile(QStringLiteral("rom.smc"), original));
    QVERIFY(editor != nullptr);
    fixture.prompter.clear();
    fixture.prompter.answers.push_back(true);
    QString shownSizeText;
    const bool stillOpen = WithExpander(fixture, [&](const Expander& expander) {
        QCOMPARE(expander.form->windowTitle(), QStringLiteral("Change ROM Size"));
        expander.click(unit.toLatin1().constData());
        shownSizeText = expander.sizeText();
        expander.type(expander.size(), entry);
        if (!headerEntry.isEmpty()) {
            expander.click("addHdrChkBox");
            expander.type(expander.header(), headerEntry);
        }
        expander.click("BitBtn1");
    });

    QVERIFY(!stillOpen);
    QCOMPARE(shownSizeText, sizeText);
    QCOMPARE(fixture.prompter.texts(), (QStringList{question, done}));
    const std::vector<PromptRecord> questions = fixture.prompter.recordsOf(Kind::Question);
    QCOMPARE(questions[0].caption, QStringLiteral("ROM Size Change..."));
    QCOMPARE(questions[0].icon, MessageIcon::None);
    QCOMPARE(fixture.prompter.recordsOf(Kind::Message).size(), std::size_t{1});

    const DocRecord& doc = editor->document();
    QCOMPARE(doc.fileSize, newSize);
    QCOMPARE(doc.viewSize, newSize);
    QVERIFY(doc.modified);
    const int kept = std::min(oldSize, newSize);
    const QByteArray expected = original.left(kept) + QByteArray(newSize - kept, '\xFF');
    QCOMPARE(Content(doc), expected);
    QCOMPARE(fixture.readFile(QStringLiteral("rom.smc")), original);
}

void RomSizeTest::emptyHeaderFieldWarnsAndGoesOn()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.open(fixture.writeFile(QStringLiteral("rom.smc"), PatternBytes(100)));
    QVERIFY(editor != nullptr);
    fixture.prompter.clear();
    fixture.prompter.answers.push_back(true);
    (void)WithExpander(fixture, [](const Expander& expander) {
        expander.click("rBYTES");
        expander.type(expander.size(), QStringLiteral("64"));
        expander.click("addHdrChkBox");
        expander.header()->clear();
        expander.click("BitBtn1");
    });

    QCOMPARE(fixture.prompter.texts(),
             (QStringList{QStringLiteral("Error: Header addition enabled, but no value supplied.\nError: Data size "
                                         "was set to zero on default."),
                          QStringLiteral("Expand the ROM to 64 BYTE(S)?"),
                          QStringLiteral("Rom expanded to 64 BYTE(S)!\nSave ROM to save all changes.")}));
    QCOMPARE(editor->document().fileSize, 64);
}

void RomSizeTest::refusalsKeepDialogAndDocument_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("no size") << "rBYTES"
                             << "" << true << QStringList{QStringLiteral("Error: No size entered...")};
    QTest::newRow("question answered No")
        << "rMBITS"
        << "32" << false << QStringList{QStringLiteral("Expand the ROM to 32 Mega-BIT(S)?")};
}

void RomSizeTest::refusalsKeepDialogAndDocument()
{
    QFETCH(QString, unit);
    QFETCH(QString, entry);
    QFETCH(bool, answer);
    QFETCH(QStringList, texts);
    FrameFixture fixture;
    const QByteArray original = PatternBytes(5000, 9);
    TMDIChild* editor = fixture.open(fixture.writeFile(QStringLiteral("rom.smc"), original));
    QVERIFY(editor != nullptr);
    fixture.prompter.clear();
    fixture.prompter.answers.push_back(answer);
    const bool stillOpen = WithExpander(fixture, [&](const Expander& expander) {
        expander.click(unit.toLatin1().constData());
        expander.type(expander.size(), entry);
        expander.click("BitBtn1");
    });

    QVERIFY(stillOpen);
    QCOMPARE(fixture.prompter.texts(), texts);
    const DocRecord& doc = editor->document();
    QCOMPARE(Content(doc), original);
    QCOMPARE(doc.viewSize, 65535);
    QVERIFY(!doc.modified);
}

void RomSizeTest::entriesTakeDigitsOnly()
{
    FrameFixture fixture;
    QVERIFY(fixture.open(fixture.writeFile(QStringLiteral("rom.smc"), PatternBytes(100))) != nullptr);
    (void)WithExpander(fixture, [](const Expander& expander) {
        expander.type(expander.size(), QStringLiteral("1a2-3 4"));
        QCOMPARE(expander.size()->text(), QStringLiteral("1234"));
        QTest::keyClick(expander.size(), Qt::Key_Backspace);
        QCOMPARE(expander.size()->text(), QStringLiteral("123"));

        QVERIFY(!expander.header()->isEnabled());
        expander.click("addHdrChkBox");
        QVERIFY(expander.header()->isEnabled());
        expander.type(expander.header(), QStringLiteral("5x1.2"));
        QCOMPARE(expander.header()->text(), QStringLiteral("512"));
        expander.click("addHdrChkBox");
        QVERIFY(!expander.header()->isEnabled());
    });
    QCOMPARE(fixture.prompter.records.size(), std::size_t{1});  // only the file choice of Open
}

void RomSizeTest::shrinkingKeepsCursorInside()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.open(fixture.writeFile(QStringLiteral("rom.smc"), PatternBytes(0x20000)));
    QVERIFY(editor != nullptr);
    DocRecord& doc = editor->document();
    const ViewState& view = fixture.session.view;
    doc.topOffset = CursorGeometry(view.bytesPerRow, view.pageBytes).PlaceCursor(doc, 0x18000);
    fixture.prompter.answers.push_back(true);
    (void)WithExpander(fixture, [](const Expander& expander) {
        expander.click("rBYTES");
        expander.type(expander.size(), QStringLiteral("100"));
        expander.click("BitBtn1");
    });
    FrameFixture::settle();

    QCOMPARE(doc.fileSize, 100);
    QCOMPARE(doc.cursorOffset, 99);
    QCOMPARE(doc.topOffset, 0);
}

void RomSizeTest::entriesAreKeptBetweenUses()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.open(fixture.writeFile(QStringLiteral("rom.smc"), PatternBytes(0x40000)));
    QVERIFY(editor != nullptr);
    fixture.prompter.answers.push_back(true);
    (void)WithExpander(fixture, [](const Expander& expander) {
        expander.click("rMBITS");
        expander.type(expander.size(), QStringLiteral("4"));
        expander.click("addHdrChkBox");
        expander.type(expander.header(), QStringLiteral("512"));
        expander.click("BitBtn1");
    });
    QCOMPARE(editor->document().fileSize, 0x80200);

    (void)WithExpander(fixture, [](const Expander& expander) {
        QVERIFY(expander.control<QRadioButton>("rMBITS")->isChecked());
        QCOMPARE(expander.size()->text(), QStringLiteral("4"));
        QVERIFY(expander.control<QCheckBox>("addHdrChkBox")->isChecked());
        QCOMPARE(expander.header()->text(), QStringLiteral("512"));
        // The size text is the document's new size, in the kept unit.
        QCOMPARE(expander.sizeText(), QStringLiteral("Size of ROM: 4 Mega BITS"));
        QTest::keyClick(expander.size(), Qt::Key_Escape);
        QVERIFY(!expander.form->isVisible());
    });
    QCOMPARE(editor->document().fileSize, 0x80200);
}

QTEST_MAIN(RomSizeTest)
#include "rom_size_test.moc"
