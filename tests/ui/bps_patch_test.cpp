// The BPS items of the Tools menu: a patch made from an unchanged file to the document,
// written beside it, and BPS and UPS patches applied to the document in memory as one
// undo step, growing or shrinking it; a refused patch leaves the document as it was.

#include "frame_fixture.h"
#include "tools/bps.h"
#include "tools/crc32.h"

#include <QDir>

#include <span>

namespace zarvo {

using namespace window_test;

namespace {

const QString kUnchangedChooser = QStringLiteral("open(Open UNCHANGED file..., All files (*.*), .)");
const QString kPatchChooser =
    QStringLiteral("open(Open PATCH file..., BPS / UPS patches (*.bps *.ups);;All files (*.*), ./rom.bps)");
const QString kApplied = QStringLiteral("Patching is complete! Remember to SAVE the changes!");

// The patch turning "ABCD" into "ABCE", as the format's description gives it.
const QByteArray kKnownAnswer = QByteArray::fromHex("42505331848480888145A52017DB331010AC0F3B4F6A");

std::span<const uint8_t> Span(const QByteArray& bytes)
{
    return {reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())};
}

void PutNumber(QByteArray& out, uint64_t value)
{
    for (;;) {
        const auto low = static_cast<char>(value & 0x7F);
        value >>= 7;
        if (value == 0) {
            out += static_cast<char>(0x80 | low);
            return;
        }
        out += low;
        --value;
    }
}

void PutCrc(QByteArray& out, const QByteArray& bytes)
{
    const uint32_t crc = Crc32(Span(bytes));
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>(crc >> shift);
}

// A BPS patch that stores the whole target as one target read.
QByteArray LinearBps(const QByteArray& source, const QByteArray& target)
{
    QByteArray patch("BPS1");
    PutNumber(patch, source.size());
    PutNumber(patch, target.size());
    PutNumber(patch, 0);
    if (!target.isEmpty()) {
        PutNumber(patch, (static_cast<uint64_t>(target.size() - 1) << 2) | 1);
        patch += target;
    }
    PutCrc(patch, source);
    PutCrc(patch, target);
    PutCrc(patch, patch);
    return patch;
}

// UPS patches: "ABCD" to "ABCDEF" (four bytes skipped, "EF" XOR-ed onto zeros), and
// "ABCD" to "ABCE" (three skipped, 01 XOR-ed).
const QByteArray kUpsGrowing = QByteArray::fromHex("55505331848684454600A52017DB69FE76BB2A8A7B15");
const QByteArray kUpsInPlace = QByteArray::fromHex("555053318484830100A52017DB331010AC59841DB2");

QByteArray Flipped(QByteArray bytes, int at)
{
    bytes[at] = static_cast<char>(bytes[at] ^ 1);
    return bytes;
}

// Opens a document holding bytes and runs a menu item, its chooser answered with chosen
// (nothing: cancelled).
const DocRecord& RunItem(FrameFixture& fixture, const QByteArray& bytes, const char* item,
                         const std::optional<QString>& chosen, const QString& name = QStringLiteral("rom.smc"))
{
    const DocRecord& doc = fixture.openNew(name, bytes)->document();
    fixture.prompter.clear();
    fixture.prompter.files.push_back(chosen);
    fixture.trigger(item);
    return doc;
}

}  // namespace

class BpsPatchTest : public QObject {
    Q_OBJECT
private slots:
    void createWritesPatchOfDocumentBeside_data();
    void createWritesPatchOfDocumentBeside();
    void createRefusalWritesNothing_data();
    void createRefusalWritesNothing();
    void applyGivesPatchedFile_data();
    void applyGivesPatchedFile();
    void undoTakesBackWholePatch_data() { applyGivesPatchedFile_data(); }
    void undoTakesBackWholePatch();
    void refusedPatchChangesNothing_data();
    void refusedPatchChangesNothing();
};

void BpsPatchTest::createWritesPatchOfDocumentBeside_data()
{
    QTest::addColumn<QByteArray>("unchanged");
    QTest::addColumn<QByteArray>("current");
    const QByteArray large = PatternBytes(100000, 3, 7);
    QTest::newRow("small file changed in place") << QByteArray("ABCD") << QByteArray("ABCE");
    QTest::newRow("grown") << PatternBytes(40) << PatternBytes(40) + QByteArray(30, 'x');
    QTest::newRow("shrunk") << PatternBytes(300) << PatternBytes(120, 5);
    QTest::newRow("block moved in a large file") << large << large.mid(50000) + large.left(50000);
}

void BpsPatchTest::createWritesPatchOfDocumentBeside()
{
    QFETCH(QByteArray, unchanged);
    QFETCH(QByteArray, current);
    FrameFixture fixture;
    const DocRecord& doc =
        RunItem(fixture, current, "BPSMake1", fixture.writeFile(QStringLiteral("unchanged.bin"), unchanged));
    QCOMPARE(fixture.prompter.log(),
             QStringList({kUnchangedChooser, "box(BPS Creator..., exclamation): Patch Creation completed!"}));
    const BpsApplication applied = ApplyBps(Span(fixture.readFile(QStringLiteral("rom.bps"))), Span(unchanged));
    QCOMPARE(applied.error, BpsError::None);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(applied.target.data()), qsizetype(applied.target.size())),
             Content(doc));
}

void BpsPatchTest::createRefusalWritesNothing_data()
{
    QTest::addColumn<QString>("documentName");
    QTest::addColumn<QString>("unchanged");  // empty: the chooser is cancelled
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("files equal") << "rom.smc"
                                 << "same.bin"
                                 << QStringList{
                                        "box(BPS Creator..., stop):  These files are the same.\n No patch "
                                        "created."};
    QTest::newRow("unchanged file missing")
        << "rom.smc"
        << "missing.bin" << QStringList{"File Not found or Valid... No patch created."};
    QTest::newRow("patch would replace the document")
        << "rom.bps"
        << "other.bin"
        << QStringList{
               "box(BPS Creator..., stop):  The patch would be written over a file it is made from.\n No "
               "patch created."};
    QTest::newRow("chooser cancelled") << "rom.smc" << QString() << QStringList();
}

void BpsPatchTest::createRefusalWritesNothing()
{
    QFETCH(QString, documentName);
    QFETCH(QString, unchanged);
    QFETCH(QStringList, shown);
    FrameFixture fixture;
    const QByteArray document = PatternBytes(64);
    fixture.writeFile(QStringLiteral("same.bin"), document);
    fixture.writeFile(QStringLiteral("other.bin"), PatternBytes(64, 1));
    // Afterwards: these, the document and the recent-files list, and nothing else.
    QStringList files = QDir(fixture.folder.path()).entryList(QDir::Files) << documentName << "zv32ex.mru";
    files.sort();
    RunItem(fixture, document, "BPSMake1", unchanged.isEmpty() ? std::nullopt : std::optional(fixture.path(unchanged)),
            documentName);
    QCOMPARE(fixture.prompter.log(), QStringList{kUnchangedChooser} + shown);
    QCOMPARE(QDir(fixture.folder.path()).entryList(QDir::Files), files);
    QCOMPARE(fixture.readFile(documentName), document);
}

void BpsPatchTest::applyGivesPatchedFile_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("patch");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QString>("shown");
    const QByteArray small = PatternBytes(32);
    const QByteArray grown = PatternBytes(70000, 9, 3);
    const QByteArray abcdef("ABCDEF");
    const QString takenBack = QStringLiteral(
        "This file was the patched file: the patch was taken back, giving the file it was made from. Remember to SAVE "
        "the changes!");
    QTest::newRow("BPS in place") << QByteArray("ABCD") << kKnownAnswer << QByteArray("ABCE") << kApplied;
    QTest::newRow("BPS grows past the view buffer") << small << LinearBps(small, grown) << grown << kApplied;
    QTest::newRow("BPS shrinks") << grown << LinearBps(grown, small) << small << kApplied;
    QTest::newRow("BPS empties") << small << LinearBps(small, {}) << QByteArray() << kApplied;
    QTest::newRow("UPS grows") << QByteArray("ABCD") << kUpsGrowing << abcdef << kApplied;
    QTest::newRow("UPS given its output runs backwards") << abcdef << kUpsGrowing << QByteArray("ABCD") << takenBack;
}

void BpsPatchTest::applyGivesPatchedFile()
{
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, patch);
    QFETCH(QByteArray, target);
    QFETCH(QString, shown);
    FrameFixture fixture;
    const DocRecord& doc = RunItem(fixture, source, "BPSPatch1", fixture.writeFile(QStringLiteral("fix.bps"), patch));
    QCOMPARE(fixture.prompter.log(), QStringList({kPatchChooser, shown}));
    QCOMPARE(Content(doc), target);
    QCOMPARE(doc.viewSize, static_cast<int32_t>(target.size()));
    QVERIFY(doc.modified);
    QVERIFY(doc.cursorOffset < std::max<qsizetype>(target.size(), 1));
    QCOMPARE(fixture.readFile(QStringLiteral("rom.smc")), source);
}

void BpsPatchTest::undoTakesBackWholePatch()
{
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, patch);
    FrameFixture fixture;
    const int32_t viewSize = std::max<int32_t>(kMinimumViewSize, static_cast<int32_t>(source.size()));
    const DocRecord& doc = RunItem(fixture, source, "BPSPatch1", fixture.writeFile(QStringLiteral("fix.bps"), patch));
    fixture.press(QKeyCombination(Qt::ControlModifier, Qt::Key_Z));
    QCOMPARE(Content(doc), source);
    QCOMPARE(doc.viewSize, viewSize);
    QVERIFY(!doc.modified);
    QVERIFY(!fixture.action("Undo1")->isEnabled());
}

void BpsPatchTest::refusedPatchChangesNothing_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QByteArray>("patch");  // empty: no patch file
    QTest::addColumn<QString>("shown");
    const QString bps = QStringLiteral("box(BPS Patcher..., stop): ");
    // "ABCD" to "WXYZ" by one target copy of four bytes from a target with nothing in it yet.
    const QByteArray outOfBounds = QByteArray::fromHex("425053318484808F80A52017DBF8C9F6F511E422BB");
    QTest::newRow("damaged") << QByteArray("ABCD") << Flipped(kKnownAnswer, 9)
                             << bps + "The patch is damaged: its bytes give the CRC32 7D342F4C, it records 6A4F3B0F.";
    QTest::newRow("cut to 18 bytes") << QByteArray("ABCD") << kKnownAnswer.left(18)
                                     << bps +
                                            "This is not a BPS patch: it is too short or does not begin with \"BPS1\".";
    QTest::newRow("wrong source") << QByteArray("ABCX") << kKnownAnswer
                                  << bps +
                                         "This patch was made for another file: it expects 4 bytes with the CRC32 "
                                         "DB1720A5, this file has 4 bytes with the CRC32 CF167CEA.";
    QTest::newRow("wrong source size")
        << QByteArray("ABCDE") << kKnownAnswer
        << bps +
               "This patch was made for another file: it expects 4 bytes with the CRC32 DB1720A5, this file has 5 "
               "bytes with the CRC32 72D31AD5.";
    QTest::newRow("already the target")
        << QByteArray("ABCE") << kKnownAnswer
        << bps + "This file is already the patched file (4 bytes, CRC32 AC101033); the patch is not applied again.";
    QTest::newRow("target copy of bytes not made")
        << QByteArray("ABCD") << outOfBounds
        << bps + "The patch is damaged: an action reaches outside the source, the patch or the target.";
    QTest::newRow("UPS for another file")
        << QByteArray("WXYZ") << kUpsInPlace
        << "box(UPS Patcher..., stop): This patch was made for another file: it expects 4 bytes with the CRC32 "
           "DB1720A5 (or the patched file, 4 bytes with the CRC32 AC101033).";
    QTest::newRow("IPS patch") << QByteArray("ABCD") << QByteArray("PATCH\0\0\0\0\1AEOF", 14)
                               << bps +
                                      "This is neither a BPS nor a UPS patch: it is too short, or begins with "
                                      "neither \"BPS1\" nor \"UPS1\".";
    QTest::newRow("patch missing") << QByteArray("ABCD") << QByteArray()
                                   << QStringLiteral("File Not found or Valid... No patching performed.");
}

void BpsPatchTest::refusedPatchChangesNothing()
{
    QFETCH(QByteArray, document);
    QFETCH(QByteArray, patch);
    QFETCH(QString, shown);
    FrameFixture fixture;
    const DocRecord& doc = RunItem(fixture, document, "BPSPatch1",
                                   patch.isEmpty() ? fixture.path(QStringLiteral("missing.bps"))
                                                   : fixture.writeFile(QStringLiteral("fix.bps"), patch));
    QCOMPARE(fixture.prompter.log(), QStringList({kPatchChooser, shown}));
    QCOMPARE(Content(doc), document);
    QCOMPARE(doc.viewSize, kMinimumViewSize);
    QVERIFY(!doc.modified);
    QVERIFY(!fixture.action("Undo1")->isEnabled());
}

}  // namespace zarvo

QTEST_MAIN(zarvo::BpsPatchTest)
#include "bps_patch_test.moc"
