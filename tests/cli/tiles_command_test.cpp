#include "cli/tiles_command.h"

#include "cli/tiles_import_command.h"
#include "support/temp_folder.h"
#include "support/tile_model.h"
#include "tiles/tile_palette.h"

#include <QImage>

#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using testing::ModelSheet;
using testing::RandomBytes;
using testing::ReadBytes;
using testing::TempFolder;

struct Outcome {
    int status;
    std::string err;
};

Outcome RunTool(const cli::Command& command, const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = command.run(arguments, out, err);
    return {status, err.str()};
}

// An RGB565 colour with 8-bit channels: each channel's top bits repeated below it.
QRgb Expanded(uint16_t colour)
{
    const int red = colour >> 11;
    const int green = (colour >> 5) & 63;
    const int blue = colour & 31;
    return qRgb(red << 3 | red >> 2, green << 2 | green >> 4, blue << 3 | blue >> 2);
}

// A savestate whose palette words are those given, from colour 0 on.
std::vector<uint8_t> Savestate(const std::vector<uint16_t>& words)
{
    std::vector<uint8_t> bytes(300000, 0x11);
    for (std::size_t k = 0; k < 256; ++k) {
        const uint16_t word = k < words.size() ? words[k] : 0;
        bytes[1560 + 2 * k] = static_cast<uint8_t>(word);
        bytes[1561 + 2 * k] = static_cast<uint8_t>(word >> 8);
    }
    return bytes;
}

struct SheetCase {
    int format;
    int height;
    int width;
    int64_t offset;          // where the sheet must start
    std::string offsetText;  // what is asked for
    std::vector<std::string> more;
};

TEST(TilesCommand, WritesTheSheetThePaletteAndShiftGive)
{
    TempFolder folder;
    const auto bytes = RandomBytes(70000, 21);
    const auto rom = folder.write("game.smc", bytes);
    const auto savestate = folder.write("colours.zst", Savestate({0x001F, 0x7FFF, 0x03E0, 0x7C00}));
    const std::vector<uint16_t> savestateColours = {0xF820, 0xFFFF, 0x07C0, 0x001F};
    const SheetCase cases[] = {
        {0, 8, 16, 0x1234, "1234", {}},
        {1, 16, 16, 0x400, "400", {"--palette", "nes"}},
        {2, 12, 5, 0x10, "10z", {"--shift", "16"}},  // the offset is read up to the 'z'
        {3, 8, 16, 0x2000, "2000", {"--grid"}},
        {4, 32, 7, 0x3001, "3001", {"--shift", "-300"}},
        {5, 1, 16, 0, "9000", {}},  // 128 x 1024 bytes are more than the data: the sheet starts at 0
        {6, 24, 16, 0x20, "20", {"--palette", "zst:" + savestate}},
        {7, 8, 16, 70000 - 4096, "FFFFFF", {}},  // the end-of-data clamp: 16 x 256 bytes stay in view
        {8, 9, 11, 0x777, "777", {"--palette", "nes", "--shift", "-1", "--grid"}},
        {9, 20, 16, 70000 - 6 * 384, "7FFFFFFF", {}},
    };
    for (const auto& c : cases) {
        const auto png = folder.file("sheet.png");
        std::vector<std::string> arguments = {rom,
                                              "--format",
                                              std::to_string(c.format),
                                              "--offset",
                                              c.offsetText,
                                              "--height",
                                              std::to_string(c.height),
                                              "--width",
                                              std::to_string(c.width),
                                              "-o",
                                              png};
        arguments.insert(arguments.end(), c.more.begin(), c.more.end());
        const Outcome done = RunTool(cli::TilesCommand(), arguments);
        ASSERT_EQ(done.status, 0) << done.err;

        const QImage image(QString::fromStdString(png));
        ASSERT_EQ(image.width(), 128);
        ASSERT_EQ(image.height(), 128);
        const bool grid = std::find(c.more.begin(), c.more.end(), "--grid") != c.more.end();
        int shift = 0;
        const TileColours* palette = &StandardPalette();
        for (std::size_t i = 0; i + 1 < c.more.size(); ++i) {
            if (c.more[i] == "--shift") shift = std::stoi(c.more[i + 1]);
            if (c.more[i + 1] == "nes") palette = &NesPalette();
        }
        const auto indexes = ModelSheet(bytes, c.offset, c.format, c.height, c.width);
        for (int y = 0; y < 128; ++y) {
            for (int x = 0; x < 128; ++x) {
                const int index = (indexes[static_cast<std::size_t>(y * 128 + x)] + shift % 256 + 256) % 256;
                uint16_t colour = (*palette)[static_cast<std::size_t>(index)];
                if (c.format == 6) colour = index < 4 ? savestateColours[static_cast<std::size_t>(index)] : 0;
                if (grid && (x % 8 == 0 || y % 8 == 0)) colour = 0xCE59;
                ASSERT_EQ(image.pixel(x, y), Expanded(colour))
                    << "format " << c.format << " pixel " << x << "," << y << " index " << index;
            }
        }
    }
    // Index 1 of the standard palette is 0x0015: blue 21 written as 0xAD.
    ASSERT_EQ(RunTool(cli::TilesCommand(), {folder.write("ones.bin", std::vector<uint8_t>(70000, 0xFF)), "--format",
                                            "0", "--offset", "0", "-o", folder.file("ones.png")})
                  .status,
              0);
    EXPECT_EQ(QImage(QString::fromStdString(folder.file("ones.png"))).pixel(3, 3), qRgb(0, 0, 0xAD));
}

TEST(TilesCommand, PaletteFilesAndTheRomsOwnSavestatePalette)
{
    TempFolder folder;
    const std::vector<uint8_t> zeros(70000, 0);
    const auto rom = folder.write("plain.smc", zeros);
    const auto pixelWith = [&](const std::string& romPath, const std::string& palette) {
        const auto png = folder.file("p.png");
        const Outcome done =
            RunTool(cli::TilesCommand(), {romPath, "--format", "0", "--offset", "0", "--palette", palette, "-o", png});
        return std::pair{done, done.status == 0 ? QImage(QString::fromStdString(png)).pixel(0, 0) : QRgb{}};
    };
    const auto [missing, noPixel] = pixelWith(rom, "zst:" + folder.file("none.zst"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Fatal Error: Unable to open *.ZST file.\n");
    const auto [misnamed, standard] = pixelWith(rom, "zst:" + folder.write("colours.bin", Savestate({0x001F})));
    EXPECT_EQ(misnamed.status, 0);
    EXPECT_NE(misnamed.err, "");
    EXPECT_EQ(standard, qRgb(0, 0, 0));
    const auto [shortFile, none] = pixelWith(rom, "zst:" + folder.write("short.zst", std::vector<uint8_t>(2000, 0)));
    EXPECT_EQ(shortFile.status, 1);
    // A savestate opened as the ROM brings its own palette, as Open reads it.
    auto state = Savestate({0x7C00});
    const auto [own, blue] = pixelWith(folder.write("game.zs1", state), "zst");
    EXPECT_EQ(own.status, 0);
    EXPECT_EQ(blue, qRgb(0, 0, 0xFF));
    const auto [plain, black] = pixelWith(rom, "zst");  // no savestate: the standard palette
    EXPECT_EQ(black, qRgb(0, 0, 0));
}

TEST(TilesImportCommand, ExportThenImportGivesTheRomBack)
{
    TempFolder folder;
    // Bytes whose standard colours are all distinct, for the formats that take whole bytes.
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
            const auto out = folder.file("out.bin");
            const std::vector<std::string> sheet = {
                "--format", std::to_string(format), "--offset", std::to_string(offset),
                "--height", std::to_string(height), "--width",  std::to_string(width)};
            std::vector<std::string> exporting = {rom, "-o", png};
            exporting.insert(exporting.end(), sheet.begin(), sheet.end());
            ASSERT_EQ(RunTool(cli::TilesCommand(), exporting).status, 0);
            std::vector<std::string> importing = {rom, png, "-o", out};
            importing.insert(importing.end(), sheet.begin(), sheet.end());
            const Outcome imported = RunTool(cli::TilesImportCommand(), importing);
            ASSERT_EQ(imported.status, 0) << imported.err;
            ASSERT_TRUE(ReadBytes(out) == bytes) << "format " << format << " height " << height;
        }
    }
}

TEST(TilesImportCommand, WritesOnlyTheShownRowsOfTheShownStrips)
{
    TempFolder folder;
    const auto bytes = RandomBytes(70000, 5);
    const auto rom = folder.write("rom.bin", bytes);
    QImage picture(128, 128, QImage::Format_RGB32);
    picture.fill(Expanded(0x0015));  // index 1 everywhere
    const auto png = folder.file("ones.png");
    ASSERT_TRUE(picture.save(QString::fromStdString(png)));
    const auto out = folder.file("out.bin");
    // Format 0, h 12, w 4, at 0x100: strips of 12 bytes; the eleventh strip row shows 8 of its 12 rows.
    const Outcome done = RunTool(cli::TilesImportCommand(), {rom, png, "--format", "0", "--offset", "100", "--height",
                                                             "12", "--width", "4", "-o", out});
    ASSERT_EQ(done.status, 0) << done.err;
    const auto after = ReadBytes(out);
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
    ASSERT_EQ(RunTool(cli::TilesCommand(), {rom, "--format", "0", "--offset", "0", "-o", png}).status, 0);
    const auto changed = [&](int x, int y, QRgb colour, QImage::Format format = QImage::Format_ARGB32) {
        QImage image = QImage(QString::fromStdString(png)).convertToFormat(format);
        image.setPixel(x, y, colour);
        const auto path = folder.file("changed" + std::to_string(x) + ".png");
        image.save(QString::fromStdString(path));
        return path;
    };
    const struct {
        std::string picture;
        std::string says;
    } cases[] = {
        {changed(7, 3, qRgb(1, 2, 3)), "pixel (7, 3)"},
        {changed(90, 100, Expanded(0x0540)), "pixel (90, 100)"},  // index 2: more than one bit holds
        {changed(0, 127, qRgba(0, 0, 0, 128)), "pixel (0, 127)"},
        {folder.write("small.png", std::string("not a picture")), "not an image"},
        {folder.file("absent.png"), "cannot open"},
    };
    for (const auto& c : cases) {
        const auto out = folder.file("out.bin");
        const Outcome refused =
            RunTool(cli::TilesImportCommand(), {rom, c.picture, "--format", "0", "--offset", "0", "-o", out});
        EXPECT_EQ(refused.status, 1) << c.says;
        EXPECT_NE(refused.err.find(c.says), std::string::npos) << refused.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.says;
    }
    QImage wide(129, 128, QImage::Format_RGB32);
    wide.fill(0);
    const auto widePath = folder.file("wide.png");
    wide.save(QString::fromStdString(widePath));
    EXPECT_EQ(RunTool(cli::TilesImportCommand(), {rom, widePath, "--format", "0", "--offset", "0", "-o", png}).status,
              1);
}

TEST(TilesCommands, WrongUsageGivesStatus2)
{
    const std::vector<std::vector<std::string>> cases = {
        {"rom", "--format", "10", "--offset", "0", "-o", "x"},
        {"rom", "--format", "1", "--offset", "0", "--height", "33", "-o", "x"},
        {"rom", "--format", "1", "--offset", "0", "--height", "0", "-o", "x"},
        {"rom", "--format", "1", "--offset", "0", "--width", "17", "-o", "x"},
        {"rom", "--format", "1", "--offset", "0", "--palette", "vga", "-o", "x"},
        {"rom", "--format", "1", "--offset", "0", "--shift", "1.5", "-o", "x"},
        {"rom", "--format", "1", "--offset", "G0", "-o", "x"},
        {"rom", "--offset", "0", "-o", "x"},
        {"rom", "--format", "1", "-o", "x"},
        {"rom", "--format", "1", "--offset", "0"},
    };
    for (const auto& arguments : cases) {
        const Outcome exported = RunTool(cli::TilesCommand(), arguments);
        EXPECT_EQ(exported.status, 2) << ::testing::PrintToString(arguments);
        EXPECT_NE(exported.err.find("usage"), std::string::npos);
        auto withPicture = arguments;
        withPicture.insert(withPicture.begin() + 1, "sheet.png");
        EXPECT_EQ(RunTool(cli::TilesImportCommand(), withPicture).status, 2) << ::testing::PrintToString(withPicture);
    }
    EXPECT_EQ(
        RunTool(cli::TilesCommand(), {"rom", "--format", "1", "--offset", "0", "--grid", "-o", "x", "extra"}).status,
        2);
    for (const char* command : {"tiles", "tiles-import"}) {
        EXPECT_EQ(std::system((std::string(ZARVO_TOOL_PATH) + " " + command + " --help > /dev/null").c_str()), 0);
    }
}

}  // namespace
}  // namespace zarvo
