#include "cli/tiles_command.h"

#include "cli/tiles_import_command.h"
#include "support/document_builder.h"
#include "support/temp_folder.h"
#include "support/tile_model.h"
#include "support/tool_run.h"
#include "tiles/rgb565.h"
#include "tiles/tile_palette.h"

#include <QImage>

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::ModelSheet;
using testing::RandomBytes;
using testing::ReadBytes;
using testing::RunCommand;
using testing::TempFolder;
using testing::Words;

// The arguments followed by more.
Words With(Words arguments, const Words& more)
{
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

// A colour of the palette as the PNG holds it, opaque.
QRgb Expanded(uint16_t colour) { return 0xFF000000u | Rgb565ToRgb888(colour); }

QImage Picture(const std::string& path) { return QImage(QString::fromStdString(path)); }

TEST(TilesCommand, WritesTheSheetThePaletteAndShiftGive)
{
    TempFolder folder;
    const auto bytes = RandomBytes(70000, 21);
    const auto rom = folder.write("game.smc", bytes);
    const auto savestate =
        "zst:" + folder.write("colours.zst", testing::SavestateBytes(300000, {0x001F, 0x7FFF, 0x03E0, 0x7C00}));
    const TileColours zst = {0xF820, 0xFFFF, 0x07C0, 0x001F};
    const struct {
        int format;
        int height;
        int width;
        int64_t offset;          // where the sheet must start
        std::string offsetText;  // what is asked for
        const TileColours& palette;
        int shift;
        std::vector<std::string> more;
    } cases[] = {
        {0, 8, 16, 0x1234, "1234", StandardPalette(), 0, {}},
        {1, 16, 16, 0x400, "400", NesPalette(), 0, {"--palette", "nes"}},
        {2, 12, 5, 0x10, "10", StandardPalette(), 16, {"--shift", "16"}},
        {3, 8, 16, 0x2000, "2000", StandardPalette(), 0, {"--grid"}},
        {4, 32, 7, 0x3001, "3001", StandardPalette(), -300, {"--shift", "-300"}},
        {5, 1, 16, 0, "9000", StandardPalette(), 0, {}},  // 128 x 1024 bytes are more than the data
        {6, 24, 16, 0x20, "20", zst, 0, {"--palette", savestate}},
        {7, 8, 16, 70000 - 4096, "FFFFFF", StandardPalette(), 0, {}},  // 16 x 256 bytes stay in view
        {8, 9, 11, 0x777, "777", NesPalette(), -1, {"--palette", "nes", "--shift", "-1", "--grid"}},
        {9, 20, 16, 70000 - 6 * 384, "7FFFFFFF", StandardPalette(), 0, {}},
    };
    for (const auto& c : cases) {
        const auto png = folder.file("sheet.png");
        const auto done = RunCommand(
            cli::TilesCommand(), With({rom, "--format", std::to_string(c.format), "--offset", c.offsetText, "--height",
                                       std::to_string(c.height), "--width", std::to_string(c.width), "-o", png},
                                      c.more));
        ASSERT_EQ(done.status, 0) << done.err;
        const QImage image = Picture(png);
        ASSERT_EQ(image.size(), QSize(128, 128));
        const bool grid = !c.more.empty() && c.more.back() == "--grid";
        const auto indexes = ModelSheet(bytes, c.offset, c.format, c.height, c.width);
        for (int i = 0; i < 128 * 128; ++i) {
            const int x = i % 128;
            const int y = i / 128;
            const int index = (indexes[static_cast<std::size_t>(i)] + c.shift % 256 + 256) % 256;
            const uint16_t colour = grid && (x % 8 == 0 || y % 8 == 0) ? 0xCE59 : c.palette[index];
            ASSERT_EQ(image.pixel(x, y), Expanded(colour)) << "format " << c.format << " at " << x << "," << y;
        }
    }
}

TEST(TilesCommand, FormatNamesSelectTheNumberedFormats)
{
    TempFolder folder;
    const auto rom = folder.write("rom.bin", RandomBytes(70000, 8));
    const auto sheet = [&](const std::string& format) {
        const auto png = folder.file(format + ".png");
        const auto done = RunCommand(cli::TilesCommand(), {rom, "--format", format, "--offset", "100", "-o", png});
        return std::pair(done.status, testing::ReadText(png));
    };
    const char* names[] = {"1bpp", "NES", "gb", "snes4", "snes8", "mode7", "sms", "gba4", "Genesis", "snes3"};
    for (int format = 0; format < 10; ++format) {
        const auto byNumber = sheet(std::to_string(format));
        ASSERT_EQ(byNumber.first, 0);
        EXPECT_EQ(sheet(names[format]), byNumber) << names[format];
    }
    for (const char* wrong : {"snes", "2bpp", "10", "-1", ""}) EXPECT_EQ(sheet(wrong).first, 2) << wrong;
}

TEST(TilesCommand, SavestatePalettesFromAFileOrTheRomItself)
{
    TempFolder folder;
    const auto rom = folder.write("plain.smc", std::vector<uint8_t>(70000, 0));
    const auto blue = testing::SavestateBytes(300000, {0x7C00});
    const auto png = folder.file("p.png");
    const auto sheet = [&](const std::string& romPath, const std::string& palette) {
        std::filesystem::remove(png);
        return RunCommand(cli::TilesCommand(),
                          {romPath, "--format", "0", "--offset", "0", "--palette", palette, "-o", png});
    };
    for (const char* name : {"game.zs1", "my.game.ZST"}) {  // the last extension tells
        const auto done = sheet(folder.write(name, blue), "zst");
        EXPECT_EQ(std::tuple(done.status, done.err), std::tuple(0, "")) << name;
        EXPECT_EQ(Picture(png).pixel(0, 0), qRgb(0, 0, 0xFF)) << name;
    }
    // Asked for, but no ZST palette to draw with: refused, not drawn in the standard palette.
    const std::pair<std::string, std::string> refused[] = {
        {rom, "zst"},
        {folder.write("game.zst.bak", blue), "zst"},
        {folder.write("short.zst", std::vector<uint8_t>(blue.begin(), blue.begin() + 2071)), "zst"},
        {rom, "zst:" + folder.write("colours.bin", blue)},  // a file not named as a savestate is passed over
    };
    for (const auto& [romPath, palette] : refused) {
        const auto done = sheet(romPath, palette);
        EXPECT_EQ(done.status, 1) << romPath;
        EXPECT_NE(done.err.find("zarvo-tool: --palette zst: " + romPath), std::string::npos) << done.err;
        EXPECT_FALSE(std::filesystem::exists(png)) << romPath;
    }
    const auto missing = sheet(rom, "zst:" + folder.file("none.zst"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Fatal Error: Unable to open *.ZST file.\n");
}

TEST(TilesImportCommand, ExportThenImportGivesTheRomBack)
{
    TempFolder folder;
    // Bytes whose standard colours differ, for the format whose pixels are whole bytes.
    std::vector<uint8_t> distinct;
    std::set<uint16_t> seen;
    for (int index = 0; index < 256; ++index) {
        if (seen.insert(StandardPalette()[static_cast<std::size_t>(index)]).second) distinct.push_back(index);
    }
    for (int format : {0, 1, 2, 3, 5, 6, 7, 8, 9}) {
        for (const auto& [height, width, offset] : {std::tuple{8, 16, 0x100}, {16, 9, 0x3333}, {13, 16, 69000}}) {
            auto bytes = RandomBytes(70001, static_cast<unsigned>(format * 7 + height));
            if (format == 5) {
                for (auto& byte : bytes) byte = distinct[byte % distinct.size()];
            }
            const auto rom = folder.write("rom.bin", bytes);
            const auto png = folder.file("sheet.png");
            const Words sheet = {"--format", std::to_string(format), "--offset", std::to_string(offset),
                                 "--height", std::to_string(height), "--width",  std::to_string(width)};
            ASSERT_EQ(RunCommand(cli::TilesCommand(), With({rom, "-o", png}, sheet)).status, 0);
            const auto imported =
                RunCommand(cli::TilesImportCommand(), With({rom, png, "-o", folder.file("out.bin")}, sheet));
            ASSERT_EQ(imported.status, 0) << imported.err;
            ASSERT_TRUE(ReadBytes(folder.file("out.bin")) == bytes) << "format " << format << " height " << height;
        }
    }
}

TEST(TilesImportCommand, WritesOnlyTheShownRowsOfTheShownStrips)
{
    TempFolder folder;
    const auto bytes = RandomBytes(70000, 5);
    QImage picture(128, 128, QImage::Format_RGB32);
    picture.fill(Expanded(0x0015));  // index 1 everywhere
    const auto png = folder.file("ones.png");
    ASSERT_TRUE(picture.save(QString::fromStdString(png)));
    // Format 0, h 12, w 4, at 0x100: strips of 12 bytes; the eleventh strip row shows 8 of its 12 rows.
    const auto done =
        RunCommand(cli::TilesImportCommand(), {folder.write("rom.bin", bytes), png, "--format", "0", "--offset", "100",
                                               "--height", "12", "--width", "4", "-o", folder.file("out.bin")});
    ASSERT_EQ(done.status, 0) << done.err;
    const auto after = ReadBytes(folder.file("out.bin"));
    ASSERT_EQ(after.size(), bytes.size());
    for (int i = 0; i < 70000; ++i) {
        const int strip = (i - 0x100) / 12;
        const bool shown = i >= 0x100 && (strip < 40 || (strip < 44 && (i - 0x100) % 12 < 8));
        ASSERT_EQ(after[static_cast<std::size_t>(i)], shown ? 0xFF : bytes[static_cast<std::size_t>(i)]) << i;
    }
}

TEST(TilesImportCommand, RefusesPicturesItCannotReadBackAndWritesNothing)
{
    TempFolder folder;
    const auto rom = folder.write("rom.bin", RandomBytes(70000, 6));
    const auto png = folder.file("sheet.png");
    ASSERT_EQ(RunCommand(cli::TilesCommand(), {rom, "--format", "0", "--offset", "0", "-o", png}).status, 0);
    const auto changed = [&](int x, int y, QRgb colour) {
        QImage image = Picture(png).convertToFormat(QImage::Format_ARGB32);
        image.setPixel(x, y, colour);
        const auto path = folder.file("changed" + std::to_string(x) + ".png");
        image.save(QString::fromStdString(path));
        return path;
    };
    QImage wide(129, 128, QImage::Format_RGB32);
    wide.fill(0);
    wide.save(QString::fromStdString(folder.file("wide.png")));
    Picture(png).save(QString::fromStdString(folder.file("sheet.bmp")));
    const std::string whole = testing::ReadText(png);
    const auto cut = [&](std::size_t size) {
        return folder.write("cut" + std::to_string(size) + ".png", whole.substr(0, size));
    };
    const std::pair<std::string, std::string> cases[] = {
        {changed(7, 3, qRgb(1, 2, 3)), "pixel (7, 3)"},
        {changed(90, 100, Expanded(0x0540)), "pixel (90, 100)"},  // index 2 needs more than one bit
        {changed(0, 127, qRgba(0, 0, 0, 128)), "pixel (0, 127)"},
        {folder.write("text.png", std::string("not a picture")), "not a PNG image"},
        {folder.write("empty.png", std::string()), "not a PNG image"},
        {folder.file("sheet.bmp"), "not a PNG image"},
        {cut(whole.size() / 2), "not a complete, sound PNG image"},   // rows missing
        {cut(whole.size() - 12), "not a complete, sound PNG image"},  // no end chunk
        {cut(whole.size() - 1), "not a complete, sound PNG image"},   // the end chunk cut short
        {folder.file("wide.png"), "129 x 128"},
        {folder.file("absent.png"), "cannot open"},
    };
    for (const auto& [picture, says] : cases) {
        const auto out = folder.file("out.bin");
        const auto refused =
            RunCommand(cli::TilesImportCommand(), {rom, picture, "--format", "0", "--offset", "0", "-o", out});
        EXPECT_EQ(refused.status, 1) << says;
        EXPECT_NE(refused.err.find(says), std::string::npos) << refused.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << says;
    }
}

TEST(TilesCommands, WrongUsageGivesStatus2)
{
    const Words cases[] = {
        {"--format", "10", "--offset", "0", "-o", "x"},
        {"--format", "1", "--offset", "0", "--height", "33", "-o", "x"},
        {"--offset", "0", "--height", "0", "-o", "x"},
        {"--format", "1", "--offset", "0", "--width", "17", "-o", "x"},
        {"--format", "1", "--offset", "0", "--palette", "vga", "-o", "x"},
        {"--format", "1", "--offset", "0", "--shift", "1.5", "-o", "x"},
        {"--format", "1", "--offset", "0"},
    };
    for (const Words& options : cases) {
        testing::ExpectRun({cli::TilesCommand(), With({"rom"}, options), 2});
        testing::ExpectRun({cli::TilesImportCommand(), With({"rom", "sheet.png"}, options), 2});
    }
    testing::ExpectRun({cli::TilesImportCommand(), {"rom", "--format", "1", "--offset", "0", "-o", "x"}, 2});
}

}  // namespace
}  // namespace zarvo
