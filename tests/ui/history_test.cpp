// Knowing what changed and taking it back: Undo and Redo through their keys over a
// session of typing and patching, the caption's modified mark, the colour of bytes
// changed since the last save, Recent Files, and a file changed on disk.

#include "frame_fixture.h"
#include "view/colour_table.h"

namespace zarvo {

using namespace window_test;

class HistoryTest : public QObject {
    Q_OBJECT
private slots:
    void undoAndRedoWalkTheSessionBothWays();
    void recentFilesListTheLastOpened();
    void fileChangedOnDiskIsReadAgainOnlyWhenWanted();
    void readingAgainIsOneUndoStep_data();
    void readingAgainIsOneUndoStep();
};

void HistoryTest::undoAndRedoWalkTheSessionBothWays()
{
    FrameFixture fixture;
    const QByteArray original = PatternBytes(256);
    TMDIChild* editor = fixture.openNewFocused(QStringLiteral("rom.bin"), original);
    QVERIFY(!fixture.action("Undo1")->isEnabled() && !fixture.action("Redo1")->isEnabled());
    QCOMPARE(Caption(*editor), QStringLiteral("rom.bin"));

    // Two typed bytes, shown in the changed colour, then a patch that also grows the
    // file: three steps.
    const ColourRef changed = fixture.frame->viewContext().colours[kSlotHexChanged].text;
    const auto colour = [editor](int32_t offset) { return Cell(*editor, 0, offset).colours.text; };
    QVERIFY(colour(1) != changed);
    PlayKeys(editor, QStringLiteral("4142"));
    QCOMPARE(colour(1), changed);
    QVERIFY(colour(2) != changed);
    fixture.prompter.answers.push_back(false);  // not saved first
    fixture.prompter.files.push_back(fixture.writeFile(
        QStringLiteral("grow.ips"), QByteArray("PATCH") + Bytes({0, 1, 0, 0, 3, 0xA1, 0xA2, 0xA3}) + "EOF"));
    fixture.press(Qt::Key_F6);
    const DocRecord& doc = DocumentOf(editor);
    const QByteArray final = Content(doc);
    QCOMPARE(final.size(), 259);
    QCOMPARE(Caption(*editor), QStringLiteral("rom.bin*"));
    QVERIFY(fixture.action("Undo1")->isEnabled());

    const QByteArray afterTyping = WithBytes(original, 0, "AB");
    const QByteArray steps[] = {afterTyping, WithBytes(original, 0, "A"), original};
    for (const QByteArray& expected : steps) {
        fixture.press(QKeyCombination(Qt::ControlModifier, Qt::Key_Z));
        QCOMPARE(Content(doc), expected);
    }
    QVERIFY(!doc.modified);
    QCOMPARE(Caption(*editor), QStringLiteral("rom.bin"));
    QVERIFY(!fixture.action("Undo1")->isEnabled() && fixture.action("Redo1")->isEnabled());

    fixture.press(QKeyCombination(Qt::ControlModifier, Qt::Key_Y));
    fixture.press(QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z));
    fixture.press(QKeyCombination(Qt::ControlModifier, Qt::Key_Y));
    QCOMPARE(Content(doc), final);
    QCOMPARE(Caption(*editor), QStringLiteral("rom.bin*"));
    QVERIFY(!fixture.action("Redo1")->isEnabled());
    QCOMPARE(fixture.prompter.unexpected, 0);

    // Saved, the bytes are no longer changed ones.
    fixture.press(QKeyCombination(Qt::ControlModifier, Qt::Key_S));
    QVERIFY(colour(1) != changed);
    QCOMPARE(Caption(*editor), QStringLiteral("rom.bin"));
}

void HistoryTest::recentFilesListTheLastOpened()
{
    FrameFixture fixture;
    const QString first = fixture.writeFile(QStringLiteral("a.bin"), PatternBytes(16));
    const QString second = fixture.writeFile(QStringLiteral("b&c.bin"), PatternBytes(16));
    QVERIFY(fixture.open(first) != nullptr && fixture.open(second) != nullptr && fixture.open(first) != nullptr);
    QCOMPARE(fixture.readFile(QStringLiteral("zv32ex.mru")), (first + "\n" + second + "\n").toUtf8());

    // A new start finds the list; its items open their files, newest first.
    fixture.frame.reset();
    fixture.frame = std::make_unique<TZarvoForm>(fixture.session, fixture.prompter);
    fixture.frame->show();
    QCOMPARE(fixture.action("RecentFile1")->text(), QStringLiteral("&1 ") + first);
    QCOMPARE(fixture.action("RecentFile2")->text(), QStringLiteral("&2 ") + QString(second).replace("&", "&&"));
    fixture.trigger("RecentFile2");
    QCOMPARE(DocumentOf(fixture.frame->activeEditor()).fileName, second.toStdString());

    // A file that is gone leaves the list when it fails to open.
    QFile::remove(first);
    fixture.prompter.clear();
    fixture.trigger("RecentFile2");
    QCOMPARE(fixture.prompter.texts(),
             QStringList{"Fata Error: Unable to open file.\ncannot open " + first + ": No such file or directory"});
    QCOMPARE(fixture.readFile(QStringLiteral("zv32ex.mru")), (second + "\n").toUtf8());
}

void HistoryTest::fileChangedOnDiskIsReadAgainOnlyWhenWanted()
{
    FrameFixture fixture;
    TMDIChild* first = fixture.openNew(QStringLiteral("rom.bin"), PatternBytes(100));
    TMDIChild* second = fixture.openNew(QStringLiteral("other.bin"), PatternBytes(100));
    const QString path = fixture.writeFile(QStringLiteral("rom.bin"), PatternBytes(200, 7));
    const QString question =
        QStringLiteral("\"%1\"\nhas been changed on disk by another program. Do you wish to read it again?").arg(path);

    // No keeps the document as it is, and the same change is not asked about again.
    fixture.prompter.answers.push_back(false);
    fixture.activate(first);
    fixture.activate(second);
    fixture.activate(first);
    QCOMPARE(fixture.prompter.texts(), QStringList{question});
    QCOMPARE(Content(DocumentOf(first)), PatternBytes(100));
    QCOMPARE(fixture.prompter.unexpected, 0);
}

void HistoryTest::readingAgainIsOneUndoStep_data()
{
    QTest::addColumn<bool>("edited");
    QTest::addColumn<int>("newSize");
    QTest::newRow("edits replaced, file grown past the buffer") << true << 70000;
    QTest::newRow("edits replaced, file shrunk") << true << 50;
    QTest::newRow("nothing edited") << false << 300;
}

void HistoryTest::readingAgainIsOneUndoStep()
{
    QFETCH(bool, edited);
    QFETCH(int, newSize);
    FrameFixture fixture;
    TMDIChild* first = fixture.openNewFocused(QStringLiteral("rom.bin"), PatternBytes(100));
    const DocRecord& doc = DocumentOf(first);
    if (edited) PlayKeys(first, QStringLiteral("4142"));
    const QByteArray before = Content(doc);
    TMDIChild* second = fixture.openNew(QStringLiteral("other.bin"), PatternBytes(16));
    const QString path = fixture.writeFile(QStringLiteral("rom.bin"), PatternBytes(newSize, 5));

    fixture.prompter.clear();
    fixture.prompter.answers.push_back(true);
    fixture.activate(second);
    fixture.activate(first);
    // Edits that are not saved are named as what the reading replaces.
    const QString question = QStringLiteral(
                                 "\"%1\"\nhas been changed on disk by another program. Do you wish to "
                                 "read it again?")
                                 .arg(path) +
                             (edited ? "\nYour unsaved changes will be replaced; Undo gives them back." : "");
    QCOMPARE(fixture.prompter.texts(), QStringList{question});
    QCOMPARE(Content(doc), PatternBytes(newSize, 5));
    QCOMPARE(Caption(*first), QStringLiteral("rom.bin"));

    first->setFocus();
    fixture.press(QKeyCombination(Qt::ControlModifier, Qt::Key_Z));
    QCOMPARE(Content(doc), before);
    QCOMPARE(doc.modified, true);  // what the file holds now differs
    QCOMPARE(Caption(*first), QStringLiteral("rom.bin*"));
    fixture.press(QKeyCombination(Qt::ControlModifier, Qt::Key_Y));
    QCOMPARE(Content(doc), PatternBytes(newSize, 5));
    QVERIFY(!doc.modified);
    QCOMPARE(fixture.prompter.unexpected, 0);
}

}  // namespace zarvo

QTEST_MAIN(zarvo::HistoryTest)
#include "history_test.moc"
