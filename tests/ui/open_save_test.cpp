// Opening files into editor windows, saving them and closing them.

#include "core/messages.h"
#include "frame_fixture.h"

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

using namespace zarvo;
using namespace zarvo::window_test;

namespace {

const QString kCannotOpen = QString::fromUtf8(messages::kCannotOpenFile);
const QString kSaved = QString::fromUtf8(messages::kSavedSuccessfully);
const QString kWriteProblem = QString::fromUtf8(messages::kProblemWriting);

QString WindowCaption(TMDIChild* editor) { return editor->parentWidget()->windowTitle(); }

QByteArray SavestateBytes() { return PatternBytes(3091, 7, 3) + PatternBytes(200, 0x50); }

}  // namespace

class OpenSaveTest : public QObject {
    Q_OBJECT
private slots:
    void opensFileIntoCaptionedWindow();
    void companionTableLoadsAsTableOne();
    void savestateQuestion_data();
    void savestateQuestion();
    void savestateHeaderIsWrittenBackUnchanged();
    void openFailureKeepsEmptyWindow();
    void cancelledOpenMakesNoWindow();
    void saveWritesFileAndReports();
    void saveFailureKeepsModified();
    void saveAsMovesToNewName();
    void saveAsFailureKeepsOldName();
    void closingModifiedWindow_data();
    void closingModifiedWindow();
    void failedSaveOnCloseKeepsWindowAndProgram();
    void closeAllClosesEveryWindow();
};

void OpenSaveTest::opensFileIntoCaptionedWindow()
{
    FrameFixture fixture;
    const QString file = fixture.writeFile(QStringLiteral("game.bin"), PatternBytes(100));
    TMDIChild* editor = fixture.open(file);
    QVERIFY(editor != nullptr);

    const std::vector<PromptRecord> dialogs = fixture.prompter.recordsOf(PromptRecord::Kind::OpenFile);
    QCOMPARE(dialogs.size(), std::size_t{1});
    QCOMPARE(dialogs[0].directory, QDir::currentPath());
    QCOMPARE(dialogs[0].filter, QStringLiteral("All files (*.*)"));
    QCOMPARE(fixture.prompter.texts(), QStringList());

    QCOMPARE(WindowCaption(editor), QStringLiteral("game.bin"));
    const DocRecord& doc = editor->document();
    QCOMPARE(doc.fileSize, 100);
    QCOMPARE(doc.viewSize, 65535);
    QCOMPARE(doc.headerSize, 0);
    QCOMPARE(doc.fileName, file.toStdString());
    QVERIFY(!doc.modified);
    QCOMPARE(doc.data()[99], uint8_t{99});
    // The page starts at the file's first byte with the ASCII table in place:
    // byte 0x41 reads 'A' while the document still counts as on Table #1.
    QCOMPARE(doc.topOffset, 0);
    QCOMPARE(doc.table.activeTable, int8_t{0});
    QVERIFY(doc.table.singleText[0x41].has_value());
    QCOMPARE(*doc.table.singleText[0x41], std::string("A"));
    QCOMPARE(fixture.action("tblv1")->text(), QStringLiteral("..."));

    // The page is sized to the new window's client area, rows of the view font's height.
    QVERIFY(editor->width() > 400 && editor->width() < 445);
    const ViewState& view = fixture.session.view;
    const int rows = view.pageBytes / view.bytesPerRow;
    const int rowHeight = fixture.frame->viewContext().rowHeight();
    QCOMPARE(view.pageBytes % view.bytesPerRow, 0);
    QVERIFY(rows * rowHeight <= editor->height() && editor->height() < (rows + 1) * rowHeight);
}

void OpenSaveTest::companionTableLoadsAsTableOne()
{
    FrameFixture fixture;
    const QString table = fixture.writeFile(QStringLiteral("rom.tbl"), "41=Z\n4243=pair\n");
    TMDIChild* editor = fixture.openNew(QStringLiteral("rom.smc"), QByteArray("\x41\x42\x43\x44", 4));

    const DocRecord& doc = editor->document();
    QCOMPARE(doc.table.activeTable, int8_t{0});
    QCOMPARE(doc.table.tableName[0], table.toStdString());
    QCOMPARE(fixture.action("tblv1")->text(), QStringLiteral("rom.tbl"));
    QCOMPARE(fixture.action("tblv2")->text(), QStringLiteral("..."));
    // Z from the single entry, then the pair 42 43, then 44 without entry.
    QVERIFY(RowTextColumn(*editor, 0).startsWith(QStringLiteral("Zpair.")));
    QCOMPARE(fixture.prompter.records.size(), std::size_t{1});  // only the file choice
}

void OpenSaveTest::savestateQuestion_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<int>("headerSize");
    QTest::addColumn<int>("fileSize");
    QTest::addColumn<int>("firstByte");

    const QByteArray state = SavestateBytes();
    QTest::newRow("Yes hides the header") << "game.zst" << state << true << true << 3091 << 200 << 0x50;
    QTest::newRow("No keeps it") << "game.zst" << state << false << true << 0 << 3291 << 7;
    QTest::newRow("not a savestate") << "save.sz" << state << true << false << 0 << 3291 << 7;
    QTest::newRow("shorter than a header") << "short.zst" << PatternBytes(1000, 9) << true << false << 0 << 1000 << 9;
}

void OpenSaveTest::savestateQuestion()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(int, headerSize);
    QFETCH(int, fileSize);
    QFETCH(int, firstByte);
    FrameFixture fixture;
    if (asked) fixture.prompter.answers.push_back(answer);
    TMDIChild* editor = fixture.openNew(name, bytes);

    const std::vector<PromptRecord> questions = fixture.prompter.recordsOf(PromptRecord::Kind::Question);
    QCOMPARE(questions.size(), std::size_t{asked ? 1u : 0u});
    if (asked) {
        QCOMPARE(questions[0].text, QString::fromUtf8(messages::kSavestateQuestion));
        QCOMPARE(questions[0].caption, QStringLiteral("Confirmation..."));
        QCOMPARE(questions[0].icon, MessageIcon::Question);
    }
    QCOMPARE(fixture.prompter.unexpected, 0);
    const DocRecord& doc = editor->document();
    QCOMPARE(doc.headerSize, headerSize);
    QCOMPARE(doc.fileSize, fileSize);
    QCOMPARE(int{doc.data()[0]}, firstByte);
}

void OpenSaveTest::savestateHeaderIsWrittenBackUnchanged()
{
    FrameFixture fixture;
    const QByteArray original = SavestateBytes();
    fixture.prompter.answers.push_back(true);
    TMDIChild* editor = fixture.openNew(QStringLiteral("game.zst"), original);
    DocRecord& doc = editor->document();
    doc.data()[0] = 0xEE;
    doc.modified = true;

    fixture.trigger("SaveFile1");
    QCOMPARE(fixture.prompter.texts().last(), kSaved);
    QByteArray expected = original;
    expected[3091] = static_cast<char>(0xEE);
    QCOMPARE(fixture.readFile(QStringLiteral("game.zst")), expected);
}

void OpenSaveTest::openFailureKeepsEmptyWindow()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.open(fixture.path(QStringLiteral("missing.bin")));
    QCOMPARE(fixture.prompter.texts(), QStringList{kCannotOpen});
    QVERIFY(editor != nullptr);
    QVERIFY(!editor->hasData());
    QCOMPARE(fixture.frame->editorWindows().size(), std::size_t{1});

    // It paints black only and leaves the status bar alone.
    const QImage image = editor->grab().toImage();
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7) QCOMPARE(image.pixelColor(x, y), QColor(Qt::black));
    }
    QCOMPARE(fixture.frame->statusPanels()->panelText(0), QStringLiteral("Decimal: 000"));

    // The commands that need data do nothing for it, and it closes without asking.
    fixture.trigger("SaveFile1");
    fixture.trigger("Tbl11");
    editor->parentWidget()->close();
    FrameFixture::settle();
    QCOMPARE(fixture.frame->editorWindows().size(), std::size_t{0});
    QCOMPARE(fixture.prompter.records.size(), std::size_t{2});  // the file choice and the failure
}

void OpenSaveTest::cancelledOpenMakesNoWindow()
{
    FrameFixture fixture;
    fixture.prompter.files.push_back(std::nullopt);
    fixture.trigger("Open1");
    QCOMPARE(fixture.frame->editorWindows().size(), std::size_t{0});
    QCOMPARE(fixture.prompter.texts(), QStringList());
}

void OpenSaveTest::saveWritesFileAndReports()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNew(QStringLiteral("game.bin"), PatternBytes(100));
    DocRecord& doc = editor->document();
    doc.data()[5] = 0xAB;
    doc.data()[200] = 0xCD;  // past the file's end: never written
    doc.modified = true;

    fixture.trigger("SaveFile1");
    QCOMPARE(fixture.prompter.texts(), QStringList{kSaved});
    QVERIFY(!doc.modified);
    QByteArray expected = PatternBytes(100);
    expected[5] = static_cast<char>(0xAB);
    QCOMPARE(fixture.readFile(QStringLiteral("game.bin")), expected);
}

void OpenSaveTest::saveFailureKeepsModified()
{
    FrameFixture fixture;
    QVERIFY(QDir(fixture.folder.path()).mkdir(QStringLiteral("gone")));
    TMDIChild* editor = fixture.openNew(QStringLiteral("gone/game.bin"), PatternBytes(100));
    editor->document().modified = true;
    QVERIFY(QDir(fixture.path(QStringLiteral("gone"))).removeRecursively());

    fixture.trigger("SaveFile1");
    QCOMPARE(fixture.prompter.texts(), QStringList{kWriteProblem});
    QVERIFY(editor->document().modified);
}

void OpenSaveTest::saveAsMovesToNewName()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNew(QStringLiteral("old.bin"), PatternBytes(64));
    editor->document().data()[0] = 0x99;
    editor->document().modified = true;
    const QString target = fixture.path(QStringLiteral("new.bin"));
    fixture.prompter.files.push_back(target);

    fixture.trigger("SaveFileAs");
    QCOMPARE(fixture.prompter.recordsOf(PromptRecord::Kind::SaveFile).at(0).filter, QStringLiteral("All files (*.*)"));
    QCOMPARE(fixture.prompter.texts(), QStringList{kSaved});
    QCOMPARE(editor->document().fileName, target.toStdString());
    QVERIFY(!editor->document().modified);
    QCOMPARE(WindowCaption(editor), QStringLiteral("new.bin"));
    QCOMPARE(fixture.readFile(QStringLiteral("new.bin")).size(), 64);
    QCOMPARE(uint8_t(fixture.readFile(QStringLiteral("new.bin"))[0]), uint8_t{0x99});
    QCOMPARE(fixture.readFile(QStringLiteral("old.bin")), PatternBytes(64));

    // Cancel and an empty name stop without a word.
    fixture.prompter.clear();
    fixture.prompter.files.push_back(std::nullopt);
    fixture.prompter.files.push_back(QString());
    fixture.trigger("SaveFileAs");
    fixture.trigger("SaveFileAs");
    QCOMPARE(fixture.prompter.texts(), QStringList());
    QCOMPARE(editor->document().fileName, target.toStdString());
}

void OpenSaveTest::saveAsFailureKeepsOldName()
{
    FrameFixture fixture;
    const QString original = fixture.writeFile(QStringLiteral("old.bin"), PatternBytes(64));
    TMDIChild* editor = fixture.open(original);
    QVERIFY(editor != nullptr);
    editor->document().modified = true;
    // A path below a regular file can never be created.
    fixture.prompter.files.push_back(fixture.path(QStringLiteral("old.bin/new.bin")));

    fixture.trigger("SaveFileAs");
    QCOMPARE(fixture.prompter.texts(), QStringList{kWriteProblem});
    QCOMPARE(editor->document().fileName, original.toStdString());
    QVERIFY(editor->document().modified);
    QCOMPARE(WindowCaption(editor), QStringLiteral("old.bin"));
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
    const QString file = fixture.writeFile(QStringLiteral("game.bin"), PatternBytes(32));
    TMDIChild* editor = fixture.open(file);
    QVERIFY(editor != nullptr);
    editor->document().data()[3] = 0x77;
    editor->document().modified = true;
    fixture.prompter.dismissals.push_back(static_cast<Answer>(answer));

    editor->parentWidget()->close();
    FrameFixture::settle();
    QCOMPARE(fixture.frame->editorWindows().size(), std::size_t{stays ? 1u : 0u});
    const std::vector<PromptRecord> questions = fixture.prompter.recordsOf(PromptRecord::Kind::Question);
    QCOMPARE(questions.size(), std::size_t{1});
    QCOMPARE(questions[0].text, QStringLiteral("\"%1\"\nhas been modified. Do you wish to save the data?").arg(file));
    QCOMPARE(questions[0].caption, QStringLiteral("ROM Data Modified..."));
    QCOMPARE(questions[0].icon, MessageIcon::Question);
    QCOMPARE(uint8_t(fixture.readFile(QStringLiteral("game.bin"))[3]), uint8_t(save ? 0x77 : 3));
    QCOMPARE(fixture.prompter.texts().contains(kSaved), save);
    if (!stays) return;
    QVERIFY(editor->document().modified);
    QCOMPARE(editor->document().data()[3], uint8_t(0x77));
    // Leaving the program asks again; Esc there keeps the frame open too.
    fixture.prompter.dismissals.push_back(Answer::Dismissed);
    QVERIFY(!fixture.frame->close());
    QVERIFY(fixture.frame->isVisible());
    QCOMPARE(fixture.frame->editorWindows().size(), std::size_t{1});
    fixture.prompter.dismissals.push_back(Answer::No);
    QVERIFY(fixture.frame->close());
}

void OpenSaveTest::failedSaveOnCloseKeepsWindowAndProgram()
{
    FrameFixture fixture;
    QVERIFY(QDir(fixture.folder.path()).mkdir(QStringLiteral("gone")));
    TMDIChild* editor = fixture.openNew(QStringLiteral("gone/game.bin"), PatternBytes(32));
    editor->document().modified = true;
    QVERIFY(QDir(fixture.path(QStringLiteral("gone"))).removeRecursively());

    fixture.prompter.answers.push_back(true);
    QVERIFY(!editor->parentWidget()->close());
    FrameFixture::settle();
    QCOMPARE(fixture.prompter.texts().last(), kWriteProblem);
    QCOMPARE(fixture.frame->editorWindows().size(), std::size_t{1});

    // Leaving the program asks again; the failed save keeps the frame open too.
    fixture.prompter.answers.push_back(true);
    QVERIFY(!fixture.frame->close());
    QVERIFY(fixture.frame->isVisible());
    QVERIFY(fixture.session.applicationReady);
    QCOMPARE(fixture.frame->editorWindows().size(), std::size_t{1});
    QVERIFY(editor->document().modified);

    // Answering No lets both go.
    fixture.prompter.answers.push_back(false);
    QVERIFY(fixture.frame->close());
    QCOMPARE(fixture.prompter.unexpected, 0);
}

void OpenSaveTest::closeAllClosesEveryWindow()
{
    FrameFixture fixture;
    fixture.writeFile(QStringLiteral("a.tbl"), "41=x\n");
    fixture.openNew(QStringLiteral("a.bin"), PatternBytes(16));
    TMDIChild* second = fixture.openNew(QStringLiteral("b.bin"), PatternBytes(16));
    second->document().modified = true;
    fixture.prompter.answers.push_back(false);
    QVERIFY(fixture.action("CloseAll1")->isEnabled());

    fixture.trigger("CloseAll1");
    QCOMPARE(fixture.frame->editorWindows().size(), std::size_t{0});
    QCOMPARE(fixture.frame->mdiArea()->subWindowList().size(), 0);
    QCOMPARE(fixture.prompter.recordsOf(PromptRecord::Kind::Question).size(), std::size_t{1});
    QCOMPARE(fixture.prompter.unexpected, 0);
    QVERIFY(!fixture.action("CloseAll1")->isEnabled());
    QVERIFY(!fixture.action("SaveFile1")->isEnabled());
    QCOMPARE(fixture.action("tblv1")->text(), QStringLiteral("..."));
}

QTEST_MAIN(OpenSaveTest)
#include "open_save_test.moc"
