// What the frame and its editor windows show: status bar, offset forms, Unicode view,
// the blink cell, menu states, the window menu and the about box; and the
// settings: the dialog TColForm, the view font, and the settings file read at
// start-up and written at every exit.

#include "core/messages.h"
#include "frame_fixture.h"
#include "ui/common/background_task.h"
#include "ui/editor/view_context.h"
#include "ui/frame/about_box.h"
#include "ui/settings/tcol_form.h"
#include "view/cursor_geometry.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProgressDialog>
#include <QSet>
#include <QStatusTipEvent>

#include <chrono>
#include <thread>

using namespace zarvo;
using namespace zarvo::window_test;

namespace {

// The colours found inside a rectangle of an image.
QSet<QRgb> ColoursIn(const QImage& image, const QRect& rect)
{
    QSet<QRgb> colours;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) colours.insert(image.pixel(x, y) & 0xFFFFFF);
    }
    return colours;
}

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

// Runs the modal settings dialog (Ctrl+I), doing `work` on it while it is shown.
void WithSettingsDialog(FrameFixture& fixture, const std::function<void(TColForm&)>& work)
{
    TColForm& dialog = *fixture.frame->colForm();
    QVERIFY(!fixture.whilePressed(&dialog, Qt::ControlModifier | Qt::Key_I, [&] {
        QVERIFY(dialog.isModal());
        work(dialog);
    }));
}

// A blink timer tick, and the paints it causes.
void Tick(FrameFixture& fixture)
{
    QMetaObject::invokeMethod(fixture.frame.get(), "Timer1Timer");
    FrameFixture::settle();
}

}  // namespace

class FrameTest : public QObject {
    Q_OBJECT
private slots:
    void offsetModes();
    void unicodeViewFollowsActiveDocument();
    void cursorCellAndRowAreOnGrey();
    void showLineRepaintsThoseRowsAlone();
    void blinkRepaintsTheCursorCellAlone();
    void fullPaintOrBlinkOffShowsTheCursor_data();
    void fullPaintOrBlinkOffShowsTheCursor();
    void menuItemsNeedAnEditorWindow();
    void statusPanelsShowTheCursorByte();
    void fullPaintKeepsThePageInsideTheDocument();
    void menuHintGoesToTheSixthPanel();
    void windowsOpenInsideTheWorkspaceAndTheWindowMenu();
    void windowMenuListsTheWindowsActiveChecked();
    void longWorkShowsProgressAndKeepsPainting_data();
    void longWorkShowsProgressAndKeepsPainting();
    void aboutBoxClosesOnEscapeOnly();
    void dialogBoxesChangeTheView();
    void settingsSurviveRestart();
    void unwritableSettingsFileStillCloses();
    void setFontChangesRowsAndKanaFont();
};

void FrameTest::offsetModes()
{
    FrameFixture fixture;
    TMDIChild* first = fixture.openNew(QStringLiteral("a.bin"), PatternBytes(0x130000));
    TMDIChild* second = fixture.openNew(QStringLiteral("b.bin"), PatternBytes(0x130000));
    fixture.session.view.bytesPerRow = 16;
    const struct {
        const char* item;
        int32_t top;
        const char* shown;
    } modes[] = {{"LoROM1", 0x8000, "00018000"},
                 {"LoROM2", 0x8000, "00818000"},
                 {"HiROM1", 0x123450, "00D23450"},
                 {"SnesMem1", 0x1FFF0, "007FFFF0"},
                 {"Standard", 0x8000, "00008000"}};
    for (const auto& mode : modes) {
        for (TMDIChild* editor : {first, second}) editor->document().topOffset = mode.top;
        fixture.trigger(mode.item);
        // Every window shows the new form, and exactly one item is checked.
        QCOMPARE(RowOffsetText(*first, 0) + RowOffsetText(*second, 0), QString::fromLatin1(mode.shown).repeated(2));
        for (const auto& other : modes) QCOMPARE(fixture.action(other.item)->isChecked(), other.item == mode.item);
    }
}

void FrameTest::unicodeViewFollowsActiveDocument()
{
    FrameFixture fixture;
    // "ア" in Shift-JIS is 83 41; as one table entry it decodes to one character.
    fixture.writeFile(QStringLiteral("jp.tbl"), "10=\x83\x41\n");
    TMDIChild* japanese = fixture.openNew(QStringLiteral("jp.bin"), QByteArray(16, '\x10'));
    TMDIChild* plain = fixture.openNew(QStringLiteral("plain.bin"), QByteArray(16, '\x10'));
    fixture.activate(japanese);
    QVERIFY(!fixture.action("ViewKana")->isChecked());

    fixture.trigger("ViewKana");
    QVERIFY(japanese->document().unicodeView);
    QVERIFY(!plain->document().unicodeView);
    bool sawUnicodeText = false;
    for (const ViewCell& cell : Cells(*japanese, 0, CellKind::Text)) {
        if (cell.text == "\x83\x41") {
            sawUnicodeText = cell.unicode;
            QCOMPARE(fixture.frame->viewContext().measure.displayText(cell.text, true), QStringLiteral("ア"));
        }
    }
    QVERIFY(sawUnicodeText);

    fixture.activate(plain);
    QVERIFY(!fixture.action("ViewKana")->isChecked());
    fixture.activate(japanese);
    QVERIFY(fixture.action("ViewKana")->isChecked());
}

void FrameTest::cursorCellAndRowAreOnGrey()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNew(QStringLiteral("rom.bin"), PatternBytes(4096));
    fixture.placeCursor(*editor, 0x25);
    const QImage image = editor->grab().toImage();
    const QRect cursorCell = editor->blinkRect();
    QVERIFY(cursorCell.width() > 0);
    QCOMPARE(image.pixelColor(cursorCell.topLeft() + QPoint(1, 1)), QColor(0x80, 0x80, 0x80));
    // The cell after it is an ordinary one on black.
    QCOMPARE(image.pixelColor(cursorCell.topRight() + QPoint(2, 1)), QColor(Qt::black));
    // The offset column of the cursor's row is on grey too, the rows above are not.
    const int rowHeight = fixture.frame->viewContext().rowHeight();
    QCOMPARE(image.pixelColor(kViewLeftMargin + 1, cursorCell.top() + 1), QColor(0x80, 0x80, 0x80));
    QCOMPARE(image.pixelColor(kViewLeftMargin + 1, cursorCell.top() - rowHeight + 1), QColor(Qt::black));
}

void FrameTest::showLineRepaintsThoseRowsAlone()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNew(QStringLiteral("rom.bin"), PatternBytes(4096));
    fixture.placeCursor(*editor, 0);
    const QString before = fixture.frame->statusPanels()->panelText(0);
    editor->document().data()[0] = 0xFF;  // the status bar is the caller's to refresh
    const PaintSpy rows(editor);
    editor->ShowLine(1, 3);
    FrameFixture::settle();
    QCOMPARE(rows.painted(), QRegion(editor->rowRect(1)) + QRegion(editor->rowRect(3)));
    QCOMPARE(fixture.frame->statusPanels()->panelText(0), before);
}

void FrameTest::blinkRepaintsTheCursorCellAlone()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNew(QStringLiteral("rom.bin"), PatternBytes(4096));
    // At eight bytes a row the cursor sits on an odd column.
    fixture.session.view.bytesPerRow = 8;
    fixture.placeCursor(*editor, 0x13);
    const BlinkCell& blink = fixture.frame->viewContext().blink;
    QVERIFY(blink.phase);
    QCOMPARE(blink.text, std::string("13"));
    const QRect cell = editor->blinkRect();
    PaintSpy spy(editor);
    QImage rendered(editor->size(), QImage::Format_RGB32);
    const auto cellColours = [&] {
        rendered.fill(Qt::red);
        editor->render(&rendered, cell.topLeft(), QRegion(cell));
        return ColoursIn(rendered, QRect(cell.topLeft(), cell.size()));
    };
    Tick(fixture);
    QVERIFY(!blink.phase);
    QCOMPARE(spy.regions, std::vector<QRegion>{QRegion(cell)});
    // There the hidden hex cell is teal text on black.
    const QSet<QRgb> hidden = cellColours();
    QVERIFY(hidden.contains(0x000000) && hidden.contains(0x008080) && !hidden.contains(0x808080));
    spy.regions.clear();
    Tick(fixture);
    QVERIFY(blink.phase);
    QCOMPARE(spy.regions, std::vector<QRegion>{QRegion(cell)});
    const QSet<QRgb> shown = cellColours();
    QVERIFY(shown.contains(0x808080) && !shown.contains(0x000000) && shown.contains(QRgb(0xFFFFFF)));
}

void FrameTest::fullPaintOrBlinkOffShowsTheCursor_data()
{
    QTest::addColumn<bool>("blinkOff");
    QTest::newRow("full paint") << false;
    QTest::newRow("blink switched off") << true;
}

void FrameTest::fullPaintOrBlinkOffShowsTheCursor()
{
    QFETCH(bool, blinkOff);
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNew(QStringLiteral("rom.bin"), PatternBytes(4096));
    fixture.placeCursor(*editor, 0x13);
    const BlinkCell& blink = fixture.frame->viewContext().blink;
    const PaintSpy spy(editor);
    if (blinkOff) {
        // Switched off, the timer leaves the cursor shown and paints nothing.
        fixture.session.settings.blinkCursor = false;
        Tick(fixture);
        QVERIFY(spy.regions.empty());
    } else {
        Tick(fixture);
        QVERIFY(!blink.phase);
        editor->FormPaint();
        FrameFixture::settle();
    }
    QVERIFY(blink.phase);
}

void FrameTest::menuItemsNeedAnEditorWindow()
{
    // Cascade and the two tilings are hidden items: Qt reports hidden items as disabled.
    const char* const editorItems[] = {
        "SaveFile1",          "SaveFileAs", "OpenTableFile1", "Swap1",  "ViewKana",  "RestoreAll1", "WindowArrangeItem",
        "WindowMinimizeItem", "CloseAll1",  "IPSMake1",       "Patch1", "Checksum1", "ExpandROM1"};
    // The converter and the compare window need no document.
    const char* const alwaysItems[] = {"Open1",       "Exit1", "Standard",   "ViewStatusBar1",
                                       "HelpTopics1", "About", "SnesToHex1", "CompFiles"};
    FrameFixture fixture;
    for (const char* name : editorItems) QVERIFY2(!fixture.action(name)->isEnabled(), name);
    for (const char* name : alwaysItems) QVERIFY2(fixture.action(name)->isEnabled(), name);
    fixture.writeFile(QStringLiteral("rom.tbl"), "41=A\n");
    TMDIChild* editor = fixture.openNew(QStringLiteral("rom.bin"), PatternBytes(1024));
    for (const char* name : editorItems) QVERIFY2(fixture.action(name)->isEnabled(), name);
    QCOMPARE(fixture.action("tblv1")->text(), QStringLiteral("rom.tbl"));

    editor->parentWidget()->close();
    FrameFixture::settle();
    for (const char* name : editorItems) QVERIFY2(!fixture.action(name)->isEnabled(), name);
    QCOMPARE(fixture.action("tblv1")->text(), QStringLiteral("..."));
    for (const char* name : {"WindowCascadeItem", "TileVertical1", "TileHorizontal1"}) {
        QVERIFY2(!fixture.action(name)->isVisible(), name);
    }
}

void FrameTest::statusPanelsShowTheCursorByte()
{
    FrameFixture fixture;
    QCOMPARE(fixture.statusTexts(), (QStringList{"Decimal: 000", "Hexdecimal: 00", "Binary: 00000000",
                                                 "Decimal Offset: 0000000000", "Hexdecimal Offset: 00000000"}));
    QByteArray bytes = PatternBytes(1024);
    bytes[300] = 0x41;
    TMDIChild* editor = fixture.openNew(QStringLiteral("rom.bin"), bytes);
    const auto panelWidths = [&fixture] {
        QList<int> widths;
        for (const QLabel* panel : fixture.frame->statusPanels()->findChildren<QLabel*>()) widths << panel->width();
        return widths;
    };
    const QList<int> widths = panelWidths();
    fixture.placeCursor(*editor, 300);
    QCOMPARE(editor->document().cursorOffset, 300);
    QCOMPARE(fixture.statusTexts(), (QStringList{"Decimal: 65", "Hexdecimal: 41", "Binary: 01000001",
                                                 "Decimal Offset: 300", "Hexdecimal Ofset: 0000012C"}));
    // The panels keep their places whatever the numbers are.
    QCOMPARE(panelWidths(), widths);
    editor->parentWidget()->close();
    FrameFixture::settle();
    // No window is left for the value panels to describe.
    QCOMPARE(fixture.statusTexts(), (QStringList{"", "", "", "", ""}));
}

void FrameTest::fullPaintKeepsThePageInsideTheDocument()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNew(QStringLiteral("rom.bin"), PatternBytes(1024));
    // The document is 65535 bytes at least; the cursor's offset comes from the page.
    DocRecord& doc = editor->document();
    doc.topOffset = 0x7FFFFF00;
    editor->FormPaint();
    FrameFixture::settle();
    QCOMPARE(doc.topOffset, 65535 - fixture.session.view.pageBytes);
    QCOMPARE(doc.cursorOffset,
             doc.topOffset + int(doc.cursorRow) * fixture.session.view.bytesPerRow + doc.cursorColumn);
}

void FrameTest::menuHintGoesToTheSixthPanel()
{
    FrameFixture fixture;
    QAction* open = fixture.action("Open1");
    QVERIFY(!open->statusTip().isEmpty());
    open->showStatusText(fixture.frame->menuBar());
    QCOMPARE(fixture.frame->statusPanels()->panelText(5), open->statusTip());
    // The value panels stay in view meanwhile.
    const auto panels = fixture.frame->statusPanels()->findChildren<QLabel*>();
    QCOMPARE(panels.size(), 6);
    for (const QLabel* panel : panels) QVERIFY(panel->isVisible());
}

void FrameTest::windowsOpenInsideTheWorkspaceAndTheWindowMenu()
{
    FrameFixture fixture;
    const QRect workspace = fixture.frame->mdiArea()->viewport()->rect();
    for (int count = 0; count < 12; ++count) {
        QVERIFY(fixture.openNew(QStringLiteral("%1.bin").arg(count), PatternBytes(64)) != nullptr);
        const QMdiSubWindow* newest = fixture.frame->mdiArea()->subWindowList().last();
        QVERIFY2(workspace.contains(newest->geometry()), qPrintable(QString::number(count)));
    }

    const QList<QMdiSubWindow*> windows = fixture.frame->mdiArea()->subWindowList();
    fixture.trigger("WindowMinimizeItem");
    for (const QMdiSubWindow* window : windows) QVERIFY(window->isMinimized());
    fixture.trigger("WindowArrangeItem");
    QCOMPARE(windows[0]->geometry().bottom() + 1, workspace.height());
    QCOMPARE(windows[1]->geometry().bottom() + 1, workspace.height());
    QVERIFY(!windows[0]->geometry().intersects(windows[1]->geometry()));

    fixture.trigger("RestoreAll1");
    for (const QMdiSubWindow* window : windows) QVERIFY(!window->isMinimized());
    fixture.trigger("TileVertical1");
    QCOMPARE(windows[0]->geometry().top(), 0);
    QCOMPARE(windows[1]->geometry().top(), 0);
    QVERIFY(!windows[0]->geometry().intersects(windows[1]->geometry()));
}

void FrameTest::windowMenuListsTheWindowsActiveChecked()
{
    FrameFixture fixture;
    TMDIChild* first = fixture.openNew(QStringLiteral("a&b.bin"), PatternBytes(16));
    fixture.openNew(QStringLiteral("c.bin"), PatternBytes(16))->document().modified = true;
    fixture.openNew(QStringLiteral("d.bin"), PatternBytes(16));
    auto* menu = fixture.frame->findChild<QMenu*>(QStringLiteral("Window1"));
    const auto listed = [menu] {
        QMetaObject::invokeMethod(menu, &QMenu::aboutToShow);
        QStringList items;
        for (const QAction* item : menu->actions()) {
            if (item->isVisible() && !item->isSeparator()) items << item->text() + (item->isChecked() ? " [x]" : "");
        }
        return items;
    };
    fixture.frame->editorWindows()[1]->FormPaint();  // the caption takes the modified mark
    const QStringList fixed{"&Arrange Icons", "&Minimize All", "&Restore All", "&Close All"};
    QCOMPARE(listed(), fixed + QStringList({"&1 a&&b.bin", "&2 c.bin*", "&3 d.bin [x]"}));
    fixture.action("WindowList1")->trigger();
    FrameFixture::settle();
    QCOMPARE(fixture.frame->activeEditor(), first);
    QCOMPARE(listed(), fixed + QStringList({"&1 a&&b.bin [x]", "&2 c.bin*", "&3 d.bin"}));
    fixture.trigger("CloseAll1");
    QCOMPARE(listed(), fixed);
}

void FrameTest::longWorkShowsProgressAndKeepsPainting_data()
{
    QTest::addColumn<int>("milliseconds");
    QTest::addColumn<bool>("shown");
    QTest::newRow("quick") << 0 << false;
    QTest::newRow("long") << kProgressShownAfterMilliseconds + 400 << true;
}

void FrameTest::longWorkShowsProgressAndKeepsPainting()
{
    QFETCH(int, milliseconds);
    QFETCH(bool, shown);
    FrameFixture fixture;
    int ticks = 0;
    bool progressSeen = false;
    QTimer clock;
    QObject::connect(&clock, &QTimer::timeout, [&] {
        ++ticks;
        const auto* window = fixture.frame->findChild<QProgressDialog*>(QStringLiteral("TaskProgress"));
        if (window != nullptr && window->isVisible() && window->value() > 0) progressSeen = true;
    });
    clock.start(20);
    RunWithProgress(fixture.frame.get(), QStringLiteral("Working"), [&](TaskProgress& progress) {
        progress.report(1, 2);
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    });
    QCOMPARE(progressSeen, shown);
    QVERIFY(ticks >= milliseconds / 40);  // the timers ran all along
    QVERIFY(fixture.frame->findChild<QProgressDialog*>(QStringLiteral("TaskProgress")) == nullptr);
}

void FrameTest::aboutBoxClosesOnEscapeOnly()
{
    TAboutBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_A, Qt::Key_F4}) {
        QTest::keyClick(&box, key);
        QVERIFY(box.isVisible());
    }
    QTest::keyClick(&box, Qt::Key_Escape);
    QVERIFY(!box.isVisible());
}

void FrameTest::dialogBoxesChangeTheView()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNew(QStringLiteral("rom.bin"), PatternBytes(4096));
    const auto hexSpaces = [&] {
        int spaces = 0;
        for (const ViewCell& cell : Cells(*editor, 0, CellKind::Hex)) spaces += cell.trailingBlank > 0;
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

void FrameTest::settingsSurviveRestart()
{
    FrameFixture fixture;
    TColForm& dialog = *fixture.frame->colForm();
    dialog.blinkBox()->setChecked(false);
    dialog.fixedRow()->setChecked(false);
    dialog.spacedHex()->setChecked(false);
    // The hidden item writes the file at once and says so.
    QVERIFY(!fixture.action("UpdateConfigurationFile1")->isVisible());
    fixture.trigger("UpdateConfigurationFile1");
    QCOMPARE(fixture.prompter.log(), QStringList{kUpdated});
    QVERIFY(fixture.readFile(QStringLiteral("zv32ex.ini")).startsWith("CursorType 0\nRowType    0\nSpacedHex  0\n"));
    dialog.spacedHex()->setChecked(true);
    const QFont chosen(QStringLiteral("DejaVu Serif"), 15);
    fixture.prompter.fonts.push_back(chosen);
    fixture.trigger("SetFont1");

    // At exit the file is written again without a word.
    QVERIFY(fixture.frame->close());
    QCOMPARE(fixture.prompter.texts(), QStringList{kUpdated});
    // The five lines first; the script commands' lines follow them.
    QVERIFY(fixture.readFile(QStringLiteral("zv32ex.ini"))
                .startsWith("CursorType 0\nRowType    0\nSpacedHex  1\nFontSize   15\nFontName   DejaVu_Serif\n"));

    Restart again;
    // Blink and automatic rows off, spaced hexadecimal on: in the boxes, the settings and the timer.
    const TColForm& boxes = *again.frame->colForm();
    const DisplaySettings& settings = again.session.settings;
    QCOMPARE((QList<bool>{boxes.blinkBox()->isChecked(), boxes.fixedRow()->isChecked(), boxes.spacedHex()->isChecked(),
                          settings.blinkCursor, settings.autoSizeRows, settings.spacedHex, Blinking(*again.frame)}),
             (QList<bool>{false, false, true, false, false, true, false}));
    const QFont& font = again.frame->viewContext().viewFont;
    QCOMPARE(font.family(), chosen.family());
    QCOMPARE(font.pointSize(), 15);
    // The rows are as high as the font read, not the one the program started with.
    QCOMPARE(again.session.view.rowHeight, fixture.session.view.rowHeight);
}

void FrameTest::unwritableSettingsFileStillCloses()
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

void FrameTest::setFontChangesRowsAndKanaFont()
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
        // The page is as many whole rows of the new height as the window holds.
        const ViewState& view = fixture.session.view;
        QCOMPARE(view.pageBytes, std::clamp(editor->height() / view.rowHeight, 1, kMaxViewRows) * view.bytesPerRow);
    }
    QCOMPARE(fixture.prompter.unexpected, 1);  // the cancelled dialog
}

QTEST_MAIN(FrameTest)
#include "frame_test.moc"
