#include "core/document_file.h"

#include "support/document_builder.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace zarvo {
namespace {

using testing::PatternBytes;
using testing::ReadBytes;
using testing::TempFolder;

TEST(OpenDocumentFile, ViewIsTheFileButAtLeast65535BytesTheRestZero)
{
    TempFolder folder;
    for (const int32_t size : {0, 100, 65535, 200000}) {
        SCOPED_TRACE(size);
        const auto bytes = PatternBytes(static_cast<std::size_t>(size));
        const auto path = folder.write("rom.bin", bytes);
        DocRecord doc;
        ASSERT_EQ(OpenDocumentFile(doc, path), OpenError::None);
        EXPECT_EQ(doc.fileSize, size);
        EXPECT_EQ(doc.viewSize, std::max(size, 65535));
        EXPECT_EQ(doc.headerSize, 0);
        EXPECT_EQ(doc.fileName, path);
        ASSERT_GE(doc.storage.size(), static_cast<std::size_t>(doc.viewSize));
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), doc.data()));
        EXPECT_TRUE(std::all_of(doc.data() + size, doc.data() + doc.viewSize, [](uint8_t b) { return b == 0; }));
    }
}

// Another program cuts the file short, or writes into it, while it is open: the
// document keeps the bytes it read (touching them must not fault), and Save writes
// those bytes, not the other program's.
TEST(OpenDocumentFile, ChangesOfTheFileByAnotherProgramNeverReachTheDocument)
{
    TempFolder folder;
    const auto bytes = PatternBytes(3 << 20);  // large enough for huge pages
    for (const bool truncate : {true, false}) {
        const auto path = folder.write("rom.bin", bytes);
        DocRecord doc;
        ASSERT_EQ(OpenDocumentFile(doc, path), OpenError::None);
        if (truncate) {
            std::filesystem::resize_file(path, 10);
        } else {
            std::fstream(path, std::ios::in | std::ios::out | std::ios::binary)
                .write(std::string(200000, 'X').data(), 200000);
        }
        ASSERT_TRUE(std::equal(bytes.begin(), bytes.end(), doc.data())) << truncate;
        doc.data()[7] ^= 0xFF;
        ASSERT_EQ(SaveDocumentFile(doc), SaveError::None);
        auto expected = bytes;
        expected[7] ^= 0xFF;
        EXPECT_TRUE(ReadBytes(path) == expected) << truncate;
    }
}

TEST(OpenDocumentFile, RefusesWhatIsNotARegularFileAndLeavesTheRecord)
{
    TempFolder folder;
    const std::pair<std::string, OpenError> cases[] = {
        {folder.file("missing.bin"), OpenError::CannotOpen},
        {folder.path().string(), OpenError::NotRegularFile},
        {"/dev/zero", OpenError::NotRegularFile},
        {folder.sparse("huge.bin", int64_t{1} << 31), OpenError::TooLarge},
    };
    for (const auto& [path, error] : cases) {
        DocRecord doc;
        EXPECT_EQ(OpenDocumentFile(doc, path), error) << path;
        EXPECT_FALSE(doc.hasData());
        EXPECT_TRUE(doc.fileName.empty());
    }
}

TEST(SavestatePath, DependsOnTheLastExtension)
{
    for (const char* path : {"/roms/game.zst", "/roms/save.zs1", "/roms/SAVE.ZST", "/my.dir/game.zst", "my.game.zst",
                             "/roms/a.b.Zs9", "/roms/.zs", "/home/u/.local/g.ZS2", "game.zst"}) {
        EXPECT_TRUE(IsSavestatePath(path)) << path;
    }
    for (const char* path : {"/roms/save.sz", "/roms/game", "/roms/game.z", "/roms.old/game", "/a.zst/game.smc",
                             "/roms/game.zst.bak", "game.zs.", "my.zst.game"}) {
        EXPECT_FALSE(IsSavestatePath(path)) << path;
    }
}

TEST(TablePath, DependsOnTheLastExtension)
{
    for (const char* path : {"/t/names.tbl", "NAMES.TBL", "/a.b/x.Tbl", "my.game.tbl", "/t/.tbl"}) {
        EXPECT_TRUE(IsTablePath(path)) << path;
    }
    for (const char* path : {"/t/names.tbl.bak", "/t/names.tb", "/t/names.tblx", "/x.tbl/game.smc", "tbl", "/t/a.bin"}) {
        EXPECT_FALSE(IsTablePath(path)) << path;
    }
}

TEST(SavestateHeader, RemovedHeaderIsHiddenFromTheViewAndWrittenBackOnSave)
{
    TempFolder folder;
    const auto bytes = PatternBytes(70000);
    const auto path = folder.write("game.zst", bytes);
    DocRecord doc;
    ASSERT_EQ(OpenDocumentFile(doc, path), OpenError::None);
    ASSERT_TRUE(CanRemoveSavestateHeader(doc));
    RemoveSavestateHeader(doc);
    EXPECT_EQ(doc.headerSize, 3091);
    EXPECT_EQ(doc.fileSize, 70000 - 3091);
    EXPECT_EQ(doc.viewSize, 70000 - 3091);
    EXPECT_EQ(doc.data()[0], bytes[3091]);

    doc.data()[0] = 0xAB;
    ASSERT_EQ(SaveDocumentFile(doc), SaveError::None);
    auto expected = bytes;
    expected[3091] = 0xAB;
    EXPECT_EQ(ReadBytes(path), expected);
}

// The palette lies in the header at byte 1560, removed or not; a file too short for
// the header keeps its bytes, and one too short for the palette has none.
TEST(SavestateHeader, PaletteIsReadFromByte1560OfTheFile)
{
    TempFolder folder;
    const auto bytes = testing::SavestateBytes(4000, {0x001F, 0x7FFF});  // red 31, white
    for (const std::size_t size : {std::size_t{4000}, std::size_t{2071}, std::size_t{2072}}) {
        SCOPED_TRACE(size);
        DocRecord doc;
        ASSERT_EQ(OpenDocumentFile(doc, folder.write("pal.zst", {bytes.begin(), bytes.begin() + size})),
                  OpenError::None);
        EXPECT_EQ(CanRemoveSavestateHeader(doc), size == 4000);
        RemoveSavestateHeader(doc);
        EXPECT_EQ(doc.headerSize, size == 4000 ? 3091 : 0);
        ReadSavestatePalette(doc);
        ASSERT_EQ(doc.savestatePalette.has_value(), size >= 1560 + 512);
        if (doc.savestatePalette) {
            EXPECT_EQ((*doc.savestatePalette)[0], 0xF820);
            EXPECT_EQ((*doc.savestatePalette)[1], 0xFFFF);
        }
    }
}

TEST(CompanionTablePath, ReplacesTheLastExtensionOrAppends)
{
    EXPECT_EQ(CompanionTablePath("/roms/rom.smc"), "/roms/rom.tbl");
    EXPECT_EQ(CompanionTablePath("/roms/game.v1.smc"), "/roms/game.v1.tbl");
    EXPECT_EQ(CompanionTablePath("/roms/rom"), "/roms/romtbl");
    EXPECT_EQ(FileNamePart("/roms/rom.smc"), "rom.smc");
    EXPECT_EQ(FileNamePart("C:\\roms\\rom.smc"), "rom.smc");
    EXPECT_EQ(FileNamePart("rom.smc"), "rom.smc");
}

// Save writes the document's length: bytes typed past a short file's end stay out, and
// a document made shorter cuts the file. The file keeps its permissions.
TEST(SaveDocumentFile, WritesExactlyTheDocumentLengthKeepingPermissions)
{
    TempFolder folder;
    for (const int32_t size : {100, 90000}) {
        const auto path = folder.write("rom.bin", PatternBytes(static_cast<std::size_t>(size)));
        std::filesystem::permissions(path, std::filesystem::perms(0640));
        DocRecord doc;
        ASSERT_EQ(OpenDocumentFile(doc, path), OpenError::None);
        doc.data()[0] = 0x41;
        doc.data()[500] = 0x42;                  // past the small file: never written
        if (size > 70000) doc.fileSize = 70000;  // as a size change leaves it
        ASSERT_EQ(SaveDocumentFile(doc), SaveError::None);
        auto expected = PatternBytes(static_cast<std::size_t>(std::min(size, 70000)));
        expected[0] = 0x41;
        if (size > 500) expected[500] = 0x42;
        EXPECT_EQ(ReadBytes(path), expected);
        EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
                  std::filesystem::perms(0640));
    }
}

TEST(SaveDocumentAs, KeepsTheOldNameWhenTheNewOneFails)
{
    TempFolder folder;
    const auto path = folder.write("rom.bin", PatternBytes(300));
    DocRecord doc;
    ASSERT_EQ(OpenDocumentFile(doc, path), OpenError::None);
    EXPECT_EQ(SaveDocumentAs(doc, folder.file("gone/copy.bin")), SaveError::CannotCreate);
    EXPECT_EQ(doc.fileName, path);
    // Save As never replaces what is not a regular file, nor writes into it.
    const auto fifo = folder.fifo("fifo");
    for (const std::string& target : {fifo, std::string("/dev/null"), folder.path().string()}) {
        EXPECT_EQ(SaveDocumentAs(doc, target), SaveError::NotRegularFile) << target;
        EXPECT_EQ(doc.fileName, path);
    }
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));

    const auto copy = folder.file("copy.bin");
    ASSERT_EQ(SaveDocumentAs(doc, copy), SaveError::None);
    EXPECT_EQ(doc.fileName, copy);
    EXPECT_EQ(ReadBytes(copy), PatternBytes(300));
}

}  // namespace
}  // namespace zarvo
