// The settings: the dialog TColForm, the view font, and the settings file read at
// start-up and written at every exit.

#include "core/messages.h"
#include "frame_fixture.h"
#include "ui/editor/view_context.h"
#include "ui/settings/tcol_form.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace zarvo;
using namespace zarvo::window_test;

namespace {

const QString kUpdated = QString::fromUtf8(messages::kConfigFileUpdated);
const QString kCannotSave = QString::fromUtf8(messages::kCannotSaveSettings);

// The program started again in the working directory of now.
struct Restart {
    Restart() : frame(std::make_unique<TZarvoForm>(session, prompter)) {}

    Session session;
    ScriptedPrompter prompter;
    std::unique_ptr<TZarvoForm> frame;
};

bool Blinking(const TZarvoForm& frame) { return frame.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive(); }

// Runs the modal settings dialog, doing `work` on it while it is shown.
void WithSettingsDialog(FrameFixture& fixture, const std::function<void(TColForm&)>& work)
{
    // The frame takes the keys again after a dialog (the offscreen platform leaves
    // the hidden dialog active).
    QApplication::setActiveWindow(fixture.frame.get());
    TColForm& dialog = *fixture.frame->colForm();
    bool ran = false;
    QTimer::singleShot(0, &dialog, [&] {
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.isModal());
        work(dialog);
        ran = true;
    });
    QTest::keyClick(fixture.frame.get(), Qt::Key_I, Qt::ControlModifier);
    FrameFixture::settle();
    QVERIFY(ran);
    QVERIFY(!dialog.isVisible());
}

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void dialogBoxesChangeTheView();
    void settingsSurviveRestart();
    void settingsFileRead_data();
    void settingsFileRead();
    void updateConfigFileItem();
    void unwritableSettingsFileStillCloses();
    void setFontChangesRowsAndKanaFont();
};

void SettingsTest::dialogBoxesChangeTheView()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNew(QStringLiteral("rom.bin"), PatternBytes(4096));
    const auto hexSpaces = [&] {
        int spaces = 0;
        for (const ViewCell& cell : editor->LayOutPageRow(0).cells)
            spaces += cell.kind == CellKind::Hex && cell.trailingBlank > 0;
        return spaces;
    };
    QCOMPARE(hexSpaces(), fixture.session.view.bytesPerRow);
    QVERIFY(Blinking(*fixture.frame));

    WithSettingsDialog(fixture, [&](TColForm& dialog) {
        QCOMPARE(
            (QStringList{dialog.spacedHex()->text(), dialog.spacedHex()->toolTip(), dialog.fixedRow()->text(),
                         dialog.fixedRow()->toolTip(), dialog.blinkBox()->text()}),
            (QStringList{"Spaced HEX Dump", "Add a space between HEX bytes", "Auto Size Hex Data [ Bytes per row ]",
                         "If checked, Window resize does not affect Hex dump", "Enable Blinking Cursor"}));
        QTest::mouseClick(dialog.spacedHex(), Qt::LeftButton);
        QTest::mouseClick(dialog.blinkBox(), Qt::LeftButton);
        // The settings follow the boxes at once, the timer too.
        QVERIFY(!fixture.session.settings.spacedHex);
        QVERIFY(!fixture.session.settings.blinkCursor);
        QVERIFY(!Blinking(*fixture.frame));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    });
    QCOMPARE(hexSpaces(), 0);

    // Escape closes the dialog too, keeping what was changed.
    WithSettingsDialog(fixture, [&](TColForm& dialog) {
        QTest::mouseClick(dialog.blinkBox(), Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QVERIFY(fixture.session.settings.blinkCursor);
    QVERIFY(Blinking(*fixture.frame));
    QVERIFY(!fixture.session.settings.spacedHex);
}

void SettingsTest::settingsSurviveRestart()
{
    FrameFixture fixture;
    TColForm& dialog = *fixture.frame->colForm();
    dialog.blinkBox()->setChecked(false);
    dialog.fixedRow()->setChecked(false);
    const QFont chosen(QStringLiteral("DejaVu Serif"), 15);
    fixture.prompter.fonts.push_back(chosen);
    fixture.trigger("SetFont1");

    QVERIFY(fixture.frame->close());
    QCOMPARE(fixture.prompter.texts(), QStringList());  // nothing told at exit
    QCOMPARE(fixture.readFile(QStringLiteral("zv32ex.ini")),
             QByteArray("CursorType 0\nRowType    0\nSpacedHex  1\nFontSize   15\nFontName   DejaVu_Serif\n"));

    Restart again;
    TColForm& read = *again.frame->colForm();
    QVERIFY(!read.blinkBox()->isChecked());
    QVERIFY(!read.fixedRow()->isChecked());
    QVERIFY(read.spacedHex()->isChecked());
    QVERIFY(!again.session.settings.blinkCursor);
    QVERIFY(!again.session.settings.autoSizeRows);
    QVERIFY(again.session.settings.spacedHex);
    QVERIFY(!Blinking(*again.frame));
    const QFont& font = again.frame->viewContext().viewFont;
    QCOMPARE(font.family(), chosen.family());
    QCOMPARE(font.pointSize(), 15);
    // The rows are as high as the font read, not the one the program started with.
    QCOMPARE(again.session.view.rowHeight, fixture.session.view.rowHeight);
}

void SettingsTest::settingsFileRead_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("blink");
    QTest::addColumn<bool>("rows");
    QTest::addColumn<bool>("spaced");
    QTest::addColumn<QString>("face");  // empty: the starting font stays
    QTest::addColumn<int>("pointSize");
    QTest::newRow("two lines only") << QByteArray("CursorType 0\nRowType    0\n") << false << false << true << QString()
                                    << 0;
    QTest::newRow("face with a blank")
        << QByteArray("CursorType 1\nRowType    1\nSpacedHex  0\nFontSize   20\nFontName   Courier_New\n") << true
        << true << false << QStringLiteral("Courier New") << 20;
}

void SettingsTest::settingsFileRead()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, blink);
    QFETCH(bool, rows);
    QFETCH(bool, spaced);
    QFETCH(QString, face);
    QFETCH(int, pointSize);
    FrameFixture fixture;
    fixture.writeFile(QStringLiteral("zv32ex.ini"), content);

    Restart program;
    const TColForm& dialog = *program.frame->colForm();
    QCOMPARE(dialog.blinkBox()->isChecked(), blink);
    QCOMPARE(dialog.fixedRow()->isChecked(), rows);
    QCOMPARE(dialog.spacedHex()->isChecked(), spaced);
    QCOMPARE(program.session.settings.blinkCursor, blink);
    QCOMPARE(program.session.settings.autoSizeRows, rows);
    QCOMPARE(program.session.settings.spacedHex, spaced);
    QCOMPARE(Blinking(*program.frame), blink);
    const ViewContext& context = program.frame->viewContext();
    if (face.isEmpty()) {
        QCOMPARE(context.viewFont, DefaultViewFont());
        QCOMPARE(program.session.view.rowHeight, fixture.session.view.rowHeight);
    } else {
        QCOMPARE(context.viewFont.family(), face);
        QCOMPARE(context.viewFont.pointSize(), pointSize);
        QVERIFY(program.session.view.rowHeight > fixture.session.view.rowHeight);
    }
    QVERIFY(program.session.view.rowHeight >= QFontMetrics(context.viewFont).height());
}

void SettingsTest::updateConfigFileItem()
{
    FrameFixture fixture;
    QAction* update = fixture.action("UpdateConfigurationFile1");
    QVERIFY(!update->isVisible());
    fixture.frame->colForm()->spacedHex()->setChecked(false);

    fixture.trigger("UpdateConfigurationFile1");
    QCOMPARE(fixture.prompter.log(), QStringList{kUpdated});
    const QByteArray written = fixture.readFile(QStringLiteral("zv32ex.ini"));
    QVERIFY(written.startsWith("CursorType 1\nRowType    1\nSpacedHex  0\nFontSize   "));

    // At exit the file is written again without a word.
    fixture.frame->colForm()->spacedHex()->setChecked(true);
    QVERIFY(fixture.frame->close());
    QCOMPARE(fixture.prompter.log(), QStringList{kUpdated});
    QVERIFY(fixture.readFile(QStringLiteral("zv32ex.ini")).contains("SpacedHex  1\n"));
}

void SettingsTest::unwritableSettingsFileStillCloses()
{
    FrameFixture fixture;
    fixture.openNew(QStringLiteral("rom.bin"), PatternBytes(64));
    fixture.session.settingsPath = fixture.path(QStringLiteral("missing/zv32ex.ini")).toStdString();

    fixture.trigger("UpdateConfigurationFile1");
    QCOMPARE(fixture.prompter.texts(), QStringList{kCannotSave});
    QVERIFY(fixture.frame->close());
    QVERIFY(!fixture.frame->isVisible());
    QCOMPARE(fixture.prompter.texts(), (QStringList{kCannotSave, kCannotSave}));
    QVERIFY(!QFile::exists(fixture.path(QStringLiteral("missing"))));
}

void SettingsTest::setFontChangesRowsAndKanaFont()
{
    FrameFixture fixture;
    ViewContext& context = fixture.frame->viewContext();
    const int kanaSize = context.kanaFont.pointSize();
    const int rowHeight = fixture.session.view.rowHeight;

    // Cancelled: nothing changes.
    fixture.trigger("SetFont1");
    QCOMPARE(context.viewFont, DefaultViewFont());
    // It starts at the face the view shows, in the style it is drawn with, so that
    // choosing only a size keeps it upright.
    const QFontInfo shown(DefaultViewFont());
    QCOMPARE(fixture.prompter.log(),
             QStringList{QStringLiteral("font(%1, %2)").arg(shown.family(), shown.styleName())});
    QVERIFY(!shown.italic());

    // Without an editor window the kana font stays.
    fixture.prompter.fonts.push_back(QFont(QStringLiteral("DejaVu Sans Mono"), 20));
    fixture.trigger("SetFont1");
    QCOMPARE(context.viewFont.pointSize(), 20);
    QVERIFY(fixture.session.view.rowHeight > rowHeight);
    QCOMPARE(context.kanaFont.pointSize(), kanaSize);

    TMDIChild* editor = fixture.openNew(QStringLiteral("rom.bin"), PatternBytes(4096));
    fixture.prompter.fonts.push_back(QFont(QStringLiteral("DejaVu Sans Mono"), 16));
    fixture.trigger("SetFont1");
    QCOMPARE(context.kanaFont.pointSize(), 16);
    QCOMPARE(context.measure.font(false).pointSize(), 16);

    // Fonts far too large or small still give a page of whole rows to draw.
    for (const int size : {1, 250}) {
        fixture.prompter.fonts.push_back(QFont(QStringLiteral("DejaVu Sans Mono"), size));
        fixture.trigger("SetFont1");
        const QImage image = editor->grab().toImage();
        QVERIFY(!image.isNull());
        QVERIFY(fixture.session.view.rowHeight >= QFontMetrics(context.viewFont).height());
        QCOMPARE(editor->blinkRect().height(), fixture.session.view.rowHeight);
    }
    QCOMPARE(fixture.prompter.unexpected, 1);  // the cancelled dialog
}

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
