// Opening files into editor windows, saving them and closing them.

#include "core/messages.h"
#include "frame_fixture.h"
#include "ui/dump/dump_commands.h"
#include "ui/dump/tdump_form.h"

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <sys/stat.h>
#include <unistd.h>

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
    void failedOpenLeavesNoWindow_data();
    void failedOpenLeavesNoWindow();
    void openingAnOpenFileShowsItsWindow_data();
    void openingAnOpenFileShowsItsWindow();
    void newWindowShowsSixteenBytesOrIsMaximized_data();
    void newWindowShowsSixteenBytesOrIsMaximized();
    void choosersStartBesideTheDocument_data();
    void choosersStartBesideTheDocument();
    void relativeDumpNameLandsInTheFolderLastOpened();
    void saveAndSaveAs();
    void saveKeepsChangesPastTheEndMarked_data();
    void saveKeepsChangesPastTheEndMarked();
    void saveFailuresKeepWindowEditsAndProgram();
    void closingModifiedWindow_data();
    void closingModifiedWindow();
    void closeItemAndItsKeys_data();
    void closeItemAndItsKeys();
};

void OpenSaveTest::opensIntoCaptionedWindowsAndClosesAll()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNew(QStringLiteral("game.bin"), PatternBytes(100));
    QCOMPARE(fixture.prompter.log(), QStringList{kAllFiles});
    QCOMPARE(Caption(*editor), QStringLiteral("game.bin"));
    const DocRecord& doc = DocumentOf(editor);
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
    const ViewState& view = fixture.session.view;
    const int rows = view.pageBytes / view.bytesPerRow;
    const int rowHeight = fixture.frame->viewContext().rowHeight();
    QCOMPARE(view.pageBytes % view.bytesPerRow, 0);
    QVERIFY(rows * rowHeight <= editor->height() && editor->height() < (rows + 1) * rowHeight);

    // A table beside the file is loaded as Table #1: Z from the single entry, then the
    // pair 42 43, then 44 without entry.
    const QString table = fixture.writeFile(QStringLiteral("rom.tbl"), "41=Z\n4243=pair\n");
    const DocRecord& rom = DocumentOf(fixture.openNew(QStringLiteral("rom.smc"), Bytes({0x41, 0x42, 0x43, 0x44})));
    QCOMPARE(rom.table.activeTable, int8_t{0});
    QCOMPARE(rom.table.tableName[0], table.toStdString());
    QCOMPARE(fixture.action("tblv1")->text() + fixture.action("tblv2")->text(), QStringLiteral("rom.tbl..."));
    QVERIFY(RowTextColumn(*fixture.frame->activeEditor(), 0).startsWith(QStringLiteral("Zpair.")));
    QCOMPARE(fixture.prompter.log(), QStringList(2, kAllFiles));

    // Close All closes both, asking about the modified one only, and the table item is reset.
    DocumentOf(fixture.frame->activeEditor()).modified = true;
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
        {"game.zst", 3291, true, true, 3091},  // Yes hides the header
        {"game.zst", 3291, false, true, 0},    // No keeps it
        {"save.sz", 3291, true, false, 0},     // not a savestate
        {"short.zst", 1000, true, false, 0},   // shorter than a header
    };
    for (const auto& c : cases) {
        FrameFixture fixture;
        if (c.asked) fixture.prompter.answers.push_back(c.answer);
        const QByteArray bytes = PatternBytes(c.size, 7, 3);
        TMDIChild* editor = fixture.openNew(QString::fromLatin1(c.name), bytes);
        QCOMPARE(fixture.prompter.log(), (c.asked ? QStringList{kAllFiles, question} : QStringList{kAllFiles}));
        QCOMPARE(fixture.prompter.unexpected, 0);
        QCOMPARE(DocumentOf(editor).headerSize, c.headerSize);
        QCOMPARE(Content(DocumentOf(editor)), bytes.mid(c.headerSize));
    }
}

void OpenSaveTest::failedOpenLeavesNoWindow_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");  // the second line of the message, after the path
    QTest::newRow("missing") << "missing.bin"
                             << ": No such file or directory";
    QTest::newRow("folder") << "folder"
                            << " is not a regular file";
    QTest::newRow("FIFO") << "fifo"
                          << " is not a regular file";
    QTest::newRow("unreadable") << "locked.bin"
                                << ": Permission denied";
}

void OpenSaveTest::failedOpenLeavesNoWindow()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    if (name == "locked.bin" && geteuid() == 0) QSKIP("root reads every file");
    FrameFixture fixture;
    QVERIFY(QDir(fixture.folder.path()).mkdir(QStringLiteral("folder")));
    QCOMPARE(mkfifo(fixture.path(QStringLiteral("fifo")).toLocal8Bit().constData(), 0600), 0);
    fixture.writeFile(QStringLiteral("locked.bin"), "x");
    QVERIFY(QFile::setPermissions(fixture.path(QStringLiteral("locked.bin")), QFileDevice::WriteOwner));
    // An open window stays as it is, and stays the active one.
    TMDIChild* other = fixture.openNew(QStringLiteral("other.bin"), PatternBytes(16));
    fixture.prompter.clear();

    fixture.open(fixture.path(name));
    const QString path = fixture.path(name);
    const QString where = reason.startsWith(QLatin1Char(':')) ? "cannot open " + path : path;
    QCOMPARE(fixture.prompter.log(), (QStringList{kAllFiles, kCannotOpen + "\n" + where + reason}));
    QCOMPARE(fixture.frame->mdiArea()->subWindowList().size(), 1);
    QCOMPARE(fixture.frame->activeEditor(), other);
}

void OpenSaveTest::openingAnOpenFileShowsItsWindow_data()
{
    QTest::addColumn<QString>("again");  // the name the file is opened by the second time
    QTest::addColumn<bool>("changedOnDisk");
    QTest::newRow("same path") << "game.bin" << false;
    QTest::newRow("another name of it") << "sub/../game.bin" << false;
    QTest::newRow("a link to it") << "link.bin" << false;
    QTest::newRow("changed on disk: offered to be read again") << "game.bin" << true;
}

void OpenSaveTest::openingAnOpenFileShowsItsWindow()
{
    QFETCH(QString, again);
    QFETCH(bool, changedOnDisk);
    FrameFixture fixture;
    QVERIFY(QDir(fixture.folder.path()).mkdir(QStringLiteral("sub")));
    TMDIChild* game = fixture.openNew(QStringLiteral("game.bin"), PatternBytes(64));
    QVERIFY(QFile::link(fixture.path(QStringLiteral("game.bin")), fixture.path(QStringLiteral("link.bin"))));
    DocumentOf(game).data()[0] = 0x55;  // what is in the window stays
    fixture.openNew(QStringLiteral("other.bin"), PatternBytes(16));
    qobject_cast<QMdiSubWindow*>(game->parentWidget())->showMinimized();
    if (changedOnDisk) fixture.writeFile(QStringLiteral("game.bin"), PatternBytes(80));
    fixture.prompter.clear();
    fixture.prompter.answers.push_back(false);  // not read again

    QCOMPARE(fixture.open(fixture.path(again)), game);
    QCOMPARE(fixture.frame->mdiArea()->subWindowList().size(), 2);
    QVERIFY(!game->parentWidget()->isMinimized());
    QCOMPARE(DocumentOf(game).data()[0], uint8_t{0x55});
    QStringList log{kAllFiles};
    if (changedOnDisk) {
        log << QStringLiteral(
                   "ask(File Changed..., question): \"%1\"\nhas been changed on disk by another "
                   "program. Do you wish to read it again?")
                   .arg(fixture.path(QStringLiteral("game.bin")));
    }
    QCOMPARE(fixture.prompter.log(), log);
}

void OpenSaveTest::newWindowShowsSixteenBytesOrIsMaximized_data()
{
    QTest::addColumn<bool>("previousMaximized");
    QTest::newRow("after a normal window") << false;
    QTest::newRow("after a maximised window") << true;
}

void OpenSaveTest::newWindowShowsSixteenBytesOrIsMaximized()
{
    QFETCH(bool, previousMaximized);
    FrameFixture fixture;
    fixture.frame->resize(1400, 900);
    TMDIChild* first = fixture.openNew(QStringLiteral("first.bin"), PatternBytes(0x1000));
    if (previousMaximized) first->parentWidget()->showMaximized();
    TMDIChild* editor = fixture.openNew(QStringLiteral("second.bin"), PatternBytes(0x1000));
    QCOMPARE(editor->parentWidget()->isMaximized(), previousMaximized);
    if (previousMaximized) return;
    // Rows of 16 bytes (following the window's width), the last text cell inside it.
    QCOMPARE(fixture.session.view.bytesPerRow, 16);
    const std::vector<ViewCell> texts = Cells(*editor, 0, CellKind::Text);
    QCOMPARE(int(texts.size()), 16);
    QVERIFY(CellRect(*editor, 0, 15, true).right() < editor->width());
}

void OpenSaveTest::choosersStartBesideTheDocument_data()
{
    QTest::addColumn<QString>("command");  // a menu item, or a key
    QTest::addColumn<QString>("chooser");
    QTest::newRow("Open") << "Open1"
                          << "open(Open File for Editing, All files (*.*), ./roms)";
    QTest::newRow("Save As") << "SaveFileAs"
                             << "save(Save File As, All files (*.*), ./roms/game.smc)";
    QTest::newRow("table") << "Tbl11"
                           << "open(Open Table File, Tbl files (*.tbl *.TBL), ./roms/game.tbl)";
    QTest::newRow("patch") << "Patch1"
                           << "open(Open PATCH file..., IPS files (*.ips), ./roms/game.ips)";
    QTest::newRow("unchanged file") << "IPSMake1"
                                    << "open(Open UNCHANGED file..., All files (*.*), ./roms)";
    QTest::newRow("insertion") << "InsertBINARYData1"
                               << "open(Open, All files (*.*), ./roms)";
    QTest::newRow("no document: the folder chosen last") << "CloseAll1"
                                                         << "open(Open File for Editing, All files (*.*), ./roms)";
}

void OpenSaveTest::choosersStartBesideTheDocument()
{
    QFETCH(QString, command);
    QFETCH(QString, chooser);
    FrameFixture fixture;
    QVERIFY(QDir(fixture.folder.path()).mkdir(QStringLiteral("roms")));
    fixture.openNew(QStringLiteral("roms/game.smc"), PatternBytes(64));
    fixture.prompter.clear();
    fixture.prompter.answers.push_back(false);  // the patch's question whether to save first
    fixture.prompter.files.push_back(std::nullopt);
    fixture.trigger(command.toLatin1().constData());
    if (command == "CloseAll1") fixture.trigger("Open1");
    QVERIFY(fixture.prompter.log().contains(chooser));
}

void OpenSaveTest::relativeDumpNameLandsInTheFolderLastOpened()
{
    FrameFixture fixture;
    QVERIFY(QDir(fixture.folder.path()).mkdir(QStringLiteral("roms")));
    TMDIChild* editor = fixture.openNewFocused(QStringLiteral("roms/game.smc"), PatternBytes(64));
    TDumpForm* dump = fixture.frame->findChild<DumpCommands*>()->dumpDialog();
    PlayKeys(editor, QStringLiteral("{F11}"));
    QTest::keyClicks(Child<QLineEdit>(dump, "DFile"), QStringLiteral("part.bin"));
    PlayKeys(editor, QStringLiteral("{Right}{Right}{Right}{F11}"));
    QCOMPARE(fixture.readFile(QStringLiteral("roms/part.bin")), PatternBytes(4));
    QVERIFY(!QFile::exists(fixture.path(QStringLiteral("part.bin"))));
}

void OpenSaveTest::saveAndSaveAs()
{
    FrameFixture fixture;
    TMDIChild* editor = fixture.openNewFocused(QStringLiteral("old.bin"), PatternBytes(100));
    DocRecord& doc = DocumentOf(editor);
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
    QCOMPARE(fixture.prompter.log(), (QStringList{"save(Save File As, All files (*.*), ./old.bin)", kSaved}));
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

void OpenSaveTest::saveKeepsChangesPastTheEndMarked_data()
{
    QTest::addColumn<int>("past");  // bytes typed past the file's end
    QTest::addColumn<QString>("message");
    QTest::newRow("none past the end") << 0 << kSaved;
    QTest::newRow("two past the end") << 2 << kSaved + "\n2 changed bytes past the end of the file were not saved";
}

void OpenSaveTest::saveKeepsChangesPastTheEndMarked()
{
    QFETCH(int, past);
    QFETCH(QString, message);
    FrameFixture fixture;
    TMDIChild* editor = fixture.openForKeys(QStringLiteral("small.bin"), PatternBytes(100));
    const DocRecord& doc = DocumentOf(editor);
    fixture.placeCursor(*editor, 5);
    PlayKeys(editor, QStringLiteral("99"));
    fixture.placeCursor(*editor, 200);
    PlayKeys(editor, QString(QStringLiteral("AA")).repeated(past));
    fixture.prompter.clear();
    fixture.press(QKeyCombination(Qt::ControlModifier, Qt::Key_S));
    QCOMPARE(fixture.prompter.log(), QStringList{message});
    QCOMPARE(fixture.readFile(QStringLiteral("small.bin")), WithBytes(PatternBytes(100), 5, "\x99"));
    QVERIFY(!doc.changes.contains(5));
    for (int offset = 200; offset < 200 + past; ++offset) QVERIFY(doc.changes.contains(offset));
    QVERIFY(!doc.changes.contains(200 + past));
}

void OpenSaveTest::saveFailuresKeepWindowEditsAndProgram()
{
    FrameFixture fixture;
    // A document open in a folder that is then removed, so that saving it fails.
    QVERIFY(QDir(fixture.folder.path()).mkdir(QStringLiteral("gone")));
    TMDIChild* editor = fixture.openNew(QStringLiteral("gone/game.bin"), PatternBytes(32));
    DocumentOf(editor).modified = true;
    QVERIFY(QDir(fixture.path(QStringLiteral("gone"))).removeRecursively());
    const std::string name = DocumentOf(editor).fileName;
    fixture.prompter.clear();
    fixture.trigger("SaveFile1");
    // A path below a regular file can never be created.
    fixture.prompter.files.push_back(fixture.writeFile(QStringLiteral("file"), "x") + QStringLiteral("/new.bin"));
    fixture.trigger("SaveFileAs");

    QCOMPARE(fixture.prompter.texts(), (QStringList{kWriteProblem, kWriteProblem}));
    QCOMPARE(DocumentOf(editor).fileName, name);
    QVERIFY(DocumentOf(editor).modified);
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
    QVERIFY(DocumentOf(editor).modified);

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
    DocumentOf(editor).data()[3] = 0x77;
    DocumentOf(editor).modified = true;
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
    QVERIFY(DocumentOf(editor).modified);
    QCOMPARE(DocumentOf(editor).data()[3], uint8_t(0x77));
    // Leaving the program asks again; Esc there keeps the frame open too.
    fixture.prompter.dismissals = {Answer::Dismissed, Answer::No};
    QVERIFY(!fixture.frame->close());
    QVERIFY(fixture.frame->isVisible());
    QCOMPARE(fixture.frame->editorWindows().size(), std::size_t{1});
    QVERIFY(fixture.frame->close());
}

void OpenSaveTest::closeItemAndItsKeys_data()
{
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<bool>("modified");
    QTest::newRow("Ctrl+W") << QKeyCombination(Qt::ControlModifier, Qt::Key_W) << false;
    QTest::newRow("Ctrl+F4, modified") << QKeyCombination(Qt::ControlModifier, Qt::Key_F4) << true;
}

void OpenSaveTest::closeItemAndItsKeys()
{
    QFETCH(QKeyCombination, key);
    QFETCH(bool, modified);
    FrameFixture fixture;
    TMDIChild* first = fixture.openNew(QStringLiteral("first.bin"), PatternBytes(32));
    TMDIChild* second = fixture.openNew(QStringLiteral("second.bin"), PatternBytes(32));
    DocumentOf(second).modified = modified;
    QCOMPARE(fixture.action("Close1")->text(), QStringLiteral("&Close"));
    fixture.prompter.clear();
    fixture.prompter.dismissals.push_back(Answer::No);
    fixture.press(key);
    FrameFixture::settle();
    // Only the active window closes, after the question about its changes.
    QCOMPARE(fixture.frame->editorWindows(), std::vector<TMDIChild*>{first});
    QCOMPARE(fixture.prompter.recordsOf(PromptRecord::Kind::Question).size(), std::size_t{modified ? 1u : 0u});
}

QTEST_MAIN(OpenSaveTest)
#include "open_save_test.moc"
