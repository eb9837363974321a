// The SNES tools: the address converter dialog (Ctrl+E) in its four mappings and
// both directions, its options, Goto Offset and the state it keeps between uses;
// and the checksum repair (Ctrl+P) with its questions and messages.

#include "frame_fixture.h"
#include "ui/tools/tsnes2hex.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace zarvo;

namespace {

using Kind = PromptRecord::Kind;

// The converter and its controls, found by name as the user knows them.
struct Converter {
    explicit Converter(const FrameFixture& fixture) : form(fixture.frame->findChild<TSnes2Hex*>()) {}

    template <typename Control>
    [[nodiscard]] Control* control(const char* name) const
    {
        auto* found = form->findChild<Control*>(QString::fromLatin1(name));
        if (found == nullptr) qFatal("no control %s", name);
        return found;
    }
    [[nodiscard]] QLineEdit* left() const { return control<QLineEdit>("lorom1"); }
    [[nodiscard]] QLineEdit* right() const { return control<QLineEdit>("lorom2"); }
    [[nodiscard]] QPushButton* convertButton() const { return control<QPushButton>("TextLabel"); }
    [[nodiscard]] QLabel* label() const { return control<QLabel>("ZstText"); }
    void click(const char* name) const { QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton); }
    // Types into a field (which makes it the one converted from) and converts.
    void convert(QLineEdit* field, const QString& text) const
    {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
        QTest::mouseClick(convertButton(), Qt::LeftButton);
    }

    TSnes2Hex* form;
};

// Opens the converter with Ctrl+E and runs work while it is shown; the dialog is
// closed with Escape afterwards.
void WithConverter(FrameFixture& fixture, const std::function<void(const Converter&)>& work)
{
    // The shortcut reaches the frame once it is the active window again.
    fixture.frame->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), fixture.frame.get());
    const Converter converter(fixture);
    bool ran = false;
    QTimer::singleShot(0, converter.form, [&] {
        QVERIFY(converter.form->isVisible());
        QVERIFY(converter.form->isModal());
        work(converter);
        ran = true;
        QTest::keyClick(converter.left(), Qt::Key_Escape);
    });
    QTest::keyClick(fixture.frame.get(), Qt::Key_E, Qt::ControlModifier);
    FrameFixture::settle();
    QVERIFY(ran);
    QVERIFY(!converter.form->isVisible());
}

// An image of 0x20000 zero bytes with a Lo-ROM header at 0x7FC0 holding the stored
// complement and checksum.
QByteArray SnesImage(int complement, int checksum)
{
    QByteArray image(0x20000, '\0');
    image[0x7FDC] = static_cast<char>(complement & 0xFF);
    image[0x7FDD] = static_cast<char>(complement >> 8);
    image[0x7FDE] = static_cast<char>(checksum & 0xFF);
    image[0x7FDF] = static_cast<char>(checksum >> 8);
    return image;
}

QByteArray HeaderBytes(const DocRecord& doc)
{
    return QByteArray(reinterpret_cast<const char*>(doc.data() + 0x7FDC), 4);
}

const QString kFirstQuestion = QStringLiteral("Repair the CheckSum in this ROM?");

}  // namespace

class SnesToolsTest : public QObject {
    Q_OBJECT
private slots:
    void converts_data();
    void converts();
    void mappingsSetCaptionsAndClearFields();
    void stateIsKeptBetweenUses();
    void gotoOffsetMovesTheCursor();
    void checksumRepair_data();
    void checksumRepair();
};

void SnesToolsTest::converts_data()
{
    QTest::addColumn<QString>("mapping");
    QTest::addColumn<bool>("header");
    QTest::addColumn<bool>("bank80");
    QTest::addColumn<bool>("fromRight");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");    // in the other field
    QTest::addColumn<QString>("message");  // instead, when refused

    QTest::newRow("lo-rom header start") << "LoChk" << true << false << false << "200"
                                         << "008000"
                                         << "";
    QTest::newRow("lo-rom inside header") << "LoChk" << true << false << false << "1FF"
                                          << ""
                                          << "Address must be > $200 when header is included.";
    QTest::newRow("lo-rom fast bank past $FF") << "LoChk" << false << true << false << "400000"
                                               << ""
                                               << "Address must give a bank <= $FF";
    QTest::newRow("lo-rom fast back") << "LoChk" << false << true << true << "808000"
                                      << "000000"
                                      << "";
    QTest::newRow("lo-rom header back") << "LoChk" << true << false << true << "018200"
                                        << "008400"
                                        << "";
    QTest::newRow("hi-rom") << "HiChk" << false << false << false << "12345"
                            << "C12345"
                            << "";
    QTest::newRow("hi-rom below $C0") << "HiChk" << false << false << true << "BFFFFF"
                                      << ""
                                      << "Address must be >= $Cxxxxxx";
    QTest::newRow("memory") << "MemChk" << false << false << false << "c13"
                            << "7E0000"
                            << "";
    QTest::newRow("memory back") << "MemChk" << false << false << true << "7E0000"
                                 << "000C13"
                                 << "";
    QTest::newRow("video ram") << "VidChk" << false << false << false << "20000"
                               << "000000"
                               << "";
    QTest::newRow("video ram back") << "VidChk" << false << false << true << "0000"
                                    << "020C13"
                                    << "";
}

void SnesToolsTest::converts()
{
    QFETCH(QString, mapping);
    QFETCH(bool, header);
    QFETCH(bool, bank80);
    QFETCH(bool, fromRight);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    FrameFixture fixture;
    QString source;
    QString target;
    WithConverter(fixture, [&](const Converter& converter) {
        converter.click(mapping.toLatin1().constData());
        if (header) converter.click("hdrbox");
        if (bank80) converter.click("lorombox");
        QLineEdit* from = fromRight ? converter.right() : converter.left();
        QLineEdit* into = fromRight ? converter.left() : converter.right();
        into->setText(QStringLiteral("ABCDEF"));  // a refusal leaves it as it is
        converter.convert(from, typed);
        source = from->text();
        target = into->text();
    });

    QCOMPARE(source, typed.toUpper());
    if (message.isEmpty()) {
        QCOMPARE(target, shown);
        QCOMPARE(fixture.prompter.records.size(), std::size_t{0});
    } else {
        QCOMPARE(target, QStringLiteral("ABCDEF"));
        QCOMPARE(fixture.prompter.texts(), QStringList{message});
        QCOMPARE(fixture.prompter.recordsOf(Kind::Message).size(), std::size_t{1});
    }
}

void SnesToolsTest::mappingsSetCaptionsAndClearFields()
{
    FrameFixture fixture;
    QCOMPARE(Converter(fixture).form->windowTitle(), QStringLiteral("Snes To Hex Convertor"));
    WithConverter(fixture, [](const Converter& converter) {
        QCOMPARE(converter.convertButton()->text(), QStringLiteral("Lo-ROM"));
        QCOMPARE(converter.label()->text(), QStringLiteral("      "));
        struct Expected {
            const char* button;
            const char* caption;
            const char* label;
        };
        const Expected mappings[] = {{"VidChk", "Vram  ", "[$C13]"},
                                     {"HiChk", "Hi-ROM", "[$000]"},
                                     {"MemChk", "Memory", "[$C13]"},
                                     {"LoChk", "Lo-ROM", "[$000]"}};
        for (const Expected& expected : mappings) {
            converter.left()->setText(QStringLiteral("123"));
            converter.right()->setText(QStringLiteral("456"));
            // A click in the right field makes it the source; a new mapping makes it the left again.
            QTest::mouseClick(converter.right(), Qt::LeftButton);
            converter.click(expected.button);
            QCOMPARE(converter.convertButton()->text(), QString::fromLatin1(expected.caption));
            QCOMPARE(converter.label()->text(), QString::fromLatin1(expected.label));
            QVERIFY(converter.left()->text().isEmpty());
            QVERIFY(converter.right()->text().isEmpty());
            QCOMPARE(converter.form->state().direction, ConvertDirection::ToSnes);
        }
        // The fields take six characters.
        QTest::keyClicks(converter.left(), QStringLiteral("1234567"));
        QCOMPARE(converter.left()->text(), QStringLiteral("123456"));
    });
}

void SnesToolsTest::stateIsKeptBetweenUses()
{
    FrameFixture fixture;
    WithConverter(fixture, [](const Converter& converter) {
        converter.click("HiChk");
        converter.click("hdrbox");
        converter.convert(converter.right(), QStringLiteral("C00000"));
        QCOMPARE(converter.left()->text(), QStringLiteral("000200"));
    });
    WithConverter(fixture, [](const Converter& converter) {
        QVERIFY(converter.control<QRadioButton>("HiChk")->isChecked());
        QVERIFY(converter.control<QCheckBox>("hdrbox")->isChecked());
        QVERIFY(!converter.control<QCheckBox>("lorombox")->isChecked());
        QCOMPARE(converter.convertButton()->text(), QStringLiteral("Hi-ROM"));
        QCOMPARE(converter.left()->text(), QStringLiteral("000200"));
        QCOMPARE(converter.right()->text(), QStringLiteral("C00000"));
        // Still converting from the right field.
        converter.right()->setText(QStringLiteral("C00010"));
        QTest::mouseClick(converter.convertButton(), Qt::LeftButton);
        QCOMPARE(converter.left()->text(), QStringLiteral("000210"));
        // Unchecking takes the header off again.
        converter.click("hdrbox");
        QTest::mouseClick(converter.convertButton(), Qt::LeftButton);
        QCOMPARE(converter.left()->text(), QStringLiteral("000010"));
    });
    QCOMPARE(fixture.prompter.records.size(), std::size_t{0});
}

void SnesToolsTest::gotoOffsetMovesTheCursor()
{
    FrameFixture fixture;
    // Without an editor window Goto Offset does nothing.
    WithConverter(fixture, [](const Converter& converter) {
        converter.left()->setText(QStringLiteral("1234"));
        converter.click("Button1");
    });

    TMDIChild* editor = fixture.open(fixture.writeFile(QStringLiteral("rom.smc"), PatternBytes(0x20000)));
    QVERIFY(editor != nullptr);
    const DocRecord& doc = editor->document();
    const ViewState& view = fixture.session.view;
    struct Case {
        const char* typed;
        int cursor;
    };
    const Case cases[] = {
        {"1234", 0x1234},
        {"12345", 0x12345},
        {"FFFFFF", 0x20000 - view.pageBytes},  // past the end: one page back from it
        {"1FFFF", 0x1FFFF},                    // the last page: the cursor still lands on the byte
        {"0", 0},
    };
    for (const Case& item : cases) {
        WithConverter(fixture, [&](const Converter& converter) {
            converter.left()->setText(QString::fromLatin1(item.typed));
            converter.click("Button1");
            QVERIFY(converter.form->isVisible());
        });
        QCOMPARE(doc.cursorOffset, item.cursor);
        // The cursor's byte is on the page the window shows.
        QVERIFY(doc.topOffset <= item.cursor && item.cursor < doc.topOffset + view.pageBytes);
        QCOMPARE(editor->scrollBar()->value(), doc.topOffset);
    }
    QCOMPARE(fixture.prompter.recordsOf(Kind::Message).size(), std::size_t{0});
}

void SnesToolsTest::checksumRepair_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QByteArray>("header");  // complement and checksum afterwards, little-endian
    QTest::addColumn<bool>("modified");

    // Only the stored pair is not zero, so the image sums to 34+12+CB+ED = 0x1FE.
    const QByteArray wrong = SnesImage(0xEDCB, 0x1234);
    const QByteArray stored("\xCB\xED\x34\x12", 4);
    const QByteArray repaired("\x01\xFE\xFE\x01", 4);
    const QString question = QStringLiteral(
        " ROM CheckSum  : 1234\n ROM Compliment: EDCB\n\n NEW CheckSum  : 01FE\n NEW Compliment: FE01\n\n Repair "
        "CheckSum?");
    QTest::newRow("repaired") << wrong << QList<bool>{true, true}
                              << QStringList{kFirstQuestion, question,
                                             QStringLiteral("Checksum has been repaired!\n Don't forget to Save "
                                                            "the ROM.")}
                              << repaired << true;
    QTest::newRow("second question declined")
        << wrong << QList<bool>{true, false}
        << QStringList{kFirstQuestion, question, QStringLiteral("No checksum repair performed.")} << stored << false;
    QTest::newRow("first question declined")
        << wrong << QList<bool>{false} << QStringList{kFirstQuestion} << stored << false;
    // A complement pair always sums to 0x1FE, so this image holds its own checksum.
    QTest::newRow("already right") << SnesImage(0xFE01, 0x01FE) << QList<bool>{true}
                                   << QStringList{kFirstQuestion, QStringLiteral("No checksum repair needed.")}
                                   << repaired << false;
    QTest::newRow("no header") << SnesImage(0, 0) << QList<bool>{true}
                               << QStringList{kFirstQuestion, QStringLiteral("Could not locate CHECKSUM!")}
                               << QByteArray(4, '\0') << false;
}

void SnesToolsTest::checksumRepair()
{
    QFETCH(QByteArray, image);
    QFETCH(QList<bool>, answers);
    QFETCH(QStringList, texts);
    QFETCH(QByteArray, header);
    QFETCH(bool, modified);
    FrameFixture fixture;
    TMDIChild* editor = fixture.open(fixture.writeFile(QStringLiteral("game.smc"), image));
    QVERIFY(editor != nullptr);
    fixture.prompter.clear();
    for (const bool answer : answers) fixture.prompter.answers.push_back(answer);
    QTest::keyClick(fixture.frame.get(), Qt::Key_P, Qt::ControlModifier);
    FrameFixture::settle();

    QCOMPARE(fixture.prompter.texts(), texts);
    const std::vector<PromptRecord> questions = fixture.prompter.recordsOf(Kind::Question);
    QCOMPARE(questions.size(), std::size_t(answers.size()));
    QCOMPARE(questions[0].caption, QStringLiteral("CheckSum Repair..."));
    QCOMPARE(questions[0].icon, MessageIcon::None);
    if (questions.size() > 1) {
        QCOMPARE(questions[1].caption, QStringLiteral("Repair CheckSum"));
        QCOMPARE(questions[1].icon, MessageIcon::None);
    }
    QCOMPARE(fixture.prompter.records.size(), std::size_t(texts.size()));  // the rest are plain messages
    QCOMPARE(fixture.prompter.unexpected, 0);
    const DocRecord& doc = editor->document();
    QCOMPARE(HeaderBytes(doc), header);
    QCOMPARE(doc.modified, modified);
    QCOMPARE(fixture.readFile(QStringLiteral("game.smc")), image);
}

QTEST_MAIN(SnesToolsTest)
#include "snes_tools_test.moc"
