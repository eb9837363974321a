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
    void ownKeysBeforeFramesKeys();
    void sheetColours();
    void zstPaletteChooser();
    void paletteBoxPicks();
    void transformsAndClipBoard();
};

void TileWindowTest::ownKeysBeforeFramesKeys()
{
    // The frame has Ctrl+P (checksum), Ctrl+L (the tile editor itself) and Tab (input
    // mode): the tile window's items win while it has the focus; Ctrl+S stays the frame's.
    const char* const paletteItems[] = {"DosPal", "ZstPal", "NesPal"};
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int palette;
        bool grid;
        bool free;
        int choosers;
        QStringList texts;
    } cases[] = {
        {Qt::Key_P, Qt::ControlModifier, 0, false, false, 0, {}},
        {Qt::Key_Z, Qt::ControlModifier, 1, false, false, 0, {}},
        {Qt::Key_V, Qt::ControlModifier, 2, true, false, 0, {}},
        {Qt::Key_Tab, Qt::NoModifier, 2, false, true, 0, {}},
        {Qt::Key_L, Qt::ControlModifier, 2, false, false, 1, {}},
        {Qt::Key_S, Qt::ControlModifier, 2, false, false, 0, {"Rom file was saved successfully!"}},
    };
    for (const auto& c : cases) {
        TileFixture fixture(StripedBytes());
        fixture.trigger("NesPal");
        fixture.tileKey(c.key, c.modifiers);
        const TileSession& tiles = fixture.session.tiles;
        QCOMPARE(int(tiles.palette), c.palette);
        QCOMPARE(tiles.gridShown, c.grid);
        QCOMPARE(tiles.freeMovement, c.free);
        QVERIFY(tiles.editorOn);
        QVERIFY(fixture.action(paletteItems[c.palette])->isChecked());
        QCOMPARE(fixture.action("ViewTileGrid1")->isChecked(), c.grid);
        const auto chosen = fixture.prompter.recordsOf(PromptRecord::Kind::OpenFile);
        QCOMPARE(int(chosen.size()), c.choosers);
        if (c.choosers > 0) QCOMPARE(chosen.front().filter, QStringLiteral("ZST files (*.zs*)"));
        QCOMPARE(fixture.prompter.texts(), c.texts);
    }
}

void TileWindowTest::sheetColours()
{
    // RGB565 on screen: each channel's top bits repeated below, 0x15 blue becomes 0xAD.
    const struct {
        const char* item;  // a menu item triggered first
        int shift;         // Ctrl+keypad + presses
        bool raw;
        QPoint pixel;
        QColor colour;
    } cases[] = {
        {nullptr, 0, false, {3, 0}, QColor(0, 0, 0xAD)},  // index 1
        {nullptr, 16, false, {3, 2}, QColor(0x10, 0x14, 0x10)},
        {"NesPal", 0, false, {3, 0}, QColor(0, 0x3C, 0xA5)},
        {"ViewTileGrid1", 0, false, {3, 8}, QColor(0xCE, 0xCB, 0xCE)},
        {nullptr, 0, true, {3, 0}, QColor(0, 0x20, 0x08)},  // raw: indexes 1, 1 as 0x0101
        // NES: planes 0 and 1 eight bytes apart, both 0xFF in row 0: index 3 (0x0555).
        {"TileFormat1", 0, false, {127, 0}, QColor(0, 0xAA, 0xAD)},
    };
    for (const auto& c : cases) {
        TileFixture fixture(StripedBytes());
        if (c.item != nullptr) fixture.trigger(c.item);
        for (int step = 0; step < c.shift; ++step) {
            fixture.tileKey(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
        }
        if (c.raw) fixture.tileKey(Qt::Key_W);
        QCOMPARE(fixture.sheetColour(c.pixel.x(), c.pixel.y()), c.colour);
    }
}

void TileWindowTest::zstPaletteChooser()
{
    const struct {
        QString path;
        int size;  // -1: no such file
        QStringList texts;
        bool loaded;
    } cases[] = {
        {"roms.old/game.zst", 4000, {}, true},
        {"save.sz", 4000, {}, false},  // not a savestate's name
        {"missing.zst", -1, {"Fatal Error: Unable to open *.ZST file."}, false},
    };
    for (const auto& c : cases) {
        TileFixture fixture(StripedBytes());
        QDir(fixture.folder.path()).mkpath(QStringLiteral("roms.old"));
        if (c.size >= 0) {
            // Colour word 1 is 0x001F: red 31, whose top bit shows as the lowest green bit.
            QByteArray savestate(c.size, '\0');
            savestate[1562] = char(0x1F);
            fixture.writeFile(c.path, savestate);
        }
        fixture.prompter.files.push_back(fixture.path(c.path));
        fixture.tileKey(Qt::Key_L, Qt::ControlModifier);
        const auto chosen = fixture.prompter.recordsOf(PromptRecord::Kind::OpenFile);
        QCOMPARE(int(chosen.size()), 1);
        QCOMPARE(chosen.front().directory, fixture.path(QStringLiteral("rom.zst")));  // beside the document
        QCOMPARE(fixture.prompter.texts(), c.texts);
        QCOMPARE(fixture.doc().savestatePalette.has_value(), c.loaded);
        fixture.trigger("ZstPal");
        QCOMPARE(fixture.sheetColour(0, 0), c.loaded ? QColor(0xFF, 0x04, 0) : QColor(0, 0, 0xAD));
    }
}

void TileWindowTest::paletteBoxPicks()
{
    const struct {
        Qt::Key formatKey;
        int index;
        Qt::MouseButton button;
        bool taken;
        QColor square;
    } cases[] = {
        {Qt::Key_4, 15, Qt::LeftButton, true, Qt::white},
        {Qt::Key_1, 1, Qt::RightButton, true, QColor(0, 0, 0xAD)},
        {Qt::Key_1, 2, Qt::RightButton, false, Qt::black},  // past one bitplane
    };
    for (const auto& c : cases) {
        TileFixture fixture(StripedBytes());
        fixture.tileKey(c.formatKey);
        ClickAt(fixture.tileWindow().paletteBox(), QPoint(c.index % 16 * 8 + 3, c.index / 16 * 8 + 5), c.button);
        const TileViewState& state = fixture.doc().tileView;
        const bool right = c.button == Qt::RightButton;
        QCOMPARE(right ? state.rightColour : state.leftColour, c.taken ? c.index : 0);
        QFrame* shown = right ? fixture.tileWindow().rightSquare() : fixture.tileWindow().leftSquare();
        QCOMPARE(shown->palette().color(QPalette::Window), c.square);
    }
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
