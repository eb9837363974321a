// Files that come from outside the program (named on the command line, dropped from a
// file manager) and the place where the settings live.

#include "core/messages.h"
#include "frame_fixture.h"

#include <QDir>
#include <QDropEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QUrl>

using namespace zarvo;
using namespace zarvo::window_test;

namespace {

// The captions of the open windows, first opened first.
QStringList Captions(const FrameFixture& fixture)
{
    QStringList captions;
    for (const QMdiSubWindow* window : fixture.frame->mdiArea()->subWindowList()) {
        if (!window->isHidden()) captions << Caption(*qobject_cast<const TMDIChild*>(window->widget()));
    }
    return captions;
}

// Makes the files: a table ("*.tbl") shows byte 00 as "Z", a savestate ("*.zst") is
// long enough for its header, any other file holds 64 bytes.
void MakeFiles(const FrameFixture& fixture, const QStringList& names)
{
    for (const QString& name : names) {
        if (name.endsWith(QStringLiteral(".tbl"), Qt::CaseInsensitive)) {
            fixture.writeFile(name, "00=Z\n");
        } else {
            fixture.writeFile(name, PatternBytes(name.endsWith(QStringLiteral(".zst")) ? 4000 : 64));
        }
    }
}

// The active document's Table #1, relative to the test's folder; "" without one.
QString ActiveTable1(const FrameFixture& fixture)
{
    const TMDIChild* active = fixture.frame->activeEditor();
    if (active == nullptr) return QStringLiteral("(no window)");
    const QString table = QString::fromStdString(DocumentOf(active).table.tableName[0]);
    return table.isEmpty() ? table : QDir(fixture.folder.path()).relativeFilePath(table);
}

// Drags the addresses over the frame and drops them, as a file manager does; false
// when the frame refused the drag.
bool Drop(const FrameFixture& fixture, const QList<QUrl>& urls)
{
    QMimeData mime;
    mime.setUrls(urls);
    const QPoint centre = fixture.frame->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(fixture.frame.get(), &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(centre), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(fixture.frame.get(), &drop);
    FrameFixture::settle();
    return drop.isAccepted();
}

// Sets an environment variable for one test and gives the old value back.
class EnvironmentValue {
public:
    EnvironmentValue(const char* name, const QByteArray& value)
        : name_(name),
          wasSet_(qEnvironmentVariableIsSet(name)),
          old_(qgetenv(name))
    {
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    ~EnvironmentValue() { wasSet_ ? qputenv(name_, old_) : qunsetenv(name_); }
    EnvironmentValue(const EnvironmentValue&) = delete;
    EnvironmentValue& operator=(const EnvironmentValue&) = delete;

private:
    const char* name_;
    bool wasSet_;
    QByteArray old_;
};

}  // namespace

class OutsideFilesTest : public QObject {
    Q_OBJECT
private slots:
    void commandLineFilesOpenAsOpenOpensThem_data();
    void commandLineFilesOpenAsOpenOpensThem();
    void droppedFilesOpenAndTablesBecomeTable1_data();
    void droppedFilesOpenAndTablesBecomeTable1();
    void settingsLiveInTheStartupFolderOrTheConfigurationFolder_data();
    void settingsLiveInTheStartupFolderOrTheConfigurationFolder();
};

void OutsideFilesTest::commandLineFilesOpenAsOpenOpensThem_data()
{
    QTest::addColumn<QStringList>("made");
    QTest::addColumn<QStringList>("named");  // relative to the working directory, the test's folder
    QTest::addColumn<QStringList>("windows");
    QTest::addColumn<QStringList>("missing");  // told as Open tells them
    QTest::addColumn<int>("savestateQuestions");
    QTest::addColumn<QString>("table1");  // of the active document

    QTest::newRow("one file") << QStringList{"game.smc"} << QStringList{"game.smc"} << QStringList{"game.smc"}
                              << QStringList{} << 0 << "";
    QTest::newRow("a bad one among good ones")
        << QStringList{"a.bin", "c.bin"} << QStringList{"a.bin", "b.bin", "c.bin"} << QStringList{"a.bin", "c.bin"}
        << QStringList{"b.bin"} << 0 << "";
    QTest::newRow("the companion table") << QStringList{"game.smc", "game.tbl"} << QStringList{"game.smc"}
                                         << QStringList{"game.smc"} << QStringList{} << 0 << "game.tbl";
    QTest::newRow("a savestate asks") << QStringList{"save.zst"} << QStringList{"save.zst"} << QStringList{"save.zst"}
                                      << QStringList{} << 1 << "";
    QTest::newRow("one file under two names")
        << QStringList{"a.bin"} << QStringList{"a.bin", "./a.bin"} << QStringList{"a.bin"} << QStringList{} << 0 << "";
}

void OutsideFilesTest::commandLineFilesOpenAsOpenOpensThem()
{
    QFETCH(QStringList, made);
    QFETCH(QStringList, named);
    QFETCH(QStringList, windows);
    QFETCH(QStringList, missing);
    QFETCH(int, savestateQuestions);
    QFETCH(QString, table1);
    FrameFixture fixture;
    MakeFiles(fixture, made);
    QStringList expectedTexts;
    for (int question = 0; question < savestateQuestions; ++question) {
        fixture.prompter.answers.push_back(false);
        expectedTexts << QString::fromUtf8(messages::kSavestateQuestion);
    }
    for (const QString& name : missing) {
        expectedTexts << QString::fromUtf8(messages::kCannotOpenFile) + "\ncannot open " + fixture.path(name) +
                             ": No such file or directory";
    }

    fixture.frame->OpenFiles(named);
    QCOMPARE(Captions(fixture), windows);
    QCOMPARE(Caption(*fixture.frame->activeEditor()), windows.last());
    QCOMPARE(DocumentOf(fixture.frame->activeEditor()).fileName, fixture.path(windows.last()).toStdString());
    QCOMPARE(ActiveTable1(fixture), table1);
    QCOMPARE(fixture.prompter.texts(), expectedTexts);
    QCOMPARE(fixture.prompter.unexpected, 0);
}

void OutsideFilesTest::droppedFilesOpenAndTablesBecomeTable1_data()
{
    QTest::addColumn<QStringList>("opened");  // through Open before the drop
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QStringList>("windows");
    QTest::addColumn<QString>("table1");        // of the active document
    QTest::addColumn<QString>("firstRowText");  // the start of the active window's text column

    QTest::newRow("a ROM") << QStringList{} << QStringList{"game.smc"} << QStringList{"game.smc"} << ""
                           << "";
    QTest::newRow("two ROMs, the last active")
        << QStringList{} << QStringList{"a.bin", "b.bin"} << QStringList{"a.bin", "b.bin"} << ""
        << "";
    QTest::newRow("a table onto a window")
        << QStringList{"rom.bin"} << QStringList{"names.tbl"} << QStringList{"rom.bin"} << "names.tbl"
        << "Z";
    QTest::newRow("a table in capitals") << QStringList{"rom.bin"} << QStringList{"NAMES.TBL"} << QStringList{"rom.bin"}
                                         << "NAMES.TBL"
                                         << "Z";
    QTest::newRow("a ROM, then a table for it") << QStringList{"old.bin"} << QStringList{"new.bin", "new-names.tbl"}
                                                << QStringList{"old.bin", "new.bin"} << "new-names.tbl"
                                                << "Z";
    // As Open opens it: with itself as its companion table.
    QTest::newRow("a table with no window opens as a file")
        << QStringList{} << QStringList{"names.tbl"} << QStringList{"names.tbl"} << "names.tbl"
        << "";
}

void OutsideFilesTest::droppedFilesOpenAndTablesBecomeTable1()
{
    QFETCH(QStringList, opened);
    QFETCH(QStringList, dropped);
    QFETCH(QStringList, windows);
    QFETCH(QString, table1);
    QFETCH(QString, firstRowText);
    FrameFixture fixture;
    MakeFiles(fixture, opened + dropped);
    for (const QString& name : opened) QVERIFY(fixture.open(fixture.path(name)) != nullptr);
    QList<QUrl> urls;
    for (const QString& name : dropped) urls << QUrl::fromLocalFile(fixture.path(name));

    QVERIFY(Drop(fixture, urls));
    QCOMPARE(Captions(fixture), windows);
    QCOMPARE(Caption(*fixture.frame->activeEditor()), windows.last());
    QCOMPARE(ActiveTable1(fixture), table1);
    QVERIFY2(RowTextColumn(*fixture.frame->activeEditor(), 0).startsWith(firstRowText),
             qPrintable(RowTextColumn(*fixture.frame->activeEditor(), 0)));
    QCOMPARE(fixture.prompter.texts(), QStringList{});
}

void OutsideFilesTest::settingsLiveInTheStartupFolderOrTheConfigurationFolder_data()
{
    QTest::addColumn<QByteArray>("startupFile");  // none: the start-up folder holds no settings file
    QTest::addColumn<QByteArray>("configFile");   // in config/zarvo, where XDG_CONFIG_HOME points
    QTest::addColumn<bool>("xdgSet");             // else HOME points at the test's folder
    QTest::addColumn<bool>("spacedHex");          // as read
    QTest::addColumn<QString>("home");            // where both files are afterwards
    QTest::addColumn<QString>("other");           // where neither is

    const QByteArray notSpaced("a 1\nb 1\nc 0\n");
    QTest::newRow("the start-up folder holds the file") << notSpaced << QByteArray() << true << false << "."
                                                        << "config/zarvo";
    QTest::newRow("the configuration folder holds the file")
        << QByteArray() << notSpaced << true << false << "config/zarvo"
        << ".";
    QTest::newRow("the first write makes the configuration folder")
        << QByteArray() << QByteArray() << true << true << "config/zarvo"
        << ".";
    QTest::newRow("without XDG_CONFIG_HOME, ~/.config")
        << QByteArray() << QByteArray() << false << true << ".config/zarvo"
        << ".";
}

void OutsideFilesTest::settingsLiveInTheStartupFolderOrTheConfigurationFolder()
{
    QFETCH(QByteArray, startupFile);
    QFETCH(QByteArray, configFile);
    QFETCH(bool, xdgSet);
    QFETCH(bool, spacedHex);
    QFETCH(QString, home);
    QFETCH(QString, other);
    FrameFixture fixture;
    fixture.frame.reset();
    QVERIFY(QFile::remove(fixture.path(QStringLiteral("zv32ex.ini"))));
    if (!startupFile.isNull()) fixture.writeFile(QStringLiteral("zv32ex.ini"), startupFile);
    if (!configFile.isNull()) {
        QVERIFY(QDir(fixture.folder.path()).mkpath(QStringLiteral("config/zarvo")));
        fixture.writeFile(QStringLiteral("config/zarvo/zv32ex.ini"), configFile);
    }
    const EnvironmentValue xdg("XDG_CONFIG_HOME",
                               xdgSet ? fixture.path(QStringLiteral("config")).toLocal8Bit() : QByteArray());
    const EnvironmentValue userHome("HOME", fixture.folder.path().toLocal8Bit());
    fixture.frame = std::make_unique<TZarvoForm>(fixture.session, fixture.prompter);
    fixture.frame->show();
    QCOMPARE(fixture.session.settings.spacedHex, spacedHex);

    // Opening writes the recent-files list, closing the settings.
    const QString rom = fixture.writeFile(QStringLiteral("rom.bin"), PatternBytes(16));
    fixture.frame->OpenFiles({rom});
    QVERIFY(fixture.frame->close());
    QVERIFY(fixture.readFile(home + "/zv32ex.ini")
                .startsWith(QByteArray("CursorType 1\nRowType    1\nSpacedHex  ") + (spacedHex ? "1\n" : "0\n")));
    QCOMPARE(fixture.readFile(home + "/zv32ex.mru"), (rom + "\n").toLocal8Bit());
    QVERIFY(!QFile::exists(fixture.path(other + "/zv32ex.mru")));
    QCOMPARE(fixture.readFile(other + "/zv32ex.ini"), other == "." ? startupFile : configFile);
    QCOMPARE(fixture.prompter.texts(), QStringList{});
}

QTEST_MAIN(OutsideFilesTest)
#include "outside_files_test.moc"
