// Opening files into editor windows, saving them and closing them.

#include "core/messages.h"
#include "frame_fixture.h"

#include <QDir>
#include <QMdiArea>

using namespace zarvo;
using namespace zarvo::window_test;

namespace {

const QString kCannotOpen = QString::fromUtf8(messages::kCannotOpenFile);
const QString kSaved = QString::fromUtf8(messages::kSavedSuccessfully);
const QString kWriteProblem = QString::fromUtf8(messages::kProblemWriting);

const QString kAllFiles = QStringLiteral("open(Open File for Editing, All files (*.*), .)");

}  // namespace

class OpenSaveTest : public QObject {
    Q_OBJECT
private slots:
    void opensIntoCaptionedWindowsAndClosesAll();
    void savestateQuestion();
    void openFailureKeepsEmptyWindow();
    void saveAndSaveAs();
    void saveFailuresKeepWindowEditsAndProgram();
    void closingModifiedWindow_data();
    void closingModifiedWindow();
};

void OpenSaveTest::opensIntoCaptionedWindowsAndClosesAll()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNew(QStringLiteral("game.bin"), PatternBytes(100));
    QCOMPARE(fixture.prompter.log(), QStringList{kAllFiles});
    QCOMPARE(Caption(*editor), QStringLiteral("game.bin"));
    const DocRecord& doc = editor->document();
    QCOMPARE(Content(doc), PatternBytes(100));
    QCOMPARE(doc.fileName, fixture.path(QStringLiteral("game.bin")).toStdString());
    QVERIFY(!doc.modified);
    // The page starts at the file's first byte with the ASCII table in place:
    // byte 0x41 reads 'A' while the document still counts as on Table #1.
    QCOMPARE(doc.topOffset, 0);
    QCOMPARE(doc.table.activeTable, int8_t{0});
    QCOMPARE(doc.table.singleText[0x41].value_or("-"), std::string("A"));
    QCOMPARE(fixture.action("tblv1")->text(), QStringLiteral("..."));

    // The page is sized to the new window's client area, rows of the view font's height.
    QVERIFY(editor->width() > 400 && editor->width() < 445);
    const ViewState& view = fixture.session.view;
    const int rows = view.pageBytes / view.bytesPerRow;
    const int rowHeight = fixture.frame->viewContext().rowHeight();
    QCOMPARE(view.pageBytes % view.bytesPerRow, 0);
    QVERIFY(rows * rowHeight <= editor->height() && editor->height() < (rows + 1) * rowHeight);

    // A table beside the file is loaded as Table #1: Z from the single entry, then the
    // pair 42 43, then 44 without entry.
    const QString table = fixture.writeFile(QStringLiteral("rom.tbl"), "41=Z\n4243=pair\n");
    const DocRecord& rom = fixture.openNew(QStringLiteral("rom.smc"), Bytes({0x41, 0x42, 0x43, 0x44}))->document();
    QCOMPARE(rom.table.activeTable, int8_t{0});
    QCOMPARE(rom.table.tableName[0], table.toStdString());
    QCOMPARE(fixture.action("tblv1")->text() + fixture.action("tblv2")->text(), QStringLiteral("rom.tbl..."));
    QVERIFY(RowTextColumn(*fixture.frame->activeEditor(), 0).startsWith(QStringLiteral("Zpair.")));
    QCOMPARE(fixture.prompter.log(), QStringList(2, kAllFiles));

    // Close All closes both, asking about the modified one only, and the table item is reset.
    fixture.frame->activeEditor()->document().modified = true;
    fixture.prompter.answers.push_back(false);
    fixture.trigger("CloseAll1");
    QCOMPARE(fixture.frame->editorWindows().size(), std::size_t{0});
    QCOMPARE(fixture.frame->mdiArea()->subWindowList().size(), 0);
    QCOMPARE(fixture.prompter.recordsOf(PromptRecord::Kind::Question).size(), std::size_t{1});
    QCOMPARE(fixture.prompter.unexpected, 0);
    QVERIFY(!fixture.action("CloseAll1")->isEnabled());
    QCOMPARE(fixture.action("tblv1")->text(), QStringLiteral("..."));
}

void OpenSaveTest::savestateQuestion()
{
    const QString question =
        QStringLiteral("ask(Confirmation..., question): ") + QString::fromUtf8(messages::kSavestateQuestion);
    const struct {
        const char* name;
        int size;
        bool answer;
        bool asked;
        int headerSize;
    } cases[] = {
        {"game.zst", 3291, true, true, 3091},     // Yes hides the header
        {"game.zst", 3291, false, true, 0},       // No keeps it
        {"save.sz", 3291, true, false, 0},        // not a savestate
        {"my.game.zst", 3291, true, true, 3091},  // the last extension tells
        {"game.zst.bak", 3291, true, false, 0},   // a copy, not a savestate
        {"short.zst", 1000, true, false, 0},      // shorter than a header
    };
    for (const auto& c : cases) {
        FrameFixture fixture;
        if (c.asked) fixture.prompter.answers.push_back(c.answer);
        const QByteArray bytes = PatternBytes(c.size, 7, 3);
        TMDIChild* editor = fixture.openNew(QString::fromLatin1(c.name), bytes);
        QCOMPARE(fixture.prompter.log(), (c.asked ? QStringList{kAllFiles, question} : QStringList{kAllFiles}));
        QCOMPARE(fixture.prompter.unexpected, 0);
        QCOMPARE(editor->document().headerSize, c.headerSize);
        QCOMPARE(Content(editor->document()), bytes.mid(c.headerSize));
    }
}

void OpenSaveTest::openFailureKeepsEmptyWindow()
{
    FrameFixture fixture;
    // A cancelled choice makes no window.
    fixture.prompter.files.push_back(std::nullopt);
    fixture.trigger("Open1");
    QCOMPARE(fixture.frame->editorWindows().size(), std::size_t{0});
    fixture.prompter.clear();
    TMDIChild* editor = fixture.open(fixture.path(QStringLiteral("missing.bin")));
    QCOMPARE(fixture.prompter.log(), (QStringList{kAllFiles, kCannotOpen}));
    QVERIFY(editor != nullptr && !editor->hasData());
    QCOMPARE(fixture.frame->editorWindows().size(), std::size_t{1});

    // It paints black only and leaves the status bar alone.
    const QImage image = editor->grab().toImage();
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7) QCOMPARE(image.pixelColor(x, y), QColor(Qt::black));
    }
    QCOMPARE(fixture.statusTexts()[0], QStringLiteral("Decimal: 000"));

    // The commands that need data do nothing for it, and it closes without asking.
    fixture.trigger("SaveFile1");
    fixture.trigger("Tbl11");
    editor->parentWidget()->close();
    FrameFixture::settle();
    QCOMPARE(fixture.frame->editorWindows().size(), std::size_t{0});
    QCOMPARE(fixture.prompter.records.size(), std::size_t{2});
}

void OpenSaveTest::saveAndSaveAs()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNewFocused(QStringLiteral("old.bin"), PatternBytes(100));
    DocRecord& doc = editor->document();
    doc.data()[5] = 0xAB;
    doc.data()[200] = 0xCD;  // past the file's end: never written
    doc.modified = true;
    fixture.prompter.clear();
    fixture.press(Qt::ControlModifier | Qt::Key_S);
    QCOMPARE(fixture.prompter.log(), QStringList{kSaved});
    QVERIFY(!doc.modified);
    const QByteArray saved = WithBytes(PatternBytes(100), 5, "\xAB");
    QCOMPARE(fixture.readFile(QStringLiteral("old.bin")), saved);

    doc.data()[0] = 0x99;
    doc.modified = true;
    const QString target = fixture.path(QStringLiteral("new.bin"));
    fixture.prompter.clear();
    fixture.prompter.files.push_back(target);
    fixture.trigger("SaveFileAs");
    QCOMPARE(fixture.prompter.log(), (QStringList{"save(Save File As, All files (*.*), )", kSaved}));
    QCOMPARE(doc.fileName, target.toStdString());
    QVERIFY(!doc.modified);
    QCOMPARE(Caption(*editor), QStringLiteral("new.bin"));
    QCOMPARE(fixture.readFile(QStringLiteral("new.bin")), WithBytes(saved, 0, "\x99"));
    QCOMPARE(fixture.readFile(QStringLiteral("old.bin")), saved);

    // Cancel and an empty name stop without a word.
    fixture.prompter.clear();
    fixture.prompter.files = {std::nullopt, QString()};
    fixture.trigger("SaveFileAs");
    fixture.trigger("SaveFileAs");
    QCOMPARE(fixture.prompter.texts(), QStringList());
    QCOMPARE(doc.fileName, target.toStdString());
}

void OpenSaveTest::saveFailuresKeepWindowEditsAndProgram()
{
    FrameFixture fixture;
    // A document open in a folder that is then removed, so that saving it fails.
    QVERIFY(QDir(fixture.folder.path()).mkdir(QStringLiteral("gone")));
    TMDIChild* editor = fixture.openNew(QStringLiteral("gone/game.bin"), PatternBytes(32));
    editor->document().modified = true;
    QVERIFY(QDir(fixture.path(QStringLiteral("gone"))).removeRecursively());
    const std::string name = editor->document().fileName;
    fixture.prompter.clear();
    fixture.trigger("SaveFile1");
    // A path below a regular file can never be created.
    fixture.prompter.files.push_back(fixture.writeFile(QStringLiteral("file"), "x") + QStringLiteral("/new.bin"));
    fixture.trigger("SaveFileAs");

    QCOMPARE(fixture.prompter.texts(), (QStringList{kWriteProblem, kWriteProblem}));
    QCOMPARE(editor->document().fileName, name);
    QVERIFY(editor->document().modified);
    QCOMPARE(Caption(*editor), QStringLiteral("game.bin"));

    // Closing the window asks, and the failed save keeps it.
    fixture.prompter.answers.push_back(true);
    QVERIFY(!editor->parentWidget()->close());
    FrameFixture::settle();
    QCOMPARE(fixture.prompter.texts().last(), kWriteProblem);
    QCOMPARE(fixture.frame->editorWindows().size(), std::size_t{1});

    // Leaving the program asks again; the failed save keeps the frame open too.
    fixture.prompter.answers.push_back(true);
    QVERIFY(!fixture.frame->close());
    QVERIFY(fixture.frame->isVisible() && fixture.session.applicationReady);
    QCOMPARE(fixture.frame->editorWindows().size(), std::size_t{1});
    QVERIFY(editor->document().modified);

    // Answering No lets both go.
    fixture.prompter.answers.push_back(false);
    QVERIFY(fixture.frame->close());
    QCOMPARE(fixture.prompter.unexpected, 0);
}

void OpenSaveTest::closingModifiedWindow_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("No discards") << int(Answer::No);
    QTest::newRow("Yes saves") << int(Answer::Yes);
    QTest::newRow("Esc keeps the window and its edits") << int(Answer::Dismissed);
}

void OpenSaveTest::closingModifiedWindow()
{
    QFETCH(int, answer);
    const bool save = answer == int(Answer::Yes);
    const bool stays = answer == int(Answer::Dismissed);
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNew(QStringLiteral("game.bin"), PatternBytes(32));
    editor->document().data()[3] = 0x77;
    editor->document().modified = true;
    fixture.prompter.clear();
    fixture.prompter.dismissals.push_back(static_cast<Answer>(answer));

    editor->parentWidget()->close();
    FrameFixture::settle();
    QCOMPARE(fixture.frame->editorWindows().size(), std::size_t{stays ? 1u : 0u});
    QStringList log{QStringLiteral("ask(ROM Data Modified..., question): \"%1\"\nhas been modified. Do you wish to "
                                   "save the data?")
                        .arg(fixture.path(QStringLiteral("game.bin")))};
    if (save) log << kSaved;
    QCOMPARE(fixture.prompter.log(), log);
    QCOMPARE(uint8_t(fixture.readFile(QStringLiteral("game.bin"))[3]), uint8_t(save ? 0x77 : 3));
    if (!stays) return;
    QVERIFY(editor->document().modified);
    QCOMPARE(editor->document().data()[3], uint8_t(0x77));
    // Leaving the program asks again; Esc there keeps the frame open too.
    fixture.prompter.dismissals = {Answer::Dismissed, Answer::No};
    QVERIFY(!fixture.frame->close());
    QVERIFY(fixture.frame->isVisible());
    QCOMPARE(fixture.frame->editorWindows().size(), std::size_t{1});
    QVERIFY(fixture.frame->close());
}

QTEST_MAIN(OpenSaveTest)
#include "open_save_test.moc"
