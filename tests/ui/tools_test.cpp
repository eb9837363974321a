// The Tools menu on an editor window: F5 makes a patch beside the document, F6
// patches the document in memory, the checksum repair (Ctrl+P), the SNES address
// converter (Ctrl+E) with Goto Offset, and the size dialog (Ctrl+N); with their
// questions, choosers and messages, and what the dialogs keep between uses.
// The compare window (Ctrl+C) too: files chosen with the "..." buttons, the list of
// differing runs, the failures that keep the list, a second start while one runs, a
// million runs, and the jump on double click or Enter.

#include "core/messages.h"
#include "frame_fixture.h"
#include "ui/tools/tcomp_form.h"
#include "ui/tools/texpander.h"
#include "ui/tools/tsnes2hex.h"

#include <QAbstractItemModel>
#include <QListView>

#include <functional>

using namespace zarvo;
using namespace zarvo::window_test;

namespace {

QByteArray Patch(const QByteArray& records) { return QByteArray("PATCH") + records + QByteArray("EOF"); }

const QString kPatchQuestion = QStringLiteral("ask( IPS Patcher..., question): Save ROM before patching?");
const QString kPatchChooser = QStringLiteral("open(Open PATCH file..., IPS files (*.ips), ./rom.ips)");
const QString kUnchangedChooser = QStringLiteral("open(Open UNCHANGED file..., All files (*.*), .)");
const QString kChecksumQuestion = QStringLiteral("ask(CheckSum Repair..., none): Repair the CheckSum in this ROM?");

// The converter's two fields and its convert button, whose caption names the mapping.
struct Converter {
    explicit Converter(const FrameFixture& fixture)
        : form(fixture.frame->findChild<TSnes2Hex*>()),
          left(Child<QLineEdit>(form, "lorom1")),
          right(Child<QLineEdit>(form, "lorom2")),
          convert(Child<QPushButton>(form, "TextLabel"))
    {}
    // Types into a field (which makes it the one converted from) and converts.
    void convertFrom(QLineEdit* field, const QString& text) const
    {
        Retype(field, text);
        QTest::mouseClick(convert, Qt::LeftButton);
    }

    TSnes2Hex* form;
    QLineEdit* left;
    QLineEdit* right;
    QPushButton* convert;
};

// Opens the converter with Ctrl+E, runs work while it is shown, then closes it with
// Escape in the left field (which must not make that field the source).
void WithConverter(FrameFixture& fixture, const std::function<void(const Converter&)>& work)
{
    const Converter converter(fixture);
    fixture.whilePressed(converter.form, Qt::ControlModifier | Qt::Key_E, [&] {
        QVERIFY(converter.form->isModal());
        work(converter);
        QTest::keyClick(converter.left, Qt::Key_Escape);
    });
    QVERIFY(!converter.form->isVisible());
}

// Opens the size dialog with Ctrl+N and runs work while it is shown; a dialog still
// open afterwards is cancelled. True when it was still open.
bool WithSizeDialog(FrameFixture& fixture, const std::function<void(TExpander*)>& work)
{
    auto* dialog = fixture.frame->findChild<TExpander*>();
    return fixture.whilePressed(dialog, Qt::ControlModifier | Qt::Key_N, [&] { work(dialog); });
}

// Picks a unit, types the size and, when given, checks "Add Header" and types it; then OK.
void EnterSize(TExpander* dialog, const char* unit, const QString& size, const QString& header = {})
{
    Click(dialog, unit);
    Retype(Child<QLineEdit>(dialog, "ExpOther"), size);
    if (!header.isNull()) {
        Click(dialog, "addHdrChkBox");
        Retype(Child<QLineEdit>(dialog, "addHdr"), header);
    }
    Click(dialog, "BitBtn1");
}

const QString kCompleted = QStringLiteral("File comparison completed!");

struct CompareWindow {
    explicit CompareWindow(FrameFixture& fixture)
    {
        fixture.press(Qt::ControlModifier | Qt::Key_C);
        form = fixture.frame->findChild<TCompForm*>();
        list = Child<QListView>(form, "CompList");
    }

    [[nodiscard]] QStringList lines() const { return ListLines(list->model()); }
    void click(const char* name) const
    {
        Click(form, name);
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

class ToolsTest : public QObject {
    Q_OBJECT
private slots:
    void createWritesPatchBesideDocument();
    void applyPatchesDocumentInMemory();
    void checksumRepair();
    void converterGotoMovesTheCursor();
    void converterMappingsSetTheCaptions_data();
    void converterMappingsSetTheCaptions();
    void converterConvertsEitherWay_data();
    void converterConvertsEitherWay();
    void converterKeepsItsStateBetweenUses();
    void changesSize_data();
    void changesSize();
    void sizeEntriesTakeDigitsAndAreKept();
    void choosersFillThePathsAndFailuresKeepTheList();
    void secondStartIsIgnoredAndAClosedDocumentIsLeftAlone();
    void listsAMillionRuns();
    void linesJumpToTheirRuns();
};

void ToolsTest::createWritesPatchBesideDocument()
{
    const QByteArray zeros(32, '\0');
    const struct {
        QByteArray current;
        const char* unchanged;  // nullptr: the chooser is cancelled
        QStringList shown;      // the messages after the chooser
        QByteArray patch;       // empty: no patch file is left
    } cases[] = {
        {WithBytes(zeros, 4, Bytes({1, 2, 3})),
         "unchanged.bin",
         {"box(IPS Creator..., exclamation): Patch Creation completed!"},
         Patch(Bytes({0, 0, 4, 0, 3, 1, 2, 3}))},
        {zeros, "unchanged.bin", {"box(IPS Creator..., stop):  These files are the same.\n No patch created."}, {}},
        {zeros, "missing.bin", {"File Not found or Valid... No patch created."}, {}},
        {zeros, nullptr, {}, {}},
    };
    for (const auto& c : cases) {
        FrameFixture fixture;
        fixture.openNew(QStringLiteral("rom.smc"), c.current);
        fixture.writeFile(QStringLiteral("unchanged.bin"), zeros);
        fixture.prompter.clear();
        fixture.prompter.files.push_back(c.unchanged ? std::optional(fixture.path(QString::fromLatin1(c.unchanged)))
                                                     : std::nullopt);
        fixture.press(Qt::Key_F5);
        QCOMPARE(fixture.prompter.log(), QStringList{kUnchangedChooser} + c.shown);
        QCOMPARE(QFile::exists(fixture.path(QStringLiteral("rom.ips"))), !c.patch.isEmpty());
        QCOMPARE(fixture.readFile(QStringLiteral("rom.ips")), c.patch);
    }
}

void ToolsTest::applyPatchesDocumentInMemory()
{
    const QByteArray original = PatternBytes(32, 0x40);
    const struct {
        bool saveFirst;    // byte 0 typed over with 99 first, and Yes to the question
        QByteArray patch;  // empty: the chooser is cancelled
        QStringList log;
        QByteArray content;  // the document's bytes afterwards
    } cases[] = {
        {false,
         Patch(Bytes({0, 0, 4, 0, 3, 0xAA, 0xBB, 0xCC})),
         {kPatchQuestion, kPatchChooser, "Patching is complete! Remember to SAVE the changes!"},
         WithBytes(original, 4, Bytes({0xAA, 0xBB, 0xCC}))},
        {true,
         {},
         {kPatchQuestion, QString::fromUtf8(messages::kSavedSuccessfully), kPatchChooser},
         WithBytes(original, 0, Bytes({0x99}))},
        {false,
         QByteArray("PATCX\0\0\1\0\1\x55"
                    "EOF",
                    14),
         {kPatchQuestion, kPatchChooser, "Not a valid \"PATCH\" file!"},
         original},
    };
    for (const auto& c : cases) {
        FrameFixture fixture;
        DocRecord& doc = DocumentOf(fixture.openNew(QStringLiteral("rom.smc"), original));
        if (c.saveFirst) doc.data()[0] = 0x99;
        doc.modified = c.saveFirst;
        fixture.prompter.clear();
        fixture.prompter.answers.push_back(c.saveFirst);
        fixture.prompter.files.push_back(c.patch.isEmpty() ? std::optional<QString>()
                                                           : fixture.writeFile(QStringLiteral("fix.ips"), c.patch));
        fixture.press(Qt::Key_F6);
        QCOMPARE(fixture.prompter.log(), c.log);
        QCOMPARE(Content(doc), c.content);
        QCOMPARE(doc.modified, c.log.last().startsWith(QStringLiteral("Patching")));
        QCOMPARE(fixture.readFile(QStringLiteral("rom.smc")), c.saveFirst ? c.content : original);
    }
}

void ToolsTest::checksumRepair()
{
    // 0x20000 zero bytes with a Lo-ROM header at 0x7FC0 holding complement and checksum.
    const auto image = [](int complement, int checksum) {
        return WithBytes(QByteArray(0x20000, '\0'), 0x7FDC,
                         Bytes({complement & 0xFF, complement >> 8, checksum & 0xFF, checksum >> 8}));
    };
    // Only the stored pair is not zero, so the image sums to 34+12+CB+ED = 0x1FE.
    const QByteArray wrong = image(0xEDCB, 0x1234);
    const QByteArray stored = Bytes({0xCB, 0xED, 0x34, 0x12});
    const QByteArray repaired = Bytes({0x01, 0xFE, 0xFE, 0x01});
    const QString question = QStringLiteral(
        "ask(Repair CheckSum, none):  ROM CheckSum  : 1234\n ROM Compliment: EDCB\n\n NEW CheckSum  : 01FE\n NEW "
        "Compliment: FE01\n\n Repair CheckSum?");
    const struct {
        QByteArray image;
        std::deque<bool> answers;
        QStringList log;
        QByteArray header;  // complement and checksum afterwards, little-endian
    } cases[] = {
        {wrong,
         {true, true},
         {kChecksumQuestion, question, "Checksum has been repaired!\n Don't forget to Save the ROM."},
         repaired},
        {wrong, {true, false}, {kChecksumQuestion, question, "No checksum repair performed."}, stored},
        {wrong, {false}, {kChecksumQuestion}, stored},
        // A complement pair always sums to 0x1FE, so this image holds its own checksum.
        {image(0xFE01, 0x01FE), {true}, {kChecksumQuestion, "No checksum repair needed."}, repaired},
        {image(0, 0), {true}, {kChecksumQuestion, "Could not locate CHECKSUM!"}, QByteArray(4, '\0')},
    };
    for (const auto& c : cases) {
        FrameFixture fixture;
        const DocRecord& doc = DocumentOf(fixture.openNew(QStringLiteral("game.smc"), c.image));
        fixture.prompter.clear();
        fixture.prompter.answers = c.answers;
        fixture.press(Qt::ControlModifier | Qt::Key_P);
        QCOMPARE(fixture.prompter.log(), c.log);
        QCOMPARE(fixture.prompter.unexpected, 0);
        QCOMPARE(Content(doc).mid(0x7FDC, 4), c.header);
        QCOMPARE(doc.modified, c.log.last().startsWith(QStringLiteral("Checksum has been")));
        QCOMPARE(fixture.readFile(QStringLiteral("game.smc")), c.image);
    }
}

void ToolsTest::converterGotoMovesTheCursor()
{
    FrameFixture fixture;
    const auto gotoOffset = [&fixture] {
        WithConverter(fixture, [](const Converter& converter) {
            converter.left->setText(QStringLiteral("1234"));
            Click(converter.form, "Button1");
            QVERIFY(converter.form->isVisible());
        });
    };
    gotoOffset();  // without an editor window: nothing to move
    TMDIChild* editor = fixture.openNew(QStringLiteral("rom.smc"), PatternBytes(0x20000));
    gotoOffset();
    QVERIFY(fixture.showsCursorAt(*editor, 0x1234));
    QCOMPARE(fixture.prompter.texts(), QStringList{});
}

void ToolsTest::converterMappingsSetTheCaptions_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("captions");
    QTest::newRow("video memory") << "VidChk"
                                  << "Vram  [$C13]";
    QTest::newRow("Hi-ROM") << "HiChk"
                            << "Hi-ROM[$000]";
    QTest::newRow("memory") << "MemChk"
                            << "Memory[$C13]";
    QTest::newRow("Lo-ROM") << "LoChk"
                            << "Lo-ROM[$000]";
}

void ToolsTest::converterMappingsSetTheCaptions()
{
    QFETCH(QString, button);
    QFETCH(QString, captions);
    FrameFixture fixture;
    WithConverter(fixture, [&](const Converter& converter) {
        QCOMPARE(converter.form->windowTitle(), QStringLiteral("Snes To Hex Convertor"));
        QLabel* label = Child<QLabel>(converter.form, "ZstText");
        QCOMPARE(converter.convert->text() + label->text(), QStringLiteral("Lo-ROM      "));
        if (button == "LoChk") Click(converter.form, "HiChk");  // checked at first: another one before it
        converter.left->setText(QStringLiteral("123"));
        converter.right->setText(QStringLiteral("456"));
        // A click in the right field makes it the source; a new mapping makes it the left again.
        QTest::mouseClick(converter.right, Qt::LeftButton);
        Click(converter.form, qPrintable(button));
        QCOMPARE(converter.convert->text() + label->text(), captions);
        QVERIFY(converter.left->text().isEmpty() && converter.right->text().isEmpty());
        QCOMPARE(converter.form->state().direction, ConvertDirection::ToSnes);
        // The fields take six characters.
        QTest::keyClicks(converter.left, QStringLiteral("1234567"));
        QCOMPARE(converter.left->text(), QStringLiteral("123456"));
    });
}

void ToolsTest::converterConvertsEitherWay_data()
{
    QTest::addColumn<QString>("mapping");
    QTest::addColumn<bool>("bank80");
    QTest::addColumn<bool>("fromRight");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");  // in the other field, or kept there with the refusal's message
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("Lo-ROM, bank 80") << "LoChk" << true << true << "808000"
                                     << "000000" << QStringList();
    QTest::newRow("Hi-ROM below C0") << "HiChk" << false << true << "BFFFFF"
                                     << "ABCDEF" << QStringList{"Address must be >= $Cxxxxxx"};
    QTest::newRow("memory, lower case") << "MemChk" << false << false << "c13"
                                        << "7E0000" << QStringList();
}

void ToolsTest::converterConvertsEitherWay()
{
    QFETCH(QString, mapping);
    QFETCH(bool, bank80);
    QFETCH(bool, fromRight);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QStringList, messages);
    FrameFixture fixture;
    WithConverter(fixture, [&](const Converter& converter) {
        Click(converter.form, qPrintable(mapping));
        if (bank80) Click(converter.form, "lorombox");
        QLineEdit* from = fromRight ? converter.right : converter.left;
        QLineEdit* into = fromRight ? converter.left : converter.right;
        into->setText(QStringLiteral("ABCDEF"));
        converter.convertFrom(from, typed);
        QCOMPARE(from->text() + " " + into->text(), typed.toUpper() + " " + shown);
    });
    QCOMPARE(fixture.prompter.texts(), messages);
}

void ToolsTest::converterKeepsItsStateBetweenUses()
{
    FrameFixture fixture;
    // The mapping, the boxes, the fields and the direction are kept between uses.
    WithConverter(fixture, [](const Converter& converter) {
        Click(converter.form, "HiChk");
        Click(converter.form, "hdrbox");
        converter.convertFrom(converter.right, QStringLiteral("C00000"));
    });
    WithConverter(fixture, [](const Converter& converter) {
        QVERIFY(Child<QRadioButton>(converter.form, "HiChk")->isChecked());
        QVERIFY(Child<QCheckBox>(converter.form, "hdrbox")->isChecked());
        QVERIFY(!Child<QCheckBox>(converter.form, "lorombox")->isChecked());
        QCOMPARE(converter.convert->text(), QStringLiteral("Hi-ROM"));
        QCOMPARE(converter.left->text() + converter.right->text(), QStringLiteral("000200C00000"));
        // Still converting from the right field.
        converter.right->setText(QStringLiteral("C00010"));
        QTest::mouseClick(converter.convert, Qt::LeftButton);
        QCOMPARE(converter.left->text(), QStringLiteral("000210"));
        // Unchecking takes the header off again.
        Click(converter.form, "hdrbox");
        QTest::mouseClick(converter.convert, Qt::LeftButton);
        QCOMPARE(converter.left->text(), QStringLiteral("000010"));
    });
}

void ToolsTest::changesSize_data()
{
    QTest::addColumn<int>("oldSize");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("header");  // null: "Add Header" stays unchecked
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("sizeText");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<int>("newSize");  // 0: the document and the dialog stay as they were
    const QString asked = QStringLiteral("ask(ROM Size Change..., none): Expand the ROM to ");
    QTest::newRow("megabytes, rounded down")
        << 0x180000 << "rMBYTE"
        << "2" << QString() << true << "Size of ROM: 1 Mega BYTES"
        << QStringList{asked + " 2 Mega-BYTE(S)?", "Rom expanded to 2 Mega-BYTE(S)!\nSave ROM to save all changes."}
        << 0x200000;
    QTest::newRow("empty header, smaller")
        << 100 << "rBYTES" << "64" << "" << true << "Size of ROM: 100 BYTES"
        << QStringList{"Error: Header addition enabled, but no value supplied.\nError: Data size was set to zero on "
                       "default.",
                       asked + "64 BYTE(S)?", "Rom expanded to 64 BYTE(S)!\nSave ROM to save all changes."}
        << 64;
    QTest::newRow("no size") << 5000 << "rBYTES"
                             << "" << QString() << true << "Size of ROM: 5000 BYTES"
                             << QStringList{"Error: No size entered..."} << 0;
    QTest::newRow("answered no") << 5000 << "rMBITS"
                                 << "32" << QString() << false << "Size of ROM: 0 Mega BITS"
                                 << QStringList{asked + "32 Mega-BIT(S)?"} << 0;
}

void ToolsTest::changesSize()
{
    QFETCH(int, oldSize);
    QFETCH(QString, unit);
    QFETCH(QString, entry);
    QFETCH(QString, header);
    QFETCH(bool, answer);
    QFETCH(QString, sizeText);
    QFETCH(QStringList, log);
    QFETCH(int, newSize);
    FrameFixture fixture;
    const QByteArray original = PatternBytes(oldSize, 1);
    const DocRecord& doc = DocumentOf(fixture.openNew(QStringLiteral("rom.smc"), original));
    fixture.prompter.clear();
    fixture.prompter.answers.push_back(answer);
    QString shownSizeText;
    const bool stillOpen = WithSizeDialog(fixture, [&](TExpander* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Change ROM Size"));
        Click(dialog, qPrintable(unit));
        shownSizeText = Child<QLabel>(dialog, "SizeTxt")->text();
        EnterSize(dialog, qPrintable(unit), entry, header);
    });
    QCOMPARE(stillOpen, newSize == 0);
    QCOMPARE(shownSizeText, sizeText);
    QCOMPARE(fixture.prompter.log(), log);
    QCOMPARE(doc.viewSize, newSize == 0 ? 65535 : newSize);
    QCOMPARE(doc.modified, newSize != 0);
    const int kept = newSize == 0 ? oldSize : std::min(oldSize, newSize);
    QCOMPARE(Content(doc), original.left(kept) + QByteArray(std::max(newSize - kept, 0), '\xFF'));
    QCOMPARE(fixture.readFile(QStringLiteral("rom.smc")), original);
}

void ToolsTest::sizeEntriesTakeDigitsAndAreKept()
{
    FrameFixture fixture;
    const DocRecord& doc = DocumentOf(fixture.openNew(QStringLiteral("rom.smc"), PatternBytes(0x40000)));
    (void)WithSizeDialog(fixture, [](TExpander* dialog) {
        QLineEdit* size = Child<QLineEdit>(dialog, "ExpOther");
        QLineEdit* header = Child<QLineEdit>(dialog, "addHdr");
        Retype(size, QStringLiteral("1a2-3 4"));
        QTest::keyClick(size, Qt::Key_Backspace);
        QCOMPARE(size->text(), QStringLiteral("123"));
        QVERIFY(!header->isEnabled());
        Click(dialog, "addHdrChkBox");
        Retype(header, QStringLiteral("5x1.2"));
        QCOMPARE(header->text(), QStringLiteral("512"));
        Click(dialog, "addHdrChkBox");
        QVERIFY(!header->isEnabled());
    });
    QCOMPARE(fixture.prompter.records.size(), std::size_t{1});  // only the file choice of Open

    fixture.prompter.answers.push_back(true);
    (void)WithSizeDialog(fixture, [](TExpander* dialog) { EnterSize(dialog, "rMBITS", "4", "512"); });
    QCOMPARE(doc.fileSize, 0x80200);

    (void)WithSizeDialog(fixture, [](TExpander* dialog) {
        QVERIFY(Child<QRadioButton>(dialog, "rMBITS")->isChecked());
        QVERIFY(Child<QCheckBox>(dialog, "addHdrChkBox")->isChecked());
        QCOMPARE(Child<QLineEdit>(dialog, "ExpOther")->text() + Child<QLineEdit>(dialog, "addHdr")->text(),
                 QStringLiteral("4512"));
        // The size text is the document's new size, in the kept unit.
        QCOMPARE(Child<QLabel>(dialog, "SizeTxt")->text(), QStringLiteral("Size of ROM: 4 Mega BITS"));
        QTest::keyClick(Child<QLineEdit>(dialog, "ExpOther"), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
    });
    QCOMPARE(doc.fileSize, 0x80200);
}

void ToolsTest::choosersFillThePathsAndFailuresKeepTheList()
{
    FrameFixture fixture;
    CompareWindow window(fixture);
    QVERIFY(window.form->isVisible() && !window.form->isModal());
    QCOMPARE(window.form->windowTitle(), QStringLiteral("Compare Files..."));
    const QString first = fixture.writeFile(QStringLiteral("a.bin"), PatternBytes(64));
    const QString second = fixture.writeFile(QStringLiteral("b.bin"), WithBytes(PatternBytes(64), 2, "xy") + "more");
    fixture.prompter.files = {first, second, std::nullopt};
    window.click("Button1");
    window.click("Button2");
    window.click("Button1");  // cancelled: the field keeps its path
    QCOMPARE(Child<QLineEdit>(window.form, "Edit1")->text(), first);
    QCOMPARE(Child<QLineEdit>(window.form, "Edit2")->text(), second);

    window.click("Button3");
    QCOMPARE(window.lines(), QStringList{QStringLiteral("[00000002] ;      2 bytes different at location.")});
    QCOMPARE(window.form->windowTitle(), QStringLiteral("Compare Files...Results: 1 difference(s) found."));
    QCOMPARE(fixture.prompter.log(), QStringList(3, QStringLiteral("open(Open, All files (*.*), .)")) << kCompleted);

    // Failures keep the list.
    const QStringList listed = window.lines();
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

void ToolsTest::secondStartIsIgnoredAndAClosedDocumentIsLeftAlone()
{
    FrameFixture fixture;
    const CompareWindow window(fixture);
    // Large enough to report progress several times on the way.
    const QByteArray bytes = PatternBytes(2 * 1024 * 1024, 1, 3);
    const QString first = fixture.writeFile(QStringLiteral("a.bin"), bytes);
    const QString second = fixture.writeFile(QStringLiteral("b.bin"), WithBytes(bytes, 0x1FFFF0, "difference"));
    // The document open while the compare starts is closed before it ends.
    TMDIChild* closing = fixture.openNew(QStringLiteral("rom.bin"), PatternBytes(0x1000));
    fixture.prompter.clear();
    QStringList captionsWhileRunning;
    QTimer::singleShot(0, window.form, [&] {
        captionsWhileRunning << window.form->windowTitle();
        QVERIFY(window.form->comparing());
        window.click("Button3");  // runs the window's events, so the compare goes on meanwhile
        closing->parentWidget()->close();
    });
    window.compare(first, second);
    QCOMPARE(captionsWhileRunning.size(), 1);
    QVERIFY2(captionsWhileRunning[0].startsWith(QStringLiteral("Compare Files...Please Wait.")),
             qPrintable(captionsWhileRunning[0]));
    QCOMPARE(fixture.prompter.log(), QStringList{kCompleted});
    QCOMPARE(window.lines(), QStringList{QStringLiteral("[001FFFF0] ;     10 bytes different at location.")});
    QVERIFY(!window.form->comparing());
    QVERIFY(fixture.frame->findChildren<TMDIChild*>().isEmpty());
    QTest::mouseDClick(window.list->viewport(), Qt::LeftButton, {}, window.rowPoint(0));  // no document to jump in
    FrameFixture::settle();
}

void ToolsTest::listsAMillionRuns()
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

void ToolsTest::linesJumpToTheirRuns()
{
    FrameFixture fixture;
    const CompareWindow window(fixture);
    // A double click or Enter on a line jumps to its run in the document.
    TMDIChild* editor = fixture.openNew(QStringLiteral("rom.smc"), PatternBytes(0x9000));
    const QByteArray changed = WithBytes(WithBytes(PatternBytes(0xA000), 0x234, "ab"), 0x8F00, "c");
    window.compare(fixture.writeFile(QStringLiteral("a.bin"), PatternBytes(0xA000)),
                   fixture.writeFile(QStringLiteral("b.bin"), changed));
    QCOMPARE(window.lines().size(), 2);
    QTest::mouseDClick(window.list->viewport(), Qt::LeftButton, {}, window.rowPoint(0));
    FrameFixture::settle();
    QVERIFY(fixture.showsCursorAt(*editor, 0x234));
    window.list->setCurrentIndex(window.list->model()->index(1, 0));
    QTest::keyClick(window.list, Qt::Key_Return);
    FrameFixture::settle();
    QVERIFY(fixture.showsCursorAt(*editor, 0x8F00));

    // The line saying the files match jumps nowhere.
    window.compare(fixture.path(QStringLiteral("a.bin")), fixture.path(QStringLiteral("a.bin")));
    QCOMPARE(window.lines(), QStringList{QStringLiteral("These files match to smallest file length.")});
    QTest::mouseDClick(window.list->viewport(), Qt::LeftButton, {}, window.rowPoint(0));
    QTest::keyClick(window.list, Qt::Key_Enter);
    FrameFixture::settle();
    QCOMPARE(DocumentOf(editor).cursorOffset, 0x8F00);
}

QTEST_MAIN(ToolsTest)
#include "tools_test.moc"
