#include "cli/tiles_command.h"

#include "cli/tiles_import_command.h"
#include "support/document_builder.h"
#include "support/png_file.h"
#include "support/temp_folder.h"
#include "support/tile_model.h"
#include "support/tool_run.h"
#include "tiles/rgb565.h"
#include "tiles/tile_palette.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::ModelSheet;
using testing::RandomBytes;
using testing::ReadBytes;
using testing::ReadPicture;
using testing::RunCommand;
using testing::TempFolder;
using testing::Words;

// The arguments followed by more.
Words With(Words arguments, const Words& more)
{
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

constexpr uint32_t kOpaque = 0xFF000000;

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
        const auto image = ReadPicture(png);
        ASSERT_EQ(std::pair(image.header.width, image.header.height), std::pair(128u, 128u));
        const bool grid = !c.more.empty() && c.more.back() == "--grid";
        const auto indexes = ModelSheet(bytes, c.offset, c.format, c.height, c.width);
        for (int i = 0; i < 128 * 128; ++i) {
            const int x = i % 128;
            const int y = i / 128;
            const int index = (indexes[static_cast<std::size_t>(i)] + c.shift % 256 + 256) % 256;
            const uint16_t colour = grid && (x % 8 == 0 || y % 8 == 0) ? 0xCE59 : c.palette[index];
            ASSERT_EQ(image.argb[static_cast<std::size_t>(i)], kOpaque | Rgb565ToRgb888(colour))
                << "format " << c.format << " at " << x << "," << y;
        }
    }
}

// 64-bit FNV-1a of a file's bytes.
uint64_t Fingerprint(const std::string& path)
{
    uint64_t hash = 14695981039346656037u;
    for (const uint8_t byte : ReadBytes(path)) hash = (hash ^ byte) * 1099511628211u;
    return hash;
}

// Scripts compare exported sheets by checksum, so the bytes of the PNG files stay
// those the tool has always written: every format, the three palettes, shifts, the
// grid, the end-of-data clamp, a flat and a smooth picture.
TEST(TilesCommand, WritesTheSheetsItHasAlwaysWrittenByteForByte)
{
    TempFolder folder;
    std::vector<uint8_t> ramp(131072);
    for (std::size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<uint8_t>(i * 7 / 3);
    const auto random = folder.write("random.smc", RandomBytes(70000, 21));
    const auto zero = folder.write("zero.smc", std::vector<uint8_t>(70000, 0));
    const auto state = folder.write("game.zs1", RandomBytes(300000, 4));
    const auto smooth = folder.write("ramp.smc", ramp);
    const auto colours =
        "zst:" + folder.write("colours.zst", testing::SavestateBytes(300000, {0x001F, 0x7FFF, 0x03E0, 0x7C00}));
    const struct {
        std::string rom;
        Words options;
        std::size_t size;
        uint64_t fingerprint;
    } cases[] = {
        {random, {"--format", "0", "--offset", "1234"}, 7418, 0xC0B63AC5F0F4D067},
        {random, {"--format", "1", "--offset", "400", "--height", "16", "--palette", "nes"}, 19123, 0x5D9BF4CA911787A2},
        {random,
         {"--format", "2", "--offset", "10", "--height", "12", "--width", "5", "--shift", "16"},
         6697,
         0xCA95E3D8DF7C8A70},
        {random, {"--format", "3", "--offset", "2000", "--grid"}, 16016, 0x98111ED3C76E1E1E},
        {random,
         {"--format", "4", "--offset", "3001", "--height", "32", "--width", "7", "--shift", "-300"},
         19115,
         0xADB6C52527E56469},
        {random, {"--format", "5", "--offset", "9000", "--height", "1"}, 32520, 0x1FCC8CE037F88858},
        {random, {"--format", "6", "--offset", "20", "--height", "24", "--palette", colours}, 7810, 0x0AF10D19B923179B},
        {random, {"--format", "7", "--offset", "FFFFFF"}, 8303, 0x0CC3B3F65325040E},
        {random,
         {"--format", "8", "--offset", "777", "--height", "9", "--width", "11", "--palette", "nes", "--shift", "-1",
          "--grid"},
         14354,
         0xBD05EA5A609C5A2E},
        {random, {"--format", "9", "--offset", "7FFFFFFF", "--height", "20"}, 6088, 0x4F6FA61E335D7418},
        {zero, {"--format", "3", "--offset", "0"}, 313, 0x9092FF0249D4A464},
        {state, {"--format", "3", "--offset", "0", "--palette", "zst"}, 34273, 0x3D65909FD969391B},
        {random, {"--format", "4", "--offset", "0", "--shift", "5", "--grid"}, 32416, 0x0FC8D2D43CE64EC2},
        {smooth, {"--format", "5", "--offset", "100"}, 2851, 0x61026853F42BD823},
        {smooth, {"--format", "8", "--offset", "0", "--height", "16", "--shift", "3"}, 9632, 0xA3A591214287E2C2},
        {random, {"--format", "1", "--offset", "0", "--height", "3", "--width", "1"}, 1862, 0xF340367BDCB70E81},
    };
    for (const auto& c : cases) {
        const auto png = folder.file("sheet.png");
        const auto done = RunCommand(cli::TilesCommand(), With(With({c.rom}, c.options), {"-o", png}));
        ASSERT_EQ(done.status, 0) << done.err;
        EXPECT_EQ(std::pair(ReadBytes(png).size(), Fingerprint(png)), std::pair(c.size, c.fingerprint))
            << ::testing::PrintToString(c.options);
    }
}

// --rows N: N sheets' worth in one picture, the tile rows going on from one sheet to
// the next (heights that do not divide 128 too), kept inside the data as a sheet is.
TEST(TilesCommand, TallPicturesHoldSeveralSheetsOneAfterTheOther)
{
    TempFolder folder;
    const auto bytes = RandomBytes(200000, 9);
    const auto rom = folder.write("rom.bin", bytes);
    const struct {
        int format;
        int height;
        int width;
        int rows;
        int64_t offset;          // where the picture must start
        std::string offsetText;  // what is asked for
    } cases[] = {
        {3, 8, 16, 3, 0x1000, "1000"},
        {1, 12, 16, 2, 0x20, "20"},
        {0, 8, 16, 4, 200000 - 64 * 128, "FFFFFF"},  // 512 / 8 end units of 128 bytes stay in view
        {5, 32, 3, 5, 0x777, "777"},
    };
    for (const auto& c : cases) {
        const auto png = folder.file("tall.png");
        const auto done =
            RunCommand(cli::TilesCommand(), {rom, "--format", std::to_string(c.format), "--offset", c.offsetText,
                                             "--height", std::to_string(c.height), "--width", std::to_string(c.width),
                                             "--rows", std::to_string(c.rows), "-o", png});
        ASSERT_EQ(done.status, 0) << done.err;
        const auto image = ReadPicture(png);
        ASSERT_EQ(std::pair(image.header.width, image.header.height), std::pair(128u, 128u * c.rows));
        const auto indexes = ModelSheet(bytes, c.offset, c.format, c.height, c.width, 128 * c.rows);
        for (std::size_t i = 0; i < indexes.size(); ++i) {
            ASSERT_EQ(image.argb[i], kOpaque | Rgb565ToRgb888(StandardPalette()[indexes[i]]))
                << "format " << c.format << " " << i;
        }
    }
}

// --indexed: the pixels are the format's indexes, the PNG's palette holds one colour
// for each index the format has, after the shift.
TEST(TilesCommand, IndexedPicturesHoldTheIndexesAndThePalette)
{
    TempFolder folder;
    const auto bytes = RandomBytes(70000, 17);
    const auto rom = folder.write("rom.bin", bytes);
    const struct {
        int format;
        int shift;
        const TileColours& palette;
        std::string paletteName;
        int rows;
        std::size_t entries;
    } cases[] = {
        {0, 0, StandardPalette(), "std", 1, 2}, {3, 16, StandardPalette(), "std", 1, 16},
        {4, -1, NesPalette(), "nes", 1, 256},   {9, 0, StandardPalette(), "std", 2, 8},
        {1, 3, NesPalette(), "nes", 3, 4},
    };
    for (const auto& c : cases) {
        const auto png = folder.file("indexed.png");
        const auto done =
            RunCommand(cli::TilesCommand(),
                       {rom, "--format", std::to_string(c.format), "--offset", "40", "--shift", std::to_string(c.shift),
                        "--palette", c.paletteName, "--rows", std::to_string(c.rows), "--indexed", "-o", png});
        ASSERT_EQ(done.status, 0) << done.err;
        const auto image = ReadPicture(png);
        ASSERT_EQ(std::tuple(image.header.color_type, image.header.bit_depth, image.header.height),
                  std::tuple(SPNG_COLOR_TYPE_INDEXED, 8, 128u * c.rows));
        std::vector<uint32_t> colours;
        for (std::size_t index = 0; index < c.entries; ++index) {
            colours.push_back(Rgb565ToRgb888(c.palette[(index + static_cast<std::size_t>(c.shift % 256 + 256)) % 256]));
        }
        EXPECT_EQ(image.palette, colours) << "format " << c.format;
        EXPECT_TRUE(image.indexes == ModelSheet(bytes, 0x40, c.format, 8, 16, 128 * c.rows)) << "format " << c.format;
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
        EXPECT_EQ(ReadPicture(png).argb.at(0), kOpaque | 0x0000FF) << name;
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
    // Indexed pictures keep every index, so they also carry the formats whose colours repeat.
    const Words kinds[] = {{}, {"--indexed"}, {"--rows", "3"}, {"--rows", "2", "--indexed"}};
    for (const Words& kind : kinds) {
        const bool indexed = std::find(kind.begin(), kind.end(), "--indexed") != kind.end();
        for (int format = 0; format < 10; ++format) {
            if (format == 4 && !indexed) continue;
            for (const auto& [height, width, offset] : {std::tuple{8, 16, 0x100}, {16, 9, 0x3333}, {13, 16, 69000}}) {
                auto bytes = RandomBytes(70001, static_cast<unsigned>(format * 7 + height));
                if (format == 5 && !indexed) {
                    for (auto& byte : bytes) byte = distinct[byte % distinct.size()];
                }
                const auto rom = folder.write("rom.bin", bytes);
                const auto png = folder.file("sheet.png");
                const Words sheet = With({"--format", std::to_string(format), "--offset", std::to_string(offset),
                                          "--height", std::to_string(height), "--width", std::to_string(width)},
                                         kind);
                ASSERT_EQ(RunCommand(cli::TilesCommand(), With({rom, "-o", png}, sheet)).status, 0);
                const auto imported =
                    RunCommand(cli::TilesImportCommand(), With({rom, png, "-o", folder.file("out.bin")}, sheet));
                ASSERT_EQ(imported.status, 0) << imported.err;
                ASSERT_TRUE(ReadBytes(folder.file("out.bin")) == bytes)
                    << "format " << format << " height " << height << " " << ::testing::PrintToString(kind);
            }
        }
    }
}

// An indexed picture is read by its indexes, whatever colours its palette holds and
// whatever its bit depth; with --rows the tile rows go on from sheet to sheet.
TEST(TilesImportCommand, IndexedPicturesAreReadByTheirIndexes)
{
    TempFolder folder;
    const auto bytes = RandomBytes(70000, 12);
    const auto indexes = RandomBytes(128 * 256, 13);
    std::vector<uint8_t> rows;  // four bits a pixel, the left one high
    for (std::size_t i = 0; i < indexes.size(); i += 2) rows.push_back((indexes[i] & 15) << 4 | (indexes[i + 1] & 15));
    const auto png = folder.file("black.png");
    testing::WritePicture(png, {128, 256, 4, SPNG_COLOR_TYPE_INDEXED, 0, 0, 0}, rows, std::vector<uint32_t>(16, 0));
    const auto done = RunCommand(cli::TilesImportCommand(),
                                 {folder.write("rom.bin", bytes), png, "--format", "snes4", "--offset", "100",
                                  "--height", "16", "--rows", "2", "--indexed", "-o", folder.file("out.bin")});
    ASSERT_EQ(done.status, 0) << done.err;
    const auto sheet = ModelSheet(ReadBytes(folder.file("out.bin")), 0x100, 3, 16, 16, 256);
    for (std::size_t i = 0; i < sheet.size(); ++i) ASSERT_EQ(sheet[i], indexes[i] & 15) << i;
}

TEST(TilesImportCommand, WritesOnlyTheShownRowsOfTheShownStrips)
{
    TempFolder folder;
    const auto bytes = RandomBytes(70000, 5);
    const auto png = folder.file("ones.png");
    testing::WriteColourPicture(png, 128, 128,
                                std::vector<uint32_t>(128 * 128, kOpaque | Rgb565ToRgb888(0x0015)));  // index 1
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
    const auto changed = [&](int x, int y, uint32_t colour) {
        auto pixels = ReadPicture(png).argb;
        pixels.at(static_cast<std::size_t>(y * 128 + x)) = colour;
        const auto path = folder.file("changed" + std::to_string(x) + ".png");
        testing::WriteColourPicture(path, 128, 128, pixels);
        return path;
    };
    testing::WriteColourPicture(folder.file("wide.png"), 129, 128, std::vector<uint32_t>(129 * 128, kOpaque));
    // A BMP file's header and pixels: a picture, but not a PNG.
    folder.write("sheet.bmp", std::string("BM\x36\xC0\0\0\0\0\0\0\x36\0\0\0", 14) + std::string(49152, '\0'));
    const std::string whole = testing::ReadText(png);
    const auto cut = [&](std::size_t size) {
        return folder.write("cut" + std::to_string(size) + ".png", whole.substr(0, size));
    };
    const auto indexed = folder.file("indexed.png");
    ASSERT_EQ(
        RunCommand(cli::TilesCommand(), {rom, "--format", "3", "--offset", "0", "--indexed", "-o", indexed}).status, 0);
    struct Refusal {
        std::string picture;
        std::string says;
        Words options = {"--format", "0", "--offset", "0"};
    };
    const Refusal cases[] = {
        {changed(7, 3, kOpaque | 0x010203), "pixel (7, 3)"},
        {changed(90, 100, kOpaque | Rgb565ToRgb888(0x0540)), "pixel (90, 100)"},  // index 2 needs more than one bit
        {changed(0, 127, 0x80000000), "pixel (0, 127)"},
        {folder.write("text.png", std::string("not a picture")), "not a PNG image"},
        {folder.write("empty.png", std::string()), "not a PNG image"},
        {folder.file("sheet.bmp"), "not a PNG image"},
        {cut(whole.size() / 2), "not a complete, sound PNG image"},   // rows missing
        {cut(whole.size() - 12), "not a complete, sound PNG image"},  // no end chunk
        {cut(whole.size() - 1), "not a complete, sound PNG image"},   // the end chunk cut short
        {folder.file("wide.png"), "129 x 128"},
        {folder.file("absent.png"), "cannot open"},
        {png,
         "sheet.png is 128 x 128 pixels; 2 tile sheets are 128 x 256",
         {"--format", "0", "--offset", "0", "--rows", "2"}},
        {png, "sheet.png is not an indexed-colour PNG", {"--format", "0", "--offset", "0", "--indexed"}},
        {indexed, "of " + indexed + " has the index ", {"--format", "1", "--offset", "0"}},  // above 2 bits
    };
    for (const auto& [picture, says, options] : cases) {
        const auto out = folder.file("out.bin");
        const auto refused = RunCommand(cli::TilesImportCommand(), With({rom, picture, "-o", out}, options));
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
        {"--format", "1", "--offset", "0", "--rows", "0", "-o", "x"},
        {"--format", "1", "--offset", "0", "--rows", "1025", "-o", "x"},
    };
    for (const Words& options : cases) {
        testing::ExpectRun({cli::TilesCommand(), With({"rom"}, options), 2});
        testing::ExpectRun({cli::TilesImportCommand(), With({"rom", "sheet.png"}, options), 2});
    }
    testing::ExpectRun(
        {cli::TilesCommand(), {"rom", "--format", "1", "--offset", "0", "--grid", "--indexed", "-o", "x"}, 2});
    testing::ExpectRun({cli::TilesImportCommand(), {"rom", "--format", "1", "--offset", "0", "-o", "x"}, 2});
}

}  // namespace
}  // namespace zarvo
