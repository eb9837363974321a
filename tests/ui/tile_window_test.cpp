// The tile window: its own menu keys against the frame's, the sheet's colours under
// the palettes, shift, grid and raw view, the ZST palette chooser, the palette box,
// the transforms and the clip board.

#include "tile_fixture.h"

#include <QDir>
#include <QFrame>
#include <QToolButton>

using namespace zarvo;

namespace {

// Rows alternating between eight pixels of index 1 and eight of index 0 in format 0.
QByteArray StripedBytes()
{
    QByteArray bytes(0x10000, '\0');
    for (int at = 0; at < bytes.size(); at += 2) bytes[at] = char(0xFF);
    return bytes;
}

using EditRegion = std::array<uint8_t, 64>;

EditRegion RegionOf(const TileSession& tiles)
{
    EditRegion region{};
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) region[row * 8 + column] = tiles.editBuffer[row * 64 + column];
    }
    return region;
}

}  // namespace

class TileWindowTest : public QObject {
    Q_OBJECT
private slots:
    void ownKeysBeforeFramesKeys_data();
    void ownKeysBeforeFramesKeys();
    void sheetColours_data();
    void sheetColours();
    void zstPaletteChooser_data();
    void zstPaletteChooser();
    void paletteBoxPicks_data();
    void paletteBoxPicks();
    void transformsAndClipBoard();
};

void TileWindowTest::ownKeysBeforeFramesKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("palette");
    QTest::addColumn<bool>("grid");
    QTest::addColumn<bool>("free");
    QTest::addColumn<int>("choosers");
    QTest::addColumn<QStringList>("texts");
    // The frame has Ctrl+P (checksum), Ctrl+L (the tile editor itself) and Tab (input
    // mode): the tile window's items win while it has the focus; Ctrl+S stays the frame's.
    QTest::newRow("Ctrl+P") << int(Qt::Key_P) << int(Qt::ControlModifier) << 0 << false << false << 0 << QStringList();
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << int(Qt::ControlModifier) << 1 << false << false << 0 << QStringList();
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << 2 << true << false << 0 << QStringList();
    QTest::newRow("Tab") << int(Qt::Key_Tab) << 0 << 2 << false << true << 0 << QStringList();
    QTest::newRow("Ctrl+L") << int(Qt::Key_L) << int(Qt::ControlModifier) << 2 << false << false << 1 << QStringList();
    QTest::newRow("Ctrl+S") << int(Qt::Key_S) << int(Qt::ControlModifier) << 2 << false << false << 0
                            << QStringList({"Rom file was saved successfully!"});
}

void TileWindowTest::ownKeysBeforeFramesKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, palette);
    QFETCH(bool, grid);
    QFETCH(bool, free);
    QFETCH(int, choosers);
    QFETCH(QStringList, texts);
    TileFixture fixture(StripedBytes());
    fixture.trigger("NesPal");
    fixture.tileKey(key, Qt::KeyboardModifiers(modifiers));
    TileSession& tiles = fixture.session.tiles;
    QCOMPARE(int(tiles.palette), palette);
    QCOMPARE(tiles.gridShown, grid);
    QCOMPARE(tiles.freeMovement, free);
    QVERIFY(tiles.editorOn);
    QCOMPARE(fixture.action(palette == 0 ? "DosPal" : palette == 1 ? "ZstPal" : "NesPal")->isChecked(), true);
    QCOMPARE(fixture.action("ViewTileGrid1")->isChecked(), grid);
    const auto chosen = fixture.prompter.recordsOf(PromptRecord::Kind::OpenFile);
    QCOMPARE(int(chosen.size()), choosers);
    if (choosers > 0) QCOMPARE(chosen.front().filter, QStringLiteral("ZST files (*.zs*)"));
    QCOMPARE(fixture.prompter.texts(), texts);
}

void TileWindowTest::sheetColours_data()
{
    QTest::addColumn<QString>("items");  // menu items triggered first
    QTest::addColumn<int>("shift");      // Ctrl+keypad + presses
    QTest::addColumn<bool>("raw");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("colour");
    // RGB565 on screen: each channel's top bits repeated below, 0x15 blue becomes 0xAD.
    QTest::newRow("index 1, standard") << "" << 0 << false << QPoint(3, 0) << QColor(0, 0, 0xAD);
    QTest::newRow("index 1, shift 16") << "" << 16 << false << QPoint(3, 2) << QColor(0x10, 0x14, 0x10);
    QTest::newRow("index 1, NES") << "NesPal" << 0 << false << QPoint(3, 0) << QColor(0, 0x3C, 0xA5);
    QTest::newRow("grid row") << "ViewTileGrid1" << 0 << false << QPoint(3, 8) << QColor(0xCE, 0xCB, 0xCE);
    QTest::newRow("raw: indexes 1, 1 as 0x0101") << "" << 0 << true << QPoint(3, 0) << QColor(0, 0x20, 0x08);
    // NES: planes 0 and 1 eight bytes apart, both 0xFF in row 0: index 3 (0x0555).
    QTest::newRow("NES format") << "TileFormat1" << 0 << false << QPoint(127, 0) << QColor(0, 0xAA, 0xAD);
}

void TileWindowTest::sheetColours()
{
    QFETCH(QString, items);
    QFETCH(int, shift);
    QFETCH(bool, raw);
    QFETCH(QPoint, pixel);
    QFETCH(QColor, colour);
    TileFixture fixture(StripedBytes());
    if (!items.isEmpty()) fixture.trigger(items.toLatin1().constData());
    for (int step = 0; step < shift; ++step) fixture.tileKey(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    if (raw) fixture.tileKey(Qt::Key_W);
    QCOMPARE(fixture.sheetColour(pixel.x(), pixel.y()), colour);
}

void TileWindowTest::zstPaletteChooser_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");  // -1: no such file
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("loaded");
    QTest::newRow("savestate in a dotted folder") << "roms.old/game.zst" << 4000 << QStringList() << true;
    QTest::newRow("not a savestate's name") << "save.sz" << 4000 << QStringList() << false;
    QTest::newRow("missing") << "missing.zst" << -1 << QStringList({"Fatal Error: Unable to open *.ZST file."})
                             << false;
}

void TileWindowTest::zstPaletteChooser()
{
    QFETCH(QString, path);
    QFETCH(int, size);
    QFETCH(QStringList, texts);
    QFETCH(bool, loaded);
    TileFixture fixture(StripedBytes());
    QDir(fixture.folder.path()).mkpath(QStringLiteral("roms.old"));
    if (size >= 0) {
        // Colour word 1 is 0x001F: red 31, whose top bit shows as the lowest green bit.
        QByteArray savestate(size, '\0');
        savestate[1562] = char(0x1F);
        fixture.writeFile(path, savestate);
    }
    fixture.prompter.files.push_back(fixture.path(path));
    fixture.tileKey(Qt::Key_L, Qt::ControlModifier);
    const auto chosen = fixture.prompter.recordsOf(PromptRecord::Kind::OpenFile);
    QCOMPARE(int(chosen.size()), 1);
    QCOMPARE(chosen.front().directory, fixture.folder.path());
    QCOMPARE(fixture.prompter.texts(), texts);
    QCOMPARE(fixture.doc().savestatePalette.has_value(), loaded);
    fixture.trigger("ZstPal");
    QCOMPARE(fixture.sheetColour(0, 0), loaded ? QColor(0xFF, 0x04, 0) : QColor(0, 0, 0xAD));
}

void TileWindowTest::paletteBoxPicks_data()
{
    QTest::addColumn<int>("formatKey");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QColor>("square");
    QTest::newRow("4 bitplanes take 15") << int(Qt::Key_4) << 15 << false << true << QColor(Qt::white);
    QTest::newRow("1 bitplane, right, 1") << int(Qt::Key_1) << 1 << true << true << QColor(0, 0, 0xAD);
    QTest::newRow("1 bitplane refuses 2") << int(Qt::Key_1) << 2 << true << false << QColor(Qt::black);
}

void TileWindowTest::paletteBoxPicks()
{
    QFETCH(int, formatKey);
    QFETCH(int, index);
    QFETCH(bool, right);
    QFETCH(bool, taken);
    QFETCH(QColor, square);
    TileFixture fixture(StripedBytes());
    fixture.tileKey(formatKey);
    ClickAt(fixture.tileWindow().paletteBox(), QPoint(index % 16 * 8 + 3, index / 16 * 8 + 5),
            right ? Qt::RightButton : Qt::LeftButton);
    const TileViewState& state = fixture.doc().tileView;
    QCOMPARE(right ? state.rightColour : state.leftColour, taken ? index : 0);
    QFrame* shown = right ? fixture.tileWindow().rightSquare() : fixture.tileWindow().leftSquare();
    QCOMPARE(shown->palette().color(QPalette::Window), square);
}

void TileWindowTest::transformsAndClipBoard()
{
    TileFixture fixture(PatternBytes(0x10000, 0x35, 0x53));
    TileSession& tiles = fixture.session.tiles;
    ClickAt(fixture.editor, SheetPoint(40, 40));
    const EditRegion picked = RegionOf(tiles);
    const auto press = [&fixture](const char* button) {
        ClickAt(fixture.tileWindow().findChild<QToolButton*>(QString::fromLatin1(button)), QPoint(5, 5));
    };
    // Each pixel (r, c) of the region afterwards, as the pixel of the picked region it came from.
    const auto expectFrom = [&](auto from) {
        for (int pixel = 0; pixel < 64; ++pixel) QCOMPARE(RegionOf(tiles)[pixel], picked[from(pixel / 8, pixel % 8)]);
    };
    press("SpeedButton1");
    expectFrom([](int r, int c) { return r * 8 + 7 - c; });
    press("SpeedButton1");
    press("SpeedButton2");
    expectFrom([](int r, int c) { return (7 - r) * 8 + c; });
    press("SpeedButton2");
    // A quarter turn clockwise; four of them give the region back.
    press("SpeedButton3");
    expectFrom([](int r, int c) { return (7 - c) * 8 + r; });
    for (int turn = 0; turn < 3; ++turn) press("SpeedButton3");
    expectFrom([](int r, int c) { return r * 8 + c; });

    // W = 2: a put onto clip board column 16 lands at column 15 (image pixels 120 to 135).
    fixture.tileKey(Qt::Key_Right, Qt::ShiftModifier);
    PictureBox* clip = fixture.tileWindow().clipBoardBox();
    ClickAt(clip, QPoint(16 * 16 + 4, 4), Qt::RightButton);
    QCOMPARE(clip->outline(), std::optional(QRect(240, 0, 32, 16)));
    QCOMPARE(tiles.clipBoard[3 * 136 + 120 + 5], tiles.editBuffer[3 * 64 + 5]);
    QCOMPARE(tiles.clipBoard[7 * 136 + 135], tiles.editBuffer[7 * 64 + 15]);
    const EditRegion kept = RegionOf(tiles);
    ClickAt(clip, QPoint(4, 100));  // an empty place: the edit region is cleared
    QCOMPARE(RegionOf(tiles), EditRegion{});
    ClickAt(clip, QPoint(16 * 16 + 4, 4));
    QCOMPARE(RegionOf(tiles), kept);
}

QTEST_MAIN(TileWindowTest)
#include "tile_window_test.moc"
