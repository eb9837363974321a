// The IPS commands of the Tools menu: F5 makes a patch beside the document from an
// unchanged copy chosen by the user, F6 patches the document in memory; with their
// questions, choosers and messages.

#include "core/messages.h"
#include "frame_fixture.h"
#include "tools/tool_messages.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>

#include <initializer_list>

using namespace zarvo;

namespace {

using Kind = PromptRecord::Kind;

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (const int value : values) bytes.append(static_cast<char>(value));
    return bytes;
}

QByteArray Patch(const QByteArray& records) { return QByteArray("PATCH") + records + QByteArray("EOF"); }

QByteArray WithBytes(QByteArray bytes, int at, const QByteArray& changed)
{
    bytes.replace(at, changed.size(), changed);
    return bytes;
}

QByteArray Content(const DocRecord& doc) { return QByteArray(reinterpret_cast<const char*>(doc.data()), doc.fileSize); }

QString Text(const char* text) { return QString::fromUtf8(text); }

void PressF5(FrameFixture& fixture)
{
    QTest::keyClick(fixture.frame.get(), Qt::Key_F5);
    FrameFixture::settle();
}

void PressF6(FrameFixture& fixture)
{
    QTest::keyClick(fixture.frame.get(), Qt::Key_F6);
    FrameFixture::settle();
}

}  // namespace

class IpsMenuTest : public QObject {
    Q_OBJECT
private slots:
    void itemsNeedAnEditorWindow();
    void createWritesPatchBesideDocument_data();
    void createWritesPatchBesideDocument();
    void createStopsWithoutUnchangedFile();
    void applyPatchesDocumentInMemory();
    void applyAfterSavingFirst();
    void applyRefusalsLeaveDocument_data();
    void applyRefusalsLeaveDocument();
    void savestateHeaderStaysInFrontAfterApply();
};

void IpsMenuTest::itemsNeedAnEditorWindow()
{
    FrameFixture fixture;
    for (const char* name : {"IPSMake1", "Patch1", "Checksum1", "ExpandROM1"}) {
        QVERIFY2(!fixture.action(name)->isEnabled(), name);
    }
    // The converter and the compare window need no document.
    QVERIFY(fixture.action("SnesToHex1")->isEnabled());
    QVERIFY(fixture.action("CompFiles")->isEnabled());
    QCOMPARE(fixture.action("IPSMake1")->shortcut(), QKeySequence(Qt::Key_F5));
    QCOMPARE(fixture.action("Patch1")->shortcut(), QKeySequence(Qt::Key_F6));

    QVERIFY(fixture.open(fixture.writeFile(QStringLiteral("rom.smc"), PatternBytes(64))) != nullptr);
    for (const char* name : {"IPSMake1", "Patch1", "Checksum1", "ExpandROM1"}) {
        QVERIFY2(fixture.action(name)->isEnabled(), name);
    }
}

void IpsMenuTest::createWritesPatchBesideDocument_data()
{
    QTest::addColumn<QString>("documentName");
    QTest::addColumn<QByteArray>("unchanged");
    QTest::addColumn<QByteArray>("current");
    QTest::addColumn<QString>("patchName");
    QTest::addColumn<QByteArray>("patch");  // empty: no patch file is left

    const QByteArray zeros(32, '\0');
    QTest::newRow("one data record") << "rom.smc" << zeros << WithBytes(zeros, 4, Bytes({1, 2, 3})) << "rom.ips"
                                     << Patch(Bytes({0, 0, 4, 0, 3, 1, 2, 3}));
    QTest::newRow("a two-letter extension is replaced whole")
        << "x.gb" << zeros << WithBytes(zeros, 0x1F, Bytes({0x77})) << "x.ips"
        << Patch(Bytes({0, 0, 0x1F, 0, 1, 0x77}));
    QTest::newRow("equal files make no patch") << "rom.smc" << zeros << zeros << "rom.ips" << QByteArray();
}

void IpsMenuTest::createWritesPatchBesideDocument()
{
    QFETCH(QString, documentName);
    QFETCH(QByteArray, unchanged);
    QFETCH(QByteArray, current);
    QFETCH(QString, patchName);
    QFETCH(QByteArray, patch);
    FrameFixture fixture;
    QVERIFY(fixture.open(fixture.writeFile(documentName, current)) != nullptr);
    fixture.prompter.clear();
    fixture.prompter.files.push_back(fixture.writeFile(QStringLiteral("unchanged.bin"), unchanged));
    PressF5(fixture);

    const std::vector<PromptRecord> choosers = fixture.prompter.recordsOf(Kind::OpenFile);
    QCOMPARE(choosers.size(), std::size_t{1});
    QCOMPARE(choosers[0].caption, QStringLiteral("Open UNCHANGED file..."));
    QCOMPARE(choosers[0].filter, QStringLiteral("All files (*.*)"));
    QCOMPARE(choosers[0].directory, QDir::currentPath());

    const std::vector<PromptRecord> boxes = fixture.prompter.recordsOf(Kind::MessageBox);
    QCOMPARE(boxes.size(), std::size_t{1});
    QCOMPARE(boxes[0].caption, QStringLiteral("IPS Creator..."));
    if (patch.isEmpty()) {
        QCOMPARE(boxes[0].text, QStringLiteral(" These files are the same.\n No patch created."));
        QCOMPARE(boxes[0].icon, MessageIcon::Stop);
        QVERIFY(!QFile::exists(fixture.path(patchName)));
    } else {
        QCOMPARE(boxes[0].text, QStringLiteral("Patch Creation completed!"));
        QCOMPARE(boxes[0].icon, MessageIcon::Exclamation);
        QCOMPARE(fixture.readFile(patchName), patch);
    }
    QCOMPARE(fixture.prompter.records.size(), std::size_t{2});
}

void IpsMenuTest::createStopsWithoutUnchangedFile()
{
    FrameFixture fixture;
    QVERIFY(fixture.open(fixture.writeFile(QStringLiteral("rom.smc"), PatternBytes(64))) != nullptr);
    fixture.prompter.clear();

    fixture.prompter.files.push_back(std::nullopt);
    fixture.trigger("IPSMake1");
    QCOMPARE(fixture.prompter.texts(), QStringList());

    fixture.prompter.files.push_back(fixture.path(QStringLiteral("missing.bin")));
    fixture.trigger("IPSMake1");
    QCOMPARE(fixture.prompter.texts(), QStringList{QStringLiteral("File Not found or Valid... No patch created.")});
    QCOMPARE(fixture.prompter.recordsOf(Kind::Message).size(), std::size_t{1});
    QVERIFY(!QFile::exists(fixture.path(QStringLiteral("rom.ips"))));
    QCOMPARE(fixture.prompter.unexpected, 0);
}

void IpsMenuTest::applyPatchesDocumentInMemory()
{
    FrameFixture fixture;
    const QByteArray original = PatternBytes(32, 0x40);
    TMDIChild* editor = fixture.open(fixture.writeFile(QStringLiteral("rom.smc"), original));
    QVERIFY(editor != nullptr);
    // Three bytes at 4, then a run of four 0xEE starting past the end at 0x22.
    const QString patch = fixture.writeFile(
        QStringLiteral("fix.ips"), Patch(Bytes({0, 0, 4, 0, 3, 0xAA, 0xBB, 0xCC, 0, 0, 0x22, 0, 0, 0, 4, 0xEE})));
    fixture.prompter.clear();
    fixture.prompter.answers.push_back(false);
    fixture.prompter.files.push_back(patch);
    PressF6(fixture);

    const std::vector<PromptRecord> questions = fixture.prompter.recordsOf(Kind::Question);
    QCOMPARE(questions.size(), std::size_t{1});
    QCOMPARE(questions[0].text, QStringLiteral("Save ROM before patching?"));
    QCOMPARE(questions[0].caption, QStringLiteral(" IPS Patcher..."));
    QCOMPARE(questions[0].icon, MessageIcon::Question);
    const std::vector<PromptRecord> choosers = fixture.prompter.recordsOf(Kind::OpenFile);
    QCOMPARE(choosers.size(), std::size_t{1});
    QCOMPARE(choosers[0].caption, QStringLiteral("Open PATCH file..."));
    QCOMPARE(choosers[0].filter, QStringLiteral("IPS files (*.ips)"));
    QCOMPARE(fixture.prompter.recordsOf(Kind::Message).size(), std::size_t{1});
    QCOMPARE(fixture.prompter.texts().last(), QStringLiteral("Patching is complete! Remember to SAVE the changes!"));

    const DocRecord& doc = editor->document();
    QByteArray expected = WithBytes(original, 4, Bytes({0xAA, 0xBB, 0xCC}));
    expected += Bytes({0, 0, 0xEE, 0xEE, 0xEE, 0xEE});  // the gap reads as zero bytes
    QCOMPARE(Content(doc), expected);
    QCOMPARE(doc.fileSize, 38);
    QCOMPARE(doc.viewSize, 38);
    QVERIFY(doc.modified);
    // Only memory changed, and no work file was left anywhere.
    QCOMPARE(fixture.readFile(QStringLiteral("rom.smc")), original);
    QVERIFY(!QFile::exists(fixture.path(QStringLiteral("__temp__.qqq"))));
    QCOMPARE(fixture.prompter.unexpected, 0);
}

void IpsMenuTest::applyAfterSavingFirst()
{
    FrameFixture fixture;
    const QByteArray original = PatternBytes(32);
    TMDIChild* editor = fixture.open(fixture.writeFile(QStringLiteral("rom.smc"), original));
    QVERIFY(editor != nullptr);
    DocRecord& doc = editor->document();
    doc.data()[0] = 0x99;
    doc.modified = true;
    fixture.prompter.clear();
    fixture.prompter.answers.push_back(true);
    fixture.prompter.files.push_back(std::nullopt);  // then the chooser is cancelled
    fixture.trigger("Patch1");

    QCOMPARE(fixture.prompter.texts(),
             (QStringList{QStringLiteral("Save ROM before patching?"), Text(messages::kSavedSuccessfully)}));
    QCOMPARE(fixture.readFile(QStringLiteral("rom.smc")), WithBytes(original, 0, Bytes({0x99})));
    QVERIFY(!doc.modified);
    QCOMPARE(doc.fileSize, 32);
    QCOMPARE(fixture.prompter.unexpected, 0);
}

void IpsMenuTest::applyRefusalsLeaveDocument_data()
{
    QTest::addColumn<QByteArray>("patch");  // empty: the chosen file does not exist
    QTest::addColumn<QString>("message");

    QTest::newRow("missing patch") << QByteArray() << "File Not found or Valid... No patching performed.";
    QTest::newRow("wrong header") << QByteArray(
                                         "PATCX\0\0\1\0\1\x55"
                                         "EOF",
                                         14)
                                  << "Not a valid \"PATCH\" file!";
    QTest::newRow("ends inside a record") << QByteArray("PATCH") + Bytes({0, 0, 1, 0, 1, 0x55, 0, 0, 8, 0, 4, 1, 2})
                                          << Text(messages::kIpsPatchTruncated);
}

void IpsMenuTest::applyRefusalsLeaveDocument()
{
    QFETCH(QByteArray, patch);
    QFETCH(QString, message);
    FrameFixture fixture;
    const QByteArray original = PatternBytes(300, 3);
    TMDIChild* editor = fixture.open(fixture.writeFile(QStringLiteral("rom.smc"), original));
    QVERIFY(editor != nullptr);
    const QString patchPath = patch.isEmpty() ? fixture.path(QStringLiteral("none.ips"))
                                              : fixture.writeFile(QStringLiteral("bad.ips"), patch);
    fixture.prompter.clear();
    fixture.prompter.answers.push_back(false);
    fixture.prompter.files.push_back(patchPath);
    fixture.trigger("Patch1");

    QCOMPARE(fixture.prompter.texts().last(), message);
    QCOMPARE(fixture.prompter.recordsOf(Kind::Message).size(), std::size_t{1});
    const DocRecord& doc = editor->document();
    QCOMPARE(Content(doc), original);
    QCOMPARE(doc.viewSize, 65535);
    QVERIFY(!doc.modified);
    QVERIFY(fixture.frame->isVisible());
}

void IpsMenuTest::savestateHeaderStaysInFrontAfterApply()
{
    FrameFixture fixture;
    const QByteArray header = PatternBytes(3091, 5, 7);
    const QByteArray body = PatternBytes(100, 0x20);
    fixture.prompter.answers.push_back(true);  // edit without the header
    TMDIChild* editor = fixture.open(fixture.writeFile(QStringLiteral("game.zst"), header + body));
    QVERIFY(editor != nullptr);
    QCOMPARE(editor->document().headerSize, 3091);
    // Patches the first body byte and lengthens the body by two bytes.
    const QString patch =
        fixture.writeFile(QStringLiteral("game.ips"), Patch(Bytes({0, 0, 0, 0, 1, 0xAB, 0, 0, 100, 0, 2, 0xC1, 0xC2})));
    fixture.prompter.answers.push_back(false);
    fixture.prompter.files.push_back(patch);
    fixture.trigger("Patch1");
    fixture.trigger("SaveFile1");

    QCOMPARE(fixture.readFile(QStringLiteral("game.zst")),
             header + WithBytes(body, 0, Bytes({0xAB})) + Bytes({0xC1, 0xC2}));
    QCOMPARE(fixture.prompter.unexpected, 0);
}

QTEST_MAIN(IpsMenuTest)
#include "ips_menu_test.moc"
